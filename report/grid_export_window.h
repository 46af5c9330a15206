#pragma once

#include <QDialog>
#include <QString>

class BandedGrid;
class QCheckBox;
class QPushButton;
class QRadioButton;
class QWidget;

// The grid export window: saves the grid as a spreadsheet file, or writes it to the tmp folder
// and opens it in the spreadsheet program.
class TFGRID2EXL final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFGRID2EXL)

public:
    explicit TFGRID2EXL(QWidget* parent = nullptr);

    void SetGrid(BandedGrid* grid, bool allowExpanding);
    // The grid, all its rows as shown, written to `path` with the extension replaced by xls.
    bool ExportTo(const QString& path, QString& errorText);

    static const QStringList SaveFilters;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Save();
    void OpenInSpreadsheet();

    BandedGrid* m_grid = nullptr;
    QRadioButton* m_excel = nullptr;
    QCheckBox* m_expandDetails = nullptr;
    QPushButton* m_btnSave = nullptr;
    QPushButton* m_btnOpen = nullptr;
    QPushButton* m_btnCancel = nullptr;
};

// Every "Esporta griglia" button goes through these three operations: create the window (false,
// after a message, when it cannot be created), show it modally for a grid, release it.
bool OpenGridExport(QWidget* parent = nullptr);
void ExportGrid(BandedGrid* grid, bool allowExpanding);
void CloseGridExport();
// The three in a row, as the "Esporta griglia" buttons run them.
void ExportGridThroughWindow(QWidget* parent, BandedGrid* grid);
