#include "stats_l8/formula_evaluator.h"

#include "common/helpers.h"

#include <cmath>

const QString DivisionByZeroText = QStringLiteral("Divisione per zero.");
const QString InvalidOperationText =
    QStringLiteral("Operazione non valida: logaritmo di un numero non positivo.");
const QString OverflowText = QStringLiteral("Overflow: risultato fuori dai limiti.");

namespace {

struct EvaluationError {
    QString message;
};

// Recursive descent over the formula; the current character is 0 once the text is exhausted.
class FormulaParser {
public:
    explicit FormulaParser(const QString& text)
        : m_text(text) {}

    long double Expression() {
        long double value = Term();
        while (m_current == u'+' || m_current == u'-') {
            const QChar op = m_current;
            const long double right = Term();
            value = Checked(op == u'+' ? value + right : value - right);
        }
        return value;
    }

private:
    void ReadChar() {
        if (m_consumed >= int(m_text.size())) {
            m_current = QChar();
            return;
        }
        m_current = m_text[m_consumed++];
        if (!IsDigit() && !m_current.isNull() && !QStringLiteral(".()*+-/^").contains(m_current))
            throw EvaluationError{QStringLiteral("Errore di sintassi nella formula:") + m_current};
    }

    bool IsDigit() const { return m_current >= u'0' && m_current <= u'9'; }

    static long double Checked(long double value) {
        if (!std::isfinite(value)) throw EvaluationError{OverflowText};
        return value;
    }

    long double Term() {
        long double value = Power();
        while (m_current == u'*' || m_current == u'/') {
            const QChar op = m_current;
            const long double right = Power();
            if (op == u'/' && right == 0) throw EvaluationError{DivisionByZeroText};
            value = Checked(op == u'*' ? value * right : value / right);
        }
        return value;
    }

    // a ^ b is exp(b * ln a), left to right; ln a is taken before b is read.
    long double Power() {
        long double value = Sign();
        while (m_current == u'^') {
            if (value <= 0) throw EvaluationError{InvalidOperationText};
            const long double logarithm = std::log(value);
            const long double exponent = Sign();
            value = Checked(std::exp(Checked(exponent * logarithm)));
        }
        return value;
    }

    long double Sign() {
        ReadChar();
        if (m_current == u'+') return Sign();
        if (m_current == u'-') return -Sign();
        return Factor();
    }

    long double Factor() {
        if (m_current == u'(') {
            const long double value = Expression();
            if (m_current != u')')
                throw EvaluationError{QStringLiteral("')' mancante nella formula.")};
            ReadChar();
            return value;
        }
        if (IsDigit()) return Number();
        throw EvaluationError{QStringLiteral("Errore di sintassi nella formula.")};
    }

    long double Number() {
        QString text;
        bool point = false;
        while (IsDigit() || (m_current == u'.' && !point)) {
            if (m_current == u'.') point = true;
            text += m_current;
            ReadChar();
        }
        return Checked(TextToFloatOrZero(text));
    }

    const QString m_text;
    int m_consumed = 0;
    QChar m_current;
};

} // namespace

long double Evaluate(const QString& formula, QString& errorText) {
    errorText.clear();
    QString text = formula;
    text.remove(QLatin1Char(' '));
    try {
        FormulaParser parser(text);
        return parser.Expression();
    } catch (const EvaluationError& error) {
        errorText = QStringLiteral("Errore:") + error.message;
        return 1;
    }
}
