#pragma once

#include "common/grid/cell_style.h"
#include "common/grid/grid_data.h"
#include "common/grid/grid_layout.h"

#include <QAbstractTableModel>

#include <functional>

// The per-cell callbacks a window gives its grid. Rows are data rows (the order the query
// returned them in), fields are upper case. A text callback returning a null QString leaves
// the cell's usual text.
using CellStyleFunction = std::function<CellStyle(int row, const QString& field)>;
using CellTextFunction =
    std::function<QString(int row, const QString& field, const QVariant& value)>;

enum class SummaryKind { None, Count, Sum, Min, Max, Average };

// The rows of a grid in memory, one model column per grid column (hidden ones included), in
// the grid's column order.
class GridModel final : public QAbstractTableModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GridModel)

public:
    static constexpr int RawValueRole = Qt::UserRole + 1;

    explicit GridModel(QObject* parent = nullptr);

    // Replaces the rows; the kind of each column follows the type of its field.
    void SetGridData(GridData data);
    const GridData& Data() const { return m_data; }
    void Clear();

    // Fixed columns. Without them the grid shows every field of the query, captioned by name.
    void SetColumns(const QList<GridColumn>& columns);
    bool HasFixedColumns() const { return m_fixedColumns; }
    const QList<GridColumn>& Columns() const { return m_columns; }
    GridColumn& ColumnAt(int column) { return m_columns[column]; }
    int ColumnOf(const QString& field) const;

    QVariant Value(int row, const QString& field) const;
    QVariant ValueAt(int row, int column) const;
    QString DisplayText(int row, int column) const;
    CellStyle StyleAt(int row, int column) const;

    void SetCellStyle(CellStyleFunction function);
    void SetCellText(CellTextFunction function);
    // While exporting, cells are drawn without their styles.
    void SetExporting(bool exporting);
    bool Exporting() const { return m_exporting; }
    // Repaints every cell (after a change the callbacks depend on).
    void Repaint();

    static QString DefaultText(const QVariant& value, ColumnKind kind);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void MapColumns();

    GridData m_data;
    QList<GridColumn> m_columns;
    QList<int> m_fieldOfColumn; // index into m_data.fields, -1 when the query lacks the field
    bool m_fixedColumns = false;
    bool m_exporting = false;
    CellStyleFunction m_style;
    CellTextFunction m_text;
};

// Count of non-empty values; sum, minimum, maximum and average of the numeric ones. Null when
// there is nothing to summarise.
QVariant ComputeSummary(SummaryKind kind, const QVariantList& values);
QString SummaryText(SummaryKind kind, const QVariant& value);
