#include "stats_l8/tdms.h"
#include "storage/tdm1.h"
#include "tests/stats_l8/lotto_db.h"
#include "tests/stats_l8/lotto_fixture.h"
#include "tests/stats_l8/lotto_reference.h"
#include "tests/support/test_db.h"

#include <QSqlQuery>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

const char* const RankingTables[5] = {"FL8RITAESTRA", "FL8FREQESTRA", "FL8RPRFESTRA",
                                      "FL8RIS2ESTRA", "FL8RIS3ESTRA"};
const char* const GroupTables[4] = {"FL8RIGAGEMEL", "FL8RIGAVERTI", "FL8RIGACADEN", "FL8RIGARADIC"};
const QString EstimateColumns = QStringLiteral(
    "RUOTA, NUM, ATTRIT, POSRIT, VALRIT, POSFREQMIN, VALFREQMIN, POSFREQMAX, VALFREQMAX, "
    "POSRAPPMIN, VALRAPPMIN, POSRAPPMAX, VALRAPPMAX, POS2RIT, VAL2RIT, POS3RIT, VAL3RIT, "
    "RITPIRA, QNTPIRA, VALPIRA, VALSTIMAOLD, VALSTIMANEW");

// A fresh program folder with its database, the general module and the engine.
struct EngineFixture {
    TestProgramFolder folder;
    std::unique_ptr<TDM1> dm = folder.OpenModule();
    TDMS engine{*dm};

    bool Recompute(const QDate& cutOff) {
        NullProgress overall, step;
        return engine.UpdateLottoStatistics(overall, step, cutOff);
    }
    QVariant Value(const QString& sql) {
        QSqlQuery query = dm->NewQuery();
        QString error;
        if (!dm->OpenQuery(query, sql, error) || !query.next()) return QStringLiteral("no row");
        return query.value(0);
    }
    QVariant Estimate(const QString& column, const QString& wheel, int number) {
        return Value(QStringLiteral("select %1 from FL8STIMA where RUOTA = '%2' and NUM = %3")
                         .arg(column, wheel)
                         .arg(number));
    }
};

// Removes `number` from every draw of the wheel older than its `keep` most recent ones.
void KeepMostRecent(Archive& archive, int wheel, int number, int keep) {
    int seen = 0;
    for (int age = 0; age < int(archive.size()); ++age) {
        for (int& n : FromNewest(archive, age, wheel)) {
            if (n != number) continue;
            if (seen++ >= keep) n = 0;
        }
    }
}

// Puts `number` at extraction position 1 of the draws of these ages, after removing it from
// every draw newer than `clearUpTo`.
void PlaceNumber(Archive& archive, int wheel, int number, const QList<int>& ages, int clearUpTo) {
    for (int age = 0; age < clearUpTo; ++age)
        for (int& n : FromNewest(archive, age, wheel))
            if (n == number) n = 0;
    for (int age : ages)
        FromNewest(archive, age, wheel)[0] = number;
}

double Rounded(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

} // namespace

class TestLottoRecompute : public QObject {
    Q_OBJECT

private slots:
    // Every value a recompute stores, compared with an independent computation of the same
    // definitions, on a generated archive whose newest draws lie after the cut-off date and
    // with more draws before it than the 10,000 a wheel is computed on.
    void storesWhatTheDefinitionsGive() {
        EngineFixture f;
        const Archive archive = GenerateArchive(10100, 20240611);
        QString error;
        QVERIFY2(WriteArchive(*f.dm, archive, error), qPrintable(error));
        const QDate cutOff = archive[10050].date; // 10,051 draws: the newest 10,000 count
        f.dm->EstimateKind = QStringLiteral("P");
        const EstimateParam params[EstimateStatCount] = {{true, 2.5, true, 0.75},
                                                         {true, 1, true, 3},
                                                         {false, 0, true, 1.5},
                                                         {true, 0.5, false, 0},
                                                         {false, 0, true, 0.1}};
        std::copy(std::begin(params), std::end(params), f.dm->EstimateParams);
        QVERIFY(f.dm->ExecSql(QStringLiteral("x"),
                              QStringLiteral("insert into FMAINSTAT (FM_TIPO) values ('OLD')"),
                              error));

        RecordingProgress overall, step;
        QVERIFY2(f.engine.UpdateLottoStatistics(overall, step, cutOff),
                 qPrintable(f.engine.GetErrorText()));
        QCOMPARE(f.engine.GetErrorText(), QString());
        QCOMPARE(f.dm->InTransaction(), false);
        QCOMPARE(overall.minimum, 0);
        QCOMPARE(overall.maximum, 15);
        QCOMPARE(overall.positions,
                 QList<int>({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 15, 15}));

        const ReferenceStatistics expected = ComputeReference(archive, cutOff, "P", params);
        QCOMPARE(expected.error, QString());

        for (int table = 0; table < 5; ++table) {
            QStringList rows;
            for (int pos = 1; pos <= 90; ++pos) {
                QVariantList values{pos};
                for (const auto& pair : expected.rankings[size_t(table)][size_t(pos - 1)])
                    values << pair.number << pair.value;
                values << 0 << 0.0;
                rows << RowText(values);
            }
            QCOMPARE(RowTexts(*f.dm, QStringLiteral("select * from %1 order by POS")
                                         .arg(QLatin1String(RankingTables[table]))),
                     rows);
        }

        QStringList estimates;
        for (int w : {0, 1, 2, 3, 4, 5, 6, 7, 10, 8, 9}) // RUOTA order: ... RM, RN, TO, VE
            for (int n = 1; n <= 90; ++n) {
                const auto& e = expected.estimates[size_t(w)][size_t(n - 1)];
                estimates << RowText(
                    {WheelCodes[w], n,         e.attrit,  e.posRit,  e.valRit,
                     e.posFreq,     e.valFreq, 1,         0.0,       e.posRapp,
                     e.valRapp,     1,         0.0,       e.pos2,    e.val2,
                     e.pos3,        e.val3,    e.ritPira, e.qntPira, double(e.ritPira * e.qntPira),
                     e.stimaOld,    e.stimaNew});
            }
        QCOMPARE(RowTexts(*f.dm, QStringLiteral("select %1 from FL8STIMA order by RUOTA, NUM")
                                     .arg(EstimateColumns)),
                 estimates);

        QStringList pyramid;
        for (const auto& row : expected.pyramid) {
            QVariantList values;
            for (int v : row)
                values << v;
            pyramid << RowText(values);
        }
        QCOMPARE(RowTexts(*f.dm, QStringLiteral("select * from FL8PIRAESTRA order by RIT")),
                 pyramid);

        for (const char* table : GroupTables) {
            QStringList rows;
            int pos = 0;
            for (const auto& row : expected.groups[QLatin1String(table)]) {
                QVariantList values{++pos, row.group};
                for (int v : row.values)
                    values << v;
                values << row.rtt;
                rows << RowText(values);
            }
            QCOMPARE(
                RowTexts(*f.dm,
                         QStringLiteral("select * from %1 order by POS").arg(QLatin1String(table))),
                rows);
        }

        QStringList codes = LottoStatCodes;
        codes.sort();
        QStringList dates;
        for (const QString& code : std::as_const(codes))
            dates << code + QLatin1Char('|') + cutOff.toString(Qt::ISODate);
        QCOMPARE(RowTexts(*f.dm, QStringLiteral("select * from FSTATLIST where FL_TIPO starting "
                                                "with 'L8' order by FL_TIPO")),
                 dates);
        QCOMPARE(f.Value(QStringLiteral("select count(*) from FSTATLIST where FL_TIPO starting "
                                        "with 'S8' and FL_LASTUPDATE is not null"))
                     .toInt(),
                 0);
        QCOMPARE(f.Value(QStringLiteral("select count(*) from FMAINSTAT")).toInt(), 0);
    }

    // The number whose 11 most recent appearances on Bari are in draws 3, 5, 6, 10, 12, 20,
    // 21, 25, 30, 33 and 40, and number 1, drawn in the newest draw.
    void workedCase() {
        EngineFixture f;
        Archive archive = CyclicArchive(400);
        PlaceNumber(archive, 0, 7, {2, 4, 5, 9, 11, 19, 20, 24, 29, 32, 39}, 60);
        QString error;
        QVERIFY2(WriteArchive(*f.dm, archive, error), qPrintable(error));
        f.dm->EstimateKind = QStringLiteral("F");
        f.dm->EstimateFormula = QStringLiteral("FREVA");
        QVERIFY2(f.Recompute(archive.back().date), qPrintable(f.engine.GetErrorText()));

        const QString ba = QStringLiteral("BA");
        QCOMPARE(f.Estimate("VALRIT", ba, 7).toDouble(), 2.0);
        QCOMPARE(f.Estimate("VAL2RIT", ba, 7).toDouble(), 3.0);
        QCOMPARE(f.Estimate("VAL3RIT", ba, 7).toDouble(), 3.0);
        QCOMPARE(f.Estimate("VALFREQMIN", ba, 7).toDouble(), 25.641025641026); // 1000 / 39
        QCOMPARE(f.Estimate("VALRAPPMIN", ba, 7).toDouble(), 0.117);
        QCOMPARE(Rounded(f.Estimate("ATTRIT", ba, 7).toDouble(), 6), 0.146376);
        QCOMPARE(Rounded(f.Estimate("VALSTIMAOLD", ba, 7).toDouble(), 6), 0.076115);
        QCOMPARE(f.Estimate("VALSTIMANEW", ba, 7).toDouble(), 0.039); // F' = 1 / frequency

        // The ranking tables hold the same values at the number's ranks.
        const int posRit = f.Estimate("POSRIT", ba, 7).toInt();
        QCOMPARE(f.Value(QStringLiteral("select BN from FL8RITAESTRA where POS = %1").arg(posRit))
                     .toInt(),
                 7);

        QCOMPARE(f.Estimate("VALRIT", ba, 1).toDouble(), 0.0);
        QCOMPARE(Rounded(f.Estimate("ATTRIT", ba, 1).toDouble(), 4), 0.0541);
        const double frequency = f.Estimate("VALFREQMIN", ba, 1).toDouble();
        QVERIFY(frequency > 0 && frequency <= 100);
        QVERIFY(std::fabs(f.Estimate("VALRAPPMIN", ba, 1).toDouble() - 1 / frequency) < 1e-12);

        // The Nazionale wheel has its own numbers and ranks, in the columns of the letter Z:
        // 71 is in its newest draw, 14 draws back on Bari.
        QCOMPARE(f.Estimate("VALRIT", "RN", 71).toDouble(), 0.0);
        QCOMPARE(f.Estimate("VALRIT", ba, 71).toDouble(), 14.0);
        QCOMPARE(f.Value(QStringLiteral("select ZN from FL8RITAESTRA where POS = %1")
                             .arg(f.Estimate("POSRIT", "RN", 71).toInt()))
                     .toInt(),
                 71);
        QCOMPARE(f.Value(QStringLiteral("select ZV from FL8RITAESTRA where ZN = 71")).toDouble(),
                 0.0);
    }

    void failureNamesTheFirstFailingNumber_data() {
        QTest::addColumn<QList<int>>("changes"); // wheel, number, appearances kept; ...
        QTest::addColumn<int>("cutOffAge");      // age of the cut-off draw
        QTest::addColumn<QString>("message");
        const QString frequency = QStringLiteral(
            " Non trovate 10 uscite x la frequenza ! La data massima estrazione e' troppo bassa!");
        const QString delay =
            QStringLiteral(" non trovato Ritardo in ruota:%1 La data massima estrazione e' "
                           "troppo bassa!");
        QTest::newRow("too few appearances")
            << QList<int>{1, 17, 4} << 0 << QStringLiteral("N.17 in ruota:CA") + frequency;
        QTest::newRow("never drawn, first in number order")
            << QList<int>{1, 17, 4, 1, 9, 0} << 0 << QStringLiteral("N.9") + delay.arg("CA");
        QTest::newRow("first failing wheel wins") << QList<int>{2, 2, 0, 1, 60, 10} << 0
                                                  << QStringLiteral("N.60 in ruota:CA") + frequency;
        QTest::newRow("cut-off date too early")
            << QList<int>{} << 200 << QStringLiteral("N.1 in ruota:BA") + frequency;
        QTest::newRow("wheel without draws: no text of its own")
            << QList<int>{10, -1, 0} << 0 << QString();
    }
    void failureNamesTheFirstFailingNumber() {
        QFETCH(QList<int>, changes);
        QFETCH(int, cutOffAge);
        QFETCH(QString, message);
        EngineFixture f;
        Archive archive = CyclicArchive(300);
        QString error;
        QVERIFY2(WriteArchive(*f.dm, archive, error), qPrintable(error));
        QVERIFY(f.Recompute(archive.back().date));
        const QStringList before = LottoStatisticsSnapshot(*f.dm);

        QString removeWheel;
        for (int i = 0; i + 2 < int(changes.size()); i += 3) {
            if (changes[i + 1] < 0)
                removeWheel = WheelCodes[changes[i]];
            else
                KeepMostRecent(archive, changes[i], changes[i + 1], changes[i + 2]);
        }
        QVERIFY(f.dm->ExecSql(QStringLiteral("x"), QStringLiteral("delete from LOTTO1"), error));
        QVERIFY2(WriteArchive(*f.dm, archive, error), qPrintable(error));
        if (!removeWheel.isEmpty())
            QVERIFY(f.dm->ExecSql(
                QStringLiteral("x"),
                QStringLiteral("delete from LOTTO1 where RUOTA = '%1'").arg(removeWheel), error));
        f.dm->Commit();

        f.engine.ClearErrorText();
        QVERIFY(!f.Recompute(archive[archive.size() - 1 - size_t(cutOffAge)].date));
        QCOMPARE(f.engine.GetErrorText(), message);
        QCOMPARE(f.dm->InTransaction(), false);
        QCOMPARE(LottoStatisticsSnapshot(*f.dm), before);
    }

    // Row 0 holds the newest draw; a number last out 150 draws back on Genova makes row 150
    // the last of that wheel; one last out 450 draws back on Torino needs more rows than the
    // 401 of the original layout, and all of them are kept.
    void pyramid() {
        EngineFixture f;
        Archive archive = CyclicArchive(700);
        PlaceNumber(archive, 3, 50, {150}, 150);
        PlaceNumber(archive, 8, 33, {450}, 450);
        QString error;
        QVERIFY2(WriteArchive(*f.dm, archive, error), qPrintable(error));
        QVERIFY2(f.Recompute(archive.back().date), qPrintable(f.engine.GetErrorText()));

        QCOMPARE(f.Value(QStringLiteral("select count(*) from FL8PIRAESTRA")).toInt(), 451);
        QCOMPARE(f.Value(QStringLiteral("select max(RIT) from FL8PIRAESTRA")).toInt(), 450);
        for (int w = 0; w < WheelCount; ++w) {
            const QChar letter = WheelLetters[w];
            for (int p = 0; p < 5; ++p) {
                const int n = FromNewest(archive, 0, w)[size_t(p)];
                QCOMPARE(f.Value(QStringLiteral("select %1%2 from FL8PIRAESTRA where RIT = 0")
                                     .arg(letter)
                                     .arg(p + 1))
                             .toInt(),
                         n);
                QCOMPARE(f.Estimate("QNTPIRA", WheelCodes[w], n).toInt(), 5);
                QCOMPARE(f.Estimate("VALPIRA", WheelCodes[w], n).toDouble(), 0.0);
            }
        }
        QCOMPARE(RowTexts(*f.dm, QStringLiteral("select * from FL8PIRAESTRA where RIT = 150")),
                 QStringList(QStringLiteral("150|") + QStringLiteral("0|").repeated(15) +
                             QStringLiteral("50|") + QStringLiteral("0|").repeated(38) +
                             QStringLiteral("0")));
        QCOMPARE(RowTexts(*f.dm, QStringLiteral("select * from FL8PIRAESTRA where RIT = 450")),
                 QStringList(QStringLiteral("450|") + QStringLiteral("0|").repeated(40) +
                             QStringLiteral("33|") + QStringLiteral("0|").repeated(13) +
                             QStringLiteral("0")));
        // Past the 18 rows of the cyclic wheels, only Genova and Torino have cells.
        QCOMPARE(f.Value(QStringLiteral("select count(*) from FL8PIRAESTRA where RIT > 17 and "
                                        "(B1 + C2 + F3 + M4 + N5 + P1 + R2 + V3 + Z4) <> 0"))
                     .toInt(),
                 0);
        QCOMPARE(f.Estimate("RITPIRA", "GE", 50).toInt(), 150);
        QCOMPARE(f.Estimate("QNTPIRA", "GE", 50).toInt(), 1);
        QCOMPARE(f.Estimate("VALPIRA", "GE", 50).toDouble(), 150.0);
        QCOMPARE(f.Estimate("RITPIRA", "TO", 33).toInt(), 450);
    }

    void groupRows() {
        EngineFixture f;
        Archive archive = CyclicArchive(300);
        // In the cyclic archive a draw holds five consecutive numbers: no twins together, ever.
        FromNewest(archive, 0, 0)[0] = 11;
        FromNewest(archive, 0, 0)[1] = 22;
        QString error;
        QVERIFY2(WriteArchive(*f.dm, archive, error), qPrintable(error));
        QVERIFY2(f.Recompute(archive.back().date), qPrintable(f.engine.GetErrorText()));

        const QStringList twins =
            RowTexts(*f.dm, QStringLiteral("select * from FL8RIGAGEMEL order by POS"));
        QCOMPARE(twins.size(), 29);
        QCOMPARE(twins.first(), QStringLiteral("1|11-22|0|") + QStringLiteral("300|").repeated(10) +
                                    QStringLiteral("0"));
        QCOMPARE(twins[1], QStringLiteral("2|11-33|") + QStringLiteral("300|").repeated(11) +
                               QStringLiteral("300"));
        QCOMPARE(twins.last(), QStringLiteral("29|Di Gruppo|0|") +
                                   QStringLiteral("300|").repeated(10) + QStringLiteral("0"));

        const QStringList cadences =
            RowTexts(*f.dm, QStringLiteral("select * from FL8RIGACADEN order by POS"));
        QCOMPARE(cadences.size(), 11);
        QVERIFY(cadences.first().startsWith(QStringLiteral("1|01-11-21-31-41-51-61-71-81|")));
        QVERIFY(cadences[9].startsWith(QStringLiteral("10|10-20-30-40-50-60-70-80-90|")));
        // The summary row: per wheel the smallest delay of the ten cadences, then their least.
        QStringList summary = {QStringLiteral("11"), QStringLiteral("Di Gruppo")};
        int rtt = 1000000;
        for (const QString& column : WheelResultColumns) {
            const int least = f.Value(QStringLiteral("select min(%1) from FL8RIGACADEN where "
                                                     "POS <= 10")
                                          .arg(column))
                                  .toInt();
            summary << QString::number(least);
            rtt = std::min(rtt, least);
        }
        summary << QString::number(rtt);
        QCOMPARE(cadences.last(), summary.join(QLatin1Char('|')));

        QCOMPARE(
            f.Value(QStringLiteral("select GRUPPO from FL8RIGARADIC where POS = 2")).toString(),
            QStringLiteral("02-20-22-29"));
        QCOMPARE(
            f.Value(QStringLiteral("select GRUPPO from FL8RIGAVERTI where POS = 28")).toString(),
            QStringLiteral("78-87"));
    }

    void formationMatrixChecks() {
        EngineFixture f;
        NullProgress step;
        const QDate date(2020, 1, 2);
        QVERIFY(!f.engine.BuildFormationRows({1, 2, 3}, 2, date, 2, 2,
                                             QStringLiteral("FL8RIGARADIC"), step));
        QCOMPARE(f.engine.GetErrorText(),
                 QStringLiteral("Gruppo di formazioni per ambo, mismatch tra lunghezza array e "
                                "righexcolonne !"));
        QList<int> tall;
        for (int n = 1; n <= 21; ++n)
            tall << n;
        QVERIFY(!f.engine.BuildFormationRows(tall, 20, date, 21, 1, QStringLiteral("FL8RIGARADIC"),
                                             step));
        QCOMPARE(f.engine.GetErrorText(),
                 QStringLiteral("Gruppo di formazioni per ambo, matrice troppo ampia !"));
    }

    void estimateModes_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("formula");
        QTest::addColumn<int>("paramSet");     // 0: all off, 1: delay rank x 10, 2: all ten terms
        QTest::addColumn<QString>("expected"); // "rank10", "zero", "allTerms" or an error text
        QTest::newRow("guided, delay rank x 10") << "P"
                                                 << "" << 1 << "rank10";
        QTest::newRow("free, RITPO*10") << "F"
                                        << "RITPO*10" << 0 << "rank10";
        QTest::newRow("guided, all off") << "P"
                                         << "" << 0 << "zero";
        QTest::newRow("no mode") << ""
                                 << "RITPO" << 1 << "zero";
        QTest::newRow("guided and free agree on every term")
            << "F"
            << "RITPO*2+RITVA*3+FREPO*4+FREVA*5+RRFPO*6+RRFVA*7+RS2PO*8+RS2VA*9+RS3PO*10+RS3VA*11"
            << 0 << "allTerms";
        QTest::newRow("empty formula")
            << "F"
            << "" << 0
            << "ERRORE UPDATE STIME-2. 04.\r\n\r\nLa valutazione della stima personalizzata ha "
               "generato un errore:Errore:Errore di sintassi nella formula.";
        QTest::newRow("result beyond a double")
            << "F"
            << "10^400" << 0
            << "ERRORE UPDATE STIME-2. 04.\r\n\r\nLa valutazione della stima personalizzata ha "
               "generato un errore:Errore:Overflow: risultato fuori dai limiti.";
    }
    void estimateModes() {
        QFETCH(QString, kind);
        QFETCH(QString, formula);
        QFETCH(int, paramSet);
        QFETCH(QString, expected);
        EngineFixture f;
        const Archive archive = CyclicArchive(300);
        QString error;
        QVERIFY2(WriteArchive(*f.dm, archive, error), qPrintable(error));
        f.dm->EstimateKind = QStringLiteral("P");
        f.dm->EstimateParams[EstRita] = {false, 0, true, 1}; // VALSTIMANEW = delay
        QVERIFY(f.Recompute(archive.back().date));
        f.dm->Commit();
        const QStringList before = RowTexts(
            *f.dm, QStringLiteral("select RUOTA, NUM, VALSTIMANEW from FL8STIMA order by 1, 2"));

        f.dm->EstimateKind = kind;
        f.dm->EstimateFormula = formula;
        for (EstimateParam& param : f.dm->EstimateParams)
            param = EstimateParam();
        if (paramSet == 1) f.dm->EstimateParams[EstRita] = {true, 10, false, 0};
        RecordingProgress step;
        const bool ok = f.engine.UpdateEstimates(step);
        QCOMPARE(step.maximum, 990);

        if (expected.startsWith(QLatin1String("ERRORE"))) {
            QVERIFY(!ok);
            QCOMPARE(f.engine.GetErrorText(), expected);
            QCOMPARE(RowTexts(*f.dm, QStringLiteral("select RUOTA, NUM, VALSTIMANEW from "
                                                    "FL8STIMA order by 1, 2")),
                     before);
            return;
        }
        QVERIFY2(ok, qPrintable(f.engine.GetErrorText()));
        QCOMPARE(step.positions.last(), 990);
        QSqlQuery query = f.dm->NewQuery();
        QVERIFY(f.dm->OpenQuery(query,
                                QStringLiteral("select POSRIT, VALRIT, POSFREQMIN, VALFREQMIN, "
                                               "POSRAPPMIN, VALRAPPMIN, POS2RIT, VAL2RIT, "
                                               "POS3RIT, VAL3RIT, VALSTIMANEW, VALSTIMAOLD "
                                               "from FL8STIMA"),
                                error));
        int rows = 0;
        while (query.next()) {
            ++rows;
            const double value = query.value(10).toDouble();
            QVERIFY(query.value(11).toDouble() > 0);
            if (expected == QLatin1String("rank10")) {
                QCOMPARE(value, 10.0 * (91 - query.value(0).toInt()));
            } else if (expected == QLatin1String("zero")) {
                QCOMPARE(value, 0.0);
            } else {
                double sum = 0;
                for (int s = 0; s < 5; ++s) {
                    const double v = query.value(2 * s + 1).toDouble();
                    sum += (2 * s + 2) * (91 - query.value(2 * s).toInt()) +
                           (2 * s + 3) * (s == 1 ? 1 / v : v);
                }
                QVERIFY2(std::fabs(value - sum) <= 1e-12 * sum,
                         qPrintable(QStringLiteral("%1 %2").arg(value).arg(sum)));
            }
        }
        QCOMPARE(rows, 990);
    }

    // A fault half-way: the run fails with the database's message and every table and date is
    // as the previous run left it.
    void faultRollsEverythingBack_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("event");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("prefix");
        QTest::newRow("200th estimate row") << "FL8STIMA"
                                            << "insert" << 200 << "STIMA X RUOTAFI:";
        QTest::newRow("a ranking row") << "FL8FREQESTRA"
                                       << "insert" << 5 << "Insert In tabella:FL8FREQESTRA:";
        QTest::newRow("a pyramid estimate") << "FL8STIMA"
                                            << "update" << 300 << "UPDATE STIMA PIRAMID:";
        QTest::newRow("a pyramid row") << "FL8PIRAESTRA"
                                       << "insert" << 3 << "Insert In tabella:PIRAMIDALE:";
        QTest::newRow("the last group row") << "FL8RIGARADIC"
                                            << "insert" << 9 << "Insert In tabella:FL8RIGARADIC:";
        QTest::newRow("a date stamp")
            << "FSTATLIST"
            << "update" << 7 << "AGGIORNAMENTO DATE STATISTICHE EFFETTUATE::";
    }
    void faultRollsEverythingBack() {
        QFETCH(QString, table);
        QFETCH(QString, event);
        QFETCH(int, n);
        QFETCH(QString, prefix);
        EngineFixture f;
        const Archive archive = GenerateArchive(700, 99);
        const Archive older(archive.begin(), archive.end() - 40);
        const Archive newer(archive.end() - 40, archive.end());
        QString error;
        QVERIFY2(WriteArchive(*f.dm, older, error), qPrintable(error));
        QVERIFY2(f.Recompute(older.back().date), qPrintable(f.engine.GetErrorText()));
        const QStringList before = LottoStatisticsSnapshot(*f.dm);
        QVERIFY(before.contains(QStringLiteral("L8RIGARADIC|") +
                                older.back().date.toString(Qt::ISODate)));

        QVERIFY2(WriteArchive(*f.dm, newer, error), qPrintable(error));
        QVERIFY2(InstallFaultTrigger(*f.dm, table, event, n, error), qPrintable(error));
        QVERIFY(!f.Recompute(newer.back().date));
        const QString text = f.engine.GetErrorText();
        QVERIFY2(text.startsWith(prefix), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("guasto di prova")), qPrintable(text));
        if (prefix.startsWith(QLatin1String("Insert")) ||
            prefix.startsWith(QLatin1String("AGGIORNAMENTO")))
            QVERIFY2(text.contains(QStringLiteral("\r\n ")), qPrintable(text)); // the statement
        QCOMPARE(f.dm->InTransaction(), false);
        QCOMPARE(LottoStatisticsSnapshot(*f.dm), before);
    }

    // An open transaction of the caller is committed before the run starts.
    void openTransactionIsCommittedFirst() {
        EngineFixture f;
        const Archive archive = CyclicArchive(300);
        QString error;
        QVERIFY2(WriteArchive(*f.dm, archive, error), qPrintable(error));
        QVERIFY(f.dm->ExecSql(QStringLiteral("x"),
                              QStringLiteral("update FTABGEN set VALINT = 3 where NOMETAB = "
                                             "'SKIN'"),
                              error));
        QVERIFY(f.dm->InTransaction());
        QVERIFY(f.dm->ExecSql(QStringLiteral("x"),
                              QStringLiteral("delete from LOTTO1 where RUOTA = 'RN'"), error));
        QVERIFY(!f.Recompute(archive.back().date)); // fails, rolls back its own work only
        QCOMPARE(
            f.Value(QStringLiteral("select VALINT from FTABGEN where NOMETAB = 'SKIN'")).toInt(),
            3);
        QCOMPARE(f.Value(QStringLiteral("select count(*) from LOTTO1 where RUOTA = 'RN'")).toInt(),
                 0);
    }

    void loadWheelDraws() {
        EngineFixture f;
        QString error;
        QSqlQuery insert(f.dm->Database());
        f.dm->StartTransaction();
        QVERIFY(insert.prepare(QStringLiteral("insert into LOTTO1 (DATAESTRA, RUOTA, N1, N2, N3, "
                                              "N4, N5) values (?, ?, ?, ?, ?, ?, ?)")));
        QDate date(1960, 1, 2);
        for (int i = 0; i < 10005; ++i, date = NextDrawDate(date)) {
            insert.bindValue(0, date);
            insert.bindValue(1, QStringLiteral("BA"));
            insert.bindValue(2, i % 90 + 1);
            for (int p = 3; p < 7; ++p)
                insert.bindValue(p, i == 10004 ? QVariant() : QVariant(p));
            QVERIFY(insert.exec());
        }
        insert.finish();
        f.dm->Commit();
        const QDate last = date.addDays(-1);

        QCOMPARE(f.engine.LoadWheelDraws(QStringLiteral("BA"), last.addDays(7)), 10000);
        QCOMPARE(f.engine.Draws().front().numbers, (std::array<int, 5>{15, 0, 0, 0, 0}));
        QVERIFY(f.engine.Draws().front().date > f.engine.Draws().back().date);
        QCOMPARE(f.engine.LoadWheelDraws(QStringLiteral("BA"), QDate(1960, 1, 6)), 2);
        QCOMPARE(f.engine.Draws().front().date, QDate(1960, 1, 5));
        QCOMPARE(f.engine.LoadWheelDrawsFrom(QStringLiteral("BA"), QDate(1960, 1, 4)), 10000);
        QCOMPARE(f.engine.Draws().front().date, QDate(1960, 1, 5));
        QCOMPARE(f.engine.Draws()[1].numbers, (std::array<int, 5>{3, 3, 4, 5, 6}));
        QCOMPARE(f.engine.LoadWheelDraws(QStringLiteral("CA"), last), 0);
        QCOMPARE(f.engine.LoadWheelDraws(QStringLiteral("B'A"), last), 0);

        f.dm->CloseDatabase();
        QCOMPARE(f.engine.LoadWheelDraws(QStringLiteral("BA"), last), -1);
        QVERIFY2(f.engine.GetErrorText().startsWith(
                     QStringLiteral("Errore in caricamento estrazioni:\r\n")),
                 qPrintable(f.engine.GetErrorText()));
        QVERIFY(f.engine.Draws().empty());
    }
};

QTEST_GUILESS_MAIN(TestLottoRecompute)
#include "tst_lotto_recompute.moc"
