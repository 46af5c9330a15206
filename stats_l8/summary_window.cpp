#include "stats_l8/summary_window.h"

#include "common/grid/banded_grid.h"
#include "common/helpers.h"
#include "common/seams.h"
#include "common/skin.h"
#include "report/grid_export_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

const QStringList WheelItems = {
    QStringLiteral("BARI "),    QStringLiteral("CAGLIARI "), QStringLiteral("FIRENZE "),
    QStringLiteral("GENOVA "),  QStringLiteral("MILANO "),   QStringLiteral("NAPOLI "),
    QStringLiteral("PALERMO "), QStringLiteral("ROMA "),     QStringLiteral("TORINO"),
    QStringLiteral("VENEZIA"),  QStringLiteral("NAZIONALE")};

} // namespace

TfrmVornL8XRUOTA::TfrmVornL8XRUOTA(int wheelIndex, QWidget* parent)
    : TfrmVornBase(parent) {
    setObjectName(QStringLiteral("TfrmVornL8XRUOTA"));
    setWindowTitle(
        QStringLiteral("Statistiche estratto semplice Lotto Italiano: Riepilogo per ruota"));
    SetTitle(Title);

    auto* band = new QFrame(Body());
    band->setObjectName(QStringLiteral("pnlToolBand"));
    band->setProperty(FixedColorProperty, true);
    SetBackground(band, TitleGreen);
    auto* tools = new QHBoxLayout(band);
    QLabel* label = NewBandLabel(band, QStringLiteral("RUOTA DI"));
    m_wheel = new QComboBox(band);
    m_wheel->setObjectName(QStringLiteral("cbRuota"));
    m_wheel->addItems(WheelItems);
    m_wheel->setCurrentIndex(wheelIndex >= 0 && wheelIndex < WheelCount ? wheelIndex : 0);
    QPushButton* exportButton =
        NewToolButton(band, QStringLiteral("Esporta griglia"), QStringLiteral("btnExport"));
    QPushButton* highlight =
        NewToolButton(band, QStringLiteral("Evidenzia numeri"), QStringLiteral("cxButton2"));
    QPushButton* print =
        NewToolButton(band, QStringLiteral("PDF + Salva/Stampa"), QStringLiteral("btnPrint"));
    QPushButton* notes =
        NewToolButton(band, QStringLiteral("Numeri annotati"), QStringLiteral("btnNote"));
    tools->addWidget(label);
    tools->addWidget(m_wheel);
    tools->addStretch();
    for (QPushButton* button : {exportButton, highlight, print, notes})
        tools->addWidget(button);
    BodyLayout()->addWidget(band);

    m_grid = new BandedGrid(Body());
    m_grid->setObjectName(QStringLiteral("cxGrid1"));
    const ViewLayout layout = SummaryLayout(WheelNames.at(WheelIndex()));
    m_grid->SetBands(layout.bands);
    m_grid->SetColumns(layout.columns);
    m_grid->SetCellStyle([this](int row, const QString& field) { return Style(row, field); });
    m_grid->SetCellText([](int, const QString& field, const QVariant& value) {
        return SummaryDisplayText(field, value);
    });
    BodyLayout()->addWidget(m_grid, 1);

    connect(m_wheel, &QComboBox::currentIndexChanged, this, [this] { OpenGrid(); });
    connect(exportButton, &QPushButton::clicked, this,
            [this] { ExportGridThroughWindow(this, m_grid); });
    connect(highlight, &QPushButton::clicked, this, [this] {
        if (m_highlight.Choose(this)) m_grid->Repaint();
    });
    connect(print, &QPushButton::clicked, this,
            [this] { PrintStatistics(this, Title, Sql(), *m_grid, true); });
    connect(notes, &QPushButton::clicked, this, [this] {
        if (ShowLottoNotesList(this)) Refresh();
    });
    connect(m_grid, &BandedGrid::cellDoubleClicked, this, &TfrmVornL8XRUOTA::CellDoubleClicked);
}

int TfrmVornL8XRUOTA::WheelIndex() const {
    const int index = m_wheel->currentIndex();
    return index >= 0 && index < WheelCount ? index : 0;
}

QString TfrmVornL8XRUOTA::Sql() const {
    return SummarySql(WheelLetters.at(WheelIndex()));
}

void TfrmVornL8XRUOTA::showEvent(QShowEvent* event) {
    TfrmVornBase::showEvent(event);
    if (!event->spontaneous()) OpenGrid();
}

void TfrmVornL8XRUOTA::OpenGrid() {
    BusyCursor busy;
    m_grid->SetBandCaption(0, WheelNames.at(WheelIndex()));
    OpenResultGrid(this, *m_grid, Sql());
}

void TfrmVornL8XRUOTA::Refresh() {
    RefreshKeepingPosition(this, *m_grid, Sql());
}

CellStyle TfrmVornL8XRUOTA::Style(int row, const QString& field) const {
    if (m_grid->Exporting()) return CellStyle();
    const NumberMarks marks = MarksOf([this](int n) { return m_highlight.Contains(n); });
    return StyleOfLook(SummaryCellLook(field, WheelCodes.at(WheelIndex()),
                                       m_grid->Value(row, field).toInt(), marks));
}

void TfrmVornL8XRUOTA::CellDoubleClicked(int row, const QString& field) {
    if (!IsSummaryNumberField(field)) return;
    if (ToggleAnnotation(this, WheelCodes.at(WheelIndex()), m_grid->Value(row, field).toInt()))
        Refresh();
}
