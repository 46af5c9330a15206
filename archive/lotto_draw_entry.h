#pragma once

#include <QChar>
#include <QDate>
#include <QList>
#include <QString>
#include <QVariant>

class TArchiveBrowser;
class TDM1;

// The Lotto draw being entered or corrected lives in the work table LOTTO_APPINS, one row per
// wheel in the order of the draw card; the entry window edits it and writes LOTTO1 from it.
struct LottoEditRow {
    QString wheel;
    QVariant numbers[5]; // int, or null when not entered
    QString nums;        // the numbers as one text, joined by the separator
    int prog = 0;        // position in the draw card, from 1
};

// The wheel's entered numbers joined by the separator (null numbers left out).
QString JoinNumbers(const QVariant (&numbers)[5], QChar separator);

// Archive window: the rows of a new draw at `date`, one per wheel already in the archive, with
// null numbers and NUMESTRA 0. An empty archive gets the eleven wheels. On failure `message`
// holds the database's message.
bool InsertDrawSkeleton(TDM1& dm, const TArchiveBrowser& browser, const QDate& date,
                        QString& message);
// Archive window: copies the card of the current draw into LOTTO_APPINS. On failure `message`
// is the text to show ("Errore in clear appoggio 02:...", "Errore in insert in appoggio 02:...").
bool FillEditTable(TDM1& dm, const TArchiveBrowser& browser, QChar separator, QString& message);

// Entry window: the rows of LOTTO_APPINS in PROG order, and the saving of one edited row.
bool ReadEditTable(TDM1& dm, QList<LottoEditRow>& rows, QString& message);
bool SaveEditRow(TDM1& dm, const LottoEditRow& row, QString& message);

// A number that is not 0 must be from 1 to 90 (0 marks a wheel that was not drawn).
bool RangeCheck(int n, QString& message);

// Every row's list text with the old separator replaced by the new one, each row saved.
// On failure `message` is the text to show.
bool ChangeSeparator(TDM1& dm, QList<LottoEditRow>& rows, QChar oldSeparator, QChar newSeparator,
                     QString& message);

// Turns every row's list text into its five numbers (a short list repeats its last number,
// numbers past the fifth are ignored, an empty token is a null number) and saves the rows. It
// stops at the first failure: a number out of range or a row that cannot be saved (with
// `message` to show), or a token that is no number (with an empty `message`).
bool ParseLists(TDM1& dm, QList<LottoEditRow>& rows, QChar separator, QString& message);

// Checks every wheel (range, all five numbers present, no number repeated except 0) and, when
// all pass, writes the numbers into the LOTTO1 rows of `date`. `zeroFound` tells whether a
// number 0 was entered, for the warning shown after a successful save.
bool SaveDraw(TDM1& dm, const QDate& date, const QList<LottoEditRow>& rows, QString& message,
              bool& zeroFound);

extern const QString ZeroWarningText;
