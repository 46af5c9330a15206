#include "common/bar_progress.h"
#include "common/grid/banded_grid.h"
#include "common/grid/banded_header.h"
#include "common/grid/check_list_combo.h"
#include "common/skin.h"
#include "storage/tdm1.h"
#include "tests/support/test_db.h"

#include <QAbstractItemView>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

class TestCommonWidgets : public QObject {
    Q_OBJECT

    TestProgramFolder m_folder;
    std::unique_ptr<TDM1> m_dm;

private slots:
    void initTestCase() { m_dm = std::make_unique<TDM1>(m_folder.Path()); }
    void cleanup() { m_dm->SkinMode = 0; }

    void checkListShowsShortTextsOrTheEmptyText() {
        CheckListCombo combo;
        combo.SetEmptySelectionText(QStringLiteral("Tutte le ruote sono visualizzate"));
        combo.AddItem(QStringLiteral("BARI"), QStringLiteral("BA"));
        combo.AddItem(QStringLiteral("CAGLIARI"), QStringLiteral("CA"));
        combo.AddItem(QStringLiteral("NAZIONALE"), QStringLiteral("RN"));
        QSignalSpy changed(&combo, &CheckListCombo::checkedChanged);
        QCOMPARE(combo.DisplayText(), QStringLiteral("Tutte le ruote sono visualizzate"));
        combo.SetAllChecked(true);
        QCOMPARE(changed.count(), 1); // one signal for the whole batch
        QCOMPARE(combo.DisplayText(), QStringLiteral("BA;CA;RN"));
        combo.SetChecked(1, false);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(combo.CheckedItems(), (QList<int>{0, 2}));
        QCOMPARE(combo.DisplayText(), QStringLiteral("BA;RN"));
        QCOMPARE(combo.Description(2), QStringLiteral("NAZIONALE"));
        combo.SetChecked(1, false); // no change, no signal
        QCOMPARE(changed.count(), 2);
    }

    void clickingAnItemTogglesItAndKeepsTheListOpen() {
        CheckListCombo combo;
        combo.AddItem(QStringLiteral("BARI"), QStringLiteral("BA"));
        combo.AddItem(QStringLiteral("CAGLIARI"), QStringLiteral("CA"));
        combo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&combo));
        combo.showPopup();
        QAbstractItemView* list = combo.view();
        QTRY_VERIFY(list->isVisible());
        const QRect item = list->visualRect(list->model()->index(1, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
        QVERIFY(combo.IsChecked(1));
        QVERIFY(list->isVisible());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
        QVERIFY(!combo.IsChecked(1));
        combo.hidePopup();
    }

    void barProgressDrivesItsBarAndStops() {
        QProgressBar bar;
        QPushButton stop;
        BarProgress progress(&bar, &stop);
        Progress& job = progress;
        job.SetRange(0, 11);
        job.SetPosition(4);
        QCOMPARE(bar.maximum(), 11);
        QCOMPARE(bar.value(), 4);
        QVERIFY(!job.StopRequested());
        stop.click();
        job.ProcessEvents();
        QVERIFY(job.StopRequested());
        BarProgress withoutButton(nullptr);
        withoutButton.SetPosition(3); // no bar: nothing to show, no crash
    }

    void skinColoursPanelsAndButtons() {
        QWidget window;
        auto* panel = new QFrame(&window);
        panel->setObjectName(QStringLiteral("pnlClient"));
        auto* inner = new QWidget(panel);
        inner->setObjectName(QStringLiteral("pnlInner"));
        auto* button = new QPushButton(QStringLiteral("OK"), inner);
        auto* title = new QFrame(&window);
        title->setObjectName(QStringLiteral("pnlTitle"));
        PaintTitlePanel(title);
        auto* label = new QLabel(QStringLiteral("pnlLabel"), &window);
        label->setObjectName(QStringLiteral("pnlLabel")); // a label is no panel

        ApplySkinToForm(&window);
        QCOMPARE(panel->palette().color(QPalette::Window), QColor(237, 237, 237));
        QCOMPARE(inner->palette().color(QPalette::Window), QColor(237, 237, 237));
        QCOMPARE(button->property(ButtonLookProperty).toString(), QStringLiteral("office2003"));
        QCOMPARE(title->palette().color(QPalette::Window), QColor(0, 128, 0));
        QCOMPARE(title->palette().color(QPalette::WindowText), QColor(255, 255, 0));
        QVERIFY(!label->autoFillBackground());

        m_dm->SkinMode = 1;
        ApplySkinToMainWindow(&window); // buttons only
        QCOMPARE(button->property(ButtonLookProperty).toString(), QStringLiteral("standard"));
        QCOMPARE(panel->palette().color(QPalette::Window), QColor(237, 237, 237));
        ApplySkinToForm(&window);
        QCOMPARE(panel->palette().color(QPalette::Window), QColor(192, 192, 192));
    }

    void gridSkinUsesTheHeaderPictureInTheAlternativeLook() {
        BandedGrid grid;
        ApplySkinToBandedGrid(&grid);
        QCOMPARE(grid.Header()->HeaderBrush().style(), Qt::NoBrush);
        m_dm->SkinMode = 2;
        ApplySkinToBandedGrid(&grid);
        QCOMPARE(grid.Header()->HeaderBrush().style(), Qt::TexturePattern);
        const QImage picture = cxStyleGridH().toImage();
        QCOMPARE(picture.size(), QSize(4, 44));
        QCOMPARE(picture.pixelColor(1, 10), QColor(176, 203, 240));
        QCOMPARE(picture.pixelColor(1, 0), QColor(129, 169, 226));
        QCOMPARE(picture.pixelColor(1, 22), QColor(129, 169, 226));
        QCOMPARE(picture.pixelColor(1, 43), QColor(129, 169, 226));
        QTableView view;
        ApplySkinToGrid(&view);
        QVERIFY(!view.horizontalHeader()->styleSheet().isEmpty());
    }

    void sharedCellStyles() {
        QCOMPARE(cxStyleNumero().background, QColor(240, 202, 166));
        QCOMPARE(cxStyleNota().background, QColor(0, 128, 0));
        QCOMPARE(cxStyleNota().textColor, QColor(Qt::white));
        QCOMPARE(cxStyleSilver().background, QColor(192, 192, 192));
        QCOMPARE(cxStyleVerdana10().font->pointSize(), 10);
        QVERIFY(cxStyleDefault().IsDefault());
    }
};

QTEST_MAIN(TestCommonWidgets)
#include "tst_common_widgets.moc"
