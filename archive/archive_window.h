#pragma once

#include "archive/archive_browser.h"
#include "common/highlight_set.h"

#include <QDialog>
#include <QStringList>

#include <array>

class BandedGrid;
class QDateEdit;
class QFrame;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;

// What the archive windows of the two games say where they differ.
struct ArchiveWindowTexts {
    QString caption;
    QString title;
    QString helpCode;
    QString deleteCaption;
    QString editCaption;
    QString addCaption;
    QString loadCaption;
    QStringList fileFilters;
};

// The machinery both archive windows share: the header and footer bands, the navigator over
// the date list, the edit panel with the proposed date, the card of the current draw, the
// date range and highlighting of the listing, deletion, the find window and the load from an
// archive file. Each game's window adds its card and listing columns, its filters and its way
// of adding and correcting a draw.
class TArchiveWindow : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TArchiveWindow)

public:
    // 0 = editing in progress, 1 = ready, 2 = a new draw is being entered.
    int State() const { return m_state; }
    TArchiveBrowser& Browser() { return m_browser; }
    bool IsHighlighted(int n) const { return m_highlight.Contains(n); }

protected:
    TArchiveWindow(ArchiveGame game, const ArchiveWindowTexts& texts, QWidget* parent);

    // Building blocks for the game's window.
    BandedGrid* CardGrid() const { return m_cardGrid; }
    BandedGrid* ListingGrid() const { return m_listingGrid; }
    QHBoxLayout* FilterLayout() const { return m_filterLayout; } // before "DAL"
    QVBoxLayout* NavigatorLayout() const { return m_navigatorLayout; }
    QDate ProposedDateBox() const;
    void SetRange(const QDate& from, const QDate& to);

    void LoadDates();
    void LoadCard();
    void SetState(int state);
    void ResetWindow();
    void RefreshListing();
    // After the archive changed: reload the dates and the card, set the range's end (and its
    // start when asked) and refresh the listing once.
    void ReloadAfterChange(bool fromTheStart);
    // The user's short date, as the confirmations show it.
    static QString ShortDate(const QDate& date);

    // What the game does.
    virtual void Add() = 0;
    virtual void Edit() = 0;
    // Before the first ResetWindow of a show (the Lotto wheel list).
    virtual void PrepareShow() {}
    // After the card of the current draw was opened.
    virtual void CardLoaded() {}

    void showEvent(QShowEvent* event) override;
    void done(int result) override;

    const ArchiveGame m_game;
    bool m_loading = false;

private:
    void BuildLayout(const ArchiveWindowTexts& texts);
    void Delete();
    void Find();
    void Highlight();
    void LoadFromFile();
    void Navigate(void (TArchiveBrowser::*move)());

    TArchiveBrowser m_browser;
    ArchiveWindowTexts m_texts;
    int m_state = 1;
    HighlightSet m_highlight;

    QLabel* m_lblCurrentDate = nullptr;
    QDateEdit* m_edtNewDate = nullptr;
    QDateEdit* m_edtFrom = nullptr;
    QDateEdit* m_edtTo = nullptr;
    QFrame* m_pnlEdit = nullptr;
    BandedGrid* m_cardGrid = nullptr;
    BandedGrid* m_listingGrid = nullptr;
    QHBoxLayout* m_filterLayout = nullptr;
    QVBoxLayout* m_navigatorLayout = nullptr;
};

// The address of the help page of a window code on the product's site.
QString HelpPageUrl(const QString& code);
