#include "archive/lotto_edit_model.h"

#include "storage/tdm1.h"

TLottoEditModel::TLottoEditModel(TDM1& dm, QObject* parent)
    : QAbstractTableModel(parent)
    , m_dm(dm) {}

bool TLottoEditModel::Load(QString& message) {
    beginResetModel();
    const bool ok = ReadEditTable(m_dm, m_rows, message);
    endResetModel();
    return ok;
}

void TLottoEditModel::RowsChanged() {
    beginResetModel();
    endResetModel();
}

void TLottoEditModel::SetNumbersEditable(bool editable) {
    m_numbersEditable = editable;
    if (!m_rows.isEmpty()) emit dataChanged(index(0, ColN1), index(int(m_rows.size()) - 1, ColN5));
}

int TLottoEditModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int TLottoEditModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TLottoEditModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return QVariant();
    const LottoEditRow& row = m_rows.at(index.row());
    switch (index.column()) {
    case ColWheel:
        return row.wheel;
    case ColNums:
        return row.nums;
    default: {
        // Edited as text, so that a cell can be emptied.
        const QVariant& n = row.numbers[index.column() - ColN1];
        if (n.isNull()) return QString();
        return role == Qt::EditRole ? QVariant(QString::number(n.toInt())) : n;
    }
    }
}

bool TLottoEditModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || index.column() == ColWheel) return false;
    LottoEditRow row = m_rows.at(index.row());
    if (index.column() == ColNums) {
        row.nums = value.toString();
    } else {
        const QString text = value.toString().trimmed();
        bool ok = true;
        const int n = text.toInt(&ok);
        if (!text.isEmpty() && !ok) return false; // a number cell takes integers only
        row.numbers[index.column() - ColN1] = text.isEmpty() ? QVariant() : QVariant(n);
    }
    QString message;
    if (!SaveEditRow(m_dm, row, message)) {
        emit saveFailed(message);
        return false;
    }
    m_rows[index.row()] = row;
    emit dataChanged(index, index);
    return true;
}

QVariant TLottoEditModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QVariant();
    switch (section) {
    case ColWheel:
        return QStringLiteral("RUOTA");
    case ColNums:
        return QStringLiteral("Con separatore");
    default:
        return QStringLiteral("N%1").arg(section - ColN1 + 1);
    }
}

Qt::ItemFlags TLottoEditModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    const bool number = index.column() >= ColN1 && index.column() <= ColN5;
    if (index.column() == ColNums || (number && m_numbersEditable)) flags |= Qt::ItemIsEditable;
    return flags;
}
