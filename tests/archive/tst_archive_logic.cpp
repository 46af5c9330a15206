#include "archive/archive_browser.h"
#include "archive/archive_file.h"
#include "archive/lotto_draw_entry.h"
#include "archive/senal_contest.h"
#include "common/progress.h"
#include "storage/tdm1.h"
#include "tests/support/test_db.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

namespace {

const QString LottoFixture =
    QStringLiteral(SORTAVO_FIXTURES_DIR "/archive/lotto_tre_estrazioni.fl8");

void Exec(TDM1& dm, const QString& sql) {
    QString error;
    if (!dm.ExecSql(QString(), sql, error)) qFatal("%s", qPrintable(error));
}

QList<QVariantList> Rows(TDM1& dm, const QString& sql) {
    QSqlQuery query = dm.NewQuery();
    QString error;
    if (!dm.OpenQuery(query, sql, error)) qFatal("%s", qPrintable(error));
    QList<QVariantList> rows;
    while (query.next()) {
        QVariantList row;
        for (int i = 0; i < query.record().count(); ++i)
            row << query.value(i);
        rows << row;
    }
    return rows;
}

QString Numbers(const LottoEditRow& row) {
    QStringList texts;
    for (const QVariant& n : row.numbers)
        texts << (n.isNull() ? QStringLiteral("null") : n.toString());
    return texts.join(QLatin1Char(' '));
}

LottoEditRow Wheel(const QString& wheel, int prog, const QString& nums) {
    LottoEditRow row;
    row.wheel = wheel;
    row.prog = prog;
    row.nums = nums;
    return row;
}

void PutInEditTable(TDM1& dm, const QList<LottoEditRow>& rows) {
    Exec(dm, QStringLiteral("delete from LOTTO_APPINS"));
    for (const LottoEditRow& row : rows)
        Exec(dm, QStringLiteral("insert into LOTTO_APPINS (RUOTA, PROG) values ('%1', %2)")
                     .arg(row.wheel)
                     .arg(row.prog));
}

SenalContestRow Contest(const QVariantList& values) {
    SenalContestRow row;
    row.date = QDate(2016, 4, 9);
    row.contest = values.value(0);
    for (int k = 0; k < 6; ++k)
        row.numbers[k] = values.value(1 + k);
    row.jolly = values.value(7);
    row.superStar = values.value(8);
    return row;
}

} // namespace

class TestArchiveLogic : public QObject {
    Q_OBJECT

private slots:
    void tableTokenIsReplacedEverywhere() {
        QCOMPARE(ApplyTableToken(QStringLiteral("select * from l81 b join L81 c on 1=1, l81"),
                                 QStringLiteral("L81"), QStringLiteral("LOTTO1")),
                 QStringLiteral("select * from LOTTO1 b join LOTTO1 c on 1=1, LOTTO1"));
    }

    void proposedDate_data() {
        QTest::addColumn<QDate>("latest");
        QTest::addColumn<QDate>("proposed");
        QTest::newRow("after Saturday") << QDate(2016, 4, 9) << QDate(2016, 4, 12);
        QTest::newRow("after Tuesday") << QDate(2016, 4, 12) << QDate(2016, 4, 14);
        QTest::newRow("after Thursday") << QDate(2016, 4, 14) << QDate(2016, 4, 16);
        QTest::newRow("after Friday") << QDate(2016, 4, 15) << QDate(2016, 4, 16);
        QTest::newRow("after Sunday") << QDate(2016, 4, 10) << QDate(2016, 4, 12);
    }
    void proposedDate() {
        QFETCH(QDate, latest);
        QFETCH(QDate, proposed);
        QCOMPARE(ProposedDrawDate(latest), proposed);
    }

    void browsingDatesCardAndListing() {
        TestProgramFolder folder;
        auto dm = folder.OpenModule();
        NullProgress progress;
        QVERIFY(LoadArchiveFile(*dm, ArchiveGame::Lotto, LottoFixture, progress).ok);
        // A draw without a Bari row: in the date list and its card, not in the listing.
        Exec(*dm, QStringLiteral("insert into LOTTO1 (DATAESTRA, RUOTA, N1, N2, N3, N4, N5) "
                                 "values ('06.02.2003', 'RN', 1, 2, 3, 4, 5)"));
        Exec(*dm, QStringLiteral("insert into LOTTO1 (DATAESTRA, RUOTA, N1, N2, N3, N4, N5) "
                                 "values ('06.02.2003', 'CA', 6, 7, 8, 9, 10)"));

        TArchiveBrowser browser(*dm, ArchiveGame::Lotto);
        QString error;
        QVERIFY(browser.LoadDates(error));
        QCOMPARE(browser.Dates(),
                 (QList<QDate>{QDate(2003, 2, 1), QDate(2003, 2, 4), QDate(2003, 2, 6)}));
        QCOMPARE(browser.CurrentDate(), QDate(2003, 2, 6));
        QCOMPARE(browser.LatestDate(), QDate(2003, 2, 6));
        QCOMPARE(browser.ProposedDate(), QDate(2003, 2, 8));
        browser.Next();
        QCOMPARE(browser.CurrentDate(), QDate(2003, 2, 6));
        browser.First();
        browser.Prior();
        QCOMPARE(browser.CurrentDate(), QDate(2003, 2, 1));
        browser.Next();
        QCOMPARE(browser.CurrentDate(), QDate(2003, 2, 4));
        QVERIFY(!browser.Locate(QDate(2003, 2, 5)));
        QCOMPARE(browser.CurrentDate(), QDate(2003, 2, 4));

        QVERIFY(browser.Locate(QDate(2003, 2, 6)));
        const QList<QVariantList> card = Rows(*dm, browser.CardSql());
        QCOMPARE(card.size(), 2);
        QCOMPARE(card.at(0).at(1).toString().trimmed(), QStringLiteral("CA"));
        QCOMPARE(card.at(1).at(1).toString().trimmed(), QStringLiteral("RN"));

        browser.First();
        const QList<QVariantList> firstCard = Rows(*dm, browser.CardSql());
        QCOMPARE(firstCard.size(), 11);
        QCOMPARE(firstCard.constLast().at(1).toString().trimmed(), QStringLiteral("RN"));

        QSqlQuery named = dm->NewQuery();
        QVERIFY(
            dm->OpenQuery(named, browser.ListingSql(QDate(1946, 1, 1), QDate(2003, 2, 6)), error));
        QCOMPARE(named.record().fieldName(1), QStringLiteral("B1"));
        QCOMPARE(named.record().fieldName(55), QStringLiteral("Z5"));
        named.finish();
        const QList<QVariantList> listing =
            Rows(*dm, browser.ListingSql(QDate(1946, 1, 1), QDate(2003, 2, 6)));
        QCOMPARE(listing.size(), 2); // newest first, 06.02 has no Bari row
        QCOMPARE(listing.at(0).size(), 1 + 55);
        QCOMPARE(listing.at(0).at(0).toDate(), QDate(2003, 2, 4));
        QCOMPARE(listing.at(0).at(1).toInt(), 90);        // B1
        QCOMPARE(listing.at(1).at(1 + 5 + 4).toInt(), 3); // C5 of 01.02: a short line's repeat
        QCOMPARE(listing.at(1).at(1 + 50).toInt(), 0);    // Z1
        QCOMPARE(Rows(*dm, browser.ListingSql(QDate(2003, 2, 2), QDate(2003, 2, 3))).size(), 0);
    }

    void editTableCopiesTheCard() {
        TestProgramFolder folder;
        auto dm = folder.OpenModule();
        Exec(*dm, QStringLiteral("insert into LOTTO1 (DATAESTRA, RUOTA, N1, N2, N3, N4, N5) "
                                 "values ('09.04.2016', 'BA', 5, null, 7, 8, 9)"));
        Exec(*dm,
             QStringLiteral("insert into LOTTO1 (DATAESTRA, RUOTA) values ('09.04.2016', 'CA')"));
        Exec(*dm, QStringLiteral("insert into LOTTO1 (DATAESTRA, RUOTA, N1, N2, N3, N4, N5) "
                                 "values ('09.04.2016', 'RN', 1, 2, 3, 4, 5)"));
        TArchiveBrowser browser(*dm, ArchiveGame::Lotto);
        QString message;
        QVERIFY(browser.LoadDates(message));
        QVERIFY2(FillEditTable(*dm, browser, QLatin1Char(' '), message), qPrintable(message));
        QList<LottoEditRow> rows;
        QVERIFY(ReadEditTable(*dm, rows, message));
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0].wheel, QStringLiteral("BA"));
        QCOMPARE(rows[0].nums, QStringLiteral("5 7 8 9"));
        QCOMPARE(Numbers(rows[0]), QStringLiteral("5 null 7 8 9"));
        QCOMPARE(rows[1].nums, QString()); // all null, after a wheel with numbers
        QCOMPARE(rows[2].wheel, QStringLiteral("RN"));
        QCOMPARE(rows[2].prog, 3);

        // A second copy replaces the first.
        QVERIFY(FillEditTable(*dm, browser, QLatin1Char(','), message));
        QVERIFY(ReadEditTable(*dm, rows, message));
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[2].nums, QStringLiteral("1,2,3,4,5"));
    }

    void skeletonOfANewDraw() {
        TestProgramFolder folder;
        auto dm = folder.OpenModule();
        TArchiveBrowser browser(*dm, ArchiveGame::Lotto);
        QString message;
        QVERIFY(browser.LoadDates(message));
        // The first draw of an empty archive gets all eleven wheels.
        QVERIFY2(InsertDrawSkeleton(*dm, browser, QDate(2016, 4, 9), message), qPrintable(message));
        QCOMPARE(Rows(*dm, QStringLiteral("select * from LOTTO1")).size(), 11);
        Exec(*dm, QStringLiteral("delete from LOTTO1 where RUOTA in ('RN', 'VE')"));
        QVERIFY(browser.LoadDates(message));
        // Later draws get the wheels the archive has, numbers null and NUMESTRA 0.
        QVERIFY(InsertDrawSkeleton(*dm, browser, QDate(2016, 4, 12), message));
        const QList<QVariantList> rows =
            Rows(*dm, QStringLiteral("select RUOTA, N1, N5, NUMESTRA from LOTTO1 where DATAESTRA = "
                                     "'12.04.2016' order by RUOTA"));
        QCOMPARE(rows.size(), 9);
        QVERIFY(rows.at(0).at(1).isNull() && rows.at(0).at(2).isNull());
        QCOMPARE(rows.at(0).at(3).toInt(), 0);
        // A date that holds a draw is refused by the database.
        QVERIFY(!InsertDrawSkeleton(*dm, browser, QDate(2016, 4, 12), message));
        QVERIFY(message.contains(QStringLiteral("UX_LOTTO1_DATA_RUOTA")));
    }

    void lists_data() {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("list");
        QTest::addColumn<bool>("parsed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("numbers");
        QTest::newRow("five") << " "
                              << "12 45 3 89 90" << true << ""
                              << "12 45 3 89 90";
        QTest::newRow("short list repeats") << " "
                                            << "1 2 3" << true << ""
                                            << "1 2 3 3 3";
        QTest::newRow("sixth ignored") << " "
                                       << "1 2 3 4 5 6" << true << ""
                                       << "1 2 3 4 5";
        QTest::newRow("empty list") << " "
                                    << "" << true << ""
                                    << "null null null null null";
        QTest::newRow("comma") << ","
                               << "5, 7,8 ,9,10" << true << ""
                               << "5 7 8 9 10";
        QTest::newRow("91") << " "
                            << "1 2 91 4 5" << false << "Numero:91 fuori dai limiti (1-90)"
                            << "null null null null null";
        QTest::newRow("not a number") << " "
                                      << "1 2 x 4 5" << false << ""
                                      << "null null null null null";
        QTest::newRow("wrong separator") << "."
                                         << "1 2 3 4 5" << false << ""
                                         << "null null null null null";
    }
    void lists() {
        QFETCH(QString, separator);
        QFETCH(QString, list);
        QFETCH(bool, parsed);
        QFETCH(QString, message);
        QFETCH(QString, numbers);
        TestProgramFolder folder;
        auto dm = folder.OpenModule();
        QList<LottoEditRow> rows{Wheel(QStringLiteral("BA"), 1, list)};
        PutInEditTable(*dm, rows);
        QString shown;
        QCOMPARE(ParseLists(*dm, rows, separator.at(0), shown), parsed);
        QCOMPARE(shown, message);
        QCOMPARE(Numbers(rows[0]), numbers);
        QList<LottoEditRow> stored;
        QVERIFY(ReadEditTable(*dm, stored, shown));
        QCOMPARE(Numbers(stored[0]), numbers);
    }

    void saveDrawChecksEveryWheelFirst() {
        TestProgramFolder folder;
        auto dm = folder.OpenModule();
        NullProgress progress;
        QVERIFY(LoadArchiveFile(*dm, ArchiveGame::Lotto, LottoFixture, progress).ok);
        const QDate date(2003, 2, 1);
        const QList<QVariantList> before = Rows(*dm, QStringLiteral("select * from LOTTO1"));
        QList<LottoEditRow> rows{Wheel(QStringLiteral("BA"), 1, QStringLiteral("1 2 3")),
                                 Wheel(QStringLiteral("CA"), 2, QStringLiteral("10 20 30 40 50"))};
        PutInEditTable(*dm, rows);
        QString message;
        bool zero = false;
        QVERIFY(ParseLists(*dm, rows, QLatin1Char(' '), message));
        QVERIFY(!SaveDraw(*dm, date, rows, message, zero));
        QCOMPARE(message, QStringLiteral("Il numero 3 e' ripetuto !"));

        rows[0].numbers[3] = QVariant(); // four numbers
        rows[1] = Wheel(QStringLiteral("CA"), 2, QString());
        rows[1].numbers[0] = 10;
        QVERIFY(!SaveDraw(*dm, date, rows, message, zero));
        QCOMPARE(message,
                 QStringLiteral("Ruota:BA non completa. Se estrazione assente, usare lo 0 !"));

        rows[0].numbers[3] = 4;
        rows[0].numbers[4] = 91;
        QVERIFY(!SaveDraw(*dm, date, rows, message, zero));
        QCOMPARE(message, QStringLiteral("Numero:91 fuori dai limiti (1-90)"));

        rows[0].numbers[4] = 5; // BA passes now, CA is incomplete: nothing is written
        QVERIFY(!SaveDraw(*dm, date, rows, message, zero));
        QCOMPARE(message,
                 QStringLiteral("Ruota:CA non completa. Se estrazione assente, usare lo 0 !"));
        QCOMPARE(Rows(*dm, QStringLiteral("select * from LOTTO1")), before);

        for (QVariant& n : rows[1].numbers)
            n = 0;
        QVERIFY(SaveDraw(*dm, date, rows, message, zero));
        QVERIFY(zero);
        QCOMPARE(Rows(*dm, QStringLiteral("select RUOTA, N1, N2, N3, N4, N5 from LOTTO1 where "
                                          "DATAESTRA = '01.02.2003' and RUOTA in ('BA', 'CA') "
                                          "order by RUOTA")),
                 (QList<QVariantList>{{QStringLiteral("BA"), 1, 2, 3, 4, 5},
                                      {QStringLiteral("CA"), 0, 0, 0, 0, 0}}));
        rows[1].numbers[0] = 7; // zeros may repeat, and warn
        QVERIFY(SaveDraw(*dm, date, rows, message, zero));
        QVERIFY(zero);
        for (int k = 0; k < 5; ++k)
            rows[1].numbers[k] = 7 + k;
        QVERIFY(SaveDraw(*dm, date, rows, message, zero));
        QVERIFY(!zero);
    }

    void separatorChangeRewritesEveryRow() {
        TestProgramFolder folder;
        auto dm = folder.OpenModule();
        QList<LottoEditRow> rows{Wheel(QStringLiteral("BA"), 1, QStringLiteral(" 5 7 8 9 10 ")),
                                 Wheel(QStringLiteral("CA"), 2, QStringLiteral("1 2 3 4 5"))};
        PutInEditTable(*dm, rows);
        QString message;
        QVERIFY(ChangeSeparator(*dm, rows, QLatin1Char(' '), QLatin1Char(','), message));
        QList<LottoEditRow> stored;
        QVERIFY(ReadEditTable(*dm, stored, message));
        QCOMPARE(stored[0].nums, QStringLiteral("5,7,8,9,10"));
        QCOMPARE(stored[1].nums, QStringLiteral("1,2,3,4,5"));
    }

    void checkContest_data() {
        QTest::addColumn<QVariantList>("values"); // CONCORSO, N1..N6, NJ, NS
        QTest::addColumn<QString>("message");
        const QVariant null;
        QTest::newRow("passes") << QVariantList{1, 1, 2, 3, 4, 5, 6, 7, 8} << "";
        QTest::newRow("jolly and superstar 0") << QVariantList{1, 1, 2, 3, 4, 5, 6, 0, 0} << "";
        QTest::newRow("jolly equal to N2") << QVariantList{1, 1, 2, 3, 4, 5, 6, 2, 8} << "";
        QTest::newRow("superstar 91") << QVariantList{1, 1, 2, 3, 4, 5, 6, 7, 91}
                                      << "Numero SuperStar deve essere compreso tra 0 (assente) e "
                                         "90  !";
        QTest::newRow("N1 = N4 = 12")
            << QVariantList{1, 12, 2, 3, 12, 5, 6, 7, 8} << "Numero :12 ripetuto !";
        QTest::newRow("no contest")
            << QVariantList{null, 1, 2, 3, 4, 5, 6, 7, 8} << "Indicare il concorso !";
        QTest::newRow("N2 out before N3 missing") << QVariantList{1, 1, 95, null, 4, 5, 6, 7, 8}
                                                  << "N2 deve essere compreso tra 1 e 90  !";
        QTest::newRow("N3 missing")
            << QVariantList{1, 1, 2, null, 4, 5, 6, 7, 8} << "N3 mancante  !";
        QTest::newRow("N6 0") << QVariantList{1, 1, 2, 3, 4, 5, 0, 7, 8}
                              << "N6 deve essere compreso tra 1 e 90  !";
        QTest::newRow("jolly missing")
            << QVariantList{1, 1, 2, 3, 4, 5, 6, null, 8} << "Numero Jolly mancante  !";
        QTest::newRow("jolly -1") << QVariantList{1, 1, 2, 3, 4, 5, 6, -1, 8}
                                  << "Numero Jolly deve essere compreso tra 0 (assente) e 90  !";
        QTest::newRow("superstar missing")
            << QVariantList{1, 1, 2, 3, 4, 5, 6, 7, null} << "Numero Superstar mancante  !";
        QTest::newRow("range before repeat") << QVariantList{1, 5, 5, 3, 4, 5, 6, 7, 99}
                                             << "Numero SuperStar deve essere compreso tra 0 "
                                                "(assente) e 90  !";
    }
    void checkContest() {
        QFETCH(QVariantList, values);
        QFETCH(QString, message);
        QCOMPARE(CheckContest(Contest(values)), message);
    }

    void contestRows() {
        TestProgramFolder folder;
        auto dm = folder.OpenModule();
        QString message;
        QVERIFY2(AppendContest(*dm, QDate(2016, 4, 5), message), qPrintable(message));
        Exec(*dm, QStringLiteral("update SENAL81 set NUMESTRA = 2100"));
        QVERIFY(AppendContest(*dm, QDate(2016, 4, 7), message));
        const QList<QVariantList> rows =
            Rows(*dm, QStringLiteral("select NUMESTRA, CONCORSO, N1 from SENAL81 order by 1"));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(1).at(0).toInt(), 2101);
        QVERIFY(rows.at(1).at(1).isNull() && rows.at(1).at(2).isNull());

        QVERIFY(!AppendContest(*dm, QDate(2016, 4, 7), message));
        QVERIFY2(message.contains(QStringLiteral("PK_SENAL81")), qPrintable(message));
        QCOMPARE(Rows(*dm, QStringLiteral("select * from SENAL81")).size(), 2);

        SenalContestRow row = Contest({41, 1, 2, 3, 4, 5, 6, 0, 90});
        row.date = QDate(2016, 4, 7);
        QVERIFY(SaveContest(*dm, row, message));
        SenalContestRow read;
        QVERIFY(ReadContest(*dm, QDate(2016, 4, 7), read, message));
        QCOMPARE(read.contest.toInt(), 41);
        QCOMPARE(read.numbers[5].toInt(), 6);
        QCOMPARE(read.jolly.toInt(), 0);
        QCOMPARE(read.superStar.toInt(), 90);
        QVERIFY(ReadContest(*dm, QDate(2016, 4, 5), read, message));
        QVERIFY(read.contest.isNull());
        QVERIFY(!ReadContest(*dm, QDate(2016, 4, 6), read, message));
        QVERIFY(message.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestArchiveLogic)
#include "tst_archive_logic.moc"
