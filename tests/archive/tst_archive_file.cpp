#include "archive/archive_file.h"
#include "common/progress.h"
#include "storage/tdm1.h"
#include "tests/support/test_db.h"

#include <QDate>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

namespace {

const QString LottoFixture =
    QStringLiteral(SORTAVO_FIXTURES_DIR "/archive/lotto_tre_estrazioni.fl8");
const QString SenalFixture = QStringLiteral(SORTAVO_FIXTURES_DIR "/archive/senal_tre_concorsi.fs8");

QString TableOf(ArchiveGame game) {
    return game == ArchiveGame::Lotto ? QStringLiteral("LOTTO1") : QStringLiteral("SENAL81");
}

// Every row of a table as text, in a fixed order: two equal snapshots mean equal content.
QStringList Snapshot(TDM1& dm, const QString& table) {
    QSqlQuery query = dm.NewQuery();
    QString error;
    const QString order = table == QLatin1String("LOTTO1") ? QStringLiteral("DATAESTRA, RUOTA")
                                                           : QStringLiteral("DATAESTRA");
    if (!dm.OpenQuery(query, QStringLiteral("select * from %1 order by %2").arg(table, order),
                      error))
        return {QStringLiteral("error: ") + error};
    QStringList rows;
    while (query.next()) {
        QStringList fields;
        const QSqlRecord record = query.record();
        for (int i = 0; i < record.count(); ++i)
            fields << (record.isNull(i) ? QStringLiteral("null") : record.value(i).toString());
        rows << fields.join(QLatin1Char('|'));
    }
    return rows;
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& content) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) qFatal("fixture not written");
    file.write(content);
    return path;
}

QByteArray ReadFixture(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) qFatal("fixture not read");
    return file.readAll();
}

// The good fixture with one line put in the middle.
QByteArray WithLineInTheMiddle(const QString& fixture, const QByteArray& line) {
    QList<QByteArray> lines = ReadFixture(fixture).split('\n');
    lines.insert(lines.size() / 2, line);
    return lines.join('\n');
}

ArchiveLoadResult Load(TDM1& dm, ArchiveGame game, const QString& path) {
    NullProgress progress;
    return LoadArchiveFile(dm, game, path, progress);
}

QString Parsed(ArchiveGame game, const QString& line) {
    QVariantList values;
    QString reason;
    if (!ParseArchiveLine(game, line, values, reason)) return QStringLiteral("! ") + reason;
    QStringList texts;
    for (const QVariant& value : std::as_const(values))
        texts << (value.typeId() == QMetaType::QDate ? value.toDate().toString(Qt::ISODate)
                                                     : value.toString());
    return texts.join(QLatin1Char(' '));
}

int RunCli(const QStringList& args, QString* err = nullptr) {
    QProcess process;
    process.start(QStringLiteral(SORTAVO_PROGRAM_DIR "/sortavo-cli"), args);
    process.waitForFinished(120000);
    if (err) *err = QString::fromUtf8(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace

class TestArchiveFile : public QObject {
    Q_OBJECT

private slots:
    void lines_data() {
        QTest::addColumn<bool>("lotto");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("parsed"); // values, or "! " + the reason

        const bool L = true, S = false;
        QTest::newRow("lotto full") << L << "01.02.2003|BA|1|2|3|4|5|10"
                                    << "2003-02-01 BA 1 2 3 4 5 10";
        QTest::newRow("short line repeats its last field") << L << "01.02.2003|CA|1|2|3"
                                                           << "2003-02-01 CA 1 2 3 3 3 3";
        QTest::newRow("blanks and leading zeros") << L << " 1.2.2003 | RN | 0 | 05 |0|0|0| 7"
                                                  << "2003-02-01 RN 0 5 0 0 0 7";
        QTest::newRow("fields past the last ignored") << L << "01.02.2003|BA|1|2|3|4|5|10|x|y"
                                                      << "2003-02-01 BA 1 2 3 4 5 10";
        QTest::newRow("letter in a number") << L << "01.02.2003|BA|1|2|3a|4|5|10"
                                            << "! N3 \"3a\" non valido: atteso un numero da 0 a 90";
        QTest::newRow("91") << L << "01.02.2003|BA|1|2|3|4|91|10"
                            << "! N5 \"91\" non valido: atteso un numero da 0 a 90";
        QTest::newRow("negative") << L << "01.02.2003|BA|-1|2|3|4|5|10"
                                  << "! N1 \"-1\" non valido: atteso un numero da 0 a 90";
        QTest::newRow("empty field") << L << "01.02.2003|BA|1||3|4|5|10"
                                     << "! N2 mancante";
        QTest::newRow("impossible date")
            << L << "31.02.2003|BA|1|2|3|4|5|10"
            << "! Data \"31.02.2003\" non valida: attesa una data del calendario GG.MM.AAAA";
        QTest::newRow("not a leap year")
            << L << "29.02.2001|BA|1|2|3|4|5|10"
            << "! Data \"29.02.2001\" non valida: attesa una data del calendario GG.MM.AAAA";
        QTest::newRow("other date form")
            << L << "2003-02-01|BA|1|2|3|4|5|10"
            << "! Data \"2003-02-01\" non valida: attesa una data del calendario GG.MM.AAAA";
        QTest::newRow("quote in the date")
            << L << "01.02.2003'|BA|1|2|3|4|5|10"
            << "! Data \"01.02.2003'\" non valida: attesa una data del calendario GG.MM.AAAA";
        QTest::newRow("unknown wheel")
            << L << "01.02.2003|XX|1|2|3|4|5|10"
            << "! Ruota \"XX\" sconosciuta: attesa una di BA, CA, FI, GE, MI, NA, PA, RM, TO, "
               "VE, RN";
        QTest::newRow("wheel in lower case") << L << "01.02.2003|ba|1|2|3|4|5|10"
                                             << "! Ruota \"ba\" sconosciuta: attesa una di BA, "
                                                "CA, FI, GE, MI, NA, PA, RM, TO, VE, RN";
        QTest::newRow("quote in the wheel")
            << L << "01.02.2003|BA'|1|2|3|4|5|10"
            << "! Ruota \"BA'\" sconosciuta: attesa una di BA, CA, FI, GE, MI, NA, PA, RM, TO, "
               "VE, RN";
        QTest::newRow("semicolon in NUMESTRA")
            << L << "01.02.2003|BA|1|2|3|4|5|10); delete from LOTTO1; --"
            << "! Numero estrazione \"10); delete from LOTTO1; --\" non valido: atteso un "
               "numero intero";
        QTest::newRow("NUMESTRA beyond INTEGER")
            << L << "01.02.2003|BA|1|2|3|4|5|2147483648"
            << "! Numero estrazione \"2147483648\" non valido: atteso un numero intero";
        QTest::newRow("date alone") << L << "01.02.2003"
                                    << "! Ruota \"01.02.2003\" sconosciuta: attesa una di BA, "
                                       "CA, FI, GE, MI, NA, PA, RM, TO, VE, RN";

        QTest::newRow("senal full") << S << "01.02.2003|10|1|2|3|4|5|6|7|8"
                                    << "2003-02-01 10 1 2 3 4 5 6 7 8";
        QTest::newRow("jolly and superstar 0") << S << "01.02.2003|10|1|2|3|4|5|6|0|0"
                                               << "2003-02-01 10 1 2 3 4 5 6 0 0";
        QTest::newRow("senal short line") << S << "01.02.2003|10|1|2|3|4|5|6|7"
                                          << "2003-02-01 10 1 2 3 4 5 6 7 7";
        QTest::newRow("senal N1 0") << S << "01.02.2003|10|0|2|3|4|5|6|7|8"
                                    << "! N1 \"0\" non valido: atteso un numero da 1 a 90";
        QTest::newRow("superstar 91")
            << S << "01.02.2003|10|1|2|3|4|5|6|7|91"
            << "! Numero SuperStar \"91\" non valido: atteso un numero da 0 a 90";
        QTest::newRow("contest with a quote")
            << S << "01.02.2003|10'|1|2|3|4|5|6|7|8"
            << "! Concorso \"10'\" non valido: atteso un numero intero";
    }
    void lines() {
        QFETCH(bool, lotto);
        QFETCH(QString, line);
        QFETCH(QString, parsed);
        QCOMPARE(Parsed(lotto ? ArchiveGame::Lotto : ArchiveGame::Senal, line.trimmed()), parsed);
    }

    void lottoFileReplacesTheArchive() {
        TestProgramFolder folder;
        auto dm = folder.OpenModule();
        QString error;
        QVERIFY(dm->ExecSql(QString(),
                            QStringLiteral("insert into LOTTO1 (DATAESTRA, RUOTA, N1, N2, N3, N4, "
                                           "N5, NUMESTRA) values ('09.04.2016', 'BA', 1, 2, 3, 4, "
                                           "5, 1)"),
                            error));
        QVERIFY(dm->Commit());
        // Work pending in the shared transaction (here a contest of the other game) is kept.
        QVERIFY(dm->ExecSql(QString(),
                            QStringLiteral("insert into SENAL81 (DATAESTRA, CONCORSO, N1) values "
                                           "('10.04.2016', 5, 1)"),
                            error));

        const ArchiveLoadResult result = Load(*dm, ArchiveGame::Lotto, LottoFixture);
        QVERIFY2(result.ok, qPrintable(result.message));
        QCOMPARE(result.rows, 22);
        QCOMPARE(dm->LottoCutOffDate, QDate(2003, 2, 4));

        const QStringList rows = Snapshot(*dm, QStringLiteral("LOTTO1"));
        QCOMPARE(rows.size(), 22);
        QCOMPARE(rows.at(0), QStringLiteral("2003-02-01|BA|1|2|3|4|5|10|0|0"));
        QCOMPARE(rows.at(1), QStringLiteral("2003-02-01|CA|1|2|3|3|3|3|0|0"));
        QVERIFY(rows.contains(QStringLiteral("2003-02-01|FI|11|22|33|44|55|10|0|0")));
        QVERIFY(rows.contains(QStringLiteral("2003-02-01|RN|0|0|0|0|0|10|0|0")));
        dm->CloseDatabase();
        auto reopened = folder.OpenModule();
        QCOMPARE(Snapshot(*reopened, QStringLiteral("SENAL81")).size(), 1);
        QCOMPARE(Snapshot(*reopened, QStringLiteral("LOTTO1")), rows);
    }

    void senalFileReplacesTheArchive() {
        TestProgramFolder folder;
        auto dm = folder.OpenModule();
        const ArchiveLoadResult result = Load(*dm, ArchiveGame::Senal, SenalFixture);
        QVERIFY2(result.ok, qPrintable(result.message));
        QCOMPARE(result.rows, 3);
        QCOMPARE(dm->SenalCutOffDate, QDate(2003, 2, 6));
        const QStringList rows = Snapshot(*dm, QStringLiteral("SENAL81"));
        QCOMPARE(rows.size(), 3);
        QVERIFY(rows.at(1).startsWith(
            QStringLiteral("2003-02-04T00:00:00.000|11|12|45|3|89|90|7|0|0|")));
    }

    // Each bad file leaves the archive exactly as it was, with the line named in the message.
    void badFileLeavesTheArchive_data() {
        QTest::addColumn<bool>("lotto");
        QTest::addColumn<QByteArray>("badLine");
        QTest::addColumn<QString>("reason"); // last line of the message
        QTest::newRow("letter in a number")
            << true << QByteArray("05.02.2003|BA|1|2|x|4|5|12")
            << "N3 \"x\" non valido: atteso un numero da 0 a 90 (riga 13 del file)";
        QTest::newRow("impossible date")
            << true << QByteArray("30.02.2003|BA|1|2|3|4|5|12")
            << "Data \"30.02.2003\" non valida: attesa una data del calendario GG.MM.AAAA (riga 13 "
               "del file)";
        QTest::newRow("unknown wheel")
            << true << QByteArray("05.02.2003|NZ|1|2|3|4|5|12")
            << "Ruota \"NZ\" sconosciuta: attesa una di BA, CA, FI, GE, MI, NA, PA, RM, TO, VE, RN "
               "(riga 13 del file)";
        QTest::newRow("quote") << true << QByteArray("05.02.2003|BA|1|2|3|4|5|12' or '1'='1")
                               << "Numero estrazione \"12' or '1'='1\" non valido: atteso un "
                                  "numero intero (riga 13 del file)";
        QTest::newRow("semicolon") << true << QByteArray("05.02.2003|BA|1;delete from LOTTO1|2|3")
                                   << "N1 \"1;delete from LOTTO1\" non valido: atteso un numero "
                                      "da 0 a 90 (riga 13 del file)";
        QTest::newRow("duplicate row")
            << true << QByteArray("01.02.2003|BA|9|8|7|6|5|10")
            << "Errore inserimento estrazione lotto (pick5):"; // the database's message follows
        QTest::newRow("senal jolly 91") << false << QByteArray("08.02.2003|13|1|2|3|4|5|6|91|1")
                                        << "Numero Jolly \"91\" non valido: atteso un numero da 0 "
                                           "a 90 (riga 3 del file)";
        QTest::newRow("senal same date") << false << QByteArray("04.02.2003|13|1|2|3|4|5|6|7|8")
                                         << "Errore inserimento estrazione superEnalotto (pick6):";
    }
    void badFileLeavesTheArchive() {
        QFETCH(bool, lotto);
        QFETCH(QByteArray, badLine);
        QFETCH(QString, reason);
        const ArchiveGame game = lotto ? ArchiveGame::Lotto : ArchiveGame::Senal;
        const QString fixture = lotto ? LottoFixture : SenalFixture;
        TestProgramFolder folder;
        auto dm = folder.OpenModule();
        QVERIFY(Load(*dm, game, fixture).ok);
        const QStringList before = Snapshot(*dm, TableOf(game));

        QTemporaryDir dir;
        const QString path =
            WriteFile(dir, QStringLiteral("bad.txt"), WithLineInTheMiddle(fixture, badLine));
        const ArchiveLoadResult result = Load(*dm, game, path);
        QVERIFY(!result.ok);
        const QStringList parts = result.message.split(QStringLiteral("\r\n"));
        QCOMPARE(parts.size(), 3);
        QCOMPARE(parts.at(0),
                 lotto ? QStringLiteral("Errore in inserimento riga in archivio lotto (pick5) 02")
                       : QStringLiteral("Errore in inserimento riga in archivio "
                                        "superEnalotto (pick6) 02"));
        QCOMPARE(parts.at(1), QStringLiteral("riga estrazione:") + QString::fromLatin1(badLine));
        QVERIFY2(parts.at(2).startsWith(reason), qPrintable(parts.at(2)));
        QVERIFY(!dm->InTransaction());
        QCOMPARE(Snapshot(*dm, TableOf(game)), before);
    }

    void unreadableOrEmptyFileLeavesTheArchive() {
        TestProgramFolder folder;
        auto dm = folder.OpenModule();
        QVERIFY(Load(*dm, ArchiveGame::Lotto, LottoFixture).ok);
        const QStringList before = Snapshot(*dm, QStringLiteral("LOTTO1"));
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("manca.fl8"));
        const QString empty = WriteFile(dir, QStringLiteral("vuoto.fl8"), "\n  \r\n\n");
        for (const QString& path : {missing, dir.path(), empty}) {
            const ArchiveLoadResult result = Load(*dm, ArchiveGame::Lotto, path);
            QVERIFY(!result.ok);
            QVERIFY2(result.message.startsWith(
                         QStringLiteral("Errore in lettura file archivio lotto (pick5)\r\nfile:") +
                         path + QStringLiteral("\r\n")),
                     qPrintable(result.message));
            QCOMPARE(Snapshot(*dm, QStringLiteral("LOTTO1")), before);
        }
    }

    // A database failure half-way (a trigger that raises on the fifth insert) rolls back.
    void databaseFailureHalfWayRollsBack() {
        TestProgramFolder folder;
        auto dm = folder.OpenModule();
        QVERIFY(Load(*dm, ArchiveGame::Lotto, LottoFixture).ok);
        const QStringList before = Snapshot(*dm, QStringLiteral("LOTTO1"));
        QString error;
        QVERIFY(dm->ExecSql(QString(), QStringLiteral("create sequence S_GUASTO"), error));
        QVERIFY(dm->ExecSql(QString(),
                            QStringLiteral("create exception E_GUASTO 'guasto simulato'"), error));
        QVERIFY2(dm->ExecSql(QString(),
                             QStringLiteral("create trigger T_GUASTO for LOTTO1 before insert as "
                                            "begin if (gen_id(S_GUASTO, 1) = 5) then exception "
                                            "E_GUASTO; end"),
                             error),
                 qPrintable(error));
        QVERIFY(dm->Commit());

        const ArchiveLoadResult result = Load(*dm, ArchiveGame::Lotto, LottoFixture);
        QVERIFY(!result.ok);
        QVERIFY2(result.message.startsWith(
                     QStringLiteral("Errore in inserimento riga in archivio lotto (pick5) 02\r\n"
                                    "riga estrazione:01.02.2003|MI|7|17|27|37|47|10\r\n"
                                    "Errore inserimento estrazione lotto (pick5):")),
                 qPrintable(result.message));
        QVERIFY(result.message.contains(QStringLiteral("guasto simulato")));
        QCOMPARE(Snapshot(*dm, QStringLiteral("LOTTO1")), before);
    }

    void commandLineReplacesOrLeavesTheArchive() {
        TestProgramFolder folder;
        const QString db = folder.DatabasePath();
        QString err;
        QCOMPARE(RunCli({QStringLiteral("--db"), db, QStringLiteral("import-lotto"), LottoFixture},
                        &err),
                 0);
        QCOMPARE(RunCli({QStringLiteral("--db"), db, QStringLiteral("import-senal"), SenalFixture}),
                 0);
        QStringList lottoBefore, senalBefore;
        {
            auto dm = folder.OpenModule();
            lottoBefore = Snapshot(*dm, QStringLiteral("LOTTO1"));
            senalBefore = Snapshot(*dm, QStringLiteral("SENAL81"));
        }
        QCOMPARE(lottoBefore.size(), 22);
        QCOMPARE(senalBefore.size(), 3);

        QTemporaryDir dir;
        const QString bad = WriteFile(dir, QStringLiteral("bad.fl8"),
                                      WithLineInTheMiddle(LottoFixture, "05.02.2003|BA|1|2|3|4|x"));
        QVERIFY(RunCli({QStringLiteral("--db"), db, QStringLiteral("import-lotto"), bad}, &err) !=
                0);
        QVERIFY2(err.contains(QStringLiteral("Errore in inserimento riga in archivio lotto (pick5) "
                                             "02\nriga estrazione:05.02.2003|BA|1|2|3|4|x\n")),
                 qPrintable(err));
        // A Lotto file is no SuperEnalotto archive.
        QVERIFY(RunCli({QStringLiteral("--db"), db, QStringLiteral("import-senal"),
                        LottoFixture}) != 0);
        QVERIFY(RunCli({QStringLiteral("--db"), db, QStringLiteral("import-lotto")}) != 0);
        auto dm = folder.OpenModule();
        QCOMPARE(Snapshot(*dm, QStringLiteral("LOTTO1")), lottoBefore);
        QCOMPARE(Snapshot(*dm, QStringLiteral("SENAL81")), senalBefore);
    }
};

QTEST_GUILESS_MAIN(TestArchiveFile)
#include "tst_archive_file.moc"
