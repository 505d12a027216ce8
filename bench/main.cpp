// The benchmark command's program: runs every benchmark (Google Benchmark's
// own flags apply), then prints the figures against their budgets, as a
// table and, with --figures_json=FILE, as JSON to FILE. Exits with 1 when a
// figure is missing or over its budget.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstring>
#include <fstream>
#include <iostream>

#include "budget_reporter.h"

namespace {

// Takes --figures_json=FILE out of the arguments, before Google Benchmark
// sees them.
std::string TakeJsonPath(int& argc, char** argv) {
    constexpr std::string_view kFlag = "--figures_json=";
    std::string path;
    int kept = 0;
    for (int i = 0; i < argc; ++i) {
        if (std::string_view(argv[i]).starts_with(kFlag)) {
            path = argv[i] + kFlag.size();
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    return path;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string jsonPath = TakeJsonPath(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 2;
    }
    // The QPainter surfaces need fonts and the undo benchmarks' window a
    // platform to paint on; neither needs a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);

    quorvane::bench::BudgetReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const bool within = reporter.PrintTable(std::cout);
    if (!jsonPath.empty()) {
        std::ofstream json(jsonPath);
        reporter.PrintJson(json);
        if (!json) {
            std::cerr << "cannot write " << jsonPath << '\n';
            return 1;
        }
    }
    return within ? 0 : 1;
}
