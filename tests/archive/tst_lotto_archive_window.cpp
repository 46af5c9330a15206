#include "archive/archive_file.h"
#include "archive/lotto_archive_window.h"
#include "archive/lotto_draw_entry.h"
#include "archive/lotto_entry_window.h"
#include "common/grid/banded_grid.h"
#include "common/grid/check_list_combo.h"
#include "common/progress.h"
#include "common/skin.h"
#include "tests/archive/archive_test_support.h"
#include "tests/support/fake_seams.h"
#include "tests/support/test_db.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>

namespace {

const QString LottoFixture =
    QStringLiteral(SORTAVO_FIXTURES_DIR "/archive/lotto_tre_estrazioni.fl8");
const QString AllLotto = QStringLiteral("select * from LOTTO1 order by DATAESTRA, RUOTA");

QString CurrentDateText(QWidget& window) {
    return window.findChild<QLabel*>(QStringLiteral("lblCurrentDate"))->text();
}

BandedGrid* Grid(QWidget& window, const char* name) {
    return window.findChild<BandedGrid*>(QLatin1String(name));
}

// Fills the entry grid: row r gets the numbers of `lists[r]` (blank-separated) in grid mode.
void TypeNumbers(QDialog& entry, const QStringList& lists) {
    QAbstractItemModel* model = entry.findChild<QTableView*>(QStringLiteral("grdEdit"))->model();
    for (int r = 0; r < model->rowCount(); ++r) {
        const QStringList numbers = lists.value(r, lists.constLast()).split(QLatin1Char(' '));
        for (int k = 0; k < 5; ++k)
            QVERIFY(model->setData(model->index(r, 1 + k), numbers.value(k)));
    }
}

void TypeLists(QDialog& entry, const QStringList& lists) {
    entry.findChild<QRadioButton*>(QStringLiteral("rbList"))->setChecked(true);
    QAbstractItemModel* model = entry.findChild<QTableView*>(QStringLiteral("grdEdit"))->model();
    for (int r = 0; r < model->rowCount(); ++r)
        QVERIFY(model->setData(model->index(r, 6), lists.value(r, lists.constLast())));
}

QString EntryWheelNums(QDialog& entry, int row) {
    QAbstractItemModel* model = entry.findChild<QTableView*>(QStringLiteral("grdEdit"))->model();
    return model->data(model->index(row, 6)).toString();
}

const QStringList ElevenWheels = {
    QStringLiteral("1 2 3 4 5"),      QStringLiteral("6 7 8 9 10"),
    QStringLiteral("11 12 13 14 15"), QStringLiteral("16 17 18 19 20"),
    QStringLiteral("21 22 23 24 25"), QStringLiteral("26 27 28 29 30"),
    QStringLiteral("31 32 33 34 35"), QStringLiteral("36 37 38 39 40"),
    QStringLiteral("41 42 43 44 45"), QStringLiteral("46 47 48 49 50"),
    QStringLiteral("51 52 53 54 55")};

} // namespace

class TestLottoArchiveWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<TDM1> m_dm;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    void init() {
        m_folder = std::make_unique<TestProgramFolder>();
        m_dm = m_folder->OpenModule();
        NullProgress progress;
        QVERIFY(LoadArchiveFile(*m_dm, ArchiveGame::Lotto, LottoFixture, progress).ok);
    }
    void cleanup() {
        m_dm.reset();
        m_folder.reset();
    }

    void showsTheLatestDrawAndTheListing() {
        FakeDialogs dialogs;
        FakeShell shell;
        TfrmVornL8ESTRA window;
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("ARCHIVIO Estrazioni Lotto Italiano"));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblTitle"))->text(),
                 QStringLiteral("ARCHIVIO ESTRAZIONI DEL LOTTO ITALIANO"));
        QCOMPARE(CurrentDateText(window), QStringLiteral("04/02/2003"));
        QCOMPARE(window.findChild<QDateEdit*>(QStringLiteral("edtNewDate"))->date(),
                 QDate(2003, 2, 6));
        QCOMPARE(window.findChild<QDateEdit*>(QStringLiteral("edtFrom"))->date(),
                 QDate(1946, 1, 1));
        QCOMPARE(window.findChild<QDateEdit*>(QStringLiteral("edtTo"))->date(), QDate(2003, 2, 4));
        BandedGrid* card = Grid(window, "grdCard");
        QCOMPARE(card->RowCount(), 11);
        QCOMPARE(card->Value(10, QStringLiteral("RUOTA")).toString().trimmed(),
                 QStringLiteral("RN"));
        QCOMPARE(card->Value(0, QStringLiteral("N1")).toInt(), 90);
        BandedGrid* listing = Grid(window, "grdListing");
        QCOMPARE(listing->RowCount(), 2);
        QCOMPARE(listing->BandCaptions().at(11), QStringLiteral("NAZIONALE"));
        QCOMPARE(listing->Value(0, QStringLiteral("B1")).toInt(), 90);
        QCOMPARE(listing->Value(1, QStringLiteral("C4")).toInt(), 3);
        QCOMPARE(listing->Value(1, QStringLiteral("Z5")).toInt(), 0);
        // Wheel colours alternate from Bari's number colour; the date keeps the default look.
        const auto background = [&](const QString& field) {
            return listing->Model()->StyleAt(0, listing->Model()->ColumnOf(field)).background;
        };
        QCOMPARE(background(QStringLiteral("B1")), QColor(240, 202, 166));
        QCOMPARE(background(QStringLiteral("C5")), QColor(Qt::white));
        QCOMPARE(background(QStringLiteral("F3")), QColor(240, 202, 166));
        QCOMPARE(background(QStringLiteral("V2")), QColor(Qt::white));
        QCOMPARE(background(QStringLiteral("Z1")), QColor(240, 202, 166));
        QVERIFY(!background(QStringLiteral("DATAESTRA")).isValid());
        QCOMPARE(window.State(), 1);
        QVERIFY2(dialogs.shown.isEmpty(), qPrintable(dialogs.Texts().join(QStringLiteral(" / "))));

        // Unchecking NAZIONALE hides its band; the card still shows RN.
        auto* wheels = window.findChild<CheckListCombo*>(QStringLiteral("cbWheels"));
        wheels->SetChecked(10, false);
        QVERIFY(!listing->IsBandVisible(11));
        QVERIFY(listing->IsBandVisible(1));
        QCOMPARE(card->RowCount(), 11);
        wheels->SetAllChecked(false);
        QCOMPARE(wheels->DisplayText(), QStringLiteral("Nessuna ruota selezionata !"));

        // The range drives the listing.
        window.findChild<QDateEdit*>(QStringLiteral("edtTo"))->setDate(QDate(2003, 2, 3));
        QCOMPARE(listing->RowCount(), 1);

        Click(window, "btnHelp");
        QCOMPARE(shell.calls.size(), 1);
        QVERIFY(shell.calls[0].target.endsWith(
            QStringLiteral("presentazione-software1.aspx?hlp=1&code=L8ESTRA#aContent")));
    }

    void highlightedNumbersPaintTheListing() {
        FakeModal modal;
        TfrmVornL8ESTRA window;
        window.show();
        BandedGrid* listing = Grid(window, "grdListing");
        const auto background = [&](const QString& field) {
            return listing->Model()->StyleAt(0, listing->Model()->ColumnOf(field)).background;
        };
        modal.Push([](QDialog& picker) {
            picker.findChild<QCheckBox*>(QStringLiteral("cbNum90"))->click();
            picker.findChild<QPushButton*>(QStringLiteral("ActConferma"))->click();
            return picker.result();
        });
        Click(window, "btnHighlight");
        QCOMPARE(modal.shownClasses, QStringList{QStringLiteral("TfrmVornGETNUM")});
        QCOMPARE(listing->Value(0, QStringLiteral("B1")).toInt(), 90);
        QCOMPARE(background(QStringLiteral("B1")), cxStyleHighlight().background);
        QCOMPARE(background(QStringLiteral("F3")), QColor(240, 202, 166));
    }

    void navigatesAndFinds() {
        FakeDialogs dialogs;
        FakeModal modal;
        TfrmVornL8ESTRA window;
        window.show();
        Click(window, "btnNext");
        QCOMPARE(CurrentDateText(window), QStringLiteral("04/02/2003"));
        Click(window, "btnFirst");
        QCOMPARE(CurrentDateText(window), QStringLiteral("01/02/2003"));
        Click(window, "btnPrior");
        QCOMPARE(CurrentDateText(window), QStringLiteral("01/02/2003"));
        QCOMPARE(Grid(window, "grdCard")->Value(1, QStringLiteral("N5")).toInt(), 3);
        Click(window, "btnLast");
        QCOMPARE(CurrentDateText(window), QStringLiteral("04/02/2003"));

        // The find window lists the years, newest first, and the dates of the chosen year.
        ExecOrFail(QStringLiteral("insert into LOTTO1 (DATAESTRA, RUOTA, N1, N2, N3, N4, N5) "
                                  "values ('02.01.1999', 'BA', 1, 2, 3, 4, 5)"));
        QStringList years, dates;
        modal.Push(Drive([&](QDialog& find) {
            auto* yearList = find.findChild<QTableWidget*>(QStringLiteral("lstYears"));
            auto* dateList = find.findChild<QTableWidget*>(QStringLiteral("lstDates"));
            for (int r = 0; r < yearList->rowCount(); ++r)
                years << yearList->item(r, 0)->text();
            for (int r = 0; r < dateList->rowCount(); ++r)
                dates << dateList->item(r, 0)->text();
            dateList->setCurrentCell(0, 0);
            Click(find, "btnSelect");
        }));
        Click(window, "btnFind");
        QCOMPARE(modal.shownClasses, QStringList{QStringLiteral("TfrmKelvARCHIVE_FINDL8")});
        QCOMPARE(years, (QStringList{QStringLiteral("2003"), QStringLiteral("1999")}));
        QCOMPARE(dates, (QStringList{QStringLiteral("01/02/2003"), QStringLiteral("04/02/2003")}));
        QCOMPARE(CurrentDateText(window), QStringLiteral("01/02/2003"));

        // A date that is not in the window's list (added after it loaded) is not found.
        modal.Push(Drive([&](QDialog& find) {
            auto* yearList = find.findChild<QTableWidget*>(QStringLiteral("lstYears"));
            yearList->setCurrentCell(1, 0);
            Click(find, "btnSelect");
        }));
        Click(window, "btnFind");
        QCOMPARE(dialogs.LastText(), QStringLiteral("Errore in posizionamento estrazione"));
        QCOMPARE(CurrentDateText(window), QStringLiteral("01/02/2003"));
    }

    void addThenCancelRemovesTheSkeleton() {
        FakeDialogs dialogs;
        FakeModal modal;
        TfrmVornL8ESTRA window;
        window.show();
        Click(window, "btnFirst");
        const QStringList before = TableRows(AllLotto);
        modal.Push(Drive([](QDialog& entry) {
            QCOMPARE(entry.findChild<QLabel*>(QStringLiteral("lblMode"))->text(),
                     QStringLiteral("Nuova estrazione del"));
            QCOMPARE(entry.findChild<QLineEdit*>(QStringLiteral("edtDate"))->text(),
                     QStringLiteral("06.02.2003"));
            Click(entry, "btnCancel");
        }));
        Click(window, "btnAdd");
        QCOMPARE(modal.shownClasses, QStringList{QStringLiteral("TfrmVornL8EDIT")});
        QCOMPARE(TableRows(AllLotto), before);
        QCOMPARE(CurrentDateText(window), QStringLiteral("01/02/2003"));
        QCOMPARE(window.State(), 1);
        QVERIFY2(dialogs.shown.isEmpty(), qPrintable(dialogs.Texts().join(QStringLiteral(" / "))));
    }

    void addThenSaveThenCancelACorrection() {
        FakeDialogs dialogs;
        FakeModal modal;
        TfrmVornL8ESTRA window;
        window.show();
        window.findChild<QDateEdit*>(QStringLiteral("edtNewDate"))->setDate(QDate(2003, 2, 8));
        modal.Push(Drive([](QDialog& entry) {
            TypeNumbers(entry, ElevenWheels);
            Click(entry, "btnConfirm");
        }));
        Click(window, "btnAdd");
        QCOMPARE(dialogs.shown.size(), 0);
        QCOMPARE(CurrentDateText(window), QStringLiteral("08/02/2003"));
        QCOMPARE(window.State(), 1);
        QCOMPARE(Grid(window, "grdListing")->RowCount(), 3);
        QCOMPARE(window.findChild<QDateEdit*>(QStringLiteral("edtTo"))->date(), QDate(2003, 2, 8));
        QCOMPARE(
            TableRows(QStringLiteral("select RUOTA, N1, N2, N3, N4, N5, NUMESTRA from LOTTO1 "
                                     "where DATAESTRA = '08.02.2003' and RUOTA in ('BA', "
                                     "'RN') order by RUOTA")),
            (QStringList{QStringLiteral("BA|1|2|3|4|5|0"), QStringLiteral("RN|51|52|53|54|55|0")}));

        // Correcting another draw and cancelling leaves both draws as they are.
        const QStringList before = TableRows(AllLotto);
        Click(window, "btnFirst");
        modal.Push(Drive([](QDialog& entry) {
            QCOMPARE(entry.findChild<QLabel*>(QStringLiteral("lblMode"))->text(),
                     QStringLiteral("Modifica estrazione del"));
            TypeNumbers(entry, {QStringLiteral("9 8 7 6 5")});
            Click(entry, "btnCancel");
        }));
        Click(window, "btnEdit");
        QCOMPARE(TableRows(AllLotto), before);
        QCOMPARE(CurrentDateText(window), QStringLiteral("01/02/2003"));
        QCOMPARE(window.State(), 1);
    }

    void anEmptyArchiveTakesItsFirstDraw() {
        ExecOrFail(QStringLiteral("delete from LOTTO1"));
        FakeDialogs dialogs;
        FakeModal modal;
        TfrmVornL8ESTRA window;
        window.show();
        QVERIFY2(dialogs.shown.isEmpty(), qPrintable(dialogs.Texts().join(QStringLiteral(" / "))));
        QCOMPARE(Grid(window, "grdCard")->RowCount(), 0);
        const QDate proposed = window.findChild<QDateEdit*>(QStringLiteral("edtNewDate"))->date();
        QVERIFY(proposed >= QDate::currentDate() && proposed < QDate::currentDate().addDays(3));
        Click(window, "btnDelete");
        Click(window, "btnEdit");
        QVERIFY(dialogs.shown.isEmpty() && modal.shownClasses.isEmpty());
        int wheels = 0;
        modal.Push(Drive([&](QDialog& entry) {
            wheels = entry.findChild<QTableView*>(QStringLiteral("grdEdit"))->model()->rowCount();
            TypeNumbers(entry, ElevenWheels);
            Click(entry, "btnConfirm");
        }));
        Click(window, "btnAdd");
        QCOMPARE(wheels, 11);
        QCOMPARE(TableRows(AllLotto).size(), 11);
        QCOMPARE(Grid(window, "grdListing")->RowCount(), 1);
        window.close();
        QCOMPARE(m_dm->LottoCutOffDate, proposed);
    }

    void deletesAfterYesOnly() {
        FakeDialogs dialogs;
        TfrmVornL8ESTRA window;
        window.show();
        const QStringList before = TableRows(AllLotto);
        dialogs.answers.enqueue(DialogAnswer::No);
        Click(window, "btnDelete");
        QCOMPARE(dialogs.LastText(),
                 QStringLiteral("!*** ATTENZIONE **!\r\nRichiesta eliminazione estrazione del:") +
                     QLocale().toString(QDate(2003, 2, 4), QLocale::ShortFormat) +
                     QStringLiteral(" \r\nConferma ?"));
        QCOMPARE(TableRows(AllLotto), before);
        dialogs.answers.enqueue(DialogAnswer::Yes);
        Click(window, "btnDelete");
        QCOMPARE(TableRows(AllLotto).size(), 11);
        QCOMPARE(CurrentDateText(window), QStringLiteral("01/02/2003"));
        QCOMPARE(window.findChild<QDateEdit*>(QStringLiteral("edtTo"))->date(), QDate(2003, 2, 1));
        QCOMPARE(Grid(window, "grdListing")->RowCount(), 1);
        QCOMPARE(m_dm->LottoCutOffDate, QDate(2003, 2, 1));
    }

    void loadsAFileOrLeavesTheArchive() {
        FakeDialogs dialogs;
        TfrmVornL8ESTRA window;
        window.show();
        QTemporaryDir dir;
        const QString good = dir.filePath(QStringLiteral("buono.fl8"));
        QFile file(good);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("10.04.2016|BA|1|2|3|4|5|1\n12.04.2016|BA|6|7|8|9|10|2\n");
        file.close();

        dialogs.answers.enqueue(DialogAnswer::No);
        Click(window, "btnLoadFile");
        QCOMPARE(dialogs.shown.size(), 1); // no file dialog after No
        QVERIFY(dialogs.LastText().startsWith(
            QStringLiteral("=============================\r\n        ATTENZIONE")));

        dialogs.answers.enqueue(DialogAnswer::Yes);
        dialogs.fileNames.enqueue(good);
        Click(window, "btnLoadFile");
        QCOMPARE(dialogs.shown.at(2).kind, QStringLiteral("open"));
        QCOMPARE(dialogs.shown.at(2).filters,
                 (QStringList{QStringLiteral("File archivio Lotto (Sortavo3) (*.fl8)"),
                              QStringLiteral("File di testo (*.txt)"),
                              QStringLiteral("Tutti i files (*.*)")}));
        QCOMPARE(dialogs.LastText(), QStringLiteral("Archivio ricaricato da file !"));
        QCOMPARE(TableRows(AllLotto).size(), 2);
        QCOMPARE(CurrentDateText(window), QStringLiteral("12/04/2016"));
        QCOMPARE(Grid(window, "grdListing")->RowCount(), 2);

        const QStringList before = TableRows(AllLotto);
        dialogs.answers.enqueue(DialogAnswer::Yes);
        dialogs.fileNames.enqueue(dir.filePath(QStringLiteral("manca.fl8")));
        Click(window, "btnLoadFile");
        QVERIFY(dialogs.LastText().startsWith(
            QStringLiteral("Errore in lettura file archivio lotto (pick5)")));
        QCOMPARE(TableRows(AllLotto), before);
        QCOMPARE(CurrentDateText(window), QStringLiteral("12/04/2016"));
    }
};

class TestLottoEntryWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<TDM1> m_dm;

    // Opens the entry window on the draw of 01.02.2003 and hands it to `drive`.
    bool Run(const std::function<void(TfrmVornL8EDIT&)>& drive) {
        TArchiveBrowser browser(*m_dm, ArchiveGame::Lotto);
        QString message;
        browser.LoadDates(message);
        browser.First();
        if (!FillEditTable(*m_dm, browser, QLatin1Char(' '), message)) qFatal("edit table");
        FakeModal modal;
        modal.Push([&](QDialog& dialog) {
            drive(static_cast<TfrmVornL8EDIT&>(dialog));
            return dialog.result();
        });
        return TfrmVornL8EDIT::EditDraw(false, QDate(2003, 2, 1));
    }

private slots:
    void init() {
        m_folder = std::make_unique<TestProgramFolder>();
        m_dm = m_folder->OpenModule();
        NullProgress progress;
        QVERIFY(LoadArchiveFile(*m_dm, ArchiveGame::Lotto, LottoFixture, progress).ok);
    }
    void cleanup() {
        m_dm.reset();
        m_folder.reset();
    }

    void listModeRefusesThenSaves() {
        FakeDialogs dialogs;
        const bool saved = Run([&](TfrmVornL8EDIT& entry) {
            QVERIFY(
                !entry.findChild<QWidget*>(QStringLiteral("grpSeparator"))->isVisibleTo(&entry));
            TypeLists(entry, ElevenWheels);
            QVERIFY(entry.findChild<QWidget*>(QStringLiteral("grpSeparator"))->isVisibleTo(&entry));
            QVERIFY(entry.findChild<QRadioButton*>(QStringLiteral("rbBlank"))->isChecked());
            auto* model = entry.findChild<QTableView*>(QStringLiteral("grdEdit"))->model();

            model->setData(model->index(0, 6), QStringLiteral("1 2 91 4 5"));
            Click(entry, "btnConfirm");
            QCOMPARE(dialogs.LastText(), QStringLiteral("Numero:91 fuori dai limiti (1-90)"));
            QVERIFY(entry.ListMode());

            // 1 2 3 becomes 1 2 3 3 3: confirmed, then refused for the repeat.
            model->setData(model->index(0, 6), QStringLiteral("1 2 3"));
            dialogs.answers.enqueue(DialogAnswer::Yes);
            Click(entry, "btnConfirm");
            QCOMPARE(dialogs.Texts().mid(1),
                     (QStringList{QStringLiteral("Conferma numeri da registrare ?"),
                                  QStringLiteral("Il numero 3 e' ripetuto !")}));
            QVERIFY(!entry.ListMode()); // parsing switched to the grid
            QCOMPARE(model->data(model->index(0, 5)).toInt(), 3);

            // A wheel of zeros is saved with the warning shown once.
            TypeLists(entry, ElevenWheels);
            model->setData(model->index(3, 6), QStringLiteral("0 0 0 0 0"));
            model->setData(model->index(10, 6), QStringLiteral("0 0 0 0 0"));
            dialogs.answers.enqueue(DialogAnswer::Yes);
            Click(entry, "btnConfirm");
            QCOMPARE(
                dialogs.Texts().mid(3),
                (QStringList{QStringLiteral("Conferma numeri da registrare ?"),
                             QStringLiteral("Attenzione ! Ci sono alcuni numeri a Zero.\r\nse "
                                            "non indicano estrazione assente, correggerli !")}));
        });
        QVERIFY(saved);
        QCOMPARE(TableRows(QStringLiteral("select RUOTA, N1, N2, N3, N4, N5 from LOTTO1 where "
                                          "DATAESTRA = '01.02.2003' and RUOTA in ('BA', 'GE', "
                                          "'RN') order by RUOTA")),
                 (QStringList{QStringLiteral("BA|1|2|3|4|5"), QStringLiteral("GE|0|0|0|0|0"),
                              QStringLiteral("RN|0|0|0|0|0")}));
    }

    void gridModeChecksAndAnsweringNoToConfirmKeepsTheWindow() {
        FakeDialogs dialogs;
        const QStringList before = TableRows(AllLotto);
        const bool saved = Run([&](TfrmVornL8EDIT& entry) {
            auto* model = entry.findChild<QTableView*>(QStringLiteral("grdEdit"))->model();
            QVERIFY(!model->setData(model->index(1, 1), QStringLiteral("x"))); // integers only
            QVERIFY(model->setData(model->index(1, 5), QString()));            // CA with four
            Click(entry, "btnConfirm");
            QCOMPARE(dialogs.LastText(),
                     QStringLiteral("Ruota:CA non completa. Se estrazione assente, usare lo 0 !"));
            QVERIFY(entry.isVisible());

            entry.findChild<QRadioButton*>(QStringLiteral("rbList"))->setChecked(true);
            dialogs.answers.enqueue(DialogAnswer::No);
            Click(entry, "btnConfirm");
            QCOMPARE(dialogs.LastText(), QStringLiteral("Conferma numeri da registrare ?"));
            QVERIFY(entry.isVisible());
            Click(entry, "btnCancel");
        });
        QVERIFY(!saved);
        QCOMPARE(TableRows(AllLotto), before);
    }

    void separatorChangeRewritesTheLists() {
        FakeDialogs dialogs;
        Run([&](TfrmVornL8EDIT& entry) {
            entry.findChild<QRadioButton*>(QStringLiteral("rbList"))->setChecked(true);
            QCOMPARE(EntryWheelNums(entry, 0), QStringLiteral("1 2 3 4 5"));
            entry.findChild<QRadioButton*>(QStringLiteral("rbComma"))->setChecked(true);
            QCOMPARE(entry.Separator(), QLatin1Char(','));
            QCOMPARE(EntryWheelNums(entry, 0), QStringLiteral("1,2,3,4,5"));
            QCOMPARE(EntryWheelNums(entry, 2), QStringLiteral("11,22,33,44,55"));
            QCOMPARE(TableRows(QStringLiteral("select NUMS from LOTTO_APPINS where PROG = 3")),
                     QStringList{QStringLiteral("11,22,33,44,55")});
            // Back in grid mode and again in list mode, the comma stays chosen.
            entry.findChild<QRadioButton*>(QStringLiteral("rbGrid"))->setChecked(true);
            entry.findChild<QRadioButton*>(QStringLiteral("rbList"))->setChecked(true);
            QVERIFY(entry.findChild<QRadioButton*>(QStringLiteral("rbComma"))->isChecked());
            Click(entry, "btnCancel");
        });
        QVERIFY2(dialogs.shown.isEmpty(), qPrintable(dialogs.Texts().join(QStringLiteral(" / "))));
    }

    void closingWhileACellIsEditedAsks() {
        FakeDialogs dialogs;
        const bool saved = Run([&](TfrmVornL8EDIT& entry) {
            auto* grid = entry.findChild<QTableView*>(QStringLiteral("grdEdit"));
            grid->setCurrentIndex(grid->model()->index(0, 1));
            grid->edit(grid->currentIndex());
            QVERIFY(entry.IsEditingRow());
            dialogs.answers.enqueue(DialogAnswer::No);
            Click(entry, "btnCancel");
            QVERIFY(dialogs.LastText().startsWith(
                QStringLiteral("============= ATTENZIONE =========\r\n\r\nLa modifica in corso")));
            QVERIFY(entry.isVisible());
            QVERIFY(entry.IsEditingRow()); // No keeps the edit
            dialogs.answers.enqueue(DialogAnswer::Yes);
            entry.close();
            QVERIFY(!entry.isVisible());
        });
        QVERIFY(!saved);
        QCOMPARE(dialogs.shown.size(), 2);
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    int status = 0;
    {
        TestLottoArchiveWindow archive;
        status |= QTest::qExec(&archive, argc, argv);
    }
    {
        TestLottoEntryWindow entry;
        status |= QTest::qExec(&entry, argc, argv);
    }
    return status;
}
#include "tst_lotto_archive_window.moc"
