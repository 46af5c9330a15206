#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int status;
    QString out;
    QString err;
};

Run RunCliProcess(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(SORTAVO_PROGRAM_DIR "/sortavo-cli"), args);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT

private slots:
    void helpListsTheCommands() {
        const Run run = RunCliProcess({QStringLiteral("help")});
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.contains(QStringLiteral("create-database")));
        QVERIFY(run.out.contains(QStringLiteral("--db")));
        QVERIFY(RunCliProcess({QStringLiteral("nonsense")}).status != 0);
    }

    void createDatabaseRefusesAnExistingFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("x.gdb"));
        QCOMPARE(RunCliProcess({QStringLiteral("create-database"), path}).status, 0);
        QVERIFY(QFile::exists(path));
        const QDateTime modified = QFileInfo(path).lastModified();
        const qint64 size = QFileInfo(path).size();
        const Run again = RunCliProcess({QStringLiteral("create-database"), path});
        QVERIFY(again.status != 0);
        QVERIFY(again.err.contains(path));
        QCOMPARE(QFileInfo(path).lastModified(), modified);
        QCOMPARE(QFileInfo(path).size(), size);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
