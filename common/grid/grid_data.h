#pragma once

#include "common/grid/grid_layout.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// All rows of a grid query, fetched at once: the shared transaction's cursors close at every
// commit, so a grid never keeps one open.
struct GridData {
    QStringList fields;       // upper case, in query order
    QList<ColumnKind> kinds;  // one per field
    QList<QVariantList> rows; // one value per field; a null QVariant for SQL NULL

    int FieldIndex(const QString& field) const;
};

// Runs `sql` through the general data module's connection and reads every row. Texts lose the
// blanks a CHAR expression pads them with. On failure `data` is left empty and `errorText`
// holds the database's message.
bool FetchGridData(const QString& sql, GridData& data, QString& errorText);

// The kind of a column from the type of its values.
ColumnKind KindOfType(int metaTypeId);
