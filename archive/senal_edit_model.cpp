#include "archive/senal_edit_model.h"

TSenalEditModel::TSenalEditModel(QObject* parent)
    : QAbstractTableModel(parent) {}

void TSenalEditModel::SetRow(const SenalContestRow& row) {
    beginResetModel();
    m_row = row;
    m_hasRow = true;
    endResetModel();
}

void TSenalEditModel::Clear() {
    beginResetModel();
    m_row = SenalContestRow();
    m_hasRow = false;
    endResetModel();
}

QVariant& TSenalEditModel::Cell(int column) {
    if (column == ColContest) return m_row.contest;
    if (column == ColJolly) return m_row.jolly;
    if (column == ColSuperStar) return m_row.superStar;
    return m_row.numbers[column - ColN1];
}

const QVariant& TSenalEditModel::Cell(int column) const {
    return const_cast<TSenalEditModel*>(this)->Cell(column);
}

int TSenalEditModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_hasRow ? 0 : 1;
}

int TSenalEditModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TSenalEditModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return QVariant();
    if (index.column() == ColDate) return m_row.date.toString(QStringLiteral("dd/MM/yyyy"));
    // Edited as text, so that a cell can be emptied.
    const QVariant& value = Cell(index.column());
    if (value.isNull()) return QString();
    return role == Qt::EditRole ? QVariant(QString::number(value.toInt())) : value;
}

bool TSenalEditModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || index.column() == ColDate) return false;
    const QString text = value.toString().trimmed();
    bool ok = true;
    const int n = text.toInt(&ok);
    if (!text.isEmpty() && !ok) return false;
    Cell(index.column()) = text.isEmpty() ? QVariant() : QVariant(n);
    emit dataChanged(index, index);
    return true;
}

QVariant TSenalEditModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QVariant();
    switch (section) {
    case ColDate:
        return QStringLiteral("Data");
    case ColContest:
        return QStringLiteral("CONCORSO");
    case ColJolly:
        return QStringLiteral("Jolly");
    case ColSuperStar:
        return QStringLiteral("SuperStar");
    default:
        return QStringLiteral("N%1").arg(section - ColN1 + 1);
    }
}

Qt::ItemFlags TSenalEditModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() != ColDate) flags |= Qt::ItemIsEditable;
    return flags;
}
