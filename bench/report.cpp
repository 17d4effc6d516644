#include "report.h"

#include <algorithm>
#include <cstdio>

namespace bench {

namespace {
void PrintLine(const Series& series) {
    if (series.values.empty()) {
        std::printf("  %-22s   no figures\n", series.name.c_str());
        return;
    }
    const auto [low, high] = std::minmax_element(series.values.begin(), series.values.end());
    std::printf("  %-22s %9.1f  (%.1f - %.1f, n=%u)", series.name.c_str(), Median(series.values), *low, *high,
                unsigned(series.values.size()));
}
}  // namespace

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

bool PrintMeasure(const std::string& title, const Series& program, const std::vector<Comparison>& baselines) {
    std::printf("%s\n", title.c_str());
    PrintLine(program);
    std::printf("\n");
    bool met = true;
    for (const Comparison& comparison : baselines) {
        PrintLine(*comparison.baseline);
        const double base = Median(comparison.baseline->values);
        const double ratio = base > 0 ? Median(program.values) / base : 0;
        std::printf("   %s / this = %.2f", program.name.c_str(), ratio);
        if (comparison.target.limit > 0) {
            const bool ok =
                comparison.target.strict ? ratio < comparison.target.limit : ratio <= comparison.target.limit;
            std::printf("   target %s %.2f: %s", comparison.target.strict ? "<" : "<=", comparison.target.limit,
                        ok ? "met" : "NOT MET");
            met = met && ok;
        }
        std::printf("\n");
    }
    std::printf("\n");
    return met;
}

}  // namespace bench
