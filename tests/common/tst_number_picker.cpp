#include "common/number_picker.h"
#include "tests/support/fake_seams.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {

NumberFlags Flags(std::initializer_list<int> numbers) {
    NumberFlags flags{};
    for (int n : numbers)
        flags[n] = true;
    return flags;
}

QList<int> Numbers(const NumberFlags& flags) {
    QList<int> numbers;
    for (int n = 1; n <= 90; ++n)
        if (flags[n]) numbers << n;
    return numbers;
}

// The picker as a user sees it while it is open.
struct Picker {
    QDialog& dialog;
    QCheckBox* Box(int n) const {
        return dialog.findChild<QCheckBox*>(QStringLiteral("cbNum%1").arg(n));
    }
    void Click(int n) const { Box(n)->click(); }
    void Press(const QString& name) const { dialog.findChild<QPushButton*>(name)->click(); }
    QString Count() const { return dialog.findChild<QLabel*>("lblNumeri")->text(); }
    QString List() const { return dialog.findChild<QPlainTextEdit*>("Memo1")->toPlainText(); }
    bool CanConfirm() const { return dialog.findChild<QPushButton*>("ActConferma")->isEnabled(); }
    QList<int> Checked() const {
        QList<int> numbers;
        for (int n = 1; n <= 90; ++n)
            if (Box(n)->isChecked()) numbers << n;
        return numbers;
    }
};

} // namespace

class TestNumberPicker : public QObject {
    Q_OBJECT

    // Opens the picker and lets `drive` act on it; the picker's result is returned.
    bool Run(int minimum, int maximum, NumberFlags& selection, bool start,
             const std::function<void(Picker&)>& drive, const NumberFlags& excluded = {},
             bool showList = true) {
        m_modal.Push([&drive](QDialog& dialog) {
            Picker picker{dialog};
            drive(picker);
            return dialog.result();
        });
        return TfrmVornGETNUM::SelectNumbers(QStringLiteral("Selezionare i numeri"), minimum,
                                             maximum, excluded, selection, showList, start);
    }

    FakeModal m_modal;
    std::unique_ptr<FakeDialogs> m_dialogs;

private slots:
    void init() { m_dialogs = std::make_unique<FakeDialogs>(); }

    void anExcessPickIsUndone() {
        NumberFlags selection{};
        const bool confirmed = Run(0, 3, selection, false, [this](Picker& picker) {
            for (int n : {40, 5, 17})
                picker.Click(n);
            QVERIFY(m_dialogs->shown.isEmpty());
            picker.Click(88);
            QCOMPARE(m_dialogs->Texts(), QStringList{"Selezionare al massimo:3 numeri"});
            QCOMPARE(picker.Checked(), (QList<int>{5, 17, 40}));
            QCOMPARE(picker.Count(), QStringLiteral("3"));
            QCOMPARE(picker.List(), QStringLiteral(" 5 17 40"));
            QVERIFY(picker.CanConfirm());
            QCOMPARE(picker.Box(88)->palette().color(QPalette::WindowText), QColor(Qt::black));
            QCOMPARE(picker.Box(17)->palette().color(QPalette::WindowText), QColor(Qt::red));
            // A click below the others is undone too, not the highest number.
            picker.Click(1);
            QCOMPARE(picker.Checked(), (QList<int>{5, 17, 40}));
            picker.Press(QStringLiteral("ActConferma"));
        });
        QVERIFY(confirmed);
        QCOMPARE(Numbers(selection), (QList<int>{5, 17, 40}));
    }

    void exactCountWhenMinimumEqualsMaximum() {
        NumberFlags selection{};
        QVERIFY(Run(3, 3, selection, false, [](Picker& picker) {
            QVERIFY(!picker.CanConfirm());
            picker.Click(7);
            picker.Click(8);
            QVERIFY(!picker.CanConfirm());
            picker.Click(9);
            QVERIFY(picker.CanConfirm());
            picker.Click(8);
            QVERIFY(!picker.CanConfirm());
            picker.Click(80);
            picker.Press(QStringLiteral("ActConferma"));
        }));
        QCOMPARE(Numbers(selection), (QList<int>{7, 9, 80}));
    }

    void emptyConfirmWithMinimumZero() {
        NumberFlags selection = Flags({3, 4});
        QVERIFY(Run(0, 20, selection, true, [](Picker& picker) {
            QCOMPARE(picker.Checked(), (QList<int>{3, 4}));
            picker.Press(QStringLiteral("ActDeselect"));
            QCOMPARE(picker.Count(), QStringLiteral("0"));
            QCOMPARE(picker.List(), QString());
            QVERIFY(picker.CanConfirm());
            picker.Press(QStringLiteral("ActConferma"));
        }));
        QVERIFY(Numbers(selection).isEmpty());
    }

    void aStartSelectionAboveTheMaximum() {
        NumberFlags selection{};
        for (int n = 1; n <= 25; ++n)
            selection[n] = true;
        const NumberFlags before = selection;
        QVERIFY(!Run(0, 20, selection, true, [this](Picker& picker) {
            // Shown before the window opened: the first number beyond 20 is unchecked.
            QCOMPARE(m_dialogs->Texts(), QStringList{"Selezionare al massimo:20 numeri"});
            QVERIFY(!picker.Box(21)->isChecked());
            QVERIFY(picker.Box(22)->isChecked());
            QCOMPARE(picker.Box(25)->palette().color(QPalette::WindowText), QColor(Qt::red));
            QCOMPARE(picker.Count(), QStringLiteral("24"));
            QVERIFY(!picker.CanConfirm());
            for (int n : {1, 2, 3}) {
                picker.Click(n);
                QVERIFY(!picker.CanConfirm());
            }
            picker.Click(4);
            QCOMPARE(picker.Count(), QStringLiteral("20"));
            QVERIFY(picker.CanConfirm());
            picker.Press(QStringLiteral("btnCancel"));
        }));
        QCOMPARE(selection, before); // cancelled: the caller's selection is untouched
    }

    void rowAndColumnButtonsStopAtTheMaximum() {
        NumberFlags selection{};
        QVERIFY(Run(0, 10, selection, false, [this](Picker& picker) {
            picker.Press(QStringLiteral("btnRowX1"));
            QCOMPARE(picker.Count(), QStringLiteral("10"));
            QVERIFY(m_dialogs->shown.isEmpty());
            picker.Press(QStringLiteral("btnRowX1")); // already full, count at the maximum
            QCOMPARE(
                m_dialogs->LastText(),
                QStringLiteral("Al massimo:10 numeri.\r\nla riga non puo' essere completata."));
            picker.Press(QStringLiteral("btnRowClear1"));
            picker.Press(QStringLiteral("btnColX3"));
            QCOMPARE(picker.Checked(), (QList<int>{3, 13, 23, 33, 43, 53, 63, 73, 83}));
            picker.Press(QStringLiteral("btnRowX9")); // 81 is the tenth, then it stops
            QCOMPARE(picker.Count(), QStringLiteral("10"));
            QVERIFY(picker.Box(81)->isChecked() && !picker.Box(82)->isChecked());
            QCOMPARE(
                m_dialogs->LastText(),
                QStringLiteral("Al massimo:10 numeri.\r\nla riga non puo' essere completata."));
            picker.Press(QStringLiteral("btnColClear3"));
            picker.Press(QStringLiteral("btnColX5"));
            picker.Press(QStringLiteral("btnColX6"));
            QCOMPARE(m_dialogs->LastText(), QStringLiteral("Al massimo:10 numeri.\r\nla colonna "
                                                           "non puo' essere completata."));
            QCOMPARE(picker.Count(), QStringLiteral("10"));
            picker.Press(QStringLiteral("ActConferma"));
        }));
        QCOMPARE(Numbers(selection), (QList<int>{5, 15, 25, 35, 45, 55, 65, 75, 81, 85}));
    }

    void excludedNumbersAreNeverChosen() {
        NumberFlags selection = Flags({2, 5});
        const NumberFlags excluded = Flags({2, 12, 22, 13});
        QVERIFY(Run(
            0, 90, selection, true,
            [](Picker& picker) {
                QVERIFY(!picker.Box(2)->isEnabled());
                QCOMPARE(picker.Checked(), QList<int>{5});
                picker.Press(QStringLiteral("btnRowX1"));
                picker.Press(QStringLiteral("btnColX2"));
                picker.Press(QStringLiteral("btnRowX2"));
                QVERIFY(!picker.Box(2)->isChecked());
                QVERIFY(!picker.Box(12)->isChecked());
                QVERIFY(!picker.Box(13)->isChecked());
                QVERIFY(!picker.Box(22)->isChecked());
                QVERIFY(picker.Box(32)->isChecked());
                QCOMPARE(picker.Count(), QString::number(9 + 6 + 8)); // row 1, column 2, row 2
                QVERIFY(!picker.List().contains(QStringLiteral(" 12 ")));
                picker.Press(QStringLiteral("ActConferma"));
            },
            excluded));
        QVERIFY(!selection[2] && !selection[12] && selection[32]);
    }

    void captionAndListAsAsked() {
        NumberFlags selection{};
        Run(
            0, 5, selection, false,
            [](Picker& picker) {
                QCOMPARE(picker.dialog.findChild<QLabel*>("lblSelectCaption")->text(),
                         QStringLiteral("Selezionare i numeri"));
                QVERIFY(picker.dialog.findChild<QPlainTextEdit*>("Memo1")->isHidden());
                QCOMPARE(picker.dialog.size(), QSize(650, 502));
                QCOMPARE(picker.dialog.findChild<QPushButton*>("btnColClear1")->toolTip(),
                         QStringLiteral("Deseleziona i  9 numeri della colonna soprastante"));
                picker.Press(QStringLiteral("btnCancel"));
            },
            {}, false);
    }
};

QTEST_MAIN(TestNumberPicker)
#include "tst_number_picker.moc"
