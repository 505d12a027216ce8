// The drawings of a refresh on the largest train, on the QPainter surfaces
// at the sizes the window gives them, stamped as the window draws and plain
// (every call through QPainter) for comparison, at device pixel ratios 1,
// 1.5 and 2. Each picture is taken afterwards, as the window's paint does.
#include <benchmark/benchmark.h>

#include "drawing/car_view.h"
#include "drawing/train_strip.h"
#include "model/parameter_entry.h"
#include "qpainter/qimage_surface.h"
#include "trains.h"

namespace quorvane::bench {
namespace {

constexpr int kRepetitions = 15;
constexpr int kTypeWithMostMarks = 5;

using Rendering = QImageSurface::Rendering;

struct Window {
    explicit Window(Rendering rendering = Rendering::Stamped, double ratio = 1)
        : strip(kStripFitWidth, kStripFitHeight, rendering, ratio),
          car(kCarViewWidth, kCarViewHeight, rendering, ratio) {
        DrawTrainStrip(strip, *scheme, scheme->state.currentCar, -1);
    }

    void Refresh() {
        DrawTrainStrip(strip, *scheme, scheme->state.currentCar, -1);
        DrawCarView(car, CurrentCarView(*scheme));
        benchmark::DoNotOptimize(strip.Image().constBits());
        benchmark::DoNotOptimize(car.Image().constBits());
    }

    std::unique_ptr<Scheme> scheme = LargestTrain(kTypeWithMostMarks);
    QImageSurface strip;
    QImageSurface car;
};

// Both drawings, as the window redraws after a step of the walk.
void Refresh(benchmark::State& state, Rendering rendering, double ratio) {
    Window window(rendering, ratio);
    for (auto _ : state) {
        window.Refresh();
    }
}

void BM_FullRefresh(benchmark::State& state) {
    Refresh(state, Rendering::Stamped, 1);
}
void BM_FullRefreshRatio1_5(benchmark::State& state) {
    Refresh(state, Rendering::Stamped, 1.5);
}
void BM_FullRefreshRatio2(benchmark::State& state) {
    Refresh(state, Rendering::Stamped, 2);
}
void BM_FullRefreshPlain(benchmark::State& state) {
    Refresh(state, Rendering::Plain, 1);
}
void BM_FullRefreshPlainRatio1_5(benchmark::State& state) {
    Refresh(state, Rendering::Plain, 1.5);
}
void BM_FullRefreshPlainRatio2(benchmark::State& state) {
    Refresh(state, Rendering::Plain, 2);
}

// The pointer sweeps along the train, one car further at each move.
void Hover(benchmark::State& state, Rendering rendering) {
    Window window(rendering);
    int hovered = 0;
    for (auto _ : state) {
        DrawTrainStrip(window.strip, *window.scheme, window.scheme->state.currentCar, hovered);
        benchmark::DoNotOptimize(window.strip.Image().constBits());
        hovered = (hovered + 1) % kMaxCars;
    }
}

void BM_StripHover(benchmark::State& state) {
    Hover(state, Rendering::Stamped);
}
void BM_StripHoverPlain(benchmark::State& state) {
    Hover(state, Rendering::Plain);
}

// Every position of the walk in turn, each as the axle buttons do it: the
// edits stored, the cursor moved, the edits loaded, both drawings refreshed.
void BM_WholeTrainWalk(benchmark::State& state) {
    Window window;
    Scheme& scheme = *window.scheme;
    const int steps = scheme.state.totalAxles;
    ParameterTexts edits = LoadEditsFromModel(scheme);
    for (auto _ : state) {
        for (int step = 1; step <= steps; ++step) {
            StoreEditsToModel(scheme, edits);
            MoveWalkCursor(scheme, step % steps);
            edits = LoadEditsFromModel(scheme);
            window.Refresh();
        }
    }
}

BENCHMARK(BM_FullRefresh)->Repetitions(kRepetitions)->ReportAggregatesOnly();
BENCHMARK(BM_FullRefreshPlain)->Repetitions(kRepetitions)->ReportAggregatesOnly();
BENCHMARK(BM_FullRefreshRatio1_5)->Repetitions(kRepetitions)->ReportAggregatesOnly();
BENCHMARK(BM_FullRefreshPlainRatio1_5)->Repetitions(kRepetitions)->ReportAggregatesOnly();
BENCHMARK(BM_FullRefreshRatio2)->Repetitions(kRepetitions)->ReportAggregatesOnly();
BENCHMARK(BM_FullRefreshPlainRatio2)->Repetitions(kRepetitions)->ReportAggregatesOnly();
BENCHMARK(BM_StripHover)->Repetitions(kRepetitions)->ReportAggregatesOnly();
BENCHMARK(BM_StripHoverPlain)->Repetitions(kRepetitions)->ReportAggregatesOnly();
BENCHMARK(BM_WholeTrainWalk)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

}  // namespace
}  // namespace quorvane::bench
