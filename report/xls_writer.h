#pragma once

#include "common/grid/grid_layout.h"

#include <QByteArray>
#include <QString>

// Excel 97-2003 workbooks (BIFF8 inside a compound file) holding one worksheet with a grid as
// the user sees it: the band captions on the first row (when the grid has any), the column
// captions below them, then one row per grid row. Numbers are written as numbers, texts as
// texts, dates as dates; cells carry no style of their own.

// The whole file; empty when the grid does not fit in a worksheet (65536 rows, 256 columns).
QByteArray XlsWorkbookFile(const GridSnapshot& grid);

// Writes the file at `path` (replacing it only once complete). False with an Italian message in
// `errorText` when the grid does not fit or the file cannot be written.
bool WriteXlsFile(const GridSnapshot& grid, const QString& path, QString& errorText);

// The file name with its extension replaced by xls (added when it has none).
QString WithXlsExtension(const QString& path);
