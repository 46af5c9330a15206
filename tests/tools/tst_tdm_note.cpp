#include "storage/tdm1.h"
#include "tests/support/test_db.h"
#include "tools/tdm_note.h"

#include <QRegularExpression>
#include <QSet>
#include <QSqlQuery>
#include <QtTest>

namespace {

struct NoteRow {
    QString text;
    int count = -1;
    bool operator==(const NoteRow&) const = default;
};

QMap<QString, NoteRow> ReadRows(TDM1& dm) {
    QMap<QString, NoteRow> rows;
    QSqlQuery query = dm.NewQuery();
    QString error;
    if (!dm.OpenQuery(query, QStringLiteral("select RUOTA, VALSTR, NUMIN from FTABNOTE"), error))
        qFatal("FTABNOTE not read: %s", qPrintable(error));
    while (query.next())
        rows.insert(
            query.value(0).toString(),
            {query.value(1).toString(), query.value(2).isNull() ? -1 : query.value(2).toInt()});
    return rows;
}

void Exec(TDM1& dm, const QString& sql) {
    QString error;
    if (!dm.ExecSql(QStringLiteral("test"), sql, error)) qFatal("%s", qPrintable(error));
}

// Every later update of FTABNOTE raises an exception.
void BreakUpdates(TDM1& dm) {
    Exec(dm, QStringLiteral("create exception EX_NOTE 'note rifiutata'"));
    dm.Commit();
    Exec(dm, QStringLiteral("create trigger TR_NOTE for FTABNOTE before update as "
                            "begin exception EX_NOTE; end"));
    dm.Commit();
}

} // namespace

class TestTdmNote : public QObject {
    Q_OBJECT

private slots:
    void emptyTableGetsTwelveRows() {
        TestProgramFolder folder;
        auto dm = folder.OpenModule();
        TdmNote notes(*dm);
        QVERIFY(notes.LoadNotes());
        const auto rows = ReadRows(*dm);
        QCOMPARE(rows.size(), 12);
        for (const QString& code : WheelCodesAndSenal())
            QCOMPARE(rows.value(code), (NoteRow{QStringLiteral(" "), 0}));
        // Loading again inserts nothing more.
        QVERIFY(notes.LoadNotes());
        QCOMPARE(ReadRows(*dm).size(), 12);
    }

    void toggleStoresTheRebuiltText() {
        TestProgramFolder folder;
        auto dm = folder.OpenModule();
        TdmNote notes(*dm);
        QVERIFY(notes.LoadNotes());
        QVERIFY(notes.ToggleNote(QStringLiteral("BA"), 5));
        QVERIFY(notes.ToggleNote(QStringLiteral("BA"), 12));
        QCOMPARE(ReadRows(*dm).value(QStringLiteral("BA")), (NoteRow{QStringLiteral(" 05 12"), 2}));
        QVERIFY(notes.IsNoted(QStringLiteral("BA"), 5));
        QVERIFY(!notes.IsNoted(QStringLiteral("CA"), 5));
        QVERIFY(notes.ToggleNote(QStringLiteral(" BA "), 5)); // codes are trimmed
        QCOMPARE(ReadRows(*dm).value(QStringLiteral("BA")), (NoteRow{QStringLiteral(" 12"), 1}));
        QCOMPARE(notes.NotesText(QStringLiteral("BA")), QStringLiteral(" 12"));
        QVERIFY(!notes.IsNoted(QStringLiteral("BA"), 5));

        // A new start reads back what was stored.
        QVERIFY(notes.ToggleNote(QStringLiteral("S8"), 90));
        QVERIFY(notes.ToggleNote(QStringLiteral("RN"), 1));
        TdmNote again(*dm);
        QVERIFY(again.LoadNotes());
        QVERIFY(again.IsNoted(QStringLiteral("BA"), 12));
        QVERIFY(again.IsNoted(QStringLiteral("S8"), 90));
        QVERIFY(again.IsNoted(QStringLiteral("RN"), 1));
        QVERIFY(!again.IsNoted(QStringLiteral("RN"), 90));
        QCOMPARE(again.NoteCount(QStringLiteral("BA")), 1);
    }

    void codesWithoutSlot() {
        TestProgramFolder folder;
        auto dm = folder.OpenModule();
        TdmNote notes(*dm);
        QVERIFY(notes.LoadNotes());
        QVERIFY(!notes.IsNoted(QStringLiteral("XX"), 5));
        QCOMPARE(notes.TakeNoteError(),
                 QStringLiteral("ISINNOTA: conv ruota idx fallita x ruota:XX"));
        QVERIFY(notes.TakeNoteError().isEmpty());
        // A code carrying SQL reaches no statement: it has no slot.
        const QString hostile = QStringLiteral("BA' or 1=1 --");
        QVERIFY(!notes.ToggleNote(hostile, 5));
        QCOMPARE(notes.TakeNoteError(),
                 QStringLiteral("FLIP: conv ruota idx fallita x ruota:") + hostile);
        QVERIFY(!notes.ToggleNote(QStringLiteral("ba"), 5));
        QVERIFY(!notes.ToggleNote(QStringLiteral("BA"), 0));
        QVERIFY(!notes.ToggleNote(QStringLiteral("BA"), 91));
        for (const NoteRow& row : ReadRows(*dm))
            QCOMPARE(row.count, 0);
    }

    void parseNumberList_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QList<int>>("numbers");
        QTest::newRow("stored form")
            << QStringLiteral(" 05 12 33") << true << QList<int>{5, 12, 33};
        QTest::newRow("empty row") << QStringLiteral(" ") << true << QList<int>{};
        QTest::newRow("many blanks") << QStringLiteral("  90   1 ") << true << QList<int>{1, 90};
        QTest::newRow("repeated") << QStringLiteral("7 07") << true << QList<int>{7};
        QTest::newRow("not a number") << QStringLiteral(" 05 x1") << false << QList<int>{};
        QTest::newRow("zero") << QStringLiteral("0") << false << QList<int>{};
        QTest::newRow("above 90") << QStringLiteral("91") << false << QList<int>{};
        QTest::newRow("comma") << QStringLiteral("5,6") << false << QList<int>{};
    }
    void parseNumberList() {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(QList<int>, numbers);
        TestProgramFolder folder;
        auto dm = folder.OpenModule();
        TdmNote notes(*dm);
        NoteFlags flags;
        int count = -1;
        QCOMPARE(notes.ParseNumberList(text, flags, count), ok);
        const QString error = notes.TakeNoteError();
        if (!ok) {
            QCOMPARE(error, QStringLiteral("Errore in conversione numerica.."));
            return;
        }
        QVERIFY(error.isEmpty());
        QCOMPARE(count, numbers.size());
        for (int n = 0; n <= 90; ++n)
            QCOMPARE(flags[n], numbers.contains(n));
    }

    void clearing() {
        TestProgramFolder folder;
        auto dm = folder.OpenModule();
        TdmNote notes(*dm);
        QVERIFY(notes.LoadNotes());
        NoteFlags flags{};
        flags[3] = flags[40] = true;
        QVERIFY(notes.SetNotes(QStringLiteral("S8"), flags));
        QVERIFY(notes.SetNotes(QStringLiteral("VE"), flags));
        QVERIFY(notes.SetNotes(QStringLiteral("RN"), flags));
        QCOMPARE(ReadRows(*dm).value(QStringLiteral("S8")), (NoteRow{QStringLiteral(" 03 40"), 2}));

        QVERIFY(notes.ClearSenalNotes());
        auto rows = ReadRows(*dm);
        QCOMPARE(rows.value(QStringLiteral("S8")), (NoteRow{QString(), 0}));
        QCOMPARE(rows.value(QStringLiteral("VE")), (NoteRow{QStringLiteral(" 03 40"), 2}));
        QVERIFY(!notes.IsNoted(QStringLiteral("S8"), 3));

        QVERIFY(notes.ClearLottoNotes());
        rows = ReadRows(*dm);
        QCOMPARE(rows.value(QStringLiteral("VE")), (NoteRow{QString(), 0}));
        QCOMPARE(rows.value(QStringLiteral("RN")), (NoteRow{QString(), 0}));
        QVERIFY(!notes.IsNoted(QStringLiteral("RN"), 40));
    }

    void loadReadsStoredRowsAndStopsAtABadOne() {
        TestProgramFolder folder;
        auto dm = folder.OpenModule();
        Exec(*dm, QStringLiteral("insert into FTABNOTE values ('BA', ' 07 33', 2)"));
        Exec(*dm, QStringLiteral("insert into FTABNOTE values ('ZZ', ' 01', 1)"));
        {
            TdmNote notes(*dm);
            QVERIFY(notes.LoadNotes());
            QVERIFY(notes.IsNoted(QStringLiteral("BA"), 33));
            QCOMPARE(notes.NoteCount(QStringLiteral("BA")), 2);
            const auto rows = ReadRows(*dm);
            QCOMPARE(rows.size(), 13); // the unknown row stays, the eleven missing were added
            QCOMPARE(rows.value(QStringLiteral("BA")), (NoteRow{QStringLiteral(" 07 33"), 2}));
        }
        Exec(*dm, QStringLiteral("update FTABNOTE set VALSTR = ' 05 zz' where RUOTA = 'CA'"));
        TdmNote notes(*dm);
        QVERIFY(!notes.LoadNotes());
        QCOMPARE(notes.TakeNoteError(), QStringLiteral("Errore in conversione numerica.."));
        QVERIFY(notes.IsNoted(QStringLiteral("BA"), 7)); // read before the bad row
    }

    void failedSaveReportsTheDatabaseMessage() {
        TestProgramFolder folder;
        auto dm = folder.OpenModule();
        TdmNote notes(*dm);
        QVERIFY(notes.LoadNotes());
        dm->Commit();
        BreakUpdates(*dm);
        QVERIFY(!notes.ToggleNote(QStringLiteral("MI"), 8));
        const QString error = notes.TakeNoteError();
        QVERIFY2(error.startsWith(QStringLiteral("- Insert FTABNOTE -:")), qPrintable(error));
        QVERIFY2(error.contains(QStringLiteral("note rifiutata")), qPrintable(error));
        QCOMPARE(ReadRows(*dm).value(QStringLiteral("MI")), (NoteRow{QStringLiteral(" "), 0}));
        QVERIFY(!notes.ClearLottoNotes());
        QVERIFY(!notes.TakeNoteError().isEmpty());
    }

    // The shipped catalogue: every row's numbers, combinations and group agree with its name
    // (RDS-G4-N12-C6, RDL-L5-G3-N10-C2), and each row can be played.
    void catalogueRowsAgreeWithTheirNames() {
        TestProgramFolder folder;
        auto dm = folder.OpenModule();
        QSqlQuery query = dm->NewQuery();
        QString error;
        QVERIFY(dm->OpenQuery(query,
                              QStringLiteral("select GIOCO, NUMERI, TIPO, QCOMBS, NOME, GIOCALO, "
                                             "DESCOK, DESCMANCA, DESCTROPPI from FTABSIS"),
                              error));
        QMap<QString, int> perGame;
        QSet<QString> names;
        const QRegularExpression pattern(
            QStringLiteral("^RD([LS])-(?:L[56]-)?(G[345])-(?:P4-)?N(\\d+)-C(\\d+)$"));
        while (query.next()) {
            const QString game = query.value(0).toString();
            const QString name = query.value(4).toString();
            const auto match = pattern.match(name);
            QVERIFY2(match.hasMatch(), qPrintable(name));
            QCOMPARE(game, match.captured(1) == QLatin1String("L") ? QStringLiteral("L8")
                                                                   : QStringLiteral("S8"));
            QCOMPARE(query.value(2).toString(), match.captured(2));
            QCOMPARE(query.value(1).toInt(), match.captured(3).toInt());
            QCOMPARE(query.value(3).toInt(), match.captured(4).toInt());
            QCOMPARE(query.value(5).toString(), QStringLiteral("Click per giocarlo"));
            for (int column = 6; column <= 8; ++column)
                QVERIFY(!query.value(column).toString().isEmpty());
            QVERIFY2(!names.contains(name), qPrintable(name));
            names.insert(name);
            ++perGame[game];
        }
        QCOMPARE(perGame.value(QStringLiteral("L8")), 9);
        QCOMPARE(perGame.value(QStringLiteral("S8")), 31);
    }

private:
    static QStringList WheelCodesAndSenal() {
        QStringList codes;
        for (int slot = 1; slot <= TdmNote::SlotCount; ++slot)
            codes << TdmNote::SlotCode(slot);
        return codes;
    }
};

QTEST_GUILESS_MAIN(TestTdmNote)
#include "tst_tdm_note.moc"
