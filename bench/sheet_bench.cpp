// The measurement sheet of the largest train (40 cars of 16 axles, every
// text 20 bytes) drawn to PDF, as quorvane-tool render --sheet and the
// editor's export draw it: its time and its size.
#include <benchmark/benchmark.h>

#include "sheet/train_sheet.h"
#include "trains.h"

namespace quorvane::bench {
namespace {

void BM_SheetPdfLargest(benchmark::State& state) {
    const std::unique_ptr<Scheme> scheme = LargestTrain(5);
    const SheetOptions options;
    qsizetype size = 0;
    for (auto _ : state) {
        QByteArray bytes;
        if (DrawTrainSheet(*scheme, "pdf", options, bytes)) {
            state.SkipWithError("the sheet was not drawn");
            return;
        }
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.constData());
    }
    state.counters["output_bytes"] = static_cast<double>(size);
}

BENCHMARK(BM_SheetPdfLargest)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

}  // namespace
}  // namespace quorvane::bench
