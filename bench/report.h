// The figures of one measure, their medians and extremes, and the table the benchmark prints.
#pragma once

#include <string>
#include <vector>

namespace bench {

struct Series {
    std::string name;
    std::vector<double> values;
};

double Median(std::vector<double> values);

// A target on the program's median against a baseline's: ratio <= limit, or < limit when strict.
struct Target {
    double limit = 0;  // 0: no target, the ratio is shown for information
    bool strict = false;
};

struct Comparison {
    const Series* baseline;
    Target target;
};

// Prints a measure's block: the program's line, then each baseline with the ratio and its target.
// Returns false when a target is missed.
bool PrintMeasure(const std::string& title, const Series& program, const std::vector<Comparison>& baselines);

}  // namespace bench
