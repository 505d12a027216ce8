// The programs themselves, measured from outside: quorvane-tool check over
// many files, quorvane-tool plan of the largest file the reader takes, the
// largest picture of a sheet, and
// the editor's start to its first painted window (offscreen, through its
// QUORVANE_QUIT_AFTER_FIRST_PAINT hook), with their peak resident memory,
// also with a file that is one text of 16 MiB.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "child_process.h"
#include "schemefile/file_limits.h"
#include "schemefile/scheme_writer.h"
#include "scratch_files.h"
#include "trains.h"

namespace quorvane::bench {
namespace {

constexpr int kCheckedFiles = 10000;
const std::string kFirstPaint = "quorvane: first paint";

// The names of the files to check, made at the first call.
const std::vector<std::string>& CheckedFiles() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> made;
        for (int i = 0; i < kCheckedFiles; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "train%05d.sch", i);
            if (!PutScheme(ScratchFolder() / name, *MixedTrain(i))) {
                return std::vector<std::string>{};
            }
            made.emplace_back(name);
        }
        return made;
    }();
    return names;
}

// The largest file the reader takes, exactly 16 MiB, nearly all of it one
// text: the series of car 2 (16 axles, type 3: one car line, so the series
// is written once). The plan repeats it on each of the car's 32 rows: some
// 600 MB of CSV; the editor must show it in a line edit. The series goes to
// the file in pieces: a child's peak memory as wait4 reports it is at least
// this process's own, which the figures of later children would show.
const std::string& HugeSeriesFile() {
    static const std::string path = [] {
        auto scheme = LargestTrain(3);
        scheme->state.carCount = 2;
        const std::string marker = "SERIES";
        scheme->cars[1].series = marker;
        const std::string bytes = WriteScheme(*scheme, "huge").bytes;
        const std::size_t at = bytes.find("|" + marker + "|") + 1;
        std::size_t rest = kMaxSchemeFileSize - (bytes.size() - marker.size());
        const std::filesystem::path file = ScratchFolder() / "huge.sch";
        std::ofstream out(file, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(at));
        std::string piece;
        while (piece.size() < 64 * 1024) {
            piece += "ER2-\xDD\xD0\x32 0123456789";
        }
        for (; rest > 0 && out; rest -= std::min(rest, piece.size())) {
            out.write(piece.data(), static_cast<std::streamsize>(std::min(rest, piece.size())));
        }
        out.write(bytes.data() + at + marker.size(),
                  static_cast<std::streamsize>(bytes.size() - at - marker.size()));
        out.close();
        if (!out || std::filesystem::file_size(file) != kMaxSchemeFileSize) {
            return std::string();
        }
        return file.string();
    }();
    return path;
}

void BM_ToolCheck(benchmark::State& state) {
    if (CheckedFiles().empty()) {
        state.SkipWithError("cannot write the files to check");
        return;
    }
    std::vector<std::string> arguments{QUORVANE_TOOL, "check"};
    arguments.insert(arguments.end(), CheckedFiles().begin(), CheckedFiles().end());
    for (auto _ : state) {
        const ChildRun run = RunChild(arguments, {}, ScratchFolder().string(), std::nullopt);
        if (run.exitCode != 0) {
            state.SkipWithError("quorvane-tool check did not pass every file");
            break;
        }
        state.SetIterationTime(run.seconds);
    }
}

void BM_ToolPlanHugeSeries(benchmark::State& state) {
    if (HugeSeriesFile().empty()) {
        state.SkipWithError("cannot write the 16 MiB file");
        return;
    }
    for (auto _ : state) {
        const ChildRun run = RunChild({QUORVANE_TOOL, "plan", HugeSeriesFile()}, {},
                                      ScratchFolder().string(), std::nullopt);
        if (run.exitCode != 0) {
            state.SkipWithError("quorvane-tool plan failed");
            break;
        }
        state.SetIterationTime(run.seconds);
        state.counters["resident_bytes"] = run.peakResidentBytes;
    }
}

// The largest picture a sheet may be: the largest train on A4 at the scale
// that brings it just under the picture budget (1517 x 78578 pixels), as
// BMP, whose encoded bytes are the largest.
constexpr char kBudgetScale[] = "2.02";

void BM_ToolSheetPictureAtBudget(benchmark::State& state) {
    if (LargestFile().empty()) {
        state.SkipWithError("cannot write the largest file");
        return;
    }
    const std::string picture = (ScratchFolder() / "sheet.bmp").string();
    for (auto _ : state) {
        const ChildRun run =
            RunChild({QUORVANE_TOOL, "render", LargestFile(), "--sheet", "--scale", kBudgetScale,
                      "-o", picture},
                     {"QT_QPA_PLATFORM=offscreen"}, ScratchFolder().string(), std::nullopt);
        if (run.exitCode != 0) {
            state.SkipWithError("quorvane-tool render --sheet failed: over the picture budget?");
            break;
        }
        state.SetIterationTime(run.seconds);
        state.counters["resident_bytes"] = run.peakResidentBytes;
    }
    std::filesystem::remove(picture);
}

void RunEditor(benchmark::State& state, std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), QUORVANE_EDITOR);
    const std::vector<std::string> environment{"QT_QPA_PLATFORM=offscreen",
                                               "QUORVANE_QUIT_AFTER_FIRST_PAINT=1"};
    for (auto _ : state) {
        const ChildRun run =
            RunChild(arguments, environment, ScratchFolder().string(), kFirstPaint);
        if (!run.sawMarker || run.exitCode != 0) {
            state.SkipWithError("the editor did not paint and quit");
            break;
        }
        state.SetIterationTime(run.seconds);
        state.counters["resident_bytes"] = run.peakResidentBytes;
    }
}

void BM_EditorFirstPaint(benchmark::State& state) {
    RunEditor(state, {});
}

void BM_EditorLargestFile(benchmark::State& state) {
    if (LargestFile().empty()) {
        state.SkipWithError("cannot write the largest file");
        return;
    }
    RunEditor(state, {LargestFile()});
}

void BM_EditorHugeText(benchmark::State& state) {
    if (HugeSeriesFile().empty()) {
        state.SkipWithError("cannot write the 16 MiB file");
        return;
    }
    RunEditor(state, {HugeSeriesFile()});
}

BENCHMARK(BM_ToolCheck)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK(BM_ToolPlanHugeSeries)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly();
BENCHMARK(BM_ToolSheetPictureAtBudget)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly();
BENCHMARK(BM_EditorFirstPaint)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(11)
    ->ReportAggregatesOnly();
BENCHMARK(BM_EditorLargestFile)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(11)
    ->ReportAggregatesOnly();
BENCHMARK(BM_EditorHugeText)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

}  // namespace
}  // namespace quorvane::bench
