#pragma once

#include "app/window_table.h"

#include <QWidget>

#include <functional>

class QFrame;

// The main window: connects to the database when first shown, loads the settings, cleans the
// tmp folder and offers every function of the program as a button of its menu board. Closing it
// ends the program. It opens the follow-up windows that other windows ask for with the private
// messages.
class TfrmVornMain final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmVornMain)

public:
    // Where the window finds what opens under an action or follow-up name.
    using OpenerLookup = std::function<WindowOpener(const QString& name)>;

    explicit TfrmVornMain(QWidget* parent = nullptr);
    ~TfrmVornMain() override;

    // Tests replace the table of windows; an empty lookup restores it.
    void SetOpenerLookup(OpenerLookup lookup);

    // Runs the action of that name (ActL8ESTRA ...), as its button does.
    void RunAction(const QString& actionName);

    void ArrangeColumns();
    void ApplyLook();
    void CleanTempFolder();

    // True once the first show's steps have run (whatever their outcome).
    bool FirstShowDone() const { return m_firstShowDone; }

    static const QString NotAvailableText;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    void FirstShow();
    void BuildBoard();
    void FitMinimumSize();
    void HandleMessage(int message);
    // Opens the window under `name`; a missing one is reported. Returns its answer.
    bool OpenFollowUp(const QString& name);
    // The system of the current choice: integral for kind "I", the game's reduced otherwise.
    void OpenChoice(bool senal);

    OpenerLookup m_lookup;
    bool m_shownOnce = false;
    bool m_firstShowDone = false;
    QFrame* m_pnlBoard = nullptr;
    QFrame* m_columns[3] = {};
};
