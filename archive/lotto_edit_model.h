#pragma once

#include "archive/lotto_draw_entry.h"

#include <QAbstractTableModel>

class TDM1;

// The rows of the work table LOTTO_APPINS as the draw-entry grid edits them: RUOTA (read-only),
// N1..N5 and NUMS. Every accepted change is saved into the table at once; a number cell takes
// an integer or nothing (null).
class TLottoEditModel final : public QAbstractTableModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TLottoEditModel)

public:
    enum Column { ColWheel, ColN1, ColN2, ColN3, ColN4, ColN5, ColNums, ColumnCount };

    explicit TLottoEditModel(TDM1& dm, QObject* parent = nullptr);

    bool Load(QString& message);
    QList<LottoEditRow>& Rows() { return m_rows; }
    // After the rows were changed as a whole.
    void RowsChanged();
    void SetNumbersEditable(bool editable);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    // A change could not be saved into the work table.
    void saveFailed(const QString& message);

private:
    TDM1& m_dm;
    QList<LottoEditRow> m_rows;
    bool m_numbersEditable = true;
};
