#pragma once

#include "archive/archive_file.h"

#include <QDate>
#include <QDialog>

class QTableWidget;

// Finds a draw by year and date: the years with draws (newest first) beside the dates of the
// selected year. The two games' windows differ only in the archive they read.
class TArchiveFindWindow : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TArchiveFindWindow)

public:
    // Shows the game's find window modally; true with the chosen date on "Seleziona".
    static bool FindDate(ArchiveGame game, QDate& date, QWidget* parent = nullptr);

    QDate SelectedDate() const { return m_selected; }

protected:
    TArchiveFindWindow(ArchiveGame game, QWidget* parent);
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void OpenYears();
    void OpenDates();
    void Select();

    ArchiveGame m_game;
    QTableWidget* m_years = nullptr;
    QTableWidget* m_dates = nullptr;
    QDate m_selected;
};

class TfrmKelvARCHIVE_FINDL8 final : public TArchiveFindWindow {
    Q_OBJECT
public:
    explicit TfrmKelvARCHIVE_FINDL8(QWidget* parent = nullptr)
        : TArchiveFindWindow(ArchiveGame::Lotto, parent) {}
};

class TfrmKelvARCHIVE_FINDS8 final : public TArchiveFindWindow {
    Q_OBJECT
public:
    explicit TfrmKelvARCHIVE_FINDS8(QWidget* parent = nullptr)
        : TArchiveFindWindow(ArchiveGame::Senal, parent) {}
};
