#pragma once

#include <QPointer>
#include <QStyledItemDelegate>

// Knows the cell editor that is open in an entry grid, so that a pending edit can be saved
// before a confirmation or dropped when the window closes.
class EditTrackingDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        m_editor = editor;
        return editor;
    }
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override {
        if (editor == m_editor) m_editor = nullptr;
        QStyledItemDelegate::destroyEditor(editor, index);
    }

    bool IsEditing() const { return !m_editor.isNull(); }
    // Closes the open editor, writing its text into the model when `save` is set.
    void Finish(bool save) {
        QWidget* editor = m_editor;
        if (!editor) return;
        if (save) emit commitData(editor);
        emit closeEditor(editor, save ? NoHint : RevertModelCache);
    }

private:
    mutable QPointer<QWidget> m_editor;
};
