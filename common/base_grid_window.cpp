#include "common/base_grid_window.h"

#include "common/grid/banded_grid.h"
#include "common/seams.h"
#include "common/skin.h"
#include "report/grid_export_window.h"
#include "storage/tdm1.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

bool OpenResultGrid(QWidget* parent, BandedGrid& grid, const QString& sql) {
    QString errorText;
    if (grid.Open(sql, errorText)) return true;
    Dialogs::Information(parent, QStringLiteral("Errore apertura archivio 01"));
    return false;
}

void RefreshKeepingPosition(QWidget* parent, BandedGrid& grid, const QString& sql) {
    BusyCursor busy;
    const int focused = grid.FocusedRow();
    const int top = grid.TopRow();
    OpenResultGrid(parent, grid, sql);
    grid.SetFocusedRow(focused);
    grid.SetTopRow(top);
    grid.setFocus();
}

QPushButton* NewToolButton(QWidget* parent, const QString& caption, const QString& name) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setMinimumHeight(30);
    return button;
}

QLabel* NewBandLabel(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    SetTextColor(label, QColor(255, 255, 0));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

TfrmVornBase1Grid::TfrmVornBase1Grid(QWidget* parent)
    : TfrmVornBase(parent) {
    m_pnlToolBand = new QFrame(Body());
    m_pnlToolBand->setObjectName(QStringLiteral("pnlToolBand"));
    m_pnlToolBand->setProperty(FixedColorProperty, true);
    SetBackground(m_pnlToolBand, TitleGreen);
    m_lblInfo = NewBandLabel(m_pnlToolBand);
    m_lblInfo->setObjectName(QStringLiteral("lblInfo"));

    m_pnlTools = new QFrame(m_pnlToolBand);
    m_pnlTools->setObjectName(QStringLiteral("pnlTools"));
    auto* toolsLayout = new QHBoxLayout(m_pnlTools);
    toolsLayout->setContentsMargins(4, 3, 4, 3);
    m_btnExport = AddToolButton(QStringLiteral("Esporta griglia"), QStringLiteral("btnExport"));
    m_cxButton2 = AddToolButton(QStringLiteral("Evidenzia numeri"), QStringLiteral("cxButton2"));
    m_btnPrint = AddToolButton(QStringLiteral("Pdf + Salva/Stampa"), QStringLiteral("btnPrint"));
    auto* bandLayout = new QHBoxLayout(m_pnlToolBand);
    bandLayout->setContentsMargins(8, 3, 3, 3);
    bandLayout->addWidget(m_lblInfo, 1);
    bandLayout->addWidget(m_pnlTools);

    auto* gridArea = new QHBoxLayout;
    gridArea->setSpacing(4);
    m_cxGrid1 = new BandedGrid(Body());
    m_cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
    m_pnlRightGrid = new QFrame(Body());
    m_pnlRightGrid->setObjectName(QStringLiteral("pnlRightGrid"));
    gridArea->addWidget(m_cxGrid1, 1);
    gridArea->addWidget(m_pnlRightGrid);

    BodyLayout()->addWidget(m_pnlToolBand);
    BodyLayout()->addLayout(gridArea, 1);

    connect(m_btnExport, &QPushButton::clicked, this, &TfrmVornBase1Grid::ExportGridClicked);
    connect(m_cxButton2, &QPushButton::clicked, this, &TfrmVornBase1Grid::HighlightNumbers);
    connect(m_btnPrint, &QPushButton::clicked, this, [this] { OnPrint(); });
}

QPushButton* TfrmVornBase1Grid::AddToolButton(const QString& caption, const QString& name) {
    QPushButton* button = NewToolButton(m_pnlTools, caption, name);
    m_pnlTools->layout()->addWidget(button);
    return button;
}

void TfrmVornBase1Grid::SetHighlightEnabled(bool enabled) {
    m_highlightEnabled = enabled;
    m_cxButton2->setVisible(enabled);
}

void TfrmVornBase1Grid::SetupLook() {
    TfrmVornBase::SetupLook();
    ApplySkinToBandedGrid(m_cxGrid1);
    SetBackground(m_pnlTools, DM1().PanelColor());
    SetBackground(m_pnlRightGrid, DM1().PanelColor());
}

void TfrmVornBase1Grid::showEvent(QShowEvent* event) {
    TfrmVornBase::showEvent(event);
    if (event->spontaneous()) return;
    m_busy = false;
    m_highlight.Clear();
    OpenGrid();
    m_cxButton2->setVisible(m_highlightEnabled);
}

bool TfrmVornBase1Grid::OpenGrid() {
    return OpenResultGrid(this, *m_cxGrid1, m_gridSql);
}

void TfrmVornBase1Grid::RefreshGrid() {
    RefreshKeepingPosition(this, *m_cxGrid1, m_gridSql);
}

bool TfrmVornBase1Grid::IsHighlighted(int n) const {
    return !m_pnlTools->isHidden() && m_highlight.Contains(n);
}

void TfrmVornBase1Grid::HighlightNumbers() {
    // On confirmation the grid repaints, and the user keeps the place in it.
    if (m_highlight.Choose(this)) RefreshGrid();
}

void TfrmVornBase1Grid::OnPrint() {
    HighlightNumbers();
}

void TfrmVornBase1Grid::ExportGridClicked() {
    m_busy = true;
    ExportGridThroughWindow(this, m_cxGrid1);
    m_busy = false;
}
