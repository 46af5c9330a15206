#include "stats_l8/formula_evaluator.h"

#include <QtTest>

#include <cmath>

class TestFormulaEvaluator : public QObject {
    Q_OBJECT

private slots:
    void value_data() {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<double>("expected");
        QTest::newRow("precedence") << "1+2*3" << 7.0;
        QTest::newRow("parentheses") << "(1+2)*3" << 9.0;
        QTest::newRow("power") << "2^10" << 1024.0;
        QTest::newRow("division") << "10/4" << 2.5;
        QTest::newRow("unary minus") << "-3+5" << 2.0;
        QTest::newRow("spaces removed") << "1 + 2" << 3.0;
        QTest::newRow("decimal point") << "1.5" << 1.5;
        QTest::newRow("square root") << "2^0.5" << std::sqrt(2.0);
        QTest::newRow("powers left to right") << "2^3^2" << 64.0;
        QTest::newRow("negative exponent") << "2^-2" << 0.25;
        QTest::newRow("repeated signs") << "--2" << 2.0;
        QTest::newRow("mixed signs") << "+-+3" << -3.0;
        QTest::newRow("minus left to right") << "10-2-3" << 5.0;
        QTest::newRow("divide left to right") << "8/4/2" << 1.0;
        QTest::newRow("nested parentheses") << "((2))" << 2.0;
        QTest::newRow("text after the end") << "7)" << 7.0;
        QTest::newRow("closing then digits") << "2)3" << 2.0;
        QTest::newRow("digit then parenthesis") << "4(5)" << 4.0;
        QTest::newRow("beyond double, within extended") << "10^400/10^399" << 10.0;
    }
    void value() {
        QFETCH(QString, formula);
        QFETCH(double, expected);
        QString error = QStringLiteral("stale");
        const long double result = Evaluate(formula, error);
        QCOMPARE(error, QString());
        QVERIFY2(std::fabs(double(result) - expected) <= 1e-15 * std::fabs(expected),
                 qPrintable(QString::number(double(result), 'g', 17)));
    }

    void failure_data() {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("error");
        const QString syntax = QStringLiteral("Errore:Errore di sintassi nella formula.");
        QTest::newRow("empty") << "" << syntax;
        QTest::newRow("only spaces") << "   " << syntax;
        QTest::newRow("missing operand") << "1+" << syntax;
        QTest::newRow("starts with )") << ")" << syntax;
        QTest::newRow("starts with .") << ".5" << syntax;
        QTest::newRow("missing parenthesis") << "(1+2"
                                             << "Errore:')' mancante nella formula.";
        QTest::newRow("letter") << "2*x"
                                << "Errore:Errore di sintassi nella formula:x";
        QTest::newRow("letter right after a number") << "2x"
                                                     << "Errore:Errore di sintassi nella formula:x";
        QTest::newRow("lower-case variable") << "rs2po"
                                             << "Errore:Errore di sintassi nella formula:r";
        QTest::newRow("comma") << "1,5"
                               << "Errore:Errore di sintassi nella formula:,";
        QTest::newRow("tab") << "1\t"
                             << "Errore:Errore di sintassi nella formula:\t";
        QTest::newRow("division by zero")
            << "1/0" << QStringLiteral("Errore:") + DivisionByZeroText;
        QTest::newRow("division by a zero expression")
            << "1/(2-2)" << QStringLiteral("Errore:") + DivisionByZeroText;
        QTest::newRow("zero base") << "0^2" << QStringLiteral("Errore:") + InvalidOperationText;
        QTest::newRow("sign binds tighter than power")
            << "-2^2" << QStringLiteral("Errore:") + InvalidOperationText;
        QTest::newRow("base checked before the exponent is read")
            << "0^" << QStringLiteral("Errore:") + InvalidOperationText;
        QTest::newRow("overflow of a power")
            << "10^5000" << QStringLiteral("Errore:") + OverflowText;
        QTest::newRow("overflow of a product")
            << "10^4000*10^4000" << QStringLiteral("Errore:") + OverflowText;
    }
    void failure() {
        QFETCH(QString, formula);
        QFETCH(QString, error);
        QString text;
        const long double result = Evaluate(formula, text);
        QCOMPARE(text, error);
        QCOMPARE(double(result), 1.0);
    }
};

QTEST_GUILESS_MAIN(TestFormulaEvaluator)
#include "tst_formula_evaluator.moc"
