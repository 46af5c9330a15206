#include "common/base_grid_window.h"
#include "common/grid/banded_grid.h"
#include "storage/tdm1.h"
#include "tests/support/fake_seams.h"
#include "tests/support/test_db.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const QString ManyRows = QStringLiteral("select RDB$RELATION_NAME from RDB$RELATIONS order by 1");

QCheckBox* Box(QDialog& picker, int n) {
    return picker.findChild<QCheckBox*>(QStringLiteral("cbNum%1").arg(n));
}

void Press(QWidget& window, const char* name) {
    window.findChild<QPushButton*>(QString::fromLatin1(name))->click();
}

} // namespace

class TestBaseWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<TDM1> m_dm;

private slots:
    void init() {
        m_folder = std::make_unique<TestProgramFolder>();
        m_dm = m_folder->OpenModule();
    }
    void cleanup() {
        m_dm.reset();
        m_folder.reset();
    }

    void baseFrameTexts() {
        TfrmVornBase window;
        window.SetTitle(QStringLiteral("Titolo"));
        window.show();
        QCOMPARE(window.findChild<QLabel*>("lblTitle")->text(), QStringLiteral("Titolo"));
        QCOMPARE(window.findChild<QPushButton*>("btnClose")->text(),
                 QStringLiteral("Chiudi (ALT-F4)"));
        Press(window, "btnClose");
        QCOMPARE(window.result(), int(QDialog::Rejected));
    }

    void highlightStartsFromTheLastSetAndCanBeCleared() {
        FakeDialogs dialogs;
        FakeModal modal;
        TfrmVornBase1Grid window;
        window.SetGridQuery(ManyRows);
        window.show();
        QVERIFY(window.Grid()->RowCount() > 0);

        modal.Push([](QDialog& picker) {
            // The first time: nothing chosen, the list shown.
            if (picker.findChild<QLabel*>("lblSelectCaption")->text() != HighlightSet::Caption ||
                picker.findChild<QPlainTextEdit*>("Memo1")->isHidden())
                return int(QDialog::Rejected);
            for (int n : {7, 21, 33, 60, 90})
                Box(picker, n)->click();
            Press(picker, "ActConferma");
            return picker.result();
        });
        Press(window, "cxButton2");
        for (int n : {7, 21, 33, 60, 90})
            QVERIFY(window.IsHighlighted(n));
        QVERIFY(!window.IsHighlighted(8));

        QList<int> offered;
        bool listHidden = false;
        modal.Push([&](QDialog& picker) {
            for (int n = 1; n <= 90; ++n)
                if (Box(picker, n)->isChecked()) offered << n;
            listHidden = picker.findChild<QPlainTextEdit*>("Memo1")->isHidden();
            Press(picker, "ActDeselect");
            Press(picker, "ActConferma");
            return picker.result();
        });
        Press(window, "cxButton2");
        QCOMPARE(offered, (QList<int>{7, 21, 33, 60, 90}));
        QVERIFY(listHidden);
        for (int n = 1; n <= 90; ++n)
            QVERIFY(!window.IsHighlighted(n));
        QVERIFY(dialogs.shown.isEmpty());
    }

    void cancellingThePickerKeepsTheHighlight() {
        FakeModal modal;
        TfrmVornBase1Grid window;
        window.SetGridQuery(ManyRows);
        window.show();
        modal.Push([](QDialog& picker) {
            Box(picker, 12)->click();
            Press(picker, "ActConferma");
            return picker.result();
        });
        Press(window, "cxButton2");
        modal.Push([](QDialog& picker) {
            Press(picker, "ActDeselect");
            Press(picker, "btnCancel");
            return picker.result();
        });
        Press(window, "cxButton2");
        QVERIFY(window.IsHighlighted(12));
    }

    void aFailingQueryShowsTheMessageAndAnEmptyGrid() {
        FakeDialogs dialogs;
        TfrmVornBase1Grid window;
        window.SetGridQuery(QStringLiteral("select NOCOLUMN from NOTABLE"));
        window.show();
        QCOMPARE(dialogs.Texts(), QStringList{QStringLiteral("Errore apertura archivio 01")});
        QCOMPARE(window.Grid()->RowCount(), 0);
    }

    void refreshKeepsTheFocusedAndTopRow() {
        TfrmVornBase1Grid window;
        window.SetGridQuery(ManyRows);
        window.resize(600, 300);
        window.show();
        QVERIFY(window.Grid()->RowCount() > 40);
        window.Grid()->SetFocusedRow(35);
        window.Grid()->SetTopRow(30);
        const int top = window.Grid()->TopRow();
        QVERIFY(top > 0);
        window.RefreshGrid();
        QCOMPARE(window.Grid()->FocusedRow(), 35);
        QCOMPARE(window.Grid()->TopRow(), top);
    }
};

QTEST_MAIN(TestBaseWindows)
#include "tst_base_windows.moc"
