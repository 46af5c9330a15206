#include "stats_l8/estimate_window.h"

#include "common/bar_progress.h"
#include "common/grid/banded_grid.h"
#include "common/grid/check_list_combo.h"
#include "common/helpers.h"
#include "common/seams.h"
#include "common/skin.h"
#include "report/grid_export_window.h"
#include "stats_l8/estimate_params_window.h"
#include "stats_l8/tdms.h"
#include "storage/tdm1.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TfrmVornL8STIMA::TfrmVornL8STIMA(QWidget* parent)
    : TfrmVornBase(parent) {
    setObjectName(QStringLiteral("TfrmVornL8STIMA"));
    setWindowTitle(QStringLiteral("Statistiche estratto semplice Lotto Italiano: Riepilogo per "
                                  "numero e stima statistica"));
    SetTitle(Title);

    auto* band = new QFrame(Body());
    band->setObjectName(QStringLiteral("pnlToolBand"));
    band->setProperty(FixedColorProperty, true);
    SetBackground(band, TitleGreen);
    // Two rows, so the band never makes the window wider than the screen.
    auto* bandRows = new QVBoxLayout(band);
    auto* filters = new QHBoxLayout;
    auto* tools = new QHBoxLayout;
    bandRows->addLayout(filters);
    bandRows->addLayout(tools);
    m_wheels = new CheckListCombo(band);
    m_wheels->setObjectName(QStringLiteral("cbRuote"));
    for (int w = 0; w < WheelCount; ++w)
        m_wheels->AddItem(WheelNames.at(w), WheelCodes.at(w));
    m_wheels->SetEmptySelectionText(QStringLiteral("Nessuna ruota selezionata = TUTTE"));
    m_wheels->SetAllChecked(true);
    m_wheels->setMinimumWidth(220);
    m_order = new QComboBox(band);
    m_order->setObjectName(QStringLiteral("cbOrdina"));
    m_order->addItems({QStringLiteral("Stima personal. / Ruota / Numero"),
                       QStringLiteral("Stima Standard / Ruota / Numero"),
                       QStringLiteral("Ruota / Numero")});
    m_order->setCurrentIndex(int(EstimateOrder::Standard));
    QPushButton* exportButton =
        NewToolButton(band, QStringLiteral("Esporta griglia"), QStringLiteral("btnExport"));
    QPushButton* highlight =
        NewToolButton(band, QStringLiteral("Evidenzia numeri"), QStringLiteral("cxButton2"));
    QPushButton* print =
        NewToolButton(band, QStringLiteral("PDF + Salva/Stampa"), QStringLiteral("btnPrint"));
    QPushButton* params = NewToolButton(band, QStringLiteral("Parametri per STIMA personalizzata"),
                                        QStringLiteral("btnParametri"));
    QPushButton* notes =
        NewToolButton(band, QStringLiteral("Numeri annotati"), QStringLiteral("btnNote"));
    filters->addWidget(NewBandLabel(band, QStringLiteral("RUOTE")));
    filters->addWidget(m_wheels, 1);
    filters->addWidget(NewBandLabel(band, QStringLiteral("ORDINA PER")));
    filters->addWidget(m_order, 1);
    for (QPushButton* button : {exportButton, highlight, print, params, notes})
        tools->addWidget(button);
    BodyLayout()->addWidget(band);

    m_progress = new QProgressBar(Body());
    m_progress->setObjectName(QStringLiteral("pbStima"));
    m_progress->hide();
    BodyLayout()->addWidget(m_progress);

    m_grid = new BandedGrid(Body());
    m_grid->setObjectName(QStringLiteral("cxGrid1"));
    const ViewLayout layout = EstimateLayout();
    m_grid->SetBands(layout.bands);
    m_grid->SetColumns(layout.columns);
    m_grid->SetCellStyle([this](int row, const QString& field) { return Style(row, field); });
    m_grid->SetCellText([](int, const QString& field, const QVariant& value) {
        return EstimateDisplayText(field, value);
    });
    BodyLayout()->addWidget(m_grid, 1);

    connect(m_wheels, &CheckListCombo::checkedChanged, this, [this] {
        if (m_ready) OpenGrid();
    });
    connect(m_order, &QComboBox::currentIndexChanged, this, [this] {
        if (m_ready) OpenGrid();
    });
    connect(exportButton, &QPushButton::clicked, this,
            [this] { ExportGridThroughWindow(this, m_grid); });
    connect(highlight, &QPushButton::clicked, this, [this] {
        if (m_highlight.Choose(this)) m_grid->Repaint();
    });
    connect(print, &QPushButton::clicked, this,
            [this] { PrintStatistics(this, Title, Sql(), *m_grid, true); });
    connect(params, &QPushButton::clicked, this, &TfrmVornL8STIMA::EditParameters);
    connect(notes, &QPushButton::clicked, this, [this] {
        if (ShowLottoNotesList(this)) RefreshKeepingPosition(this, *m_grid, Sql());
    });
    connect(m_grid, &BandedGrid::cellDoubleClicked, this, &TfrmVornL8STIMA::CellDoubleClicked);
}

QString TfrmVornL8STIMA::Sql() const {
    QStringList codes;
    for (int item : m_wheels->CheckedItems())
        codes << WheelCodes.at(item);
    const int order = m_order->currentIndex();
    return EstimateSql(codes, order >= 0 ? EstimateOrder(order) : EstimateOrder::Standard);
}

void TfrmVornL8STIMA::showEvent(QShowEvent* event) {
    TfrmVornBase::showEvent(event);
    if (event->spontaneous()) return;
    m_ready = true;
    OpenGrid();
}

void TfrmVornL8STIMA::OpenGrid() {
    BusyCursor busy;
    OpenResultGrid(this, *m_grid, Sql());
}

CellStyle TfrmVornL8STIMA::Style(int row, const QString& field) const {
    if (m_grid->Exporting()) return CellStyle();
    const NumberMarks marks = MarksOf([this](int n) { return m_highlight.Contains(n); });
    return StyleOfLook(
        EstimateCellLook(field, m_grid->Value(row, QStringLiteral("RUOTA")).toString().trimmed(),
                         m_grid->Value(row, QStringLiteral("NUM")).toInt(), marks));
}

void TfrmVornL8STIMA::CellDoubleClicked(int row, const QString& field) {
    if (field != QLatin1String("NUM")) return;
    const QString wheel = m_grid->Value(row, QStringLiteral("RUOTA")).toString().trimmed();
    if (ToggleAnnotation(this, wheel, m_grid->Value(row, field).toInt()))
        RefreshKeepingPosition(this, *m_grid, Sql());
}

void TfrmVornL8STIMA::EditParameters() {
    {
        TfrmVornL8STIMAPARMS params(this);
        if (RunModal(params) != QDialog::Accepted) return;
    }
    {
        BusyCursor busy;
        m_progress->show();
        m_grid->Clear();
        // The rescoring runs in a transaction of its own: a formula that fails on some row
        // leaves every estimate as it was, never half of them rescored.
        TDM1& dm = DM1();
        TDMS& engine = TDMS::Instance();
        dm.Commit();
        dm.StartTransaction();
        BarProgress progress(m_progress);
        const bool ok = engine.UpdateEstimates(progress);
        if (ok) {
            dm.Commit();
        } else {
            dm.Rollback();
            Dialogs::Information(this, QStringLiteral("Errore in aggiornamento stima:\r\n") +
                                           engine.GetErrorText());
            engine.ClearErrorText();
        }
        m_progress->hide();
    }
    const QSignalBlocker blocker(m_order);
    m_order->setCurrentIndex(int(EstimateOrder::Personal));
    OpenGrid();
}
