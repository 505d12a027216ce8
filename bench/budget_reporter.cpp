#include "budget_reporter.h"

#include <chrono>
#include <cstdio>
#include <optional>
#include <ostream>

#include "figures.h"

namespace quorvane::bench {
namespace {

double UnitScale(const std::string& unit) {
    if (unit == "ms") {
        return 1e3;
    }
    if (unit == "us") {
        return 1e6;
    }
    return 1;
}

std::string Format(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string Today() {
    const std::chrono::year_month_day day{
        std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(day.year()),
                  static_cast<unsigned>(day.month()), static_cast<unsigned>(day.day()));
    return text;
}

struct Row {
    const Figure& figure;
    std::optional<double> value;  // in the figure's unit
    std::optional<double> ratio;  // to the floor
    bool withinBudget = true;
};

}  // namespace

void BudgetReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median" ||
            run.error_occurred) {
            continue;
        }
        Median& median = medians_[run.run_name.function_name];
        median.seconds =
            run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        if (const auto rss = run.counters.find("resident_bytes"); rss != run.counters.end()) {
            median.residentBytes = rss->second.value;
        }
        if (const auto heap = run.counters.find("heap_bytes"); heap != run.counters.end()) {
            median.heapBytes = heap->second.value;
        }
        if (const auto output = run.counters.find("output_bytes"); output != run.counters.end()) {
            median.outputBytes = output->second.value;
        }
    }
    ConsoleReporter::ReportRuns(runs);
}

namespace {

template <typename Median>
double Value(const Figure& figure, const Median& median) {
    switch (figure.measure) {
        case Measure::Time:
            return median.seconds * UnitScale(figure.unit);
        case Measure::ResidentMegabytes:
            return median.residentBytes / (1024.0 * 1024.0);
        case Measure::HeapMegabytes:
            return median.heapBytes / (1024.0 * 1024.0);
        case Measure::OutputMegabytes:
            return median.outputBytes / (1024.0 * 1024.0);
    }
    return 0;
}

template <typename Medians>
std::vector<Row> Rows(const Medians& medians) {
    std::vector<Row> rows;
    for (const Figure& figure : Figures()) {
        Row row{figure, std::nullopt, std::nullopt};
        if (const auto found = medians.find(figure.benchmark); found != medians.end()) {
            row.value = Value(figure, found->second);
            if (figure.floor != nullptr) {
                if (const auto floor = medians.find(figure.floor);
                    floor != medians.end() && floor->second.seconds > 0) {
                    row.ratio = found->second.seconds / floor->second.seconds;
                }
            }
        }
        if (figure.budget > 0) {
            row.withinBudget = row.value && *row.value <= figure.budget;
        }
        if (figure.ratioBudget > 0) {
            row.withinBudget = row.withinBudget && row.ratio && *row.ratio <= figure.ratioBudget;
        }
        rows.push_back(row);
    }
    return rows;
}

}  // namespace

bool BudgetReporter::PrintTable(std::ostream& out) const {
    char line[256];
    std::snprintf(line, sizeof line, "%-50s %14s %14s %16s  %s\n", "figure", "median", "budget",
                  "ratio to floor", "");
    out << "\nFigures of " << Today() << " (medians)\n" << line;
    bool allWithin = true;
    for (const Row& row : Rows(medians_)) {
        const Figure& f = row.figure;
        const std::string unit = f.unit;
        const std::string value = row.value ? Format("%.3f ", *row.value) + unit : "not run";
        const std::string budget = f.budget > 0 ? Format("<= %g ", f.budget) + unit : "";
        std::string ratio = row.ratio ? Format("%.1fx", *row.ratio) : "";
        if (f.ratioBudget > 0) {
            ratio += Format(" (<= %gx)", f.ratioBudget);
        }
        const bool budgeted = f.budget > 0 || f.ratioBudget > 0;
        std::snprintf(line, sizeof line, "%-50s %14s %14s %16s  %s\n", f.label, value.c_str(),
                      budget.c_str(), ratio.c_str(),
                      !budgeted ? "" : (row.withinBudget ? "ok" : "OVER BUDGET"));
        out << line;
        allWithin = allWithin && row.withinBudget;
    }
    return allWithin;
}

void BudgetReporter::PrintJson(std::ostream& out) const {
    out << "{\n  \"date\": \"" << Today() << "\",\n  \"figures\": [";
    const char* separator = "\n";
    for (const Row& row : Rows(medians_)) {
        const Figure& f = row.figure;
        out << separator << "    {\"figure\": \"" << f.label << "\", \"benchmark\": \""
            << f.benchmark << "\", \"unit\": \"" << f.unit
            << "\", \"median\": " << (row.value ? Format("%.6g", *row.value) : "null");
        if (f.budget > 0) {
            out << ", \"budget\": " << f.budget;
        }
        if (row.ratio) {
            out << ", \"ratio_to_floor\": " << Format("%.4g", *row.ratio);
        }
        if (f.ratioBudget > 0) {
            out << ", \"ratio_budget\": " << f.ratioBudget;
        }
        if (f.budget > 0 || f.ratioBudget > 0) {
            out << ", \"within_budget\": " << (row.withinBudget ? "true" : "false");
        }
        out << "}";
        separator = ",\n";
    }
    out << "\n  ]\n}\n";
}

}  // namespace quorvane::bench
