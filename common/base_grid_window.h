#pragma once

#include "common/base_window.h"
#include "common/number_flags.h"

class BandedGrid;
class QFrame;
class QLabel;
class QPushButton;

// The frame of the result windows: the base frame with one read-only banded grid fed by the
// window's query, a green tool band (information label and the tools "Esporta griglia",
// "Evidenzia numeri", "Pdf + Salva/Stampa"), a right-hand side panel, and the highlighting of up
// to 20 numbers chosen by the user.
class TfrmVornBase1Grid : public TfrmVornBase {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmVornBase1Grid)

public:
    static inline const QString HighlightCaption =
        QStringLiteral("Selezionare i numeri da evidenziare (da 0 a 20)");
    static constexpr int HighlightLimit = 20;

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
    const NumberFlags& Highlighted() const { return m_highlighted; }
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
    NumberFlags m_highlighted{};
    bool m_firstHighlight = true;
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
