#pragma once

#include "common/number_flags.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The number picker: the one dialog through which the user chooses a set of numbers 1..90
// (the numbers of a system, of a condition's group, to highlight, to annotate).
class TfrmVornGETNUM final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmVornGETNUM)

public:
    // Shows the picker modally. `minimum` and `maximum` bound the count that may be confirmed;
    // excluded numbers cannot be chosen; `selection` is read at start when
    // `startFromSelection` is set and is overwritten only when the user confirms.
    static bool SelectNumbers(const QString& caption, int minimum, int maximum,
                              const NumberFlags& excluded, NumberFlags& selection, bool showList,
                              bool startFromSelection, QWidget* parent = nullptr);

    explicit TfrmVornGETNUM(QWidget* parent = nullptr);
    // The state on entry: every box enabled and unchecked, exclusions disabled, the starting
    // selection applied, then one refresh.
    void Setup(const QString& caption, int minimum, int maximum, const NumberFlags& excluded,
               const NumberFlags& selection, bool showList, bool startFromSelection);
    NumberFlags Selection() const;

    // For the number boxes: a click of the user on box n.
    void BoxClicked(int n, bool starting);

private:
    void Refresh();
    int CheckedCount() const;
    void SetCaptionColor(QCheckBox* box, bool checked);
    // The row and column buttons: numbers first, first + step, ... (count of them).
    void CheckRun(int first, int step, int count, const QString& what);
    void UncheckRun(int first, int step, int count);

    QLabel* m_caption = nullptr;
    QLabel* m_count = nullptr;
    QPlainTextEdit* m_list = nullptr;
    QPushButton* m_confirm = nullptr;
    QCheckBox* m_boxes[91] = {};
    NumberFlags m_excluded{};
    int m_minimum = 0;
    int m_maximum = 90;
    int m_clicked = 0;
    bool m_batch = false;
};
