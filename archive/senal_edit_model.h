#pragma once

#include "archive/senal_contest.h"

#include <QAbstractTableModel>

// The one contest row the SuperEnalotto entry grid edits: DATAESTRA (read-only), CONCORSO,
// N1..N6, NJ and NS. A cell takes an integer or nothing (null); the row is written by the
// window once it passes CheckContest.
class TSenalEditModel final : public QAbstractTableModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TSenalEditModel)

public:
    enum Column {
        ColDate,
        ColContest,
        ColN1,
        ColN6 = ColN1 + 5,
        ColJolly,
        ColSuperStar,
        ColumnCount
    };

    explicit TSenalEditModel(QObject* parent = nullptr);

    void SetRow(const SenalContestRow& row);
    void Clear();
    bool HasRow() const { return m_hasRow; }
    const SenalContestRow& Row() const { return m_row; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QVariant& Cell(int column);
    const QVariant& Cell(int column) const;

    SenalContestRow m_row;
    bool m_hasRow = false;
};
