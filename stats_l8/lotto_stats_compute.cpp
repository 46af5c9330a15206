#include "stats_l8/lotto_stats_compute.h"

#include <algorithm>

namespace {

// Appearances needed per number: the most recent one and the ten before it.
constexpr int NeededAppearances = 11;

bool IsLottoNumber(int n) {
    return n >= 1 && n <= 90;
}

} // namespace

NumberStatFailure ComputeWheelNumberStats(const LottoDraws& draws, WheelNumberStats& stats,
                                          int& failingNumber) {
    // One pass from the newest draw collects, per number, the indices (0 = newest) of its
    // 11 most recent draws; it stops as soon as every number has all of them.
    std::array<std::array<int, NeededAppearances>, 91> seenAt{};
    std::array<int, 91> seenCount{};
    int complete = 0;
    for (int i = 0; i < int(draws.size()) && complete < 90; ++i) {
        for (int n : draws[size_t(i)].numbers) {
            if (!IsLottoNumber(n)) continue;
            int& count = seenCount[size_t(n)];
            if (count == NeededAppearances || (count > 0 && seenAt[size_t(n)][count - 1] == i))
                continue; // enough already, or the same number twice in one draw
            seenAt[size_t(n)][size_t(count++)] = i;
            if (count == NeededAppearances) ++complete;
        }
    }

    failingNumber = 0;
    for (int n = 1; n <= 90; ++n) {
        const int count = seenCount[size_t(n)];
        if (count == 0) {
            failingNumber = n;
            return NumberStatFailure::NeverDrawn;
        }
        if (count < NeededAppearances) {
            failingNumber = n;
            return NumberStatFailure::TooFewAppearances;
        }
        const auto& at = seenAt[size_t(n)];
        NumberStat& stat = stats[size_t(n - 1)];
        stat.number = n;
        stat.delay = at[0];
        const int previous = at[1] - at[0] - 1;
        const int beforeThat = at[2] - at[1] - 1;
        stat.sum2 = stat.delay + previous;
        stat.sum3 = stat.delay + previous + beforeThat;
        // Ten appearances over the draws from the newest to the 11th most recent appearance,
        // per hundred draws: 1000 / (d10 - 1) with d10 counted from 1. The ratio is
        // (delay + 1) / frequency, taken as the exact quotient (delay + 1) * (d10 - 1) / 1000 so
        // that equal ratios compare equal and keep the order of the previous ranking.
        const int spanDraws = at[10]; // d10 - 1
        stat.frequency = 1000.0 / spanDraws;
        stat.ratio = double((stat.delay + 1) * spanDraws) / 1000.0;
    }
    return NumberStatFailure::None;
}

double RankingValue(const NumberStat& stat, RankingKind kind) {
    switch (kind) {
    case RankDelay:
        return stat.delay;
    case RankFrequency:
        return stat.frequency;
    case RankRatio:
        return stat.ratio;
    case RankSum2:
        return stat.sum2;
    case RankSum3:
        return stat.sum3;
    case RankingCount:
        break;
    }
    return 0;
}

void SortWheelRanking(WheelNumberStats& stats, RankingKind kind) {
    // Rank 1 is the largest value, except for the frequency, where it is the smallest.
    const bool smallestFirst = kind == RankFrequency;
    std::stable_sort(stats.begin(), stats.end(), [&](const NumberStat& a, const NumberStat& b) {
        const double va = RankingValue(a, kind);
        const double vb = RankingValue(b, kind);
        return smallestFirst ? va < vb : va > vb;
    });
}

WheelPyramid ComputeWheelPyramid(const LottoDraws& draws) {
    WheelPyramid pyramid;
    std::array<bool, 91> seen{};
    int seenCount = 0;
    int k = 0;
    for (;; ++k) {
        if (k == int(draws.size())) break; // draws ran out: the last row index is their count
        std::array<int, 5> row{};
        int newNumbers[5];
        int newCount = 0;
        const auto& numbers = draws[size_t(k)].numbers;
        for (int p = 0; p < 5; ++p) {
            const int n = numbers[size_t(p)];
            if (!IsLottoNumber(n) || seen[size_t(n)]) continue;
            seen[size_t(n)] = true;
            ++seenCount;
            row[size_t(p)] = n;
            newNumbers[newCount++] = n;
        }
        pyramid.rows.push_back(row);
        for (int i = 0; i < newCount; ++i)
            pyramid.updates.push_back({newNumbers[i], k, newCount});
        if (seenCount == 90) break;
    }
    pyramid.lastRow = k;
    pyramid.rows.resize(size_t(k) + 1); // the row past the draws, when they ran out, is empty
    return pyramid;
}

int AmboDelay(const LottoDraws& draws, const int* group, int size) {
    std::vector<int> counts(size_t(std::max(size, 0)));
    for (int i = 0; i < int(draws.size()); ++i) {
        const auto& numbers = draws[size_t(i)].numbers;
        for (int c = 0; c < size; ++c)
            counts[size_t(c)] = int(std::count(numbers.begin(), numbers.end(), group[c]));
        for (int c1 = 0; c1 < size; ++c1) {
            for (int c2 = c1 + 1; c2 < size; ++c2) {
                // Positions holding either number of the pair of columns.
                const int together = group[c1] == group[c2]
                                         ? counts[size_t(c1)]
                                         : counts[size_t(c1)] + counts[size_t(c2)];
                if (together >= 2) return i;
            }
        }
    }
    return int(draws.size());
}
