#pragma once

#include "archive/archive_window.h"

class CheckListCombo;

// The Lotto archive: the eleven wheels of each draw, the listing of all wheels by date with a
// choice of wheels, and draws entered or corrected in the draw-entry window.
class TfrmVornL8ESTRA final : public TArchiveWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmVornL8ESTRA)

public:
    explicit TfrmVornL8ESTRA(QWidget* parent = nullptr);

protected:
    void Add() override;
    void Edit() override;
    void PrepareShow() override;

private:
    void WheelsChanged();

    CheckListCombo* m_wheels = nullptr;
    QChar m_separator = QLatin1Char(' ');
    QDate m_newDate;
    QDate m_previousDate;
};
