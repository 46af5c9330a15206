#pragma once

#include "common/helpers.h"
#include "stats_l8/lotto_stats_compute.h"

#include <QDate>
#include <QList>
#include <QString>

#include <array>

class Progress;
class TDM1;

// One number and its value in a row of a ranking table.
struct RankingPair {
    int number = 0;
    double value = 0;
};

// The Lotto statistics module: recomputes every Lotto statistic table (rankings, estimate
// rows, pyramid, estimate values, group rows) in one transaction of TDM1 and keeps the text of
// the last failure. It never shows a message.
class TDMS final {
public:
    explicit TDMS(TDM1& dm);
    ~TDMS();
    TDMS(const TDMS&) = delete;
    TDMS& operator=(const TDMS&) = delete;

    static TDMS& Instance();

    // The full recompute up to the cut-off date: commits an open transaction, starts one, runs
    // every step, commits; the first failing step rolls everything back. `overall` goes 0..15
    // over the steps, `step` follows the step that runs.
    bool UpdateLottoStatistics(Progress& overall, Progress& step, const QDate& cutOff);

    // The text of the last failure; the caller empties it after showing it.
    QString GetErrorText() const { return m_errorText; }
    void ClearErrorText() { m_errorText.clear(); }
    // What to tell the user about a failed recompute up to `cutOff`: the error text, or, for the
    // failures that leave none (an empty archive, a wheel without draws up to that date), a text
    // saying so.
    QString RecomputeFailureText(const QDate& cutOff) const;

    // Steps of the recompute, each usable on its own inside the caller's transaction.
    bool ClearMainStat();
    bool ComputeNumberStats(Progress& step, const QDate& cutOff);
    bool BuildEstimateRows(Progress& step);
    bool BuildPyramid(bool updateEstimate, Progress& step, const QDate& cutOff);
    // Rescores FL8STIMA with the estimate settings of TDM1 (kind, formula, parameters).
    bool UpdateEstimates(Progress& step);
    bool BuildPairListRows(const QList<int>& list, int length, const QDate& cutOff,
                           const QString& table, Progress& step);
    bool BuildReversiblePairRows(const QString& table, Progress& step, const QDate& cutOff);
    // `formations` holds rows x columns numbers, row by row; `lastIndex` is its length - 1.
    bool BuildFormationRows(const QList<int>& formations, int lastIndex, const QDate& cutOff,
                            int rows, int columns, const QString& table, Progress& step);

    // The draw buffer: the draws of one wheel, at most MaxLoadedDraws. LoadWheelDraws keeps
    // those on or before the date, newest first; LoadWheelDrawsFrom those on or after it,
    // oldest first. Both return the count, or -1 after a database error.
    int LoadWheelDraws(const QString& wheel, const QDate& cutOff);
    int LoadWheelDrawsFrom(const QString& wheel, const QDate& start);
    const LottoDraws& Draws() const { return m_draws; }

    // Single rows and updates.
    bool InsertWheelRanking(const QString& table, int pos,
                            const std::array<RankingPair, WheelCount>& pairs, RankingPair all);
    bool UpdatePyramidEstimate(const QString& wheel, int number, int row, int count);
    // `numbers`: the five positions of each wheel, in wheel order.
    bool InsertPyramidRow(int rit, const std::array<int, 5 * WheelCount>& numbers);
    bool InsertGroupRow(const QString& table, int pos, const QString& group,
                        const std::array<int, WheelCount>& values, int rtt);

private:
    int LoadDraws(const QString& wheel, const QDate& date, bool fromDate);
    // The draws of the wheel (0-based) up to the cut-off date, or null (error text as
    // LoadWheelDraws leaves it) when fewer than one could be loaded. Inside a full recompute
    // each wheel is read once and reused by every step.
    const LottoDraws* WheelDraws(int wheel, const QDate& cutOff);
    bool WriteRanking(RankingKind kind);
    // Group rows: `groups` holds the numbers of each group.
    bool BuildGroupRows(const QList<QList<int>>& groups, const QDate& cutOff, const QString& table,
                        Progress& step);
    bool Stamp(const QString& code, const QDate& date);
    bool Fail(const QString& text);

    TDM1& m_dm;
    TDMS* m_previous = nullptr;
    QString m_errorText;
    LottoDraws m_draws;
    std::array<WheelNumberStats, WheelCount> m_stats{};

    // Draws kept during one full recompute.
    bool m_keepDraws = false;
    QDate m_keptCutOff;
    std::array<LottoDraws, WheelCount> m_keptDraws;
    std::array<bool, WheelCount> m_kept{};
};

// The FSTATLIST codes stamped by the full recompute, in the order it stamps them.
extern const QStringList LottoStatCodes;
