#include "report/grid_export_window.h"

#include "common/grid/banded_grid.h"
#include "common/seams.h"
#include "common/skin.h"
#include "report/xls_writer.h"
#include "storage/tdm1.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <QPointer>

#include <exception>

namespace {

const QColor PanelGrey(215, 215, 215);
// The window lives from OpenGridExport to CloseGridExport (or until its parent goes).
QPointer<TFGRID2EXL> exportWindow;

QString ProgramFolder() {
    if (TDM1::HasInstance()) return DM1().AppDir;
    return QString();
}

} // namespace

const QStringList TFGRID2EXL::SaveFilters = {
    QStringLiteral("file HTML  (*.html)"), QStringLiteral("file EXCEL (*.xls)"),
    QStringLiteral("File di testo (*.txt)"), QStringLiteral("qualsiasi file (*.*)")};

TFGRID2EXL::TFGRID2EXL(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TFGRID2EXL"));
    setWindowTitle(QStringLiteral("Esporta "));

    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("pnlClient"));
    panel->setProperty(FixedColorProperty, true);
    SetBackground(panel, PanelGrey);

    auto* target = new QGroupBox(QStringLiteral(" Verso "), panel);
    target->setObjectName(QStringLiteral("rgVerso"));
    m_excel = new QRadioButton(QStringLiteral(" EXCEL"), target);
    m_excel->setObjectName(QStringLiteral("rbExcel"));
    m_excel->setChecked(true);
    auto* targetLayout = new QVBoxLayout(target);
    targetLayout->addWidget(m_excel);

    // Exports never expand the detail rows: the option stays hidden and off.
    m_expandDetails = new QCheckBox(QStringLiteral("Espandi dettagli"), panel);
    m_expandDetails->setObjectName(QStringLiteral("cbEspandi"));
    m_expandDetails->setChecked(false);
    m_expandDetails->setVisible(false);

    m_btnSave = new QPushButton(QStringLiteral("    Salva             "), panel);
    m_btnSave->setObjectName(QStringLiteral("btnSalva"));
    m_btnOpen = new QPushButton(QStringLiteral("Apri XLS salva/stampa"), panel);
    m_btnOpen->setObjectName(QStringLiteral("btnApri"));
    m_btnCancel = new QPushButton(QStringLiteral("Annulla"), panel);
    m_btnCancel->setObjectName(QStringLiteral("btnAnnulla"));

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_btnSave);
    buttons->addWidget(m_btnOpen);
    buttons->addStretch();
    buttons->addWidget(m_btnCancel);
    auto* panelLayout = new QHBoxLayout(panel);
    panelLayout->addWidget(target, 1);
    panelLayout->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel);
    layout->addWidget(m_expandDetails);
    resize(360, 150);

    connect(m_btnSave, &QPushButton::clicked, this, &TFGRID2EXL::Save);
    connect(m_btnOpen, &QPushButton::clicked, this, &TFGRID2EXL::OpenInSpreadsheet);
    connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFGRID2EXL::SetGrid(BandedGrid* grid, bool allowExpanding) {
    m_grid = grid;
    m_expandDetails->setEnabled(allowExpanding);
}

void TFGRID2EXL::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const QString folder = ProgramFolder();
    if (folder.isEmpty() || !QDir(folder).exists())
        Dialogs::Information(this, QStringLiteral("Errore in avvio 01. Chiudere l'applicazione !"));
}

bool TFGRID2EXL::ExportTo(const QString& path, QString& errorText) {
    if (!m_grid) {
        errorText = QStringLiteral("Nessuna griglia da esportare.");
        return false;
    }
    BusyCursor busy;
    // Exported cells carry no style of the grid.
    m_grid->SetExporting(true);
    const GridSnapshot snapshot = m_grid->Snapshot();
    m_grid->SetExporting(false);
    return WriteXlsFile(snapshot, WithXlsExtension(path), errorText);
}

void TFGRID2EXL::Save() {
    const QString chosen =
        Dialogs::SaveFileName(this, windowTitle(), SaveFilters, 1, QStringLiteral("xls"));
    if (chosen.isEmpty()) return;
    QString error;
    if (!ExportTo(chosen, error)) {
        Dialogs::Information(this, error);
        return;
    }
    accept();
}

void TFGRID2EXL::OpenInSpreadsheet() {
    if (!TDM1::HasInstance()) {
        Dialogs::Information(this, QStringLiteral("Errore in avvio 01. Chiudere l'applicazione !"));
        return;
    }
    const QString path = WithXlsExtension(DM1().NewXlsTempPath());
    QString error;
    if (!ExportTo(path, error)) {
        Dialogs::Information(this, error);
        return;
    }
    Shell::OpenFile(path, QFileInfo(path).absolutePath());
    accept();
}

bool OpenGridExport(QWidget* parent) {
    CloseGridExport();
    try {
        exportWindow = new TFGRID2EXL(parent);
    } catch (const std::exception& failure) {
        Dialogs::Information(parent, QStringLiteral("FGRID2EXL REPORT CREATION ERROR:") +
                                         QString::fromLocal8Bit(failure.what()));
        return false;
    }
    return true;
}

void ExportGrid(BandedGrid* grid, bool allowExpanding) {
    if (!exportWindow) return;
    exportWindow->SetGrid(grid, allowExpanding);
    RunModal(*exportWindow);
}

void CloseGridExport() {
    delete exportWindow.data();
}

void ExportGridThroughWindow(QWidget* parent, BandedGrid* grid) {
    if (!OpenGridExport(parent)) return;
    ExportGrid(grid, true);
    CloseGridExport();
}
