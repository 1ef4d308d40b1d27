#pragma once
// The benchmarks quote medians: on a shared machine the mean follows the
// other work's spikes, the median the program's own time.
#include <algorithm>
#include <cstddef>
#include <vector>

inline double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}
