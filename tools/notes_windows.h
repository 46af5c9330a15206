#pragma once

#include "common/base_grid_window.h"

#include <QString>

class BandedGrid;
class QLabel;
class QLineEdit;
class QPushButton;

enum class NotesMode { Lotto, Senal };

struct NotesListResult {
    bool ok = false;      // closed with OK
    bool changed = false; // annotations were changed
};

// The plain list of the annotated numbers, opened from the statistic windows.
NotesListResult ShowNotesList(QWidget* parent, NotesMode mode);
// The annotated-numbers window; true when the user picked a system, which TSceltaLottoSis then
// describes.
bool ChooseFromNotes(QWidget* parent, NotesMode mode);

// The captions, titles and list query of both windows.
QString NotesCaption(NotesMode mode);
QString NotesTitle(NotesMode mode);
QString NotesListSql(NotesMode mode);

class TfrmVornL8SHOWNOTE final : public TfrmVornBase1Grid {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmVornL8SHOWNOTE)

public:
    explicit TfrmVornL8SHOWNOTE(NotesMode mode, QWidget* parent = nullptr);
    bool Changed() const { return m_changed; }

private:
    void ListOpened();
    void ClearAll();

    NotesMode m_mode;
    QPushButton* m_clear = nullptr;
    bool m_changed = false;
};

class TfrmVornL8NOTE final : public TfrmVornBase1Grid {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmVornL8NOTE)

public:
    explicit TfrmVornL8NOTE(NotesMode mode, QWidget* parent = nullptr);

    BandedGrid* CatalogueGrid() const { return m_catalogue; }
    BandedGrid* IntegralGrid() const { return m_integral; }
    // What a click on a link cell does (row of the grid's data).
    void CatalogueLinkClicked(int row);
    void IntegralLinkClicked(int row);

private:
    void ListOpened();
    void RowChanged();
    void ClearAll();
    void EditNumbers();
    bool TakeNumbers(const QString& text, int expected);

    NotesMode m_mode;
    QPushButton* m_clear = nullptr;
    QWidget* m_panel = nullptr;
    QLabel* m_code = nullptr;
    QLineEdit* m_count = nullptr;
    BandedGrid* m_catalogue = nullptr;
    BandedGrid* m_integral = nullptr;
    QString m_rowCode;
    QString m_rowText;
    int m_rowCount = 0;
};
