#pragma once

#include "common/grid/grid_filter.h"
#include "common/grid/grid_layout.h"
#include "common/grid/grid_model.h"

#include <QHash>
#include <QWidget>

class BandedHeaderView;
class GridFooter;
class QLabel;
class QPushButton;
class QTableView;

// The read-only result grid of every window: bands above the column captions, columns and
// bands that can be shown and hidden, per-cell styles and texts from the window, optional
// footer summaries, a row filter and (where the window allows it) sorting by the user.
// It is fed by a SQL text and keeps all rows in memory.
//
// Rows in the callbacks, Value() and cellDoubleClicked are data rows (query order); focused and
// top rows are rows as shown (after sorting and filtering).
class BandedGrid final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BandedGrid)

public:
    explicit BandedGrid(QWidget* parent = nullptr);
    ~BandedGrid() override;

    // Layout. Without SetColumns the grid shows every field of its query.
    void SetBands(const QStringList& captions);
    QStringList BandCaptions() const { return m_bandCaptions; }
    void SetBandCaption(int band, const QString& caption);
    void SetBandVisible(int band, bool visible);
    bool IsBandVisible(int band) const;
    void SetColumns(const QList<GridColumn>& columns);
    QList<GridColumn> Columns() const; // every column, in display order
    void SetColumnVisible(const QString& field, bool visible);
    bool IsColumnVisible(const QString& field) const; // shown: its band is visible too
    void SetColumnCaption(const QString& field, const QString& caption);
    void SetColumnWidth(const QString& field, int width);

    // Data.
    bool Open(const QString& sql, QString& errorText);
    // Reopens the same query keeping the focused and the top row.
    bool Refresh(QString& errorText);
    void Clear();
    QString Sql() const { return m_sql; }
    int RowCount() const;     // rows shown
    int DataRowCount() const; // rows read
    QVariant Value(int dataRow, const QString& field) const;
    int DataRow(int shownRow) const;
    int ShownRow(int dataRow) const;

    // Focus and scrolling.
    int FocusedRow() const;
    void SetFocusedRow(int row);
    QString FocusedField() const;
    int TopRow() const;
    void SetTopRow(int row);

    // Look.
    void SetCellStyle(CellStyleFunction function);
    void SetCellText(CellTextFunction function);
    void SetExporting(bool exporting);
    bool Exporting() const;
    void Repaint();
    BandedHeaderView* Header() const { return m_header; }
    QTableView* View() const { return m_view; }

    // What the user may do.
    void SetUserSorting(bool allowed);
    bool UserSorting() const;
    void SetFilter(const GridFilter& filter);
    GridFilter Filter() const;
    // The filter dialog; `column` preselects the column of its first new condition.
    void ShowFilterDialog(int column = -1);

    // Footer summaries, over the rows shown.
    void SetFooterVisible(bool visible);
    bool FooterVisible() const;
    void SetSummary(const QString& field, SummaryKind kind);
    SummaryKind Summary(const QString& field) const;
    QVariant SummaryValue(const QString& field) const;
    QString SummaryTextOf(const QString& field) const;

    // The grid as shown (visible columns in display order, rows after filter and sort, values
    // as displayed: numbers as numbers, empty cells as null) and its layout alone.
    GridSnapshot Snapshot() const;
    GridSnapshot Layout() const;

    GridModel* Model() const { return m_model; }

signals:
    void cellDoubleClicked(int dataRow, const QString& field);
    void focusedRowChanged(int row);
    void opened();

private:
    void ApplyColumns();
    void UpdateFilterBar();
    void ShowHeaderMenu(const QPoint& position);
    void ShowFooterMenu(int column, const QPoint& globalPosition);
    bool IsShown(int column) const;
    QVariant ShownValue(int dataRow, int column) const;

    GridModel* m_model = nullptr;
    GridProxyModel* m_proxy = nullptr;
    QTableView* m_view = nullptr;
    BandedHeaderView* m_header = nullptr;
    GridFooter* m_footer = nullptr;
    QWidget* m_filterBar = nullptr;
    QLabel* m_filterLabel = nullptr;
    QString m_sql;
    QStringList m_bandCaptions;
    QList<bool> m_bandVisible;
    QHash<QString, SummaryKind> m_summaries;
    bool m_applying = false;

    friend class GridFooter;
};
