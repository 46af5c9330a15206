#include "storage/tdm1.h"
#include "tests/stats_l8/lotto_db.h"
#include "tests/stats_l8/lotto_fixture.h"
#include "tests/support/test_db.h"

#include <QProcess>
#include <QtTest>

namespace {

QStringList Arguments(const TestProgramFolder& folder) {
    return {QStringLiteral("--db"), folder.DatabasePath(), QStringLiteral("recompute-lotto")};
}

struct Run {
    int status;
    QString out;
    QString err;
};

Run RunRecompute(const TestProgramFolder& folder) {
    QProcess process;
    process.start(QStringLiteral(SORTAVO_PROGRAM_DIR "/sortavo-cli"), Arguments(folder));
    process.waitForFinished(300000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// Opens the database, lets `work` use it, closes it again (the command runs in a process of
// its own on the same file).
template <typename Work> void WithDatabase(const TestProgramFolder& folder, Work work) {
    std::unique_ptr<TDM1> dm = folder.OpenModule();
    work(*dm);
}

} // namespace

class TestRecomputeCli : public QObject {
    Q_OBJECT

private slots:
    void recomputesUpToTheLatestDraw() {
        TestProgramFolder folder;
        const Archive archive = CyclicArchive(300);
        WithDatabase(folder, [&](TDM1& dm) {
            QString error;
            QVERIFY2(WriteArchive(dm, archive, error), qPrintable(error));
        });
        const Run run = RunRecompute(folder);
        QVERIFY2(run.status == 0, qPrintable(run.err));
        QCOMPARE(run.out, QStringLiteral("Statistiche Lotto aggiornate al %1.\n")
                              .arg(archive.back().date.toString(QStringLiteral("dd/MM/yyyy"))));
        QVERIFY(run.err.contains(QStringLiteral("Aggiornamento statistiche Lotto: 15/15\n")));
        QVERIFY(run.err.contains(QStringLiteral("  fase: 990/990\n")));
        WithDatabase(folder, [&](TDM1& dm) {
            QCOMPARE(RowTexts(dm, QStringLiteral("select distinct FL_LASTUPDATE from FSTATLIST "
                                                 "where FL_TIPO starting with 'L8'")),
                     QStringList(archive.back().date.toString(Qt::ISODate)));
        });
    }

    void reportsTheEngineError() {
        TestProgramFolder folder;
        Run run = RunRecompute(folder);
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(QStringLiteral("Archivio del Lotto vuoto")), qPrintable(run.err));

        Archive archive = CyclicArchive(300);
        for (int age = 0; age < 300; ++age)
            for (int& n : FromNewest(archive, age, 2))
                if (n == 44) n = 0;
        WithDatabase(folder, [&](TDM1& dm) {
            QString error;
            QVERIFY2(WriteArchive(dm, archive, error), qPrintable(error));
        });
        run = RunRecompute(folder);
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.endsWith(QStringLiteral("N.44 non trovato Ritardo in ruota:FI La data "
                                                 "massima estrazione e' troppo bassa!\n")),
                 qPrintable(run.err));

        // A wheel with no draws at all fails without a text of the engine's own.
        WithDatabase(folder, [&](TDM1& dm) {
            QString error;
            QVERIFY(dm.ExecSql(QString(), QStringLiteral("delete from LOTTO1 where RUOTA = 'CA'"),
                               error));
            QVERIFY(dm.Commit());
        });
        run = RunRecompute(folder);
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err.section(QLatin1Char('\n'), -2),
                 QStringLiteral("Aggiornamento non riuscito: una ruota non ha estrazioni fino al "
                                "%1.\n")
                     .arg(archive.back().date.toString(QStringLiteral("dd.MM.yyyy"))));
    }

    // The process is killed while it rewrites the estimate values: the statistics of the
    // previous run are all there when the database is opened again.
    void killedHalfWayLeavesThePreviousStatistics() {
        TestProgramFolder folder;
        const Archive archive = GenerateArchive(900, 5);
        const Archive older(archive.begin(), archive.end() - 100);
        const Archive newer(archive.end() - 100, archive.end());
        WithDatabase(folder, [&](TDM1& dm) {
            QString error;
            QVERIFY2(WriteArchive(dm, older, error), qPrintable(error));
        });
        QCOMPARE(RunRecompute(folder).status, 0);
        QStringList before;
        WithDatabase(folder, [&](TDM1& dm) {
            before = LottoStatisticsSnapshot(dm);
            QString error;
            QVERIFY2(WriteArchive(dm, newer, error), qPrintable(error));
        });

        QProcess process;
        process.setReadChannel(QProcess::StandardError);
        QString err;
        process.start(QStringLiteral(SORTAVO_PROGRAM_DIR "/sortavo-cli"), Arguments(folder));
        while (!err.contains(QStringLiteral("/990\n")) && process.state() != QProcess::NotRunning) {
            process.waitForReadyRead(10);
            err += QString::fromUtf8(process.readAllStandardError());
        }
        process.kill();
        process.waitForFinished();
        QCOMPARE(process.exitStatus(), QProcess::CrashExit);
        QVERIFY2(!err.contains(QStringLiteral("15/15")), qPrintable(err)); // not finished

        WithDatabase(folder, [&](TDM1& dm) { QCOMPARE(LottoStatisticsSnapshot(dm), before); });
        QCOMPARE(RunRecompute(folder).status, 0); // and the database takes the next run
        WithDatabase(folder, [&](TDM1& dm) {
            QCOMPARE(RowTexts(dm, QStringLiteral("select distinct FL_LASTUPDATE from FSTATLIST "
                                                 "where FL_TIPO starting with 'L8'")),
                     QStringList(archive.back().date.toString(Qt::ISODate)));
        });
    }
};

QTEST_GUILESS_MAIN(TestRecomputeCli)
#include "tst_recompute_cli.moc"
