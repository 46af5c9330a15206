#pragma once

#include "common/grid/grid_layout.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

// What the Lotto statistic windows show and how: grid layouts, cell looks, display texts and
// which (wheel, number) a double-click annotates. The windows wire these rules to their grids.

// The Lotto statistic tables a window shows.
enum class L8Stat {
    Ritardi,     // FL8RITAESTRA
    Frequenze,   // FL8FREQESTRA
    RappRitFreq, // FL8RPRFESTRA
    Somma2,      // FL8RIS2ESTRA
    Somma3,      // FL8RIS3ESTRA
    Piramide,    // FL8PIRAESTRA
    Gemelli,     // FL8RIGAGEMEL
    Vertibili,   // FL8RIGAVERTI
    Cadenze,     // FL8RIGACADEN
    Radicali,    // FL8RIGARADIC
};

struct L8StatText {
    QString caption;
    QString title;
    QString sql;
};
L8StatText StatText(L8Stat stat);
bool IsRanking(L8Stat stat);
bool IsGroupRow(L8Stat stat);
// Frequency and ratio values are shown (and printed) with three decimals.
bool ShowsThreeDecimals(L8Stat stat);

struct ViewLayout {
    QStringList bands;
    QList<GridColumn> columns;
};
ViewLayout StatLayout(L8Stat stat);
ViewLayout SummaryLayout(const QString& wheelName);
ViewLayout EstimateLayout();

// The looks a cell of these grids can take.
enum class CellLook { Default, Number, Value, Silver, White, Highlight, Annotated };

// How a window asks whether a number is annotated on a wheel or highlighted.
struct NumberMarks {
    std::function<bool(const QString& wheel, int number)> noted;
    std::function<bool(int number)> highlighted;
};

// Wheel code of a column letter (B, C, ... Z); empty for any other letter.
QString WheelOfLetter(QChar letter);

CellLook RankingCellLook(const QString& field, int number, const NumberMarks& marks);
CellLook PyramidCellLook(const QString& field, int number, const NumberMarks& marks);
CellLook GroupRowCellLook(const QString& field);
CellLook SummaryCellLook(const QString& field, const QString& wheel, int number,
                         const NumberMarks& marks);
CellLook EstimateCellLook(const QString& field, const QString& rowWheel, int number,
                          const NumberMarks& marks);

// The wheel a double-click on a cell of `field` annotates, empty when the cell annotates
// nothing (keys, values, delays).
QString RankingAnnotationWheel(const QString& field);
QString PyramidAnnotationWheel(const QString& field);
bool IsSummaryNumberField(const QString& field);

// Display texts.
QString ThreeDecimals(double value);
QString StatDisplayText(L8Stat stat, const QString& field, const QVariant& value);
QString SummaryDisplayText(const QString& field, const QVariant& value);
QString EstimateDisplayText(const QString& field, const QVariant& value);

// The per-wheel summary query for the wheel's column letter.
QString SummarySql(QChar letter);
// The estimate query for the checked wheel codes (none = all wheels) and the order item.
enum class EstimateOrder { Personal, Standard, WheelNumber };
QString EstimateSql(const QStringList& wheelCodes, EstimateOrder order);

// True when every Lotto statistic (its twelve FSTATLIST codes) was stamped with `cutOff` (a valid
// date): the statistics describe the archive up to its latest draw.
bool LottoStatsAligned(const QDate& cutOff);

// The heading line of every statistics report.
QString StatsUpdatedLine();
