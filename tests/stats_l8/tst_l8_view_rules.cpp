#include "stats_l8/l8_view_rules.h"
#include "storage/tdm1.h"
#include "tests/support/test_db.h"

#include <QSet>
#include <QSqlQuery>
#include <QtTest>

Q_DECLARE_METATYPE(CellLook)

namespace {

// Annotated: 7 on Bari, 33 on Nazionale. Highlighted: 1..20.
NumberMarks Marks() {
    NumberMarks marks;
    marks.noted = [](const QString& wheel, int n) {
        return (wheel == QLatin1String("BA") && n == 7) ||
               (wheel == QLatin1String("RN") && n == 33);
    };
    marks.highlighted = [](int n) { return n >= 1 && n <= 20; };
    return marks;
}

} // namespace

class TestL8ViewRules : public QObject {
    Q_OBJECT

private slots:
    void rankingLooks_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("number");
        QTest::addColumn<CellLook>("look");
        QTest::newRow("key") << "POS" << 7 << CellLook::Silver;
        QTest::newRow("value") << "BV" << 7 << CellLook::Value;
        QTest::newRow("annotated beats highlight") << "BN" << 7 << CellLook::Annotated;
        QTest::newRow("annotated elsewhere only") << "CN" << 7 << CellLook::Highlight;
        QTest::newRow("plain") << "BN" << 21 << CellLook::Number;
        QTest::newRow("Roma is R, not the Nazionale") << "RN" << 33 << CellLook::Number;
        QTest::newRow("Nazionale is Z") << "ZN" << 33 << CellLook::Annotated;
        QTest::newRow("no wheel") << "AN" << 7 << CellLook::Default;
    }
    void rankingLooks() {
        QFETCH(QString, field);
        QFETCH(int, number);
        QFETCH(CellLook, look);
        QCOMPARE(RankingCellLook(field, number, Marks()), look);
    }

    // Twenty highlighted numbers are yellow on all eleven wheels, unless annotated there.
    void twentyHighlightedOnEveryWheel() {
        const NumberMarks marks = Marks();
        for (const QChar letter : QStringLiteral("BCFGMNPRTVZ")) {
            const QString field = letter + QStringLiteral("N");
            for (int n = 1; n <= 20; ++n) {
                const bool noted = letter == QLatin1Char('B') && n == 7;
                QCOMPARE(RankingCellLook(field, n, marks),
                         noted ? CellLook::Annotated : CellLook::Highlight);
            }
            QCOMPARE(RankingCellLook(field, 21, marks), CellLook::Number);
        }
    }

    void pyramidLooks_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("number");
        QTest::addColumn<CellLook>("look");
        QTest::newRow("delay") << "RIT" << 7 << CellLook::Silver;
        QTest::newRow("white wheel") << "B3" << 50 << CellLook::White;
        QTest::newRow("silver wheel") << "C3" << 50 << CellLook::Silver;
        QTest::newRow("Nazionale white") << "Z5" << 50 << CellLook::White;
        QTest::newRow("Venezia silver") << "V1" << 50 << CellLook::Silver;
        QTest::newRow("annotated") << "B1" << 7 << CellLook::Annotated;
        QTest::newRow("highlighted") << "N2" << 15 << CellLook::Highlight;
        QTest::newRow("empty cell") << "N2" << 0 << CellLook::Silver;
    }
    void pyramidLooks() {
        QFETCH(QString, field);
        QFETCH(int, number);
        QFETCH(CellLook, look);
        QCOMPARE(PyramidCellLook(field, number, Marks()), look);
    }

    void otherLooks() {
        QCOMPARE(GroupRowCellLook(QStringLiteral("RTT")), CellLook::Number);
        QCOMPARE(GroupRowCellLook(QStringLiteral("GRUPPO")), CellLook::Silver);
        QCOMPARE(GroupRowCellLook(QStringLiteral("RBA")), CellLook::Default);
        const NumberMarks marks = Marks();
        QCOMPARE(SummaryCellLook(QStringLiteral("NRF"), QStringLiteral("RN"), 33, marks),
                 CellLook::Annotated);
        QCOMPARE(SummaryCellLook(QStringLiteral("NS3"), QStringLiteral("BA"), 33, marks),
                 CellLook::Number);
        QCOMPARE(SummaryCellLook(QStringLiteral("VF"), QStringLiteral("BA"), 7, marks),
                 CellLook::Value);
        QCOMPARE(SummaryCellLook(QStringLiteral("POS"), QStringLiteral("BA"), 7, marks),
                 CellLook::Silver);
        QCOMPARE(EstimateCellLook(QStringLiteral("NUM"), QStringLiteral("BA"), 7, marks),
                 CellLook::Annotated);
        QCOMPARE(EstimateCellLook(QStringLiteral("NUM"), QStringLiteral("CA"), 7, marks),
                 CellLook::Highlight);
        QCOMPARE(EstimateCellLook(QStringLiteral("NUM"), QStringLiteral("CA"), 70, marks),
                 CellLook::Number);
        QCOMPARE(EstimateCellLook(QStringLiteral("RUOTA"), QStringLiteral("CA"), 7, marks),
                 CellLook::Silver);
        QCOMPARE(EstimateCellLook(QStringLiteral("VALRIT"), QStringLiteral("CA"), 7, marks),
                 CellLook::White);
        QCOMPARE(EstimateCellLook(QStringLiteral("POSRIT"), QStringLiteral("CA"), 7, marks),
                 CellLook::Default);
    }

    void annotationTargets() {
        QCOMPARE(RankingAnnotationWheel(QStringLiteral("BN")), QStringLiteral("BA"));
        QCOMPARE(RankingAnnotationWheel(QStringLiteral("RN")), QStringLiteral("RM"));
        QCOMPARE(RankingAnnotationWheel(QStringLiteral("ZN")), QStringLiteral("RN"));
        for (const char* none : {"POS", "BV", "AN", "ZV"})
            QVERIFY2(RankingAnnotationWheel(QString::fromLatin1(none)).isEmpty(), none);
        QCOMPARE(PyramidAnnotationWheel(QStringLiteral("Z5")), QStringLiteral("RN"));
        QCOMPARE(PyramidAnnotationWheel(QStringLiteral("N1")), QStringLiteral("NA"));
        QVERIFY(PyramidAnnotationWheel(QStringLiteral("RIT")).isEmpty());
    }

    void displayTexts() {
        QLocale::setDefault(QLocale::c());
        QCOMPARE(StatDisplayText(L8Stat::Frequenze, QStringLiteral("BV"), 25.6410256),
                 QStringLiteral("25.641"));
        QCOMPARE(StatDisplayText(L8Stat::RappRitFreq, QStringLiteral("ZV"), 2.0),
                 QStringLiteral("2.000"));
        QCOMPARE(StatDisplayText(L8Stat::Frequenze, QStringLiteral("BN"), 12),
                 QStringLiteral("12"));
        QCOMPARE(StatDisplayText(L8Stat::Ritardi, QStringLiteral("BV"), 112.0),
                 QStringLiteral("112"));
        QCOMPARE(StatDisplayText(L8Stat::Piramide, QStringLiteral("B1"), 0), QString());
        QVERIFY(!StatDisplayText(L8Stat::Piramide, QStringLiteral("B1"), 0).isNull());
        QCOMPARE(StatDisplayText(L8Stat::Piramide, QStringLiteral("B1"), 5), QStringLiteral("5"));
        QCOMPARE(StatDisplayText(L8Stat::Piramide, QStringLiteral("RIT"), 0), QString());
        QCOMPARE(SummaryDisplayText(QStringLiteral("VRF"), 0.5), QStringLiteral("0.500"));
        QCOMPARE(SummaryDisplayText(QStringLiteral("VR"), 9.0), QStringLiteral("9"));
        QCOMPARE(EstimateDisplayText(QStringLiteral("ATTRIT"), 0.1463761), QStringLiteral("0.146"));
        QCOMPARE(EstimateDisplayText(QStringLiteral("VALRIT"), 2.0), QStringLiteral("2"));
    }

    void layouts() {
        const ViewLayout ranking = StatLayout(L8Stat::Frequenze);
        QCOMPARE(ranking.bands.size(), 12);
        QCOMPARE(ranking.bands.at(11), QStringLiteral("NAZIONALE"));
        int visible = 0;
        for (const GridColumn& column : ranking.columns)
            visible += column.visible;
        QCOMPARE(visible, 23);
        QCOMPARE(ranking.columns.at(1).caption, QStringLiteral("N."));
        QCOMPARE(ranking.columns.at(2).caption, QStringLiteral("Fr."));
        QCOMPARE(StatLayout(L8Stat::Somma2).columns.at(2).caption, QStringLiteral("R."));
        const ViewLayout rows = StatLayout(L8Stat::Cadenze);
        QCOMPARE(rows.columns.at(1).caption, QStringLiteral("Formazioni per ambo"));
        QCOMPARE(rows.columns.last().field, QStringLiteral("RNZ"));
        QCOMPARE(rows.columns.at(rows.columns.size() - 2).caption, QStringLiteral("TUTTE (BA-VE)"));
        QVERIFY(!rows.columns.at(0).visible);
        QCOMPARE(SummaryLayout(QStringLiteral("ROMA ")).bands.at(0), QStringLiteral("ROMA"));
    }

    void summaryQueryUsesTheWheelColumns() {
        const QString sql = SummarySql(QLatin1Char('Z'));
        QVERIFY(sql.contains(QStringLiteral("r.ZN as NR")));
        QVERIFY(sql.contains(QStringLiteral("f.ZV as VF")));
        QVERIFY(sql.contains(QStringLiteral("s3.ZV as VS3")));
        QVERIFY(!sql.contains(QStringLiteral(".bn"), Qt::CaseInsensitive));
        QVERIFY(!sql.contains(QStringLiteral(".bv"), Qt::CaseInsensitive));
    }

    void estimateQueries() {
        QCOMPARE(EstimateSql({}, EstimateOrder::Standard),
                 QStringLiteral(" select * from FL8STIMA  order By ValStimaOld Desc,Ruota,Num; "));
        QCOMPARE(EstimateSql({QStringLiteral("BA"), QStringLiteral("RN")}, EstimateOrder::Personal),
                 QStringLiteral(" select * from FL8STIMA  where RUOTA in ('BA','RN')  order By "
                                "ValStimaNew Desc,Ruota,Num; "));
        QCOMPARE(EstimateSql({QStringLiteral("x'--")}, EstimateOrder::WheelNumber),
                 QStringLiteral(" select * from FL8STIMA  order By Ruota,Num; "));
    }

    void alignment() {
        TestProgramFolder folder;
        auto dm = folder.OpenModule();
        const QDate day(2024, 3, 9);
        QVERIFY(!LottoStatsAligned(day)); // never computed
        const QStringList codes = {"L8RITAESTRA", "L8FREQESTRA", "L8RPRFESTRA", "L8RIS2ESTRA",
                                   "L8RIS3ESTRA", "L8STIMA",     "L8PIRAESTRA", "L8STIMAUPD",
                                   "L8RIGAGEMEL", "L8RIGAVERTI", "L8RIGACADEN", "L8RIGARADIC"};
        for (const QString& code : codes)
            QVERIFY(dm->SetStatLastUpdate(code, day));
        QVERIFY(LottoStatsAligned(day));
        QVERIFY(!LottoStatsAligned(day.addDays(2))); // a newer draw came in
        QVERIFY(!LottoStatsAligned(QDate()));        // empty archive
        QVERIFY(dm->SetStatLastUpdate(QStringLiteral("L8RIGARADIC"), day.addDays(-2)));
        QVERIFY(!LottoStatsAligned(day));
    }

    // Every query of these windows runs on the real schema.
    void queriesRun() {
        TestProgramFolder folder;
        auto dm = folder.OpenModule();
        QStringList queries;
        for (int s = int(L8Stat::Ritardi); s <= int(L8Stat::Radicali); ++s)
            queries << StatText(L8Stat(s)).sql;
        for (const QChar letter : QStringLiteral("BCFGMNPRTVZ"))
            queries << SummarySql(letter);
        queries << EstimateSql({QStringLiteral("CA")}, EstimateOrder::Personal)
                << EstimateSql({}, EstimateOrder::WheelNumber);
        for (const QString& sql : std::as_const(queries)) {
            QSqlQuery query = dm->NewQuery();
            QString error;
            QVERIFY2(dm->OpenQuery(query, sql, error), qPrintable(sql + QLatin1Char('\n') + error));
        }
    }
};

QTEST_GUILESS_MAIN(TestL8ViewRules)
#include "tst_l8_view_rules.moc"
