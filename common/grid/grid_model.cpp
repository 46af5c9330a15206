#include "common/grid/grid_model.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>

GridModel::GridModel(QObject* parent)
    : QAbstractTableModel(parent) {}

void GridModel::SetGridData(GridData data) {
    beginResetModel();
    m_data = std::move(data);
    if (!m_fixedColumns) {
        m_columns.clear();
        for (int i = 0; i < m_data.fields.size(); ++i) {
            GridColumn column;
            column.field = m_data.fields.at(i);
            column.caption = column.field;
            m_columns << column;
        }
    }
    MapColumns();
    endResetModel();
}

void GridModel::Clear() {
    beginResetModel();
    m_data.rows.clear();
    endResetModel();
}

void GridModel::SetColumns(const QList<GridColumn>& columns) {
    beginResetModel();
    m_columns = columns;
    for (GridColumn& column : m_columns)
        column.field = column.field.toUpper();
    m_fixedColumns = true;
    MapColumns();
    endResetModel();
}

void GridModel::MapColumns() {
    m_fieldOfColumn.clear();
    for (GridColumn& column : m_columns) {
        const int field = m_data.FieldIndex(column.field);
        m_fieldOfColumn << field;
        if (field >= 0) column.kind = m_data.kinds.at(field);
    }
}

int GridModel::ColumnOf(const QString& field) const {
    const QString upper = field.toUpper();
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns.at(i).field == upper) return i;
    return -1;
}

QVariant GridModel::Value(int row, const QString& field) const {
    if (row < 0 || row >= m_data.rows.size()) return QVariant();
    const int at = m_data.FieldIndex(field);
    return at < 0 ? QVariant() : m_data.rows.at(row).at(at);
}

QVariant GridModel::ValueAt(int row, int column) const {
    if (row < 0 || row >= m_data.rows.size() || column < 0 || column >= m_columns.size())
        return QVariant();
    const int field = m_fieldOfColumn.at(column);
    return field < 0 ? QVariant() : m_data.rows.at(row).at(field);
}

QString GridModel::DisplayText(int row, int column) const {
    const QVariant value = ValueAt(row, column);
    if (m_text) {
        const QString text = m_text(row, m_columns.at(column).field, value);
        if (!text.isNull()) return text;
    }
    return DefaultText(value, m_columns.at(column).kind);
}

CellStyle GridModel::StyleAt(int row, int column) const {
    if (m_exporting || !m_style) return CellStyle();
    return m_style(row, m_columns.at(column).field);
}

QString GridModel::DefaultText(const QVariant& value, ColumnKind kind) {
    if (value.isNull()) return QString(QLatin1String(""));
    switch (kind) {
    case ColumnKind::Integer:
        return QString::number(value.toLongLong());
    case ColumnKind::Real:
        return QLocale().toString(value.toDouble(), 'g', 15);
    case ColumnKind::Date:
        if (value.typeId() == QMetaType::QDateTime)
            return value.toDateTime().toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"));
        return value.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    case ColumnKind::Text:
        break;
    }
    return value.toString();
}

void GridModel::SetCellStyle(CellStyleFunction function) {
    m_style = std::move(function);
    Repaint();
}

void GridModel::SetCellText(CellTextFunction function) {
    m_text = std::move(function);
    Repaint();
}

void GridModel::SetExporting(bool exporting) {
    if (m_exporting == exporting) return;
    m_exporting = exporting;
    Repaint();
}

void GridModel::Repaint() {
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_data.rows.size());
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return DisplayText(row, column);
    case RawValueRole:
        return ValueAt(row, column);
    case Qt::TextAlignmentRole: {
        const ColumnKind kind = m_columns.at(column).kind;
        const bool number = kind == ColumnKind::Integer || kind == ColumnKind::Real;
        return QVariant::fromValue(
            Qt::Alignment((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
    }
    case Qt::BackgroundRole: {
        const CellStyle style = StyleAt(row, column);
        return style.background.isValid() ? QVariant(style.background) : QVariant();
    }
    case Qt::ForegroundRole: {
        const CellStyle style = StyleAt(row, column);
        return style.textColor.isValid() ? QVariant(style.textColor) : QVariant();
    }
    case Qt::FontRole: {
        const CellStyle style = StyleAt(row, column);
        return style.font ? QVariant(*style.font) : QVariant();
    }
    default:
        return QVariant();
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole) return m_columns.at(section).caption;
    return QVariant();
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

static bool IsNumber(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Float:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

static bool IsWhole(const QVariant& value) {
    return value.typeId() != QMetaType::Float && value.typeId() != QMetaType::Double;
}

QVariant ComputeSummary(SummaryKind kind, const QVariantList& values) {
    if (kind == SummaryKind::None) return QVariant();
    if (kind == SummaryKind::Count) {
        int count = 0;
        for (const QVariant& value : values)
            if (!value.isNull()) ++count;
        return count;
    }
    bool whole = true;
    int count = 0;
    double sum = 0, min = 0, max = 0;
    for (const QVariant& value : values) {
        if (value.isNull() || !IsNumber(value)) continue;
        const double number = value.toDouble();
        whole = whole && IsWhole(value);
        min = count == 0 ? number : std::min(min, number);
        max = count == 0 ? number : std::max(max, number);
        sum += number;
        ++count;
    }
    if (count == 0) return QVariant();
    const auto typed = [whole](double number) {
        return whole ? QVariant(qlonglong(number)) : QVariant(number);
    };
    switch (kind) {
    case SummaryKind::Sum:
        return typed(sum);
    case SummaryKind::Min:
        return typed(min);
    case SummaryKind::Max:
        return typed(max);
    case SummaryKind::Average:
        return sum / count;
    default:
        return QVariant();
    }
}

QString SummaryText(SummaryKind kind, const QVariant& value) {
    QString label;
    switch (kind) {
    case SummaryKind::None:
        return QString();
    case SummaryKind::Count:
        label = QStringLiteral("Cont.: ");
        break;
    case SummaryKind::Sum:
        label = QStringLiteral("Somma: ");
        break;
    case SummaryKind::Min:
        label = QStringLiteral("Min: ");
        break;
    case SummaryKind::Max:
        label = QStringLiteral("Max: ");
        break;
    case SummaryKind::Average:
        label = QStringLiteral("Media: ");
        break;
    }
    if (value.isNull()) return label;
    if (value.typeId() == QMetaType::Double)
        return label + QLocale().toString(value.toDouble(), 'f', 3);
    return label + QString::number(value.toLongLong());
}
