#pragma once

#include "common/base_window.h"

#include <QDate>
#include <QDialog>

class EditTrackingDelegate;
class QLabel;
class QTableView;
class TSenalEditModel;

// Entry and correction of one SuperEnalotto contest, edited in place in SENAL81 inside the
// transaction the archive window started for it.
class TfrmVornS8EDIT final : public TfrmVornBase {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmVornS8EDIT)

public:
    explicit TfrmVornS8EDIT(QWidget* parent = nullptr);
    ~TfrmVornS8EDIT() override;

    // Adds the row of a new contest at `date` and lets the user complete it; true when the
    // window closed through a successful confirmation. A date that holds a contest is refused
    // with the database's message, and the window is not shown.
    bool NewContest(const QDate& date);
    // Lets the user correct the contest of `date`; true on a successful confirmation.
    bool EditContest(const QDate& date);

    bool IsEditing() const { return m_editing; }

protected:
    void done(int result) override;

private:
    bool ShowFor(const QDate& date, const QString& title);
    void Confirm();
    void Cancel();

    TSenalEditModel* m_model = nullptr;
    EditTrackingDelegate* m_delegate = nullptr;
    QTableView* m_grid = nullptr;
    bool m_editing = false;
};
