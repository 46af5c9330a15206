#include "archive/archive_file.h"
#include "archive/senal_archive_window.h"
#include "archive/senal_entry_window.h"
#include "common/grid/banded_grid.h"
#include "common/progress.h"
#include "tests/archive/archive_test_support.h"
#include "tests/support/fake_seams.h"
#include "tests/support/test_db.h"

#include <QDateEdit>
#include <QLabel>
#include <QTableView>
#include <QTableWidget>

namespace {

const QString SenalFixture = QStringLiteral(SORTAVO_FIXTURES_DIR "/archive/senal_tre_concorsi.fs8");
const QString LottoFixture =
    QStringLiteral(SORTAVO_FIXTURES_DIR "/archive/lotto_tre_estrazioni.fl8");
const QString AllSenal = QStringLiteral(
    "select DATAESTRA, CONCORSO, N1, N2, N3, N4, N5, N6, NJ, NS, NUMESTRA from SENAL81 order by 1");

// Types CONCORSO, N1..N6, NJ, NS into the entry grid ("" leaves a cell empty).
void TypeContest(QDialog& entry, const QStringList& values) {
    QAbstractItemModel* model = entry.findChild<QTableView*>(QStringLiteral("grdContest"))->model();
    for (int i = 0; i < values.size(); ++i)
        QVERIFY(model->setData(model->index(0, 1 + i), values[i]));
}

BandedGrid* Grid(QWidget& window, const char* name) {
    return window.findChild<BandedGrid*>(QLatin1String(name));
}

} // namespace

class TestSenalArchiveWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<TDM1> m_dm;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    void init() {
        m_folder = std::make_unique<TestProgramFolder>();
        m_dm = m_folder->OpenModule();
        NullProgress progress;
        QVERIFY(LoadArchiveFile(*m_dm, ArchiveGame::Senal, SenalFixture, progress).ok);
        QVERIFY(LoadArchiveFile(*m_dm, ArchiveGame::Lotto, LottoFixture, progress).ok);
        ExecOrFail(QStringLiteral("insert into LOTTO1 (DATAESTRA, RUOTA, N1, N2, N3, N4, N5) "
                                  "values ('02.01.1999', 'BA', 1, 2, 3, 4, 5)"));
        ExecOrFail(QStringLiteral("update SENAL81 set NUMESTRA = 2100 where CONCORSO = 12"));
        QVERIFY(m_dm->Commit());
    }
    void cleanup() {
        m_dm.reset();
        m_folder.reset();
    }

    void showsTheLatestContestAndTheListing() {
        FakeDialogs dialogs;
        FakeModal modal;
        TfrmVornS8ESTRA window;
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("ARCHIVIO ESTRAZIONI DEL SuperEnalotto"));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblCurrentDate"))->text(),
                 QStringLiteral("06/02/2003"));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblContest"))->text(),
                 QStringLiteral("12"));
        QCOMPARE(window.findChild<QDateEdit*>(QStringLiteral("edtNewDate"))->date(),
                 QDate(2003, 2, 8));
        BandedGrid* card = Grid(window, "grdCard");
        QCOMPARE(card->RowCount(), 1);
        QCOMPARE(card->Value(0, QStringLiteral("NS")).toInt(), 90);
        BandedGrid* listing = Grid(window, "grdListing");
        QCOMPARE(listing->RowCount(), 3);
        QVERIFY(listing->UserSorting());
        QVERIFY(listing->BandCaptions().constFirst().startsWith(
            QStringLiteral("Tabulato estrazioni (ordinabile e filtrabile)")));
        QCOMPARE(listing->Model()->DisplayText(0, 0), QStringLiteral("06/02/2003")); // the day only
        Click(window, "btnPrior");
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblContest"))->text(),
                 QStringLiteral("11"));

        // The find window lists only the years with contests.
        QStringList years;
        modal.Push(Drive([&](QDialog& find) {
            auto* list = find.findChild<QTableWidget*>(QStringLiteral("lstYears"));
            for (int r = 0; r < list->rowCount(); ++r)
                years << list->item(r, 0)->text();
            Click(find, "btnSelect");
        }));
        Click(window, "btnFind");
        QCOMPARE(modal.shownClasses, QStringList{QStringLiteral("TfrmKelvARCHIVE_FINDS8")});
        QCOMPARE(years, QStringList{QStringLiteral("2003")});
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblContest"))->text(),
                 QStringLiteral("10"));
        QVERIFY(dialogs.shown.isEmpty());
    }

    void cancellingANewContestLeavesNothing() {
        FakeDialogs dialogs;
        FakeModal modal;
        TfrmVornS8ESTRA window;
        window.show();
        const QStringList before = TableRows(AllSenal);
        modal.Push(Drive([&](QDialog& entry) {
            QCOMPARE(entry.findChild<QLabel*>(QStringLiteral("lblTitle"))->text(),
                     QStringLiteral("NUOVA ESTRAZIONE"));
            QCOMPARE(TableRows(AllSenal).size(), 4); // the new row, inside its transaction
            TypeContest(entry, {QStringLiteral("13"), QStringLiteral("1"), QStringLiteral("2")});
            entry.close(); // the close box while the row is edited
            QCOMPARE(dialogs.LastText(),
                     QStringLiteral("Completare o annullare la modifica in corso !"));
            QVERIFY(entry.isVisible());
            Click(entry, "btnCancel");
        }));
        Click(window, "btnAdd");
        QCOMPARE(TableRows(AllSenal), before);
        QCOMPARE(Grid(window, "grdListing")->RowCount(), 3);
    }

    void newContestIsCheckedNumberedAndCommitted() {
        FakeDialogs dialogs;
        FakeModal modal;
        TfrmVornS8ESTRA window;
        window.show();
        modal.Push(Drive([&](QDialog& entry) {
            TypeContest(entry, {QStringLiteral("13"), QStringLiteral("12"), QStringLiteral("2"),
                                QStringLiteral("3"), QStringLiteral("12"), QStringLiteral("5"),
                                QStringLiteral("6"), QStringLiteral("2"), QStringLiteral("91")});
            Click(entry, "btnConfirm");
            QCOMPARE(dialogs.LastText(), QStringLiteral("Numero SuperStar deve essere compreso tra "
                                                        "0 (assente) e 90  !"));
            TypeContest(entry, {QStringLiteral("13"), QStringLiteral("12"), QStringLiteral("2"),
                                QStringLiteral("3"), QStringLiteral("12"), QStringLiteral("5"),
                                QStringLiteral("6"), QStringLiteral("2"), QStringLiteral("0")});
            Click(entry, "btnConfirm");
            QCOMPARE(dialogs.LastText(), QStringLiteral("Numero :12 ripetuto !"));
            QVERIFY(entry.isVisible());
            TypeContest(entry, {QStringLiteral("13"), QStringLiteral("12"), QStringLiteral("2"),
                                QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"),
                                QStringLiteral("6"), QStringLiteral("2"), QStringLiteral("0")});
            Click(entry, "btnConfirm");
        }));
        Click(window, "btnAdd");
        QCOMPARE(dialogs.shown.size(), 2);
        QVERIFY(!m_dm->InTransaction() || m_dm->Rollback()); // committed: a rollback keeps it
        QCOMPARE(TableRows(AllSenal).constLast(),
                 QStringLiteral("2003-02-08T00:00:00.000|13|12|2|3|4|5|6|2|0|2101"));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblContest"))->text(),
                 QStringLiteral("13"));
        QCOMPARE(Grid(window, "grdListing")->RowCount(), 4);
    }

    void aDateWithAContestIsRefused() {
        FakeDialogs dialogs;
        FakeModal modal;
        TfrmVornS8ESTRA window;
        window.show();
        const QStringList before = TableRows(AllSenal);
        window.findChild<QDateEdit*>(QStringLiteral("edtNewDate"))->setDate(QDate(2003, 2, 4));
        Click(window, "btnAdd");
        QVERIFY(modal.shownClasses.isEmpty());
        QCOMPARE(dialogs.shown.size(), 1);
        QVERIFY2(dialogs.LastText().contains(QStringLiteral("PK_SENAL81")),
                 qPrintable(dialogs.LastText()));
        QCOMPARE(TableRows(AllSenal), before);
    }

    void correctionAndDeletion() {
        FakeDialogs dialogs;
        FakeModal modal;
        TfrmVornS8ESTRA window;
        window.show();
        Click(window, "btnFirst");
        modal.Push(Drive([&](QDialog& entry) {
            QCOMPARE(entry.findChild<QLabel*>(QStringLiteral("lblTitle"))->text(),
                     QStringLiteral("MODIFICA ESTRAZIONE"));
            TypeContest(entry, {QString()});
            Click(entry, "btnConfirm");
            QCOMPARE(dialogs.LastText(), QStringLiteral("Indicare il concorso !"));
            TypeContest(entry, {QStringLiteral("10"), QStringLiteral("80")});
            Click(entry, "btnConfirm");
        }));
        Click(window, "btnEdit");
        QCOMPARE(TableRows(AllSenal).constFirst(),
                 QStringLiteral("2003-02-01T00:00:00.000|10|80|2|3|4|5|6|7|8|null"));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblCurrentDate"))->text(),
                 QStringLiteral("06/02/2003"));

        dialogs.answers.enqueue(DialogAnswer::Yes);
        Click(window, "btnDelete");
        QCOMPARE(TableRows(AllSenal).size(), 2);
        QCOMPARE(window.findChild<QDateEdit*>(QStringLiteral("edtTo"))->date(), QDate(2003, 2, 4));
        QCOMPARE(Grid(window, "grdListing")->RowCount(), 2);
        QCOMPARE(m_dm->SenalCutOffDate, QDate(2003, 2, 4));
    }

    void loadOffersTheSenalFiles() {
        FakeDialogs dialogs;
        TfrmVornS8ESTRA window;
        window.show();
        dialogs.answers.enqueue(DialogAnswer::Yes);
        Click(window, "btnLoadFile"); // no file chosen
        QCOMPARE(dialogs.shown.size(), 2);
        QCOMPARE(dialogs.shown.at(1).filters,
                 (QStringList{QStringLiteral("File archivio DevudURU8 (Sortavo3) (*.fs8)"),
                              QStringLiteral("File di testo (*.txt)"),
                              QStringLiteral("Tutti i files (*.*)")}));
        QCOMPARE(TableRows(AllSenal).size(), 3);
    }
};

QTEST_MAIN(TestSenalArchiveWindow)
#include "tst_senal_archive_window.moc"
