#include "common/binomial.h"

#include <array>

namespace {

// Pascal's triangle up to row 90, columns 0..6: every entry is a sum of two exact integers.
using BinomialRows = std::array<std::array<qint64, BinomialMaxK + 1>, BinomialMaxN + 1>;

constexpr BinomialRows MakeTable() {
    BinomialRows rows{};
    for (int n = 0; n <= BinomialMaxN; ++n) {
        rows[n][0] = 1;
        for (int k = 1; k <= BinomialMaxK; ++k)
            rows[n][k] = n == 0 ? 0 : rows[n - 1][k - 1] + rows[n - 1][k];
    }
    return rows;
}

constexpr BinomialRows Table = MakeTable();
static_assert(Table[90][6] == 622614630);
static_assert(Table[90][5] == 43949268);

} // namespace

qint64 CombinationCount(int n, int k) {
    if (n < 1 || n > BinomialMaxN || k < BinomialMinK || k > BinomialMaxK) return -1;
    return Table[n][k];
}
