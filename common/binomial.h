#pragma once

#include <QtGlobal>

// The binomial coefficients C(n, k) for n = 1..90 and k = 2..6, exact: the number of
// combinations of k numbers taken from n. The largest entry, C(90, 6), is 622,614,630.
inline constexpr int BinomialMaxN = 90;
inline constexpr int BinomialMinK = 2;
inline constexpr int BinomialMaxK = 6;

// C(n, k) from the table; 0 when k > n. Outside the table (n < 1, n > 90, k < 2, k > 6) the
// answer is -1, so that a caller cannot mistake it for a count.
qint64 CombinationCount(int n, int k);
