#pragma once

#include "common/base_window.h"
#include "stats_l8/stat_window_support.h"

class BandedGrid;
class CheckListCombo;
class QComboBox;
class QProgressBar;
class QPushButton;

// The estimate of every wheel and number: ranks and values in the five rankings, the
// standard and the personalised estimate; the personalised one can be computed again after
// its parameters change.
class TfrmVornL8STIMA final : public TfrmVornBase {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmVornL8STIMA)

public:
    static inline const QString Title =
        QStringLiteral("Lotto:Riepilogo x numero. Stime standard e personalizzata");

    explicit TfrmVornL8STIMA(QWidget* parent = nullptr);

    BandedGrid* Grid() const { return m_grid; }
    CheckListCombo* WheelList() const { return m_wheels; }
    QComboBox* OrderList() const { return m_order; }
    QProgressBar* ProgressBar() const { return m_progress; }
    QString Sql() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OpenGrid();
    CellStyle Style(int row, const QString& field) const;
    void CellDoubleClicked(int row, const QString& field);
    void EditParameters();

    CheckListCombo* m_wheels = nullptr;
    QComboBox* m_order = nullptr;
    QProgressBar* m_progress = nullptr;
    BandedGrid* m_grid = nullptr;
    HighlightSet m_highlight;
    bool m_ready = false;
};
