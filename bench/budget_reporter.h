// Shows Google Benchmark's own report and keeps the median of every
// benchmark, then prints the figures against their budgets as a table and
// as JSON.
#pragma once

#include <benchmark/benchmark.h>

#include <iosfwd>
#include <map>
#include <string>

namespace quorvane::bench {

class BudgetReporter final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;

    // Gives whether every figure was measured and is within its budgets.
    bool PrintTable(std::ostream& out) const;
    void PrintJson(std::ostream& out) const;

private:
    struct Median {
        double seconds = 0;
        double residentBytes = 0;
        double heapBytes = 0;
        double outputBytes = 0;
    };
    std::map<std::string, Median> medians_;
};

}  // namespace quorvane::bench
