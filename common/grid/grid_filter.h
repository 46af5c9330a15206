#pragma once

#include "common/grid/grid_model.h"

#include <QSortFilterProxyModel>
#include <QStringList>

// A row filter the user builds in the filter dialog: conditions on columns, all of them or
// any of them true.
enum class FilterOperator {
    Equal,
    NotEqual,
    Less,
    LessOrEqual,
    Greater,
    GreaterOrEqual,
    Contains,
    NotContains,
    BeginsWith,
    EndsWith,
    Blank,
    NotBlank,
};

// The operators' texts, in the order of FilterOperator.
const QStringList& FilterOperatorTexts();
bool OperatorNeedsValue(FilterOperator op);

struct FilterCondition {
    QString field;
    FilterOperator op = FilterOperator::Equal;
    QString value; // as the user typed it
};

struct GridFilter {
    QList<FilterCondition> conditions;
    bool matchAll = true; // false: any condition

    bool IsEmpty() const { return conditions.isEmpty(); }
    // "BN e' uguale a 7 e RIT e' maggiore di 10", with the columns' captions.
    QString Description(const QList<GridColumn>& columns) const;
};

// Whether one cell satisfies a condition: numbers and dates compare as such (a value the
// user typed that is not a number never equals a number), texts without regard to case.
bool ConditionHolds(const FilterCondition& condition, const QVariant& value,
                    const QString& shownText, ColumnKind kind);

// Filters and sorts the rows of a GridModel. Sorting compares the stored values (numbers as
// numbers); sort column -1 is the query's own order.
class GridProxyModel final : public QSortFilterProxyModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GridProxyModel)

public:
    explicit GridProxyModel(QObject* parent = nullptr);
    void SetFilter(const GridFilter& filter);
    const GridFilter& Filter() const { return m_filter; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    GridFilter m_filter;
};
