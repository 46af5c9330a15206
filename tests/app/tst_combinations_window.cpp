#include "app/combinations_window.h"
#include "storage/tdm1.h"
#include "tests/support/fake_seams.h"
#include "tests/support/test_db.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

class TestCombinationsWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<TDM1> m_dm;

    static QComboBox* Combo(QWidget& window, const char* name) {
        return window.findChild<QComboBox*>(QLatin1String(name));
    }
    static QString Text(QWidget& window, const char* name) {
        return window.findChild<QLabel*>(QLatin1String(name))->text();
    }

private slots:
    void init() {
        m_folder = std::make_unique<TestProgramFolder>();
        m_dm = m_folder->OpenModule();
    }
    void cleanup() {
        m_dm.reset();
        m_folder.reset();
    }

    void texts() {
        TfrmVornCOMBINAZ window;
        QCOMPARE(window.windowTitle(),
                 QStringLiteral("CALCOLO COMBINAZIONI DI N NUMERI A GRUPPI DI K"));
        QCOMPARE(Text(window, "lblTitle"), QStringLiteral("VezudAver"));
        QCOMPARE(Text(window, "lblGroup"), QStringLiteral("COMBINAZIONE DA.."));
        QCOMPARE(Text(window, "lblNumbers"), QStringLiteral("NUMERI"));
        QComboBox* group = Combo(window, "ddlGroup");
        QStringList items;
        for (int i = 0; i < group->count(); ++i)
            items << group->itemText(i);
        QCOMPARE(items, QStringList({QStringLiteral("2 numeri (COPPIA, AMBO)"),
                                     QStringLiteral("3 numeri (TERZINE,TERNO) "),
                                     QStringLiteral("4 numeri (QUARTINE,QUATERNA)"),
                                     QStringLiteral("5 numeri (CINQUINE)"),
                                     QStringLiteral("6 numeri (SESTINE)")}));
        // It opens on pairs of all 90 numbers.
        QCOMPARE(Text(window, "lblCount"), QStringLiteral("4.005"));
        QCOMPARE(Text(window, "lblGroups"),
                 QStringLiteral("combinazioni di 90 numeri a gruppi di 2 (COPPIA, AMBO)"));
    }

    void values_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("groups");
        QTest::newRow("90 sestine") << 6 << 90 << "622.614.630"
                                    << "combinazioni di 90 numeri a gruppi di 6 (SESTINE)";
        QTest::newRow("90 cinquine") << 5 << 90 << "43.949.268"
                                     << "combinazioni di 90 numeri a gruppi di 5 (CINQUINE)";
        QTest::newRow("90 quartine")
            << 4 << 90 << "2.555.190"
            << "combinazioni di 90 numeri a gruppi di 4 (QUARTINE,QUATERNA)";
        QTest::newRow("10 terzine") << 3 << 10 << "120"
                                    << "combinazioni di 10 numeri a gruppi di 3 (TERZINE,TERNO)";
        QTest::newRow("2 ambi") << 2 << 2 << "1"
                                << "combinazioni di 2 numeri a gruppi di 2 (COPPIA, AMBO)";
        QTest::newRow("6 sestine") << 6 << 6 << "1"
                                   << "combinazioni di 6 numeri a gruppi di 6 (SESTINE)";
        QTest::newRow("45 sestine") << 6 << 45 << "8.145.060"
                                    << "combinazioni di 45 numeri a gruppi di 6 (SESTINE)";
    }
    void values() {
        QFETCH(int, k);
        QFETCH(int, n);
        QFETCH(QString, count);
        QFETCH(QString, groups);
        TfrmVornCOMBINAZ window;
        Combo(window, "ddlGroup")->setCurrentIndex(k - 2);
        QComboBox* numbers = Combo(window, "ddlNumbers");
        const int index = numbers->findData(n);
        QVERIFY(index >= 0);
        numbers->setCurrentIndex(index);
        QCOMPARE(Text(window, "lblCount"), count);
        QCOMPARE(Text(window, "lblGroups"), groups);
    }

    // N runs from K to 90; a chosen N below the new K moves up to K, one above it stays.
    void numbersFollowGroup() {
        TfrmVornCOMBINAZ window;
        QComboBox* group = Combo(window, "ddlGroup");
        QComboBox* numbers = Combo(window, "ddlNumbers");
        QCOMPARE(numbers->count(), 89);
        numbers->setCurrentIndex(numbers->findData(4));
        group->setCurrentIndex(4);
        QCOMPARE(numbers->count(), 85);
        QCOMPARE(numbers->itemText(0), QStringLiteral("6"));
        QCOMPARE(numbers->currentData().toInt(), 6);
        QCOMPARE(Text(window, "lblCount"), QStringLiteral("1"));
        numbers->setCurrentIndex(numbers->findData(40));
        group->setCurrentIndex(0);
        QCOMPARE(numbers->currentData().toInt(), 40);
        QCOMPARE(Text(window, "lblCount"), QStringLiteral("780"));
    }

    void okCloses() {
        FakeModal modal;
        modal.Push([](QDialog& dialog) {
            dialog.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
            return dialog.result();
        });
        TfrmVornCOMBINAZ window;
        QCOMPARE(RunModal(window), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestCombinationsWindow)
#include "tst_combinations_window.moc"
