#include "storage/tdm1.h"
#include "tests/support/test_db.h"

#include <QFile>
#include <QSqlQuery>
#include <QtTest>

namespace {

int CountRows(TDM1& dm, const QString& table) {
    QSqlQuery query = dm.NewQuery();
    QString error;
    if (!dm.OpenQuery(query, QStringLiteral("select count(*) from ") + table, error) ||
        !query.next())
        return -1;
    return query.value(0).toInt();
}

QString ReadIni(const QString& folder) {
    QFile file(folder + QStringLiteral("l8ini.txt"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void WriteIni(const QString& folder, const QByteArray& content) {
    QFile file(folder + QStringLiteral("l8ini.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

class TestTdm1 : public QObject {
    Q_OBJECT

private slots:
    void startFileIsCreatedOnceThenRead() {
        QTemporaryDir dir;
        const QString folder = dir.path() + QLatin1Char('/');
        const QString expected =
            QStringLiteral("SERVERPATH=") + folder + QStringLiteral("ibdb/d3lotto.gdb");
        {
            TDM1 dm(dir.path()); // no trailing separator: it is added
            QCOMPARE(dm.AppDir, folder);
            QCOMPARE(dm.DatabasePath, folder + QStringLiteral("ibdb/d3lotto.gdb"));
        }
        QCOMPARE(ReadIni(folder), expected + QLatin1Char('\n'));
        TDM1 again(folder);
        QCOMPARE(again.DatabasePath, folder + QStringLiteral("ibdb/d3lotto.gdb"));
        QCOMPARE(ReadIni(folder), expected + QLatin1Char('\n'));
    }

    void startFileValue_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("path");
        QTest::newRow("any case") << QByteArray("serverpath=D:\\x.gdb\r\n")
                                  << QStringLiteral("D:\\x.gdb");
        QTest::newRow("empty") << QByteArray("SERVERPATH=\n") << QString();
        QTest::newRow("not trimmed")
            << QByteArray("SERVERPATH= /a b.gdb \n") << QStringLiteral(" /a b.gdb ");
        QTest::newRow("first of two") << QByteArray("X=1\nServerPath=a:/x=y.gdb\nSERVERPATH=b\n")
                                      << QStringLiteral("a:/x=y.gdb");
        QTest::newRow("missing line") << QByteArray("OTHER=1\n") << QString();
    }
    void startFileValue() {
        QFETCH(QByteArray, content);
        QFETCH(QString, path);
        QTemporaryDir dir;
        WriteIni(dir.path() + QLatin1Char('/'), content);
        TDM1 dm(dir.path());
        QCOMPARE(dm.DatabasePath, path);
    }

    void openFailureKeepsTheMessage() {
        QTemporaryDir dir;
        TDM1 dm(dir.path());
        QVERIFY(!dm.OpenDatabase()); // ibdb/d3lotto.gdb does not exist
        const QString kept = dm.PeekLastError();
        QVERIFY(kept.contains(QStringLiteral("d3lotto.gdb")));
        QCOMPARE(dm.TakeLastError(), kept);
        QVERIFY(dm.PeekLastError().isEmpty());
    }

    void execSqlReportsLabelAndMessage() {
        TestProgramFolder folder;
        auto dm = folder.OpenModule();
        QString error;
        QVERIFY(dm->ExecSql(QStringLiteral("ok"), QStringLiteral("delete from LOTTO1 where 1=1"),
                            error));
        QVERIFY(error.isEmpty());
        QVERIFY(!dm->ExecSql(QStringLiteral("Etichetta"), QStringLiteral("delete from NOTABLE"),
                             error));
        QVERIFY(error.startsWith(QStringLiteral("Etichetta:")));
        QVERIFY(error.contains(QStringLiteral("NOTABLE")));
        QVERIFY(dm->ExecSqlText(QString(), QStringLiteral("bad sql")).startsWith(QLatin1Char(':')));
        QVERIFY(dm->PeekLastError().isEmpty()); // ExecSql never touches the kept text
    }

    void clearTableKeepsOnlyTheLastFailure() {
        TestProgramFolder folder;
        auto dm = folder.OpenModule();
        QVERIFY(!dm->ClearTable(QStringLiteral("NOTABLE1")));
        QVERIFY(!dm->ClearTable(QStringLiteral("NOTABLE2")));
        const QString kept = dm->TakeLastError();
        QVERIFY(kept.startsWith(QStringLiteral("Delete tabella:NOTABLE2:")));
        QVERIFY(kept.endsWith(QStringLiteral("\r\n delete from NOTABLE2 where 1=1 ")));
        QVERIFY(!kept.contains(QStringLiteral("NOTABLE1")));
        QVERIFY(dm->TakeLastError().isEmpty());
    }

    void statementIsDurableOnlyAfterCommit() {
        TestProgramFolder folder;
        {
            auto dm = folder.OpenModule();
            QString error;
            QVERIFY(!dm->InTransaction());
            QVERIFY(dm->InsertLottoDraw(QStringLiteral("01.02.2003"), QStringLiteral("BA"),
                                        QStringLiteral("1"), QStringLiteral("2"),
                                        QStringLiteral("3"), QStringLiteral("4"),
                                        QStringLiteral("5"), QStringLiteral("10"), error));
            QVERIFY(dm->InTransaction()); // started implicitly
            // A second connection does not see the row yet.
            TDM1 other(folder.Path());
            QVERIFY(other.OpenDatabase());
            QCOMPARE(CountRows(other, QStringLiteral("LOTTO1")), 0);
            QVERIFY(dm->Rollback());
            QCOMPARE(CountRows(*dm, QStringLiteral("LOTTO1")), 0);
            QVERIFY(dm->InsertLottoDraw(QStringLiteral("01.02.2003"), QStringLiteral("CA"),
                                        QStringLiteral("1"), QStringLiteral("2"),
                                        QStringLiteral("3"), QStringLiteral("3"),
                                        QStringLiteral("3"), QStringLiteral("3"), error));
        } // closing the connection commits
        auto dm = folder.OpenModule();
        QSqlQuery query = dm->NewQuery();
        QString error;
        QVERIFY(dm->OpenQuery(
            query, QStringLiteral("select RUOTA, N5, NUMESTRA, APPD1, DATAESTRA from LOTTO1"),
            error));
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toString(), QStringLiteral("CA"));
        QCOMPARE(query.value(1).toInt(), 3);
        QCOMPARE(query.value(2).toInt(), 3);
        QCOMPARE(query.value(3).toDouble(), 0.0);
        QCOMPARE(query.value(4).toDate(), QDate(2003, 2, 1));
        QVERIFY(!query.next());
    }

    void insertFailuresCarryTheLabel() {
        TestProgramFolder folder;
        auto dm = folder.OpenModule();
        QString error;
        QVERIFY(!dm->InsertLottoDraw(QStringLiteral("31.02.2003"), QStringLiteral("BA"),
                                     QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                     QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("1"),
                                     error));
        QVERIFY(error.startsWith(QStringLiteral("Errore inserimento estrazione lotto (pick5):")));
        QVERIFY(dm->InsertSenalDraw(QStringLiteral("03.01.2009"), QStringLiteral("1"),
                                    QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                    QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"),
                                    QStringLiteral("7"), QStringLiteral("0"), error));
        QVERIFY(!dm->InsertSenalDraw(QStringLiteral("03.01.2009"), QStringLiteral("2"),
                                     QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                     QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"),
                                     QStringLiteral("7"), QStringLiteral("0"), error));
        QVERIFY(error.startsWith(
            QStringLiteral("Errore inserimento estrazione superEnalotto (pick6):")));
        QVERIFY(dm->PeekLastError().isEmpty());
    }

    void cutOffDates() {
        TestProgramFolder folder;
        auto dm = folder.OpenModule();
        QVERIFY(dm->GetLottoCutOffDate().isNull()); // empty archive: no date
        QVERIFY(dm->GetSenalCutOffDate().isNull());
        QString error;
        for (const char* date : {"09.04.2016", "12.04.2016", "31.12.1999"})
            QVERIFY(dm->InsertLottoDraw(QLatin1String(date), QStringLiteral("BA"),
                                        QStringLiteral("1"), QStringLiteral("2"),
                                        QStringLiteral("3"), QStringLiteral("4"),
                                        QStringLiteral("5"), QStringLiteral("0"), error));
        QVERIFY(dm->InsertSenalDraw(QStringLiteral("10.04.2016"), QStringLiteral("1"),
                                    QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                    QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"),
                                    QStringLiteral("7"), QStringLiteral("8"), error));
        QCOMPARE(dm->GetLottoCutOffDate(), QDate(2016, 4, 12));
        QCOMPARE(dm->LottoCutOffDate, QDate(2016, 4, 12));
        QCOMPARE(dm->GetSenalCutOffDate(), QDate(2016, 4, 10));
        QCOMPARE(dm->SenalCutOffDate, QDate(2016, 4, 10));
    }

    void statDatesAndSettingsUpdateExistingRowsOnly() {
        TestProgramFolder folder;
        auto dm = folder.OpenModule();
        QVERIFY(dm->SetStatLastUpdate(QStringLiteral("L8STIMA"), QDate(2016, 4, 9)));
        QVERIFY(dm->SetStatLastUpdate(QStringLiteral("NOSUCHKIND"), QDate(2016, 4, 9)));
        QSqlQuery query = dm->NewQuery();
        QString error;
        QVERIFY(dm->OpenQuery(
            query,
            QStringLiteral("select FL_TIPO from FSTATLIST where FL_LASTUPDATE = '09.04.2016'"),
            error));
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toString(), QStringLiteral("L8STIMA"));
        QVERIFY(!query.next());
        QCOMPARE(CountRows(*dm, QStringLiteral("FSTATLIST")), 21);
    }

    void skinReadAndWrite() {
        TestProgramFolder folder;
        auto dm = folder.OpenModule();
        QCOMPARE(dm->ReadSkin(), 0);
        QCOMPARE(dm->PanelColor(), QColor(237, 237, 237));
        QVERIFY(dm->WriteSkin(1));
        QCOMPARE(dm->SkinMode, 1);
        QCOMPARE(dm->ReadSkin(), 1);
        QCOMPARE(dm->PanelColor(), QColor(192, 192, 192));
    }

    void estimateSettingsRoundTrip() {
        TestProgramFolder folder;
        auto dm = folder.OpenModule();
        dm->LoadEstimateSettings();
        QCOMPARE(dm->EstimateKind, QStringLiteral("P"));
        QVERIFY(!dm->EstimateParams[EstRita].Active);
        dm->EstimateParams[EstRita] = {true, 10, false, 2.5};
        dm->EstimateParams[EstSm3r] = {false, 0.125, true, 3};
        QVERIFY(dm->SaveEstimateParams());
        dm->EstimateFormula = QStringLiteral("RITPO*10 'x'");
        QVERIFY(dm->SaveEstimateFormula());
        QVERIFY(dm->Commit());

        TDM1 fresh(folder.Path());
        QVERIFY(fresh.OpenDatabase());
        fresh.LoadEstimateSettings();
        QCOMPARE(fresh.EstimateKind, QStringLiteral("F"));
        QCOMPARE(fresh.EstimateFormula, QStringLiteral("RITPO*10 'x'"));
        QVERIFY(fresh.EstimateParams[EstRita].Active);
        QCOMPARE(fresh.EstimateParams[EstRita].Value1, 10.0);
        QVERIFY(!fresh.EstimateParams[EstRita].Flag2);
        QCOMPARE(fresh.EstimateParams[EstRita].Value2, 2.5);
        QCOMPARE(fresh.EstimateParams[EstSm3r].Value1, 0.125);
        QVERIFY(fresh.EstimateParams[EstSm3r].Flag2);
    }

    void estimateSettingsDefaults() {
        TestProgramFolder folder;
        auto dm = folder.OpenModule();
        QString error;
        // Missing rows: empty kind, every parameter off.
        QVERIFY(dm->ExecSql(
            QString(), QStringLiteral("delete from FTABGEN where nometab = 'STIMAPRM'"), error));
        dm->EstimateParams[EstFreq] = {true, 4, true, 4};
        dm->LoadEstimateSettings();
        QCOMPARE(dm->EstimateKind, QString());
        QVERIFY(!dm->EstimateParams[EstFreq].Active);
        QCOMPARE(dm->EstimateParams[EstFreq].Value1, 0.0);
        QVERIFY(dm->SaveEstimateParams()); // updates of missing rows change nothing
        QVERIFY(dm->Commit());
        // A failing query: kind P, and skin 0.
        QVERIFY(dm->ExecSql(QString(), QStringLiteral("drop table FTABGEN"), error));
        QVERIFY(dm->Commit());
        dm->EstimateParams[EstFreq] = {true, 4, true, 4};
        dm->LoadEstimateSettings();
        QCOMPARE(dm->EstimateKind, QStringLiteral("P"));
        QVERIFY(!dm->EstimateParams[EstFreq].Flag2);
        QCOMPARE(dm->ReadSkin(), 0);
        TTabGenRec rec;
        QVERIFY(!dm->ReadTabGen(QStringLiteral("SKIN"), QStringLiteral("SKINMAIN"), rec));
        QVERIFY(!dm->WriteSkin(1));
        QVERIFY(dm->TakeLastError().startsWith(QStringLiteral("SET COLOR MAP:")));
    }

    void tabGenNullsAreReplaced() {
        TestProgramFolder folder;
        auto dm = folder.OpenModule();
        TTabGenRec rec;
        QVERIFY(dm->ReadTabGen(QStringLiteral("SKIN"), QStringLiteral("SKINMAIN"), rec));
        QCOMPARE(rec.nomeTab, QStringLiteral("SKIN"));
        QCOMPARE(rec.valstr, QString());
        QCOMPARE(rec.valdouble, 0.0);
        QCOMPARE(rec.valdate, QDate(1900, 1, 1));
        QVERIFY(dm->ReadTabGen(QStringLiteral("NONE"), QStringLiteral("NONE"), rec));
        QCOMPARE(rec.nomeTab, QString());
        QCOMPARE(rec.valint, 0);
    }

    void columnStats() {
        TestProgramFolder folder;
        auto dm = folder.OpenModule();
        int min = -1, max = -1;
        double avg = -1;
        QVERIFY(dm->ColumnStats(QStringLiteral("FL8STORISTAT"), QStringLiteral("BA"),
                                QStringLiteral("VALRIT"), QStringLiteral("NUM"), 0, min, max, avg));
        QCOMPARE(min, 0);
        QCOMPARE(max, 0);
        QCOMPARE(avg, 0.0);
        QString error;
        for (const char* row : {"1, 1, 3.7", "2, 2, 8.9", "3, -1, 50", "4, 5, 0"})
            QVERIFY(dm->ExecSql(
                QString(),
                QStringLiteral(
                    "insert into FL8STORISTAT (RUOTA, RIGA, NUM, VALRIT) values ('BA', %1)")
                    .arg(QLatin1String(row)),
                error));
        QVERIFY(dm->ColumnStats(QStringLiteral("FL8STORISTAT"), QStringLiteral("BA"),
                                QStringLiteral("VALRIT"), QStringLiteral("NUM"), 0, min, max, avg));
        QCOMPARE(min, 3);
        QCOMPARE(max, 8);
        QCOMPARE(avg, (3.7 + 8.9) / 2);
    }

    void paths() {
        QTemporaryDir dir;
        TDM1 dm(dir.path());
        const QString folder = dir.path() + QLatin1Char('/');
        const QString first = dm.NewPdfTempPath();
        const QString second = dm.NewPdfTempPath();
        QVERIFY(first != second); // same millisecond or not, never the same file
        QVERIFY(first.startsWith(folder + QStringLiteral("tmp/pdf_")));
        QVERIFY(first.endsWith(QStringLiteral(".pdf")));
        QVERIFY(dm.NewXlsTempPath().startsWith(folder + QStringLiteral("tmp/xls_")));
        QCOMPARE(dm.TempFilePath(QStringLiteral("a.txt")), folder + QStringLiteral("tmp/a.txt"));
        QCOMPARE(dm.TextsDir(), folder + QStringLiteral("testi/it/"));
        QCOMPARE(dm.ReducedTextPath(true, QStringLiteral("X")),
                 folder + QStringLiteral("testi/it/s8rid/X.rtf"));
        QCOMPARE(dm.ReducedTextPath(false, QStringLiteral("X")),
                 folder + QStringLiteral("testi/it/l8rid/X.rtf"));
        QCOMPARE(dm.ReducedCodePath(true, QStringLiteral("X")),
                 folder + QStringLiteral("risorse/s8Ricode/X.txt"));
        QCOMPARE(dm.ReducedCodePath(false, QStringLiteral("X")),
                 folder + QStringLiteral("risorse/l8Ricode/X.txt"));
    }
};

QTEST_GUILESS_MAIN(TestTdm1)
#include "tst_tdm1.moc"
