// The largest scheme file, type 1, written to bytes and read back.
#include <benchmark/benchmark.h>

#include "schemefile/scheme_reader.h"
#include "schemefile/scheme_writer.h"
#include "trains.h"

namespace quorvane::bench {
namespace {

constexpr int kRepetitions = 15;

void BM_WriteLargest(benchmark::State& state) {
    const std::unique_ptr<Scheme> scheme = LargestTrain(1);
    for (auto _ : state) {
        WriteResult written = WriteScheme(*scheme, "largest_train");
        benchmark::DoNotOptimize(written.bytes.data());
    }
    state.SetBytesProcessed(
        static_cast<std::int64_t>(state.iterations()) *
        static_cast<std::int64_t>(WriteScheme(*scheme, "largest_train").bytes.size()));
}

void BM_ReadLargest(benchmark::State& state) {
    const std::string bytes = WriteScheme(*LargestTrain(1), "largest_train").bytes;
    for (auto _ : state) {
        ReadResult read = ReadScheme(bytes, 1);
        if (!read.scheme) {
            state.SkipWithError("the largest file was refused");
            break;
        }
        benchmark::DoNotOptimize(read.scheme.get());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes.size()));
}

BENCHMARK(BM_WriteLargest)->Repetitions(kRepetitions)->ReportAggregatesOnly();
BENCHMARK(BM_ReadLargest)->Repetitions(kRepetitions)->ReportAggregatesOnly();

}  // namespace
}  // namespace quorvane::bench
