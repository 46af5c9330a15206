#include "common/helpers.h"

#include <QLocale>
#include <QSqlQuery>

const QStringList WheelCodes = {QStringLiteral("BA"), QStringLiteral("CA"), QStringLiteral("FI"),
                                QStringLiteral("GE"), QStringLiteral("MI"), QStringLiteral("NA"),
                                QStringLiteral("PA"), QStringLiteral("RM"), QStringLiteral("TO"),
                                QStringLiteral("VE"), QStringLiteral("RN")};
const QStringList WheelNames = {
    QStringLiteral("BARI"),    QStringLiteral("CAGLIARI"), QStringLiteral("FIRENZE"),
    QStringLiteral("GENOVA"),  QStringLiteral("MILANO"),   QStringLiteral("NAPOLI"),
    QStringLiteral("PALERMO"), QStringLiteral("ROMA"),     QStringLiteral("TORINO"),
    QStringLiteral("VENEZIA"), QStringLiteral("NAZIONALE")};
const QString WheelLetters = QStringLiteral("BCFGMNPRTVZ");
const QStringList WheelResultColumns = {
    QStringLiteral("RBA"), QStringLiteral("RCA"), QStringLiteral("RFI"), QStringLiteral("RGE"),
    QStringLiteral("RMI"), QStringLiteral("RNA"), QStringLiteral("RPA"), QStringLiteral("RRM"),
    QStringLiteral("RTO"), QStringLiteral("RVE"), QStringLiteral("RNZ")};
const QString AllWheelsResultColumn = QStringLiteral("RTT");
const QStringList SenalColumnNames = {
    QStringLiteral("N1"), QStringLiteral("N2"), QStringLiteral("N3"), QStringLiteral("N4"),
    QStringLiteral("N5"), QStringLiteral("N6"), QStringLiteral("NJ"), QStringLiteral("NS")};
const QStringList StatCodes = {QStringLiteral("RITPO"), QStringLiteral("RITVA"),
                               QStringLiteral("FREPO"), QStringLiteral("FREVA"),
                               QStringLiteral("RRFPO"), QStringLiteral("RRFVA"),
                               QStringLiteral("RS2PO"), QStringLiteral("RS2VA"),
                               QStringLiteral("RS3PO"), QStringLiteral("RS3VA")};
const QString SystemSeparator = QStringLiteral(",");
const QString SenalGameCode = QStringLiteral("S8");

TSceltaLottoSisRecord TSceltaLottoSis;

void NextToken(QString& list, QChar separator, QString& token) {
    list = list.trimmed();
    if (list.isEmpty()) {
        token.clear();
        return;
    }
    const int at = list.indexOf(separator);
    if (at < 0) {
        token = list;
        return;
    }
    token = list.left(at);
    list = list.mid(at + 1).trimmed();
}

bool IsIntegerText(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return false;
    bool ok = false;
    trimmed.toInt(&ok, 10);
    return ok;
}

static bool ReadLocaleFloat(const QString& text, double& value) {
    // Group separators are never accepted: "1.234" is not a thousand under a comma locale.
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    value = locale.toDouble(text, &ok);
    return ok;
}

double TextToFloat(const QString& text, bool& error) {
    const QString trimmed = text.trimmed();
    double value = 0;
    error = false;
    if (ReadLocaleFloat(trimmed, value)) return value;
    QString swapped = trimmed;
    if (swapped.contains(QLatin1Char('.')))
        swapped.replace(QLatin1Char('.'), QLatin1Char(','));
    else if (swapped.contains(QLatin1Char(',')))
        swapped.replace(QLatin1Char(','), QLatin1Char('.'));
    if (ReadLocaleFloat(swapped, value)) return value;
    error = true;
    return 0;
}

double TextToFloatOrZero(const QString& text) {
    bool error = false;
    return TextToFloat(text, error);
}

QString TwoDigits(int n) {
    const QString text = QString::number(n);
    return text.size() < 2 ? QLatin1Char('0') + text : text;
}

QString TwoDigitPair(int a, int b) {
    return TwoDigits(a) + QLatin1Char('-') + TwoDigits(b);
}

QString IfThenStr(bool condition, const QString& a, const QString& b) {
    return condition ? a : b;
}

int IfThenInt(bool condition, int a, int b) {
    return condition ? a : b;
}

double IfThenFloat(bool condition, double a, double b) {
    return condition ? a : b;
}

int DecadeOf(int n) {
    for (int decade = 1; decade <= 8; ++decade)
        if (n <= decade * 10) return decade;
    return 9;
}

int WheelIndex(const QString& code) {
    const int at = WheelCodes.indexOf(code.trimmed());
    return at < 0 ? -1 : at + 1;
}

void ResetQuery(QSqlQuery& query) {
    query.finish();
    query.clear();
}

bool IsEmptyResult(QSqlQuery& query) {
    // A result set with no rows is at its end and its beginning at once.
    return !query.isActive() || !query.first();
}
