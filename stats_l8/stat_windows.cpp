#include "stats_l8/stat_windows.h"

#include "common/grid/banded_grid.h"
#include "common/grid/check_list_combo.h"
#include "common/helpers.h"
#include "common/seams.h"
#include "stats_l8/stat_window_support.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <memory>

TfrmVornL8StatGrid::TfrmVornL8StatGrid(L8Stat stat, const QString& objectName, QWidget* parent)
    : TfrmVornBase1Grid(parent)
    , m_stat(stat) {
    setObjectName(objectName);
    const L8StatText text = StatText(stat);
    setWindowTitle(text.caption);
    SetTitle(text.title);
    const ViewLayout layout = StatLayout(stat);
    Grid()->SetBands(layout.bands);
    Grid()->SetColumns(layout.columns);
    SetGridQuery(text.sql);
    InfoLabel()->hide();
    RightPanel()->hide();

    Grid()->SetCellStyle([this](int row, const QString& field) { return Style(row, field); });
    Grid()->SetCellText([stat](int, const QString& field, const QVariant& value) {
        return StatDisplayText(stat, field, value);
    });

    if (IsGroupRow(stat)) {
        SetHighlightEnabled(false);
        auto* label = new QLabel(QStringLiteral("RUOTE VISUALIZZATE"), ToolsPanel());
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        m_wheels = new CheckListCombo(ToolsPanel());
        m_wheels->setObjectName(QStringLiteral("cbRuote"));
        for (int w = 0; w < WheelCount; ++w)
            m_wheels->AddItem(WheelNames.at(w), WheelCodes.at(w));
        m_wheels->SetEmptySelectionText(QStringLiteral("Tutte le ruote sono visualizzate"));
        m_wheels->SetAllChecked(true);
        m_wheels->setMinimumWidth(260);
        if (auto* tools = qobject_cast<QBoxLayout*>(ToolsPanel()->layout())) {
            tools->insertWidget(0, m_wheels);
            tools->insertWidget(0, label);
        }
        connect(m_wheels, &CheckListCombo::checkedChanged, this,
                &TfrmVornL8StatGrid::WheelsChanged);
        return;
    }
    m_notes = AddToolButton(QStringLiteral("Numeri annotati"), QStringLiteral("btnNote"));
    connect(m_notes, &QPushButton::clicked, this, [this] {
        if (ShowLottoNotesList(this)) RefreshGrid();
    });
    connect(Grid(), &BandedGrid::cellDoubleClicked, this, &TfrmVornL8StatGrid::CellDoubleClicked);
}

CellStyle TfrmVornL8StatGrid::Style(int row, const QString& field) const {
    if (Grid()->Exporting()) return CellStyle();
    if (IsGroupRow(m_stat)) return StyleOfLook(GroupRowCellLook(field));
    const NumberMarks marks = MarksOf([this](int n) { return IsHighlighted(n); });
    const int number = Grid()->Value(row, field).toInt();
    if (m_stat == L8Stat::Piramide) return StyleOfLook(PyramidCellLook(field, number, marks));
    return StyleOfLook(RankingCellLook(field, number, marks));
}

void TfrmVornL8StatGrid::CellDoubleClicked(int row, const QString& field) {
    const QString wheel =
        m_stat == L8Stat::Piramide ? PyramidAnnotationWheel(field) : RankingAnnotationWheel(field);
    if (ToggleAnnotation(this, wheel, Grid()->Value(row, field).toInt())) RefreshGrid();
}

void TfrmVornL8StatGrid::WheelsChanged() {
    for (int w = 0; w < WheelCount; ++w)
        Grid()->SetColumnVisible(WheelResultColumns.at(w), m_wheels->IsChecked(w));
}

void TfrmVornL8StatGrid::OnPrint() {
    const L8StatText text = StatText(m_stat);
    if (m_stat == L8Stat::Piramide)
        PrintPyramid(this, text.title);
    else
        PrintStatistics(this, text.title, text.sql, *Grid(), ShowsThreeDecimals(m_stat));
}

void ShowStatWindow(L8Stat stat, QWidget* parent) {
    std::unique_ptr<TfrmVornL8StatGrid> window;
    switch (stat) {
    case L8Stat::Ritardi:
        window = std::make_unique<TfrmVornL8RITAESTRA>(parent);
        break;
    case L8Stat::Frequenze:
        window = std::make_unique<TfrmVornL8FREQESTRA>(parent);
        break;
    case L8Stat::RappRitFreq:
        window = std::make_unique<TfrmVornL8RPRFESTRA>(parent);
        break;
    case L8Stat::Somma2:
        window = std::make_unique<TfrmVornL8RIS2ESTRA>(parent);
        break;
    case L8Stat::Somma3:
        window = std::make_unique<TfrmVornL8RIS3ESTRA>(parent);
        break;
    case L8Stat::Piramide:
        window = std::make_unique<TfrmVornL8PIRAESTRA>(parent);
        break;
    case L8Stat::Gemelli:
        window = std::make_unique<TfrmVornL8RIGAGEMEL>(parent);
        break;
    case L8Stat::Vertibili:
        window = std::make_unique<TfrmVornL8RIGAVERTI>(parent);
        break;
    case L8Stat::Cadenze:
        window = std::make_unique<TfrmVornL8RIGACADEN>(parent);
        break;
    case L8Stat::Radicali:
        window = std::make_unique<TfrmVornL8RIGARADIC>(parent);
        break;
    }
    RunModal(*window);
}
