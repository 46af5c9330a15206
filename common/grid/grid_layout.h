#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// What a result grid looks like, independent of the widget: its bands and columns. The grid
// widget (BandedGrid) describes itself this way; the report layout (FillReportVett) and the
// spreadsheet export read it.

enum class ColumnKind { Text, Integer, Real, Date };

struct GridColumn {
    QString field;   // data field (column name of the query, upper case)
    QString caption; // column caption
    int band = 0;    // index into the band captions
    int width = 60;  // in pixels
    bool visible = true;
    ColumnKind kind = ColumnKind::Text;
};

// The content of a grid as shown: visible columns in display order, and per row one value per
// visible column (int or double for numbers, QString for texts, QDate for dates, a null
// QVariant for an empty cell). Band indexes of the columns refer to bandCaptions.
struct GridSnapshot {
    QStringList bandCaptions;
    QList<GridColumn> columns;
    QList<QVariantList> rows;
};
