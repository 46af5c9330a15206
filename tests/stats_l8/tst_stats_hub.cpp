#include "app/private_messages.h"
#include "common/helpers.h"
#include "common/sql_text.h"
#include "stats_l8/stats_hub_window.h"
#include "stats_l8/tdms.h"
#include "storage/tdm1.h"
#include "tests/support/fake_seams.h"
#include "tests/support/test_db.h"
#include "tools/notes_windows.h"
#include "tools/tdm_note.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSqlQuery>
#include <QtTest>

namespace {

const QDate FirstDraw(2023, 1, 3);

struct HubFixture {
    TestProgramFolder folder;
    std::unique_ptr<TDM1> dm = folder.OpenModule();
    TDMS engine{*dm};
    TdmNote notes{*dm};
    FakeDialogs dialogs;
    FakeModal modal;

    HubFixture() { notes.LoadNotes(); }

    // `count` draws two days apart on every wheel; every number comes out once in 18 draws.
    QDate AddDraws(int count) {
        QSqlQuery insert = dm->NewQuery();
        insert.prepare(
            QStringLiteral("insert into LOTTO1 (DATAESTRA, RUOTA, N1, N2, N3, N4, N5, "
                           "NUMESTRA, APPD1, APPD2) values (?, ?, ?, ?, ?, ?, ?, ?, 0, 0)"));
        QDate date = FirstDraw;
        for (int d = 0; d < count; ++d) {
            date = FirstDraw.addDays(2 * d);
            for (int w = 0; w < WheelCount; ++w) {
                insert.bindValue(0, date);
                insert.bindValue(1, WheelCodes.at(w));
                for (int k = 0; k < 5; ++k)
                    insert.bindValue(2 + k, (5 * d + k + 3 * w) % 90 + 1);
                insert.bindValue(7, d + 1);
                if (!insert.exec()) qFatal("%s", qPrintable(TDM1::MessageOf(insert)));
            }
        }
        dm->Commit();
        return date;
    }
};

QPushButton* Button(QWidget& window, const char* name) {
    return window.findChild<QPushButton*>(QString::fromLatin1(name));
}

const QString AlignedText =
    QStringLiteral("Le statistiche sono allineate all'ultima estrazione in archivio del:");
const QString NotAlignedText =
    QStringLiteral("Le statistiche NON sono allineate all'ultima estrazione in archivio del:");

} // namespace

class TestStatsHub : public QObject {
    Q_OBJECT

private slots:
    void recomputeAligns() {
        HubFixture f;
        const QDate last = f.AddDraws(250);
        f.dm->GetLottoCutOffDate();
        TfrmVornL8STATS hub;
        hub.show();
        QCOMPARE(hub.windowTitle(), QStringLiteral("Statistiche del lotto Italiano"));
        QCOMPARE(hub.InfoLine()->text(), NotAlignedText + DateToSqlText(last));
        QCOMPARE(hub.RecomputeButton()->text(), QStringLiteral("Rielabora statistiche"));
        QVERIFY(!hub.ProgressPanel()->isHidden());

        hub.RecomputeButton()->click();
        QVERIFY2(f.dialogs.shown.isEmpty(), qPrintable(f.dialogs.LastText()));
        QCOMPARE(hub.InfoLine()->text(), AlignedText + DateToSqlText(last));
        QCOMPARE(hub.RecomputeButton()->text(), QStringLiteral("Forza ricalcolo"));
        QVERIFY(hub.ProgressPanel()->isHidden());
        QCOMPARE(hub.TotalBar()->value(), 0);

        // A draw entered later: the statistics no longer match it.
        QString error;
        QVERIFY(f.dm->ExecSql(
            QStringLiteral("t"),
            QStringLiteral("update LOTTO1 set DATAESTRA = '%1' where DATAESTRA = '%2'")
                .arg(DateToSqlText(last.addDays(2)), DateToSqlText(last)),
            error));
        f.dm->GetLottoCutOffDate();
        hub.ShowAlignment();
        QCOMPARE(hub.InfoLine()->text(), NotAlignedText + DateToSqlText(last.addDays(2)));
        // The recompute fetches the date anew and uses it.
        hub.RecomputeButton()->click();
        QCOMPARE(hub.InfoLine()->text(), AlignedText + DateToSqlText(last.addDays(2)));
    }

    void failedRecomputeShowsTheEngineText() {
        HubFixture f;
        f.AddDraws(100); // too few for ten further outings of every number
        f.dm->GetLottoCutOffDate();
        TfrmVornL8STATS hub;
        hub.show();
        hub.RecomputeButton()->click();
        QCOMPARE(f.dialogs.shown.size(), 1);
        QVERIFY2(f.dialogs.LastText().startsWith(QStringLiteral("Errore:N.")),
                 qPrintable(f.dialogs.LastText()));
        QVERIFY(f.dialogs.LastText().contains(QStringLiteral("Non trovate 10 uscite")));
        QVERIFY(f.engine.GetErrorText().isEmpty());
        QVERIFY(hub.InfoLine()->text().startsWith(NotAlignedText));
    }

    void anEmptyArchiveIsToldNotLeftBlank() {
        HubFixture f;
        f.dm->GetLottoCutOffDate();
        TfrmVornL8STATS hub;
        hub.show();
        hub.RecomputeButton()->click();
        QCOMPARE(f.dialogs.Texts(),
                 QStringList{QStringLiteral(
                     "Errore:Archivio del Lotto vuoto: nessuna estrazione da elaborare.")});
    }

    void aSystemChosenFromTheNotesGoesToTheMainWindow() {
        HubFixture f;
        QVERIFY(f.notes.ToggleNote(QStringLiteral("BA"), 5));
        QVERIFY(f.notes.ToggleNote(QStringLiteral("BA"), 12));
        QVERIFY(f.notes.ToggleNote(QStringLiteral("BA"), 40));
        // Stands for the main window: records the private messages it receives.
        struct Receiver : QObject {
            QList<int> messages;
            bool event(QEvent* event) override {
                if (const int message = PrivateMessage::MessageOf(event)) messages << message;
                return QObject::event(event);
            }
        } mainWindow;
        SetMainWindowHandle(&mainWindow);
        f.modal.Push([](QDialog& dialog) {
            static_cast<TfrmVornL8NOTE&>(dialog).IntegralLinkClicked(0); // the pairs of 3
            return dialog.result();
        });
        TfrmVornL8STATS hub;
        hub.show();
        Button(hub, "btnNote")->click();
        QCOMPARE(hub.result(), int(QDialog::Accepted)); // the hub closes itself
        QCoreApplication::sendPostedEvents(&mainWindow);
        SetMainWindowHandle(nullptr);
        QCOMPARE(mainWindow.messages, QList<int>{PrivateMessage::MsgOpenLottoChoice});
        QCOMPARE(TSceltaLottoSis.Kind, QStringLiteral("I"));
        QCOMPARE(TSceltaLottoSis.NumberCount, 3);
    }

    void everyButtonOpensItsWindow() {
        HubFixture f;
        TfrmVornL8STATS hub;
        hub.show();
        const QList<std::pair<const char*, const char*>> buttons = {
            {"btnRitardi", "TfrmVornL8RITAESTRA"},   {"btnFrequenze", "TfrmVornL8FREQESTRA"},
            {"btnRapporto", "TfrmVornL8RPRFESTRA"},  {"btnPiramide", "TfrmVornL8PIRAESTRA"},
            {"btnSomma2", "TfrmVornL8RIS2ESTRA"},    {"btnSomma3", "TfrmVornL8RIS3ESTRA"},
            {"btnRuota", "TfrmVornL8XRUOTA"},        {"btnStime", "TfrmVornL8STIMA"},
            {"btnNote", "TfrmVornL8NOTE"},           {"btnGemelli", "TfrmVornL8RIGAGEMEL"},
            {"btnVertibili", "TfrmVornL8RIGAVERTI"}, {"btnRadicali", "TfrmVornL8RIGARADIC"},
            {"btnCadenze", "TfrmVornL8RIGACADEN"}};
        QStringList expected;
        for (const auto& [name, window] : buttons) {
            Button(hub, name)->click();
            expected << QString::fromLatin1(window);
        }
        QCOMPARE(f.modal.shownClasses, expected);
        QVERIFY(hub.isVisible()); // no system was chosen: the hub stays open
    }
};

QTEST_MAIN(TestStatsHub)
#include "tst_stats_hub.moc"
