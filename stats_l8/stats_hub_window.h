#pragma once

#include "common/base_window.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;

// The Lotto statistics hub: whether the statistics match the latest draw, the full recompute,
// and one button per statistic window.
class TfrmVornL8STATS final : public TfrmVornBase {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmVornL8STATS)

public:
    explicit TfrmVornL8STATS(QWidget* parent = nullptr);

    QLabel* InfoLine() const { return m_info; }
    QPushButton* RecomputeButton() const { return m_recompute; }
    QWidget* ProgressPanel() const { return m_progressPanel; }
    QProgressBar* TotalBar() const { return m_total; }
    QProgressBar* StepBar() const { return m_step; }

    // The information line, the recompute caption and the progress panel, from FSTATLIST and
    // the date of the latest draw.
    void ShowAlignment();
    void Recompute();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* AddButton(QWidget* panel, const QString& caption, const QString& name);
    void OpenNotes();

    QLabel* m_info = nullptr;
    QPushButton* m_recompute = nullptr;
    QWidget* m_progressPanel = nullptr;
    QProgressBar* m_total = nullptr;
    QProgressBar* m_step = nullptr;
    QWidget* m_panels = nullptr;
};
