#include "common/grid/check_list_combo.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStandardItemModel>
#include <QStylePainter>

namespace {
constexpr int ShortTextRole = Qt::UserRole + 1;
}

CheckListCombo::CheckListCombo(QWidget* parent)
    : QComboBox(parent)
    , m_items(new QStandardItemModel(this)) {
    setModel(m_items);
    view()->viewport()->installEventFilter(this);
    view()->installEventFilter(this);
    connect(m_items, &QStandardItemModel::itemChanged, this, [this] {
        update();
        if (!m_batch) emit checkedChanged();
    });
}

void CheckListCombo::AddItem(const QString& description, const QString& shortText) {
    auto* item = new QStandardItem(description);
    item->setData(shortText, ShortTextRole);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setData(Qt::Unchecked, Qt::CheckStateRole);
    m_items->appendRow(item);
    update();
}

QString CheckListCombo::Description(int item) const {
    return itemText(item);
}

QString CheckListCombo::ShortText(int item) const {
    const QString text = itemData(item, ShortTextRole).toString();
    return text.isEmpty() ? itemText(item) : text;
}

bool CheckListCombo::IsChecked(int item) const {
    return itemData(item, Qt::CheckStateRole).toInt() == Qt::Checked;
}

void CheckListCombo::SetChecked(int item, bool checked) {
    if (item < 0 || item >= count() || IsChecked(item) == checked) return;
    m_items->item(item)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void CheckListCombo::SetAllChecked(bool checked) {
    bool changed = false;
    m_batch = true;
    for (int item = 0; item < count(); ++item)
        if (IsChecked(item) != checked) {
            m_items->item(item)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
            changed = true;
        }
    m_batch = false;
    if (changed) emit checkedChanged();
}

QList<int> CheckListCombo::CheckedItems() const {
    QList<int> items;
    for (int item = 0; item < count(); ++item)
        if (IsChecked(item)) items << item;
    return items;
}

void CheckListCombo::SetEmptySelectionText(const QString& text) {
    m_emptyText = text;
    update();
}

QString CheckListCombo::DisplayText() const {
    QStringList texts;
    for (int item : CheckedItems())
        texts << ShortText(item);
    return texts.isEmpty() ? m_emptyText : texts.join(QLatin1Char(';'));
}

bool CheckListCombo::eventFilter(QObject* watched, QEvent* event) {
    // A click or the space bar toggles the item under it and keeps the list open.
    if (watched == view()->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QModelIndex index = view()->indexAt(mouse->position().toPoint());
        if (index.isValid()) SetChecked(index.row(), !IsChecked(index.row()));
        return true;
    }
    if (watched == view() && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space) {
            const QModelIndex index = view()->currentIndex();
            if (index.isValid()) SetChecked(index.row(), !IsChecked(index.row()));
            return true;
        }
    }
    return QComboBox::eventFilter(watched, event);
}

void CheckListCombo::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText = DisplayText();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}
