#include "stats_l8/estimate_param_rules.h"

#include <QtTest>

namespace {

GuidedTerms Terms(std::initializer_list<std::pair<int, QString>> checked) {
    GuidedTerms terms;
    for (GuidedTerm& term : terms)
        term.text = QStringLiteral("1");
    for (const auto& [index, text] : checked)
        terms[index] = {true, text};
    return terms;
}

} // namespace

class TestEstimateParamRules : public QObject {
    Q_OBJECT

private slots:
    void preview_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<QString>("firstText");
        QTest::addColumn<int>("second");
        QTest::addColumn<QString>("secondText");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("badTerm");
        QTest::newRow("nothing checked") << -1 << "" << -1 << ""
                                         << "Stima = 0" << -1;
        QTest::newRow("one term") << 0 << "10" << -1 << ""
                                  << "Stima =  P-RIT *10" << -1;
        QTest::newRow("two terms") << 3 << "2,5" << 9 << "0.1"
                                   << "Stima =  V-FREQ *2,5 +  V-SOMMA3 *0.1" << -1;
        QTest::newRow("not a number") << 4 << "1" << 7 << "x"
                                      << "Stima = NON FORMULABILE, C'E UN ERRORE NEI VALORI." << 7;
    }
    void preview() {
        QFETCH(int, first);
        QFETCH(QString, firstText);
        QFETCH(int, second);
        QFETCH(QString, secondText);
        QFETCH(QString, expected);
        QFETCH(int, badTerm);
        GuidedTerms terms = Terms({});
        if (first >= 0) terms[first] = {true, firstText};
        if (second >= 0) terms[second] = {true, secondText};
        const EstimatePreview preview = PreviewEstimate(terms);
        QCOMPARE(preview.text, expected);
        QCOMPARE(preview.badTerm, badTerm);
    }

    void checkedBadCoefficientStopsTheSave() {
        EstimateParam params[EstimateStatCount];
        GuidedTerms terms = Terms({{0, QStringLiteral("5")}, {5, QStringLiteral("abc")}});
        terms[2].text = QStringLiteral("zz"); // unchecked: becomes 0
        terms[8].text = QStringLiteral("yy"); // after the bad one: left as it is
        QCOMPARE(ParamsOfTerms(terms, params), 5);
        QCOMPARE(GuidedTermError(5),
                 QStringLiteral("Coefficiente per valore Rapporto Rit/Freq errato."));
        QCOMPARE(terms[2].text, QStringLiteral("0"));
        QCOMPARE(terms[8].text, QStringLiteral("yy"));
        QVERIFY(!params[EstRita].Active); // nothing taken
    }

    void termsRoundTrip() {
        EstimateParam params[EstimateStatCount];
        GuidedTerms terms = Terms({{0, QStringLiteral("10")}, {3, QStringLiteral("2,5")}});
        terms[9].text = QStringLiteral("bad");
        QCOMPARE(ParamsOfTerms(terms, params), -1);
        QVERIFY(params[EstRita].Active);
        QCOMPARE(params[EstRita].Value1, 10.0);
        QVERIFY(!params[EstRita].Flag2);
        QVERIFY(params[EstFreq].Flag2);
        QCOMPARE(params[EstFreq].Value2, 2.5);
        QCOMPARE(params[EstSm3r].Value2, 0.0);
        const GuidedTerms back = TermsOfParams(params);
        QVERIFY(back[0].checked);
        QCOMPARE(back[0].text, QStringLiteral("10"));
        QCOMPARE(back[3].text, QStringLiteral("2.5"));
        QCOMPARE(back[9].text, QStringLiteral("0"));
        QVERIFY(!back[9].checked);
    }
};

QTEST_GUILESS_MAIN(TestEstimateParamRules)
#include "tst_estimate_param_rules.moc"
