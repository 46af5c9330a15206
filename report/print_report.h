#pragma once

#include "report/report_layout.h"

#include <QString>
#include <QStringList>

class BandedGrid;

// The two reports as the windows call them: the PDF file is written, then opened in the
// system's viewer (open flag) or, without it, sent to the default printer (print flag).
// The result is true when the PDF was written; otherwise `errorText` holds the failure.

// The layout of a result grid: its visible columns in display order and its bands.
bool FillReportVett(const BandedGrid& grid, TreportVett& vett);

// The generic grid report over the rows of `sql`, laid out by `layout` (FillReportVett).
bool PrintGrid(bool landscape, const QString& title, const QStringList& headingLines,
               const QString& sql, const QString& filter, const TreportVett& layout, bool openFile,
               bool printFile, const QString& pdfPath, QString& errorText);

// The printout of a system: RIGA and N1..Nk of the rows of `sql` under the header lines.
// `rowCount` is the callers' count of rows; the layout does not depend on it.
bool PrintSystem(const QStringList& headerLines, const QString& sql, const QString& filter, int k,
                 int rowCount, bool pdfMode, bool printDirectly, const QString& pdfPath,
                 QString& errorText);
