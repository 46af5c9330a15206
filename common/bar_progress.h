#pragma once

#include "common/progress.h"

#include <QPointer>

class QAbstractButton;
class QProgressBar;

// The progress of a long job shown on a window's progress bar, with an optional stop button.
// The window creates one per job:
//     BarProgress total(ui->pbTotale, ui->btnStop);
//     engine.Recompute(total, partial, date);
class BarProgress final : public Progress {
public:
    explicit BarProgress(QProgressBar* bar, QAbstractButton* stop = nullptr);
    ~BarProgress() override;
    BarProgress(const BarProgress&) = delete;
    BarProgress& operator=(const BarProgress&) = delete;

    void SetRange(int minimum, int maximum) override;
    void SetPosition(int position) override;
    void ProcessEvents() override;
    bool StopRequested() const override { return m_stop; }
    void RequestStop() { m_stop = true; }

private:
    QPointer<QProgressBar> m_bar;
    QPointer<QAbstractButton> m_button;
    QMetaObject::Connection m_connection;
    bool m_stop = false;
};
