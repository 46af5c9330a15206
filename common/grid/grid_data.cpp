#include "common/grid/grid_data.h"

#include "storage/tdm1.h"

#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

int GridData::FieldIndex(const QString& field) const {
    return fields.indexOf(field.toUpper());
}

ColumnKind KindOfType(int metaTypeId) {
    switch (metaTypeId) {
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return ColumnKind::Integer;
    case QMetaType::Float:
    case QMetaType::Double:
        return ColumnKind::Real;
    case QMetaType::QDate:
    case QMetaType::QDateTime:
        return ColumnKind::Date;
    default:
        return ColumnKind::Text;
    }
}

static QString RightTrimmed(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.left(end);
}

bool FetchGridData(const QString& sql, GridData& data, QString& errorText) {
    data = GridData();
    QSqlQuery query = DM1().NewQuery();
    query.setForwardOnly(true);
    if (!DM1().OpenQuery(query, sql, errorText)) return false;
    const QSqlRecord record = query.record();
    const int count = record.count();
    for (int i = 0; i < count; ++i) {
        data.fields << record.fieldName(i).toUpper();
        data.kinds << KindOfType(record.field(i).metaType().id());
    }
    while (query.next()) {
        QVariantList row;
        row.reserve(count);
        for (int i = 0; i < count; ++i) {
            QVariant value = query.value(i);
            if (value.isNull())
                value = QVariant();
            else if (data.kinds.at(i) == ColumnKind::Text)
                value = RightTrimmed(value.toString());
            else if (data.kinds.at(i) == ColumnKind::Date &&
                     value.typeId() == QMetaType::QDateTime &&
                     value.toDateTime().time().msecsSinceStartOfDay() == 0)
                value = value.toDateTime().date(); // a timestamp at midnight is a date
            row << value;
        }
        data.rows << row;
    }
    if (query.lastError().isValid()) {
        errorText = TDM1::MessageOf(query);
        data = GridData();
        return false;
    }
    return true;
}
