#pragma once

#include <array>

// A set of Lotto numbers: flag n (1..90) is set when n belongs to the set; index 0 is unused.
using NumberFlags = std::array<bool, 91>;

inline int CountOf(const NumberFlags& flags) {
    int count = 0;
    for (int n = 1; n <= 90; ++n)
        count += flags[n] ? 1 : 0;
    return count;
}
