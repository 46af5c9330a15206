#include "common/grid/banded_grid.h"
#include "common/grid/grid_model.h"
#include "common/helpers.h"
#include "storage/tdm1.h"
#include "tests/support/fake_seams.h"
#include "tests/support/test_db.h"
#include "tools/notes_windows.h"
#include "tools/tdm_note.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QtTest>

namespace {

// A database with its annotated-numbers module loaded.
struct NotesFixture {
    TestProgramFolder folder;
    std::unique_ptr<TDM1> dm = folder.OpenModule();
    TdmNote notes{*dm};
    FakeDialogs dialogs;
    FakeModal modal;

    NotesFixture() {
        if (!notes.LoadNotes()) qFatal("notes not loaded");
    }
    void Note(const QString& code, QList<int> numbers) {
        NoteFlags flags{};
        for (int n : numbers) flags[n] = true;
        if (!notes.SetNotes(code, flags)) qFatal("notes not set");
    }
    void NoteFirst(const QString& code, int count) {
        QList<int> numbers;
        for (int n = 1; n <= count; ++n) numbers << n * 3;
        Note(code, numbers);
    }
    QString StoredText(const QString& code) {
        QSqlQuery query = dm->NewQuery();
        QString error;
        dm->OpenQuery(query,
                      QStringLiteral("select VALSTR from FTABNOTE where RUOTA = '%1'").arg(code),
                      error);
        return query.next() ? query.value(0).toString() : QStringLiteral("<none>");
    }
};

QStringList Column(const BandedGrid& grid, const QString& field) {
    QStringList values;
    for (int row = 0; row < grid.DataRowCount(); ++row)
        values << grid.Value(row, field).toString().trimmed();
    return values;
}

// The cell texts of a grid row as shown.
QStringList ShownTexts(BandedGrid& grid, int row) {
    QStringList texts;
    GridModel* model = grid.Model();
    for (int column = 0; column < model->columnCount(); ++column)
        if (model->Columns().at(column).visible) texts << model->DisplayText(row, column);
    return texts;
}

int RowOf(const BandedGrid& grid, const QString& field, const QString& value) {
    for (int row = 0; row < grid.DataRowCount(); ++row)
        if (grid.Value(row, field).toString().trimmed() == value) return row;
    return -1;
}

QPushButton* Button(QWidget& window, const char* name) {
    return window.findChild<QPushButton*>(QString::fromLatin1(name));
}

} // namespace

class TestNotesWindows : public QObject {
    Q_OBJECT

private slots:
    void listShowsTheAnnotatedWheels() {
        NotesFixture f;
        f.Note(QStringLiteral("RN"), {33});
        f.Note(QStringLiteral("BA"), {5, 12});
        f.Note(QStringLiteral("S8"), {1, 2});
        f.modal.Push([](QDialog& dialog) {
            auto& window = static_cast<TfrmVornL8SHOWNOTE&>(dialog);
            [&] {
                QCOMPARE(window.windowTitle(), QStringLiteral("ANNOTAZIONI NUMERI Lotto IT."));
                QCOMPARE(window.TitleLabel()->text(), QStringLiteral("ANNOTAZIONI NUMERI Lotto IT."));
                QCOMPARE(Column(*window.Grid(), QStringLiteral("RUOTA")),
                         (QStringList{QStringLiteral("BA"), QStringLiteral("RN")}));
                QCOMPARE(Column(*window.Grid(), QStringLiteral("VALSTR")).first(),
                         QStringLiteral("05 12"));
                QVERIFY(window.Grid()->IsColumnVisible(QStringLiteral("RUOTA")));
                QVERIFY(window.InfoLabel()->text().startsWith(QStringLiteral(
                    "Per mettere un numero negli appunti (dopo aver chiuso questa form),")));
                QCOMPARE(window.InfoLabel()->text().count(QLatin1Char('\n')), 6);
                QVERIFY(!Button(window, "btnEliminaTutte")->isHidden());
                QVERIFY(window.ExportButton()->isHidden());
                QVERIFY(window.PrintButton()->isHidden());
                QVERIFY(window.HighlightButton()->isHidden());
            }();
            return int(QDialog::Rejected);
        });
        const NotesListResult result = ShowNotesList(nullptr, NotesMode::Lotto);
        QVERIFY(!result.ok);
        QVERIFY(!result.changed);
        QCOMPARE(f.modal.shownClasses, QStringList{QStringLiteral("TfrmVornL8SHOWNOTE")});
    }

    void clearingTheSuperEnalottoNotes() {
        NotesFixture f;
        f.Note(QStringLiteral("S8"), {1, 2, 3});
        f.Note(QStringLiteral("BA"), {5});
        f.dialogs.answers.enqueue(DialogAnswer::Yes);
        f.modal.Push([](QDialog& dialog) {
            auto& window = static_cast<TfrmVornL8SHOWNOTE&>(dialog);
            [&] {
                QCOMPARE(window.windowTitle(),
                         QStringLiteral("ANNOTAZIONI NUMERI SUPERENALOTTO (pick-6)."));
                QCOMPARE(window.TitleLabel()->text(), QStringLiteral("ANNOTAZIONI NUMERI SUPERENALOTTO."));
                QVERIFY(!window.Grid()->IsColumnVisible(QStringLiteral("RUOTA")));
                QCOMPARE(window.Grid()->RowCount(), 1);
            }();
            Button(window, "btnEliminaTutte")->click();
            return window.result();
        });
        const NotesListResult result = ShowNotesList(nullptr, NotesMode::Senal);
        QVERIFY(result.ok);
        QVERIFY(result.changed);
        QCOMPARE(f.dialogs.LastText(), QStringLiteral("Conferma azzeramento di TUTTE le annotazioni ?"));
        QCOMPARE(f.StoredText(QStringLiteral("S8")), QString());
        QCOMPARE(f.StoredText(QStringLiteral("BA")), QStringLiteral(" 05"));

        // Now the list is empty: no clear button.
        f.modal.Push([](QDialog& dialog) {
            [&] {
                QCOMPARE(static_cast<TfrmVornL8SHOWNOTE&>(dialog).Grid()->RowCount(), 0);
                QVERIFY(Button(dialog, "btnEliminaTutte")->isHidden());
            }();
            return int(QDialog::Rejected);
        });
        ShowNotesList(nullptr, NotesMode::Senal);
    }

    void integralOffers() {
        NotesFixture f;
        f.NoteFirst(QStringLiteral("GE"), 4);
        f.NoteFirst(QStringLiteral("S8"), 7);
        f.modal.Push([](QDialog& dialog) {
            auto& window = static_cast<TfrmVornL8NOTE&>(dialog);
            BandedGrid& integral = *window.IntegralGrid();
            [&] {
                QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblRuota"))->text(),
                         QStringLiteral("GE"));
                QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("edtQuanti"))->text(),
                         QStringLiteral("4"));
                QCOMPARE(integral.DataRowCount(), 5);
                QCOMPARE(ShownTexts(integral, 0), (QStringList{"2", "6", "Click per giocarlo"}));
                QCOMPARE(ShownTexts(integral, 1), (QStringList{"3", "4", "Click per giocarlo"}));
                for (int row = 2; row < 5; ++row)
                    QCOMPARE(ShownTexts(integral, row), (QStringList{"", "", ""}));
                const int link = integral.Model()->ColumnOf(QStringLiteral("GIOCALO"));
                QCOMPARE(integral.Model()->StyleAt(0, link).background, QColor(240, 250, 255));
                QVERIFY(!integral.Model()->StyleAt(3, link).background.isValid());
                // The catalogue lists every Lotto system.
                QCOMPARE(window.CatalogueGrid()->DataRowCount(), 9);
            }();
            return int(QDialog::Rejected);
        });
        QVERIFY(!ChooseFromNotes(nullptr, NotesMode::Lotto));

        f.modal.Push([](QDialog& dialog) {
            auto& window = static_cast<TfrmVornL8NOTE&>(dialog);
            BandedGrid& integral = *window.IntegralGrid();
            [&] {
                QVERIFY(!window.Grid()->IsColumnVisible(QStringLiteral("RUOTA")));
                for (int row = 0; row < 4; ++row)
                    QCOMPARE(ShownTexts(integral, row), (QStringList{"", "", ""}));
                QCOMPARE(ShownTexts(integral, 4), (QStringList{"6", "7", "Click per giocarlo"}));
                QCOMPARE(window.CatalogueGrid()->DataRowCount(), 31);
            }();
            window.IntegralLinkClicked(3); // not playable: nothing happens
            if (window.result() == QDialog::Accepted) return int(QDialog::Accepted);
            window.IntegralLinkClicked(4);
            return window.result();
        });
        QVERIFY(ChooseFromNotes(nullptr, NotesMode::Senal));
        QCOMPARE(TSceltaLottoSis.Kind, QStringLiteral("I"));
        QCOMPARE(TSceltaLottoSis.Name, QStringLiteral("INTEGRALE"));
        QCOMPARE(TSceltaLottoSis.ComboLength, 6);
        QCOMPARE(TSceltaLottoSis.NumberCount, 7);
        QCOMPARE(TSceltaLottoSis.Extra, 7);
        for (int n = 1; n <= 90; ++n) QCOMPARE(TSceltaLottoSis.Chosen[n], n % 3 == 0 && n <= 21);
    }

    void choosingACatalogueSystem() {
        NotesFixture f;
        f.NoteFirst(QStringLiteral("BA"), 8);
        f.NoteFirst(QStringLiteral("VE"), 10);
        TSceltaLottoSis.Clear();
        f.modal.Push([&f](QDialog& dialog) {
            auto& window = static_cast<TfrmVornL8NOTE&>(dialog);
            BandedGrid& catalogue = *window.CatalogueGrid();
            const int row = RowOf(catalogue, QStringLiteral("NOME"), QStringLiteral("RDL-L5-G3-N10-C2"));
            [&] {
                QVERIFY(row >= 0);
                QCOMPARE(catalogue.Value(row, QStringLiteral("DESCRI")).toString(),
                         QStringLiteral("Numeri insufficienti: ne servono 10"));
            }();
            window.CatalogueLinkClicked(row);
            [&] {
                QVERIFY(f.dialogs.LastText().startsWith(
                    QStringLiteral("Numeri insufficienti per il sistema scelto !\r\nNe sono "
                                   "richiesti:10 ")));
                QCOMPARE(window.result(), int(QDialog::Rejected)); // still open
            }();
            // The Venezia row has the ten numbers the system needs.
            window.Grid()->SetFocusedRow(1);
            const int fitting = RowOf(catalogue, QStringLiteral("NOME"), QStringLiteral("RDL-L5-G3-N10-C2"));
            [&] {
                QCOMPARE(catalogue.Value(fitting, QStringLiteral("DESCRI")).toString().left(10),
                         QStringLiteral("Giocabile:"));
            }();
            window.CatalogueLinkClicked(fitting);
            return window.result();
        });
        QVERIFY(ChooseFromNotes(nullptr, NotesMode::Lotto));
        QCOMPARE(TSceltaLottoSis.Kind, QStringLiteral("G3"));
        QCOMPARE(TSceltaLottoSis.Name, QStringLiteral("RDL-L5-G3-N10-C2"));
        QCOMPARE(TSceltaLottoSis.NumberCount, 10);
        for (int n = 1; n <= 90; ++n) QCOMPARE(TSceltaLottoSis.Chosen[n], n % 3 == 0 && n <= 30);
    }

    void editingTheNumbersOfARow() {
        NotesFixture f;
        f.Note(QStringLiteral("BA"), {5, 12});
        f.Note(QStringLiteral("CA"), {7});
        f.modal.Push([](QDialog& dialog) {
            auto& window = static_cast<TfrmVornL8NOTE&>(dialog);
            window.Grid()->SetFocusedRow(1); // CA
            Button(window, "btnModifica")->click();
            [&] {
                const int shown = window.Grid()->FocusedRow();
                QCOMPARE(window.Grid()->Value(window.Grid()->DataRow(shown), QStringLiteral("RUOTA"))
                             .toString(),
                         QStringLiteral("CA"));
                QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("edtQuanti"))->text(),
                         QStringLiteral("2"));
            }();
            return int(QDialog::Rejected);
        });
        f.modal.Push([](QDialog& picker) {
            [&] {
                QCOMPARE(picker.findChild<QLabel*>(QStringLiteral("lblSelectCaption"))->text(),
                         QStringLiteral("Modificare i numeri annotati su CA"));
                QVERIFY(picker.findChild<QCheckBox*>(QStringLiteral("cbNum7"))->isChecked());
            }();
            picker.findChild<QCheckBox*>(QStringLiteral("cbNum90"))->click();
            picker.findChild<QPushButton*>(QStringLiteral("ActConferma"))->click();
            return picker.result();
        });
        ChooseFromNotes(nullptr, NotesMode::Lotto);
        QCOMPARE(f.StoredText(QStringLiteral("CA")), QStringLiteral(" 07 90"));
        QCOMPARE(f.StoredText(QStringLiteral("BA")), QStringLiteral(" 05 12"));
    }

    void emptyListHidesThePanel() {
        NotesFixture f;
        f.modal.Push([](QDialog& dialog) {
            auto& window = static_cast<TfrmVornL8NOTE&>(dialog);
            [&] {
                QCOMPARE(window.Grid()->RowCount(), 0);
                QVERIFY(window.RightPanel()->isHidden());
                QVERIFY(Button(window, "btnEliminaTutte")->isHidden());
                QVERIFY(!window.ExportButton()->isHidden());
            }();
            return int(QDialog::Rejected);
        });
        QVERIFY(!ChooseFromNotes(nullptr, NotesMode::Lotto));
    }
};

QTEST_MAIN(TestNotesWindows)
#include "tst_notes_windows.moc"
