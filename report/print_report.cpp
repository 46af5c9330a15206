#include "report/print_report.h"

#include "common/grid/banded_grid.h"
#include "common/seams.h"
#include "report/grid_report.h"
#include "report/system_report.h"

#include <QFileInfo>

namespace {

void Deliver(const QString& pdfPath, bool openFile, bool printFile) {
    if (openFile)
        Shell::OpenFile(pdfPath, QFileInfo(pdfPath).absolutePath());
    else if (printFile)
        Shell::PrintFile(pdfPath);
}

} // namespace

bool FillReportVett(const BandedGrid& grid, TreportVett& vett) {
    const GridSnapshot layout = grid.Layout();
    return FillReportVett(layout.columns, layout.bandCaptions, vett);
}

bool PrintGrid(bool landscape, const QString& title, const QStringList& headingLines,
               const QString& sql, const QString& filter, const TreportVett& layout, bool openFile,
               bool printFile, const QString& pdfPath, QString& errorText) {
    TQRgen::Request request;
    request.landscape = landscape;
    request.title = title;
    request.headingLines = headingLines;
    request.sql = sql;
    request.filter = filter;
    request.layout = layout;
    if (!TQRgen::WritePdf(request, pdfPath, errorText)) return false;
    Deliver(pdfPath, openFile, printFile);
    return true;
}

bool PrintSystem(const QStringList& headerLines, const QString& sql, const QString& filter, int k,
                 int rowCount, bool pdfMode, bool printDirectly, const QString& pdfPath,
                 QString& errorText) {
    Q_UNUSED(rowCount);
    TQRsisout::Request request;
    request.headerLines = headerLines;
    request.sql = sql;
    request.filter = filter;
    request.k = k;
    if (!TQRsisout::WritePdf(request, pdfPath, errorText)) return false;
    Deliver(pdfPath, pdfMode, printDirectly);
    return true;
}
