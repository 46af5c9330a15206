#pragma once

#include "archive/archive_window.h"

class QLabel;

// The SuperEnalotto archive: one contest at a time with its number, the listing the user can
// sort and filter, and contests added or corrected each in a transaction of its own.
class TfrmVornS8ESTRA final : public TArchiveWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmVornS8ESTRA)

public:
    explicit TfrmVornS8ESTRA(QWidget* parent = nullptr);

protected:
    void Add() override;
    void Edit() override;
    void CardLoaded() override;

private:
    // Runs the entry window in a transaction of its own: committed when the contest was saved,
    // rolled back otherwise.
    void InOwnTransaction(bool newContest, const QDate& date);

    QLabel* m_lblContest = nullptr;
};
