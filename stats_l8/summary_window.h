#pragma once

#include "common/base_window.h"
#include "stats_l8/stat_window_support.h"

class BandedGrid;
class QComboBox;
class QPushButton;

// The per-wheel summary: for one wheel, the number and value at every rank of the five
// rankings side by side.
class TfrmVornL8XRUOTA final : public TfrmVornBase {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmVornL8XRUOTA)

public:
    static inline const QString Title = QStringLiteral("Stat. Lotto: Riepilogo per ruota");

    explicit TfrmVornL8XRUOTA(int wheelIndex = 0, QWidget* parent = nullptr);

    BandedGrid* Grid() const { return m_grid; }
    QComboBox* WheelChoice() const { return m_wheel; }
    // The wheel shown (0-based, BARI when nothing is chosen).
    int WheelIndex() const;
    QString Sql() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OpenGrid();
    void Refresh();
    CellStyle Style(int row, const QString& field) const;
    void CellDoubleClicked(int row, const QString& field);

    QComboBox* m_wheel = nullptr;
    BandedGrid* m_grid = nullptr;
    HighlightSet m_highlight;
};
