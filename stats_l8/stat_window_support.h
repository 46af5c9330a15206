#pragma once

#include "common/base_grid_window.h"
#include "common/grid/cell_style.h"
#include "stats_l8/l8_view_rules.h"

#include <QString>

#include <functional>

class BandedGrid;
class QWidget;

// What the Lotto statistic windows share: the cell styles of their looks, the annotation by
// double-click, the "Numeri annotati" list and the statistics report.

CellStyle StyleOfLook(CellLook look);

// The annotated numbers of the annotated-numbers module and the window's highlighted ones.
NumberMarks MarksOf(std::function<bool(int)> highlighted);

// Toggles the annotation of `number` on `wheel`; true when it changed (the caller refreshes its
// grid). A failure shows "SysErr:" and the module's text; an empty cell does nothing.
bool ToggleAnnotation(QWidget* parent, const QString& wheel, int number);

// The annotated-numbers list in Lotto mode; true when the annotations changed.
bool ShowLottoNotesList(QWidget* parent);

// Asks with the landscape print notice, then prints the grid's visible columns over `sql` with
// the window's title and the date of the statistics as heading lines, and opens the PDF.
void PrintStatistics(QWidget* parent, const QString& title, const QString& sql,
                     const BandedGrid& grid, bool threeDecimals);
// The pyramid as a report: the delay, then per wheel the numbers out at that delay.
void PrintPyramid(QWidget* parent, const QString& title);
