#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// The printout of a system: its combinations (or win counts) under a header of description
// lines, written as an A4 portrait PDF file. Opening the file is the caller's (PrintSystem).
class TQRsisout final {
public:
    struct Request {
        QStringList headerLines; // printed at the top of every page, then a line of dashes
        QString sql;             // rows with RIGA and N1..N6
        QString filter;          // optional restriction of the rows
        int k = 6;               // number columns shown, 2..6
    };

    // Reads the rows of the request's query through the data module and writes the printout
    // at `pdfPath`. False with the failure's message in `errorText`; no file is left then.
    static bool WritePdf(const Request& request, const QString& pdfPath, QString& errorText);
    // The same over rows already read: RIGA, N1..N6 of each row.
    static bool WritePdf(const Request& request, const QList<QVariantList>& rows,
                         const QString& pdfPath, QString& errorText);

    // The printed text of a value of column `column` (0 = RIGA, 1..6 = N1..N6): a 0 prints
    // empty in the number columns, a null value everywhere.
    static QString CellText(int column, const QVariant& value);
    static const QString DashLine; // 74 dashes closing the header lines
};
