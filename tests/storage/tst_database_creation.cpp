#include "storage/database_creation.h"
#include "storage/tdm1.h"
#include "tests/support/test_db.h"

#include <QFile>
#include <QSqlQuery>
#include <QtTest>

class TestDatabaseCreation : public QObject {
    Q_OBJECT

private slots:
    void scriptSplitting() {
        const QStringList statements = SplitSqlScript(
            QStringLiteral("-- heading; with a semicolon\ncreate table A (X integer);\n"
                           "insert into A values ('a;b''c'); -- trailing\n\n"));
        QCOMPARE(statements.size(), 2);
        QCOMPARE(statements.at(1), QStringLiteral("insert into A values ('a;b''c')"));
    }

    void everyTableExists() {
        TestProgramFolder folder;
        auto dm = folder.OpenModule();
        QSqlQuery query = dm->NewQuery();
        QString error;
        QVERIFY(dm->OpenQuery(
            query,
            QStringLiteral(
                "select trim(rdb$relation_name) from rdb$relations where rdb$system_flag = 0"),
            error));
        QStringList tables;
        while (query.next())
            tables << query.value(0).toString();
        const QStringList expected = {
            "LOTTO1",       "SENAL81",      "LOTTO_APPINS", "FTABGEN",      "FSTATLIST",
            "FMAINSTAT",    "FL8RITAESTRA", "FL8FREQESTRA", "FL8RPRFESTRA", "FL8RIS2ESTRA",
            "FL8RIS3ESTRA", "FL8STORISTAT", "FS8STORISTAT", "FL8PIRAESTRA", "FL8RIGAGEMEL",
            "FL8RIGAVERTI", "FL8RIGACADEN", "FL8RIGARADIC", "FL8STIMA",     "FS8RITAESTRA",
            "FS8FREQESTRA", "FS8RPRFESTRA", "FS8RIS2ESTRA", "FS8RIS3ESTRA", "FS8PIRAESTRA",
            "FS8RITAPOS",   "FS8FREQPOS",   "FS8RPRFPOS",   "FSISOUT",      "FSISTEST",
            "FSISCOND",     "FSISREDU",     "FSISWINS",     "FTABSIS",      "FTABNOTE",
            "FUTPROGRES"};
        for (const QString& table : expected)
            QVERIFY2(tables.contains(table), qPrintable(table));
        QVERIFY(dm->OpenQuery(
            query,
            QStringLiteral("select count(*) from rdb$indices where rdb$index_name = 'PK_SENAL81' "
                           "and rdb$unique_flag = 1"),
            error));
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toInt(), 1);
        QVERIFY(dm->OpenQuery(query, QStringLiteral("select count(*) from FTABNOTE"), error));
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toInt(), 0);
    }

    void existingFileIsNeverTouched() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("x.gdb"));
        QString error;
        QVERIFY(CreateDatabaseFile(path, error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        QVERIFY(!CreateDatabaseFile(path, error));
        QVERIFY(error.contains(path));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }

    void unwritableFolderFailsCleanly() {
        QString error;
        QVERIFY(!CreateDatabaseFile(QStringLiteral("/proc/no/such/x.gdb"), error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!CreateDatabaseFile(QString(), error));
    }
};

QTEST_GUILESS_MAIN(TestDatabaseCreation)
#include "tst_database_creation.moc"
