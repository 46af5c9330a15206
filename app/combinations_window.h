#pragma once

#include "common/base_window.h"

class QComboBox;
class QLabel;

// The combinations calculator: how many groups of K numbers can be formed from N numbers.
class TfrmVornCOMBINAZ final : public TfrmVornBase {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmVornCOMBINAZ)

public:
    explicit TfrmVornCOMBINAZ(QWidget* parent = nullptr);

    // The items of the group drop-down, K = 2..6.
    static const QStringList GroupItems;

private:
    int GroupSize() const;
    void FillNumbers();
    void ShowResult();

    QComboBox* m_ddlGroup = nullptr;
    QComboBox* m_ddlNumbers = nullptr;
    QLabel* m_lblCount = nullptr;
    QLabel* m_lblGroups = nullptr;
};
