#pragma once

#include <QDate>
#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTableView;
class TLottoEditModel;
class EditTrackingDelegate;

// Entry and correction of the five numbers of every wheel of one Lotto draw, in a grid or as
// one list per wheel, over the work table LOTTO_APPINS that the archive window prepared.
class TfrmVornL8EDIT final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmVornL8EDIT)

public:
    explicit TfrmVornL8EDIT(QWidget* parent = nullptr);
    ~TfrmVornL8EDIT() override;

    // Shows the window for the draw of `date`; true only when the draw was saved.
    static bool EditDraw(bool newDraw, const QDate& date, QWidget* parent = nullptr);
    void Setup(bool newDraw, const QDate& date);

    bool ListMode() const;
    QChar Separator() const { return m_separator; }
    bool IsEditingRow() const;

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void ApplyEntryMode();
    void SeparatorChosen();
    void Confirm();
    bool CommitPendingEdit();
    void GoToFirstRow();

    TLottoEditModel* m_model = nullptr;
    EditTrackingDelegate* m_delegate = nullptr;
    QTableView* m_grid = nullptr;
    QLabel* m_lblMode = nullptr;
    QLineEdit* m_edtDate = nullptr;
    QRadioButton* m_rbGrid = nullptr;
    QRadioButton* m_rbList = nullptr;
    QGroupBox* m_grpSeparator = nullptr;
    QRadioButton* m_rbSeparator[3] = {}; // point, comma, blank
    QChar m_separator = QLatin1Char(' ');
    QDate m_date;
    bool m_newDraw = false;
    bool m_updating = false;
};
