#pragma once

#include <QString>

// Evaluates an arithmetic formula of numbers, parentheses and the operators + - * / ^ in
// extended precision. On success `errorText` is empty; on any failure (syntax, a missing
// parenthesis, division by zero, the logarithm of a base not above zero, overflow) it is
// "Errore:" followed by the reason and the result is 1.
long double Evaluate(const QString& formula, QString& errorText);

// Reasons of the arithmetic failures, as they follow "Errore:".
extern const QString DivisionByZeroText;
extern const QString InvalidOperationText;
extern const QString OverflowText;
