#pragma once

#include <QDate>

#include <array>
#include <vector>

// The in-memory computations of the Lotto statistics, on the draws of one wheel. They touch no
// database: the module TDMS loads the draws and writes the results.

// One draw of one wheel: the five numbers in extraction order (0 = not drawn) and its date.
struct LottoDraw {
    std::array<int, 5> numbers{};
    QDate date;
};
// Draws of one wheel; entry 0 is the newest (or the oldest for a load from a start date).
using LottoDraws = std::vector<LottoDraw>;

// At most this many draws of a wheel are loaded.
constexpr int MaxLoadedDraws = 10000;

// The statistics of one number on one wheel.
struct NumberStat {
    int number = 0;
    int delay = 0;
    int sum2 = 0; // delay + previous delay
    int sum3 = 0; // delay + previous delay + the delay before that
    double frequency = 0;
    double ratio = 0;
};
using WheelNumberStats = std::array<NumberStat, 90>;

enum class NumberStatFailure { None, NeverDrawn, TooFewAppearances };

// Fills `stats` in number order 1..90 from the draws (newest first). A number needs its most
// recent appearance and 10 more in the draws; the first number that lacks them stops the
// computation and is returned in `failingNumber`.
NumberStatFailure ComputeWheelNumberStats(const LottoDraws& draws, WheelNumberStats& stats,
                                          int& failingNumber);

// The five rankings, each made by a stable sort of the order the previous one left.
enum RankingKind { RankDelay, RankFrequency, RankRatio, RankSum2, RankSum3, RankingCount };
// Sorts the entries of one wheel for `kind`, keeping the present order among ties.
void SortWheelRanking(WheelNumberStats& stats, RankingKind kind);
// The value stored for an entry in the ranking of `kind`.
double RankingValue(const NumberStat& stat, RankingKind kind);

// The pyramid of one wheel: row d holds, at each extraction position, the number whose most
// recent appearance is the draw d places back (0 elsewhere).
struct PyramidEstimateUpdate {
    int number = 0;
    int row = 0;
    int count = 0; // numbers of the wheel sharing that row
};
struct WheelPyramid {
    std::vector<std::array<int, 5>> rows; // rows 0..lastRow
    int lastRow = 0;
    std::vector<PyramidEstimateUpdate> updates; // in draw order, then extraction order
};
// Walks the draws (newest first) until all 90 numbers are seen; when the draws run out first,
// the last row index is the number of draws. Rows are not limited in number.
WheelPyramid ComputeWheelPyramid(const LottoDraws& draws);

// Draws (newest first) that stand before the first draw holding two numbers of the group;
// the number of draws when none does.
int AmboDelay(const LottoDraws& draws, const int* group, int size);
