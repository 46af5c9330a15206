#pragma once

#include <QComboBox>
#include <QList>

class QStandardItemModel;

// A drop-down list of check boxes. Each item has a description (shown in the list) and a short
// text; the closed box shows the short texts of the checked items, separated by ";", or the
// empty-selection text when none is checked.
class CheckListCombo final : public QComboBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CheckListCombo)

public:
    explicit CheckListCombo(QWidget* parent = nullptr);

    void AddItem(const QString& description, const QString& shortText = QString());
    int ItemCount() const { return count(); }
    QString Description(int item) const;
    QString ShortText(int item) const;

    bool IsChecked(int item) const;
    void SetChecked(int item, bool checked);
    void SetAllChecked(bool checked);
    QList<int> CheckedItems() const;

    void SetEmptySelectionText(const QString& text);
    QString EmptySelectionText() const { return m_emptyText; }
    QString DisplayText() const;

signals:
    // A check changed, by the user or by SetChecked.
    void checkedChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QStandardItemModel* m_items;
    QString m_emptyText;
    bool m_batch = false;
};
