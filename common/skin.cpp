#include "common/skin.h"

#include "common/grid/banded_grid.h"
#include "common/grid/banded_header.h"
#include "storage/tdm1.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>
#include <QToolButton>

namespace {

const QString Office2003Buttons = QStringLiteral(
    "QPushButton, QToolButton { color: black; border: 1px solid #7b9ebd; border-radius: 3px;"
    " padding: 3px 8px; background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
    " stop:0 #ffffff, stop:0.5 #e3efff, stop:1 #c3daf9); }"
    "QPushButton:hover, QToolButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
    " stop:0 #fff8d9, stop:1 #ffd38c); border-color: #000080; }"
    "QPushButton:pressed, QToolButton:pressed { background: qlineargradient(x1:0, y1:0, x2:0,"
    " y2:1, stop:0 #fea95e, stop:1 #ffd38c); }"
    "QPushButton:disabled, QToolButton:disabled { color: #8d8d8d; border-color: #b5b2b5;"
    " background: #eeeeee; }");

bool IsButton(const QWidget* widget) {
    return qobject_cast<const QPushButton*>(widget) || qobject_cast<const QToolButton*>(widget);
}

bool IsPanel(const QWidget* widget) {
    const QMetaObject* meta = widget->metaObject();
    return (meta == &QFrame::staticMetaObject || meta == &QWidget::staticMetaObject) &&
           widget->objectName().startsWith(QLatin1String("pnl")) &&
           !widget->property(FixedColorProperty).toBool();
}

// Children of these hold their own parts (scroll bars, editors), never the window's.
bool IsContainer(const QWidget* widget) {
    if (qobject_cast<const QScrollArea*>(widget)) return true;
    return !qobject_cast<const QAbstractScrollArea*>(widget) &&
           !qobject_cast<const QComboBox*>(widget) &&
           !qobject_cast<const QAbstractSpinBox*>(widget) && !IsButton(widget);
}

void SkinButton(QWidget* button) {
    const bool office = DM1().SkinMode == 0;
    button->setStyleSheet(office ? Office2003Buttons : QString());
    button->setProperty(ButtonLookProperty,
                        office ? QStringLiteral("office2003") : QStringLiteral("standard"));
}

void Walk(QWidget* parent, bool panels) {
    const QList<QWidget*> children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (child->isWindow()) continue; // a dialog owned by the window is a window of its own
        if (IsButton(child))
            SkinButton(child);
        else if (panels && IsPanel(child))
            SetBackground(child, DM1().PanelColor());
        if (IsContainer(child)) Walk(child, panels);
    }
}

QString HeaderSheet() {
    return QStringLiteral(
        "QHeaderView::section { color: black; padding: 2px; border: 1px solid #6d8fc4;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #81a9e2,"
        " stop:0.14 #b0cbf0, stop:0.86 #b0cbf0, stop:1 #81a9e2); }");
}

CellStyle Background(const QColor& color) {
    CellStyle style;
    style.background = color;
    return style;
}

} // namespace

void SetBackground(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::ButtonText, color);
    palette.setColor(QPalette::Text, color);
    widget->setPalette(palette);
}

void ApplySkinToForm(QWidget* window) {
    Walk(window, true);
}

void ApplySkinToMainWindow(QWidget* window) {
    Walk(window, false);
}

void ApplySkinToBandedGrid(BandedGrid* grid) {
    const bool office = DM1().SkinMode == 0;
    grid->Header()->SetHeaderBrush(office ? QBrush() : QBrush(cxStyleGridH()));
    grid->View()->setFrameShape(office ? QFrame::StyledPanel : QFrame::Box);
    grid->View()->setProperty(ButtonLookProperty,
                              office ? QStringLiteral("office2003") : QStringLiteral("ultraflat"));
}

void ApplySkinToGrid(QTableView* view) {
    const bool office = DM1().SkinMode == 0;
    view->horizontalHeader()->setStyleSheet(office ? QString() : HeaderSheet());
    view->setFrameShape(office ? QFrame::StyledPanel : QFrame::Box);
    view->setProperty(ButtonLookProperty,
                      office ? QStringLiteral("office2003") : QStringLiteral("ultraflat"));
}

void PaintTitlePanel(QWidget* panel) {
    SetBackground(panel, TitleGreen);
    SetTextColor(panel, QColor(255, 255, 0));
    panel->setProperty(FixedColorProperty, true);
}

CellStyle cxStyleNota() {
    CellStyle style = Background(TitleGreen);
    style.textColor = Qt::white;
    return style;
}

CellStyle cxStyleNumero() {
    return Background(QColor(240, 202, 166));
}

CellStyle cxStyleSilver() {
    return Background(SilverColor);
}

CellStyle cxStyleVerdana10() {
    CellStyle style;
    style.font = QFont(QStringLiteral("Verdana"), 10);
    return style;
}

CellStyle cxStyleDefault() {
    return CellStyle();
}

CellStyle cxStyleWhite() {
    return Background(Qt::white);
}

CellStyle cxStyleHighlight() {
    return Background(Qt::yellow);
}

QPixmap cxStyleGridH() {
    static const QImage picture = [] {
        const QColor light(176, 203, 240);
        const QColor dark(129, 169, 226);
        QImage image(4, 44, QImage::Format_RGB32);
        for (int y = 0; y < 44; ++y) {
            const int inHalf = y % 22;
            const int edge = std::min(inHalf, 21 - inHalf); // 0 on the edge row
            QColor color = light;
            if (edge < 3) {
                const double t = (3 - edge) / 3.0;
                color = QColor::fromRgbF(light.redF() + (dark.redF() - light.redF()) * t,
                                         light.greenF() + (dark.greenF() - light.greenF()) * t,
                                         light.blueF() + (dark.blueF() - light.blueF()) * t);
            }
            for (int x = 0; x < 4; ++x)
                image.setPixelColor(x, y, color);
        }
        return image;
    }();
    return QPixmap::fromImage(picture);
}
