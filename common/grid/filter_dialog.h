#pragma once

#include "common/grid/grid_filter.h"

#include <QDialog>

class QComboBox;
class QVBoxLayout;

// The grid's filter dialog: one line per condition (column, operator, value), all or any of
// them to hold.
class GridFilterDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GridFilterDialog)

public:
    // `columns` are the columns the user may filter on; a new condition starts on
    // `preselectedField` when given.
    GridFilterDialog(const QList<GridColumn>& columns, const GridFilter& filter,
                     const QString& preselectedField, QWidget* parent = nullptr);

    GridFilter Filter() const;
    int ConditionCount() const;
    // Adds a condition line (as "Aggiungi una Condizione" does) and returns its index.
    int AddCondition();
    // Sets a line as the user would: the column by field, the operator, the value typed.
    void SetCondition(int index, const QString& field, FilterOperator op, const QString& value);
    void RemoveCondition(int index);

signals:
    void applied(const GridFilter& filter);

private:
    struct Line {
        QWidget* row;
        QComboBox* field;
        QComboBox* op;
        class QLineEdit* value;
    };
    int AddLine(const FilterCondition& condition);

    QList<GridColumn> m_columns;
    QString m_preselected;
    QComboBox* m_match = nullptr;
    QVBoxLayout* m_lines = nullptr;
    QList<Line> m_lineList;
};
