#include "common/sql_text.h"

#include <cmath>

QString DateToSqlText(const QDate& date) {
    return QStringLiteral("%1.%2.%3")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.year());
}

QString DateToSqlLiteral(const QDate& date) {
    return QLatin1Char('\'') + DateToSqlText(date) + QLatin1Char('\'');
}

QString FloatToSqlText(double value) {
    // QString::number never uses the locale, so the separator is always a point.
    QString text = QString::number(value, 'g', 15);
    return text.replace(QLatin1Char(','), QLatin1Char('.'));
}

QString FixedToSqlText(double value, int precision, int decimals) {
    const double magnitude = std::fabs(value);
    const int integerDigits = magnitude < 1 ? 1 : int(std::floor(std::log10(magnitude))) + 1;
    QString text = integerDigits > precision ? QString::number(value, 'e', precision - 1)
                                             : QString::number(value, 'f', decimals);
    return text.replace(QLatin1Char(','), QLatin1Char('.'));
}

QString QuotedSqlText(const QString& text) {
    QString doubled = text;
    doubled.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + doubled + QLatin1Char('\'');
}
