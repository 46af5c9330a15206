#include "common/base_window.h"

#include "common/pictures.h"
#include "common/skin.h"
#include "storage/tdm1.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QVBoxLayout>

void SetMaximizedOnWorkArea(QWidget* window) {
    if (const QScreen* screen = window->screen()) window->setGeometry(screen->availableGeometry());
    window->setWindowState(Qt::WindowMaximized);
}

TfrmVornBase::TfrmVornBase(QWidget* parent)
    : QDialog(parent) {
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    SetMaximizedOnWorkArea(this);
    QFont font = this->font();
    font.setFamily(QStringLiteral("Verdana"));
    font.setPointSize(10);
    setFont(font);

    m_pnlHeader = new QFrame(this);
    m_pnlHeader->setObjectName(QStringLiteral("pnlHeader"));
    m_pnlHeader->setProperty(FixedColorProperty, true);
    SetBackground(m_pnlHeader, DarkGreenBand);
    m_pnlHeader->setFixedHeight(58);

    m_pnlTitleArea = new QFrame(m_pnlHeader);
    m_pnlTitleArea->setObjectName(QStringLiteral("pnlTitleArea"));
    m_pnlTitleArea->setProperty(FixedColorProperty, true);
    m_pnlTitleArea->setFrameShape(QFrame::StyledPanel);
    m_lblTitle = new QLabel(m_pnlTitleArea);
    m_lblTitle->setObjectName(QStringLiteral("lblTitle"));
    m_lblTitle->setAlignment(Qt::AlignCenter);
    QFont titleFont = m_lblTitle->font();
    titleFont.setPointSize(14);
    titleFont.setBold(true);
    m_lblTitle->setFont(titleFont);
    auto* picture = new QLabel(m_pnlTitleArea);
    picture->setObjectName(QStringLiteral("imgTitle"));
    picture->setPixmap(LogoPicture(40));
    auto* titleLayout = new QHBoxLayout(m_pnlTitleArea);
    titleLayout->setContentsMargins(8, 2, 8, 2);
    titleLayout->addWidget(m_lblTitle, 1);
    titleLayout->addWidget(picture);

    m_btnClose = new QPushButton(QStringLiteral("Chiudi (ALT-F4)"), m_pnlHeader);
    m_btnClose->setObjectName(QStringLiteral("btnClose"));
    m_btnClose->setAutoDefault(false);
    m_btnClose->setMinimumSize(130, 36);
    auto* headerLayout = new QHBoxLayout(m_pnlHeader);
    headerLayout->setContentsMargins(6, 5, 6, 5);
    headerLayout->addWidget(m_pnlTitleArea, 1);
    headerLayout->addSpacing(10);
    headerLayout->addWidget(m_btnClose);

    m_pnlClient = new QFrame(this);
    m_pnlClient->setObjectName(QStringLiteral("pnlClient"));
    m_bodyLayout = new QVBoxLayout(m_pnlClient);
    m_bodyLayout->setContentsMargins(4, 4, 4, 4);

    m_pnlFooter = new QFrame(this);
    m_pnlFooter->setObjectName(QStringLiteral("pnlFooter"));
    m_pnlFooter->setProperty(FixedColorProperty, true);
    SetBackground(m_pnlFooter, SilverColor);
    m_pnlFooter->setFixedHeight(18);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pnlHeader);
    layout->addWidget(m_pnlClient, 1);
    layout->addWidget(m_pnlFooter);

    connect(m_btnClose, &QPushButton::clicked, this, &QDialog::reject);
    auto* altF4 = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), this);
    connect(altF4, &QShortcut::activated, this, &QDialog::reject);
}

void TfrmVornBase::SetTitle(const QString& title) {
    m_lblTitle->setText(title);
}

void TfrmVornBase::SetupLook() {
    ApplySkinToForm(this);
    SetBackground(m_pnlClient, DM1().PanelColor());
    SetBackground(m_pnlTitleArea, QApplication::palette().color(QPalette::Button));
}

void TfrmVornBase::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) SetupLook();
    QDialog::showEvent(event);
}
