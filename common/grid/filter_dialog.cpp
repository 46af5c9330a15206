#include "common/grid/filter_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

GridFilterDialog::GridFilterDialog(const QList<GridColumn>& columns, const GridFilter& filter,
                                   const QString& preselectedField, QWidget* parent)
    : QDialog(parent)
    , m_columns(columns)
    , m_preselected(preselectedField) {
    setObjectName(QStringLiteral("GridFilterDialog"));
    setWindowTitle(QStringLiteral("Filtra"));
    setMinimumWidth(560);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* caption = new QLabel(QStringLiteral("Mostra le righe dove:"), this);
    caption->setObjectName(QStringLiteral("lblShowRows"));
    m_match = new QComboBox(this);
    m_match->setObjectName(QStringLiteral("cbMatch"));
    m_match->addItem(QStringLiteral("tutte le condizioni sono vere (E)"));
    m_match->addItem(QStringLiteral("almeno una condizione e' vera (O)"));
    m_match->setCurrentIndex(filter.matchAll ? 0 : 1);
    top->addWidget(caption);
    top->addWidget(m_match);
    top->addStretch(1);
    layout->addLayout(top);

    m_lines = new QVBoxLayout;
    layout->addLayout(m_lines);
    layout->addStretch(1);

    auto* add = new QPushButton(QStringLiteral("Aggiungi una &Condizione"), this);
    add->setObjectName(QStringLiteral("btnAddCondition"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Annulla"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    auto* apply = new QPushButton(QStringLiteral("&Applica"), this);
    apply->setObjectName(QStringLiteral("btnApply"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(apply);
    layout->addLayout(buttons);

    connect(add, &QPushButton::clicked, this, [this] { AddCondition(); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(apply, &QPushButton::clicked, this, [this] { emit applied(Filter()); });

    for (const FilterCondition& condition : filter.conditions)
        AddLine(condition);
    if (filter.IsEmpty()) AddCondition();
}

int GridFilterDialog::AddCondition() {
    FilterCondition condition;
    condition.field = m_preselected.isEmpty() ? m_columns.value(0).field : m_preselected;
    return AddLine(condition);
}

int GridFilterDialog::AddLine(const FilterCondition& condition) {
    const int index = int(m_lineList.size());
    Line line;
    line.row = new QWidget(this);
    auto* row = new QHBoxLayout(line.row);
    row->setContentsMargins(0, 0, 0, 0);
    line.field = new QComboBox(line.row);
    line.field->setObjectName(QStringLiteral("cbField%1").arg(index));
    for (const GridColumn& column : std::as_const(m_columns)) {
        const QString caption = column.caption.trimmed();
        line.field->addItem(caption.isEmpty() ? column.field : caption, column.field);
    }
    line.field->setCurrentIndex(std::max(0, line.field->findData(condition.field)));
    line.op = new QComboBox(line.row);
    line.op->setObjectName(QStringLiteral("cbOperator%1").arg(index));
    line.op->addItems(FilterOperatorTexts());
    line.op->setCurrentIndex(int(condition.op));
    line.value = new QLineEdit(condition.value, line.row);
    line.value->setObjectName(QStringLiteral("edValue%1").arg(index));
    auto* remove = new QPushButton(QStringLiteral("Rimuovi"), line.row);
    remove->setObjectName(QStringLiteral("btnRemove%1").arg(index));
    row->addWidget(line.field, 2);
    row->addWidget(line.op, 2);
    row->addWidget(line.value, 3);
    row->addWidget(remove);
    m_lines->addWidget(line.row);
    const auto updateValue = [value = line.value, op = line.op] {
        value->setEnabled(OperatorNeedsValue(FilterOperator(op->currentIndex())));
    };
    connect(line.op, &QComboBox::currentIndexChanged, line.value, updateValue);
    updateValue();
    QWidget* rowWidget = line.row;
    connect(remove, &QPushButton::clicked, this, [this, rowWidget] {
        for (int i = 0; i < m_lineList.size(); ++i)
            if (m_lineList.at(i).row == rowWidget) RemoveCondition(i);
    });
    m_lineList << line;
    return index;
}

void GridFilterDialog::RemoveCondition(int index) {
    if (index < 0 || index >= m_lineList.size()) return;
    m_lineList.takeAt(index).row->deleteLater();
}

int GridFilterDialog::ConditionCount() const {
    return int(m_lineList.size());
}

void GridFilterDialog::SetCondition(int index, const QString& field, FilterOperator op,
                                    const QString& value) {
    if (index < 0 || index >= m_lineList.size()) return;
    const Line& line = m_lineList.at(index);
    line.field->setCurrentIndex(std::max(0, line.field->findData(field.toUpper())));
    line.op->setCurrentIndex(int(op));
    line.value->setText(value);
}

GridFilter GridFilterDialog::Filter() const {
    GridFilter filter;
    filter.matchAll = m_match->currentIndex() == 0;
    for (const Line& line : m_lineList) {
        FilterCondition condition;
        condition.field = line.field->currentData().toString();
        condition.op = FilterOperator(line.op->currentIndex());
        condition.value = line.value->text().trimmed();
        if (condition.field.isEmpty()) continue;
        // A condition that needs a value and has none is left out, as the user expects.
        if (OperatorNeedsValue(condition.op) && condition.value.isEmpty()) continue;
        filter.conditions << condition;
    }
    return filter;
}
