#pragma once

#include <QDate>
#include <QString>
#include <QVariant>

class TDM1;

// The columns of one SuperEnalotto contest that the entry window edits.
struct SenalContestRow {
    QDate date;
    QVariant contest;    // CONCORSO
    QVariant numbers[6]; // N1..N6
    QVariant jolly;      // NJ
    QVariant superStar;  // NS
};

// The checks of a contest before it is saved, in their order; the empty text when it passes.
QString CheckContest(const SenalContestRow& row);

// The contest of `date`; false with an empty `message` when there is none.
bool ReadContest(TDM1& dm, const QDate& date, SenalContestRow& row, QString& message);
// A new contest row at `date` whose NUMESTRA follows the latest contest's (1 in an empty
// archive). A date that already holds a contest is refused by the database: `message` has
// its message and nothing is added.
bool AppendContest(TDM1& dm, const QDate& date, QString& message);
// Writes the edited columns of the contest back.
bool SaveContest(TDM1& dm, const SenalContestRow& row, QString& message);
