#include "common/grid/grid_filter.h"

#include "common/helpers.h"

#include <QDate>
#include <QDateTime>

const QStringList& FilterOperatorTexts() {
    static const QStringList texts = {
        QStringLiteral("e' uguale a"),    QStringLiteral("e' diverso da"),
        QStringLiteral("e' minore di"),   QStringLiteral("e' minore o uguale a"),
        QStringLiteral("e' maggiore di"), QStringLiteral("e' maggiore o uguale a"),
        QStringLiteral("contiene"),       QStringLiteral("non contiene"),
        QStringLiteral("inizia con"),     QStringLiteral("finisce con"),
        QStringLiteral("e' vuoto"),       QStringLiteral("non e' vuoto"),
    };
    return texts;
}

bool OperatorNeedsValue(FilterOperator op) {
    return op != FilterOperator::Blank && op != FilterOperator::NotBlank;
}

QString GridFilter::Description(const QList<GridColumn>& columns) const {
    QStringList parts;
    for (const FilterCondition& condition : conditions) {
        QString caption = condition.field;
        for (const GridColumn& column : columns)
            if (column.field == condition.field && !column.caption.trimmed().isEmpty())
                caption = column.caption.trimmed();
        QString part = caption + QLatin1Char(' ') + FilterOperatorTexts().at(int(condition.op));
        if (OperatorNeedsValue(condition.op)) part += QLatin1Char(' ') + condition.value;
        parts << part;
    }
    return parts.join(matchAll ? QStringLiteral(" e ") : QStringLiteral(" o "));
}

namespace {

// -1, 0, 1; `comparable` false when the two cannot be compared.
int Compare(const QVariant& value, const QString& typed, ColumnKind kind, bool& comparable) {
    comparable = true;
    if (kind == ColumnKind::Integer || kind == ColumnKind::Real) {
        bool error = false;
        const double wanted = TextToFloat(typed, error);
        comparable = !error;
        const double number = value.toDouble();
        return number < wanted ? -1 : (number > wanted ? 1 : 0);
    }
    if (kind == ColumnKind::Date) {
        QDate wanted;
        for (const char* format : {"d/M/yyyy", "d.M.yyyy", "d-M-yyyy", "yyyy-M-d"}) {
            wanted = QDate::fromString(typed.trimmed(), QLatin1String(format));
            if (wanted.isValid()) break;
        }
        comparable = wanted.isValid();
        const QDate date =
            value.typeId() == QMetaType::QDateTime ? value.toDateTime().date() : value.toDate();
        return date < wanted ? -1 : (date > wanted ? 1 : 0);
    }
    const int order = QString::compare(value.toString(), typed, Qt::CaseInsensitive);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

} // namespace

bool ConditionHolds(const FilterCondition& condition, const QVariant& value,
                    const QString& shownText, ColumnKind kind) {
    const bool blank = value.isNull() || shownText.isEmpty();
    switch (condition.op) {
    case FilterOperator::Blank:
        return blank;
    case FilterOperator::NotBlank:
        return !blank;
    case FilterOperator::Contains:
        return shownText.contains(condition.value, Qt::CaseInsensitive);
    case FilterOperator::NotContains:
        return !shownText.contains(condition.value, Qt::CaseInsensitive);
    case FilterOperator::BeginsWith:
        return shownText.startsWith(condition.value, Qt::CaseInsensitive);
    case FilterOperator::EndsWith:
        return shownText.endsWith(condition.value, Qt::CaseInsensitive);
    default:
        break;
    }
    if (value.isNull()) return condition.op == FilterOperator::NotEqual;
    bool comparable = false;
    const int order = Compare(value, condition.value, kind, comparable);
    if (!comparable) return condition.op == FilterOperator::NotEqual;
    switch (condition.op) {
    case FilterOperator::Equal:
        return order == 0;
    case FilterOperator::NotEqual:
        return order != 0;
    case FilterOperator::Less:
        return order < 0;
    case FilterOperator::LessOrEqual:
        return order <= 0;
    case FilterOperator::Greater:
        return order > 0;
    case FilterOperator::GreaterOrEqual:
        return order >= 0;
    default:
        return false;
    }
}

GridProxyModel::GridProxyModel(QObject* parent)
    : QSortFilterProxyModel(parent) {
    setSortRole(GridModel::RawValueRole);
    setDynamicSortFilter(false);
}

void GridProxyModel::SetFilter(const GridFilter& filter) {
    m_filter = filter;
    invalidateFilter();
}

bool GridProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    if (m_filter.IsEmpty()) return true;
    const auto* model = static_cast<const GridModel*>(sourceModel());
    for (const FilterCondition& condition : m_filter.conditions) {
        const int column = model->ColumnOf(condition.field);
        bool holds = false;
        if (column >= 0)
            holds = ConditionHolds(condition, model->ValueAt(sourceRow, column),
                                   model->DisplayText(sourceRow, column),
                                   model->Columns().at(column).kind);
        if (m_filter.matchAll && !holds) return false;
        if (!m_filter.matchAll && holds) return true;
    }
    return m_filter.matchAll;
}

bool GridProxyModel::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const QVariant a = left.data(GridModel::RawValueRole);
    const QVariant b = right.data(GridModel::RawValueRole);
    if (a.isNull() || b.isNull()) return a.isNull() && !b.isNull(); // empty cells first
    const auto* model = static_cast<const GridModel*>(sourceModel());
    switch (model->Columns().at(left.column()).kind) {
    case ColumnKind::Integer:
    case ColumnKind::Real:
        return a.toDouble() < b.toDouble();
    case ColumnKind::Date:
        return a.toDateTime() < b.toDateTime();
    case ColumnKind::Text:
        break;
    }
    return a.toString().localeAwareCompare(b.toString()) < 0;
}
