// Small helpers shared by the benchmarks: timing, medians, printing ratios.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace numora::bench {

using Clock = std::chrono::steady_clock;

inline double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

inline void PrintRatio(const std::string& name, double measured, double baseline) {
    std::printf("ratio %s %.3f\n", name.c_str(), measured / baseline);
    std::fflush(stdout);
}

}  // namespace numora::bench
