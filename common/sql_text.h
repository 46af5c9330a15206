#pragma once

#include <QDate>
#include <QString>

// How values are written into the SQL text the program sends. Independent of the user's
// locale: dates are DD.MM.YYYY and reals always use a decimal point.

QString DateToSqlText(const QDate& date);    // 09.04.2016
QString DateToSqlLiteral(const QDate& date); // '09.04.2016'
// General form, up to 15 significant digits, no trailing zeros.
QString FloatToSqlText(double value);
// Fixed point with `decimals` decimals; scientific when the integer part needs more than
// `precision` digits.
QString FixedToSqlText(double value, int precision, int decimals);
// A text value between single quotes, embedded quotes doubled.
QString QuotedSqlText(const QString& text);
