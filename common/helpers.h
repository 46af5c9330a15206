#pragma once

#include <QString>
#include <QStringList>

class QSqlQuery;

// The eleven Lotto wheels in their fixed order: every per-wheel loop, column group and result
// row follows it. The Nazionale wheel (RN) always comes last.
constexpr int WheelCount = 11;
extern const QStringList WheelCodes;         // BA, CA, ... VE, RN
extern const QStringList WheelNames;         // BARI, CAGLIARI, ... NAZIONALE
extern const QString WheelLetters;           // BCFGMNPRTVZ: column prefix of each wheel (Z = RN)
extern const QStringList WheelResultColumns; // RBA ... RVE, RNZ
extern const QString AllWheelsResultColumn;  // RTT
extern const QStringList SenalColumnNames;   // N1..N6, NJ, NS
extern const QStringList StatCodes;          // RITPO, RITVA, ... RS3VA
extern const QString SystemSeparator;        // ","
// Game code that stands for the SuperEnalotto where a wheel code is expected.
extern const QString SenalGameCode; // S8

// Cuts the next token off `list` at the first `separator`. The list is trimmed first; when the
// separator is absent the token is the whole list and the list stays as it is.
void NextToken(QString& list, QChar separator, QString& token);
bool IsIntegerText(const QString& text);
// Reads a real number with the user's decimal separator, then once more with points and commas
// swapped. `error` is set (and 0 returned) when both attempts fail.
double TextToFloat(const QString& text, bool& error);
double TextToFloatOrZero(const QString& text);
QString TwoDigits(int n);
QString TwoDigitPair(int a, int b);
QString IfThenStr(bool condition, const QString& a, const QString& b);
int IfThenInt(bool condition, int a, int b);
double IfThenFloat(bool condition, double a, double b);
int DecadeOf(int n);
// 1-based index of the wheel code (both sides trimmed, case-sensitive); -1 when unknown.
int WheelIndex(const QString& code);

// Statement helpers.
void ResetQuery(QSqlQuery& query);
// True when the executed query has no row; otherwise it is left on its first row.
bool IsEmptyResult(QSqlQuery& query);

// The current choice of numbers and system, handed from one window to the next.
struct TSceltaLottoSisRecord {
    int ComboLength = 0;
    int NumberCount = 0;
    bool Chosen[91] = {}; // index 1..90
    QString Kind;
    QString Name;
    int Extra = 0;

    void Clear() { *this = TSceltaLottoSisRecord(); }
};
extern TSceltaLottoSisRecord TSceltaLottoSis;
