#pragma once

#include "common/grid/grid_layout.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <array>

// The columns of one grid as the grid report prints them: filled from the grid by
// FillReportVett, then adjusted by the caller (HideValue, BlankNonPositive, FormatReals).
struct TreportVett {
    static constexpr int MaxColumns = 24;
    static constexpr int MaxBands = 25;

    int ColumnCount = 0;
    QString HideValue;             // a cell whose trimmed text equals it prints empty
    bool BlankNonPositive = false; // numeric cells not above 0 print empty
    bool FormatReals = false;      // real cells print with 3 decimals
    std::array<QString, MaxColumns> FieldNames;
    std::array<QString, MaxColumns> Captions;
    std::array<double, MaxColumns> RelWidths{}; // width / sum of the widths of the columns
    std::array<bool, MaxColumns> IsNumeric{};
    std::array<bool, MaxColumns> IsInteger{};
    std::array<bool, MaxColumns> IsReal{};
    std::array<int, MaxColumns> BandIndex{}; // -1: the column belongs to no band
    int BandCount = 0;
    std::array<QString, MaxBands> BandCaptions; // trimmed
};

// Describes the visible columns of `columns` in their order, and the bands. A grid with more
// than 24 visible columns or 25 bands is described up to those limits and the result is false.
bool FillReportVett(const QList<GridColumn>& columns, const QStringList& bandCaptions,
                    TreportVett& vett);

// The text of a value as the report shows it before the cell rules: integers in decimal,
// reals in their shortest form with the user's decimal separator, dates DD.MM.YYYY, texts
// trimmed, null empty.
QString ReportValueText(const QVariant& value);

// The printed text of the cell of `column` holding `value`, after the cell rules of the layout:
// HideValue, then BlankNonPositive on numeric columns, then FormatReals on real columns.
QString ReportCellText(const TreportVett& vett, int column, const QVariant& value);

// The date printed on every report page.
QString ReportDateText(const QDate& date);
