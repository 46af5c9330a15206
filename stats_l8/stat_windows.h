#pragma once

#include "common/base_grid_window.h"
#include "common/grid/cell_style.h"
#include "stats_l8/l8_view_rules.h"

class CheckListCombo;
class QPushButton;

// The Lotto statistic windows over one table each: the five rankings, the pyramid and the four
// group-row tables. They only read their table.
class TfrmVornL8StatGrid : public TfrmVornBase1Grid {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmVornL8StatGrid)

public:
    L8Stat Stat() const { return m_stat; }
    CheckListCombo* WheelList() const { return m_wheels; } // group rows only
    QPushButton* NotesButton() const { return m_notes; }   // not in the group rows

protected:
    TfrmVornL8StatGrid(L8Stat stat, const QString& objectName, QWidget* parent);
    void OnPrint() override;

private:
    CellStyle Style(int row, const QString& field) const;
    void CellDoubleClicked(int row, const QString& field);
    void WheelsChanged();

    L8Stat m_stat;
    CheckListCombo* m_wheels = nullptr;
    QPushButton* m_notes = nullptr;
};

class TfrmVornL8RITAESTRA final : public TfrmVornL8StatGrid {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmVornL8RITAESTRA)

public:
    explicit TfrmVornL8RITAESTRA(QWidget* parent = nullptr)
        : TfrmVornL8StatGrid(L8Stat::Ritardi, QStringLiteral("TfrmVornL8RITAESTRA"), parent) {}
};

class TfrmVornL8FREQESTRA final : public TfrmVornL8StatGrid {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmVornL8FREQESTRA)

public:
    explicit TfrmVornL8FREQESTRA(QWidget* parent = nullptr)
        : TfrmVornL8StatGrid(L8Stat::Frequenze, QStringLiteral("TfrmVornL8FREQESTRA"), parent) {}
};

class TfrmVornL8RPRFESTRA final : public TfrmVornL8StatGrid {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmVornL8RPRFESTRA)

public:
    explicit TfrmVornL8RPRFESTRA(QWidget* parent = nullptr)
        : TfrmVornL8StatGrid(L8Stat::RappRitFreq, QStringLiteral("TfrmVornL8RPRFESTRA"), parent) {}
};

class TfrmVornL8RIS2ESTRA final : public TfrmVornL8StatGrid {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmVornL8RIS2ESTRA)

public:
    explicit TfrmVornL8RIS2ESTRA(QWidget* parent = nullptr)
        : TfrmVornL8StatGrid(L8Stat::Somma2, QStringLiteral("TfrmVornL8RIS2ESTRA"), parent) {}
};

class TfrmVornL8RIS3ESTRA final : public TfrmVornL8StatGrid {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmVornL8RIS3ESTRA)

public:
    explicit TfrmVornL8RIS3ESTRA(QWidget* parent = nullptr)
        : TfrmVornL8StatGrid(L8Stat::Somma3, QStringLiteral("TfrmVornL8RIS3ESTRA"), parent) {}
};

class TfrmVornL8PIRAESTRA final : public TfrmVornL8StatGrid {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmVornL8PIRAESTRA)

public:
    explicit TfrmVornL8PIRAESTRA(QWidget* parent = nullptr)
        : TfrmVornL8StatGrid(L8Stat::Piramide, QStringLiteral("TfrmVornL8PIRAESTRA"), parent) {}
};

class TfrmVornL8RIGAGEMEL final : public TfrmVornL8StatGrid {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmVornL8RIGAGEMEL)

public:
    explicit TfrmVornL8RIGAGEMEL(QWidget* parent = nullptr)
        : TfrmVornL8StatGrid(L8Stat::Gemelli, QStringLiteral("TfrmVornL8RIGAGEMEL"), parent) {}
};

class TfrmVornL8RIGAVERTI final : public TfrmVornL8StatGrid {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmVornL8RIGAVERTI)

public:
    explicit TfrmVornL8RIGAVERTI(QWidget* parent = nullptr)
        : TfrmVornL8StatGrid(L8Stat::Vertibili, QStringLiteral("TfrmVornL8RIGAVERTI"), parent) {}
};

class TfrmVornL8RIGACADEN final : public TfrmVornL8StatGrid {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmVornL8RIGACADEN)

public:
    explicit TfrmVornL8RIGACADEN(QWidget* parent = nullptr)
        : TfrmVornL8StatGrid(L8Stat::Cadenze, QStringLiteral("TfrmVornL8RIGACADEN"), parent) {}
};

class TfrmVornL8RIGARADIC final : public TfrmVornL8StatGrid {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmVornL8RIGARADIC)

public:
    explicit TfrmVornL8RIGARADIC(QWidget* parent = nullptr)
        : TfrmVornL8StatGrid(L8Stat::Radicali, QStringLiteral("TfrmVornL8RIGARADIC"), parent) {}
};

// Creates the window of a statistic, shows it modally and releases it.
void ShowStatWindow(L8Stat stat, QWidget* parent);
