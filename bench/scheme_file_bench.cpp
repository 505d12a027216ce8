// The largest scheme file, type 1, written to bytes and read back.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <memory>

#include "schemefile/scheme_reader.h"
#include "schemefile/scheme_writer.h"
#include "trains.h"

namespace quorvane::bench {
namespace {

constexpr int kRepetitions = 15;

// The heap as the editor's is when it saves: glibc gives a freed block above
// its mmap threshold back to the system and then raises the threshold, as
// it does when the editor drops its first strip image. Without this, a
// write in a fresh process maps and faults in the pages of its string anew
// each time (0.3 ms), and its figure would depend on what ran before it.
void SettleHeapAsInTheEditor() {
    auto image = std::make_unique<char[]>(std::size_t{800} * 102 * 4);
    benchmark::DoNotOptimize(image.get());
}

void BM_WriteLargest(benchmark::State& state) {
    const std::unique_ptr<Scheme> scheme = LargestTrain(1);
    SettleHeapAsInTheEditor();
    for (auto _ : state) {
        WriteResult written = WriteScheme(*scheme, "largest_train");
        benchmark::DoNotOptimize(written.bytes.data());
    }
    state.SetBytesProcessed(
        static_cast<std::int64_t>(state.iterations()) *
        static_cast<std::int64_t>(WriteScheme(*scheme, "largest_train").bytes.size()));
}

// As the editor loads: into a new scheme, whose texts each take an
// allocation, freed again with the scheme.
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

// What a read cannot do without: a new model that takes the file's texts,
// each of 20 bytes, longer than a string holds without an allocation of
// its own, and frees them again with the model.
void BM_ReadFloor(benchmark::State& state) {
    const std::unique_ptr<Scheme> source = LargestTrain(1);
    for (auto _ : state) {
        auto scheme = std::make_unique<Scheme>();
        for (int c = 0; c < source->state.carCount; ++c) {
            const CarRecord& from = source->cars[static_cast<std::size_t>(c)];
            CarRecord& to = scheme->cars[static_cast<std::size_t>(c)];
            to.series.assign(from.series);
            to.carNumber.assign(from.carNumber);
            for (int a = 0; a < from.axleCount; ++a) {
                const AxleSlot& axle = from.axles[static_cast<std::size_t>(a)];
                AxleSlot& slot = to.axles[static_cast<std::size_t>(a)];
                slot.axleName.assign(axle.axleName);
                slot.run.assign(axle.run);
                for (int side = 0; side < kSides; ++side) {
                    slot.sides[static_cast<std::size_t>(side)].wheelSetName.assign(
                        axle.sides[static_cast<std::size_t>(side)].wheelSetName);
                }
            }
        }
        benchmark::DoNotOptimize(scheme.get());
    }
}

BENCHMARK(BM_WriteLargest)->Repetitions(kRepetitions)->ReportAggregatesOnly();
BENCHMARK(BM_ReadLargest)->Repetitions(kRepetitions)->ReportAggregatesOnly();
BENCHMARK(BM_ReadFloor)->Repetitions(kRepetitions)->ReportAggregatesOnly();

}  // namespace
}  // namespace quorvane::bench
