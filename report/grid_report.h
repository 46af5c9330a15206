#pragma once

#include "report/report_layout.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// The generic grid report: any grid of up to 24 columns laid out as a paged A4 report and
// written as a PDF file. Opening or printing the file is the caller's (PrintGrid).
class TQRgen final {
public:
    struct Request {
        bool landscape = true;
        QString title;            // empty: the product line
        QStringList headingLines; // printed under the title on every page
        QString sql;              // the rows, one per record
        QString filter;           // optional restriction of the rows
        TreportVett layout;
    };

    // Reads the rows of the request's query through the data module and writes the report at
    // `pdfPath`. False with the failure's message in `errorText`; no file is left then.
    static bool WritePdf(const Request& request, const QString& pdfPath, QString& errorText);
    // The same over rows already read: one value per described column, in column order.
    static bool WritePdf(const Request& request, const QList<QVariantList>& rows,
                         const QString& pdfPath, QString& errorText);
};
