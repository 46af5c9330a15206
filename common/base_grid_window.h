#pragma once

#include "common/base_window.h"
#include "common/highlight_set.h"

class BandedGrid;
class QFrame;
class QLabel;
class QPushButton;

// Opens `grid` on `sql`; when the query fails the user reads "Errore apertura archivio 01" and
// the grid stays empty.
bool OpenResultGrid(QWidget* parent, BandedGrid& grid, const QString& sql);
// Reopens `grid` on `sql` keeping its focused and top row, with the hourglass.
void RefreshKeepingPosition(QWidget* parent, BandedGrid& grid, const QString& sql);
// A button and a yellow bold label of the green tool bands of the result windows.
QPushButton* NewToolButton(QWidget* parent, const QString& caption, const QString& name);
QLabel* NewBandLabel(QWidget* parent, const QString& text = QString());

// The frame of the result windows: the base frame with one read-only banded grid fed by the
// window's query, a green tool band (information label and the tools "Esporta griglia",
// "Evidenzia numeri", "Pdf + Salva/Stampa"), a right-hand side panel, and the highlighting of up
// to 20 numbers chosen by the user.
class TfrmVornBase1Grid : public TfrmVornBase {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmVornBase1Grid)

public:
    explicit TfrmVornBase1Grid(QWidget* parent = nullptr);

    // The grid query; set before the window is shown.
    void SetGridQuery(const QString& sql) { m_gridSql = sql; }
    QString GridQuery() const { return m_gridSql; }
    // The "Evidenzia numeri" button is shown unless the derived window switches it off.
    void SetHighlightEnabled(bool enabled);

    BandedGrid* Grid() const { return m_cxGrid1; }
    QLabel* InfoLabel() const { return m_lblInfo; }
    QFrame* ToolsPanel() const { return m_pnlTools; }
    QFrame* RightPanel() const { return m_pnlRightGrid; }
    QPushButton* ExportButton() const { return m_btnExport; }
    QPushButton* HighlightButton() const { return m_cxButton2; }
    QPushButton* PrintButton() const { return m_btnPrint; }

    // A further button of the tool panel, after the three of every result window.
    QPushButton* AddToolButton(const QString& caption, const QString& name);

    bool IsHighlighted(int n) const;
    const NumberFlags& Highlighted() const { return m_highlight.Flags(); }
    bool IsBusy() const { return m_busy; }

    // Opens the grid on its query; "Errore apertura archivio 01" when it fails.
    bool OpenGrid();
    // Reopens the grid keeping the focused and the top row.
    virtual void RefreshGrid();
    // "Evidenzia numeri": the picker for 0 to 20 numbers; on confirmation the grid repaints.
    void HighlightNumbers();

protected:
    void SetupLook() override;
    void showEvent(QShowEvent* event) override;
    // "Pdf + Salva/Stampa". A window without a report of its own highlights numbers.
    virtual void OnPrint();
    void ExportGridClicked();

private:
    QString m_gridSql;
    HighlightSet m_highlight;
    bool m_highlightEnabled = true;
    bool m_busy = false;

    QFrame* m_pnlToolBand = nullptr;
    QLabel* m_lblInfo = nullptr;
    QFrame* m_pnlTools = nullptr;
    QPushButton* m_btnExport = nullptr;
    QPushButton* m_cxButton2 = nullptr;
    QPushButton* m_btnPrint = nullptr;
    QFrame* m_pnlRightGrid = nullptr;
    BandedGrid* m_cxGrid1 = nullptr;
};
