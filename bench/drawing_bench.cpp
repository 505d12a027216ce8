// The drawings of a refresh on the largest train, on the QPainter surfaces
// at the sizes the window gives them, against a bare white fill of the same
// surfaces. Each picture is taken afterwards, as the window's paint does.
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

struct Window {
    explicit Window(QImageSurface::Rendering rendering = QImageSurface::Rendering::Stamped,
                    double ratio = 1)
        : strip(kStripFitWidth, kStripFitHeight, rendering, ratio),
          car(kCarViewWidth, kCarViewHeight, rendering, ratio) {
        DrawTrainStrip(strip, *scheme, scheme->state.currentCar, -1);
    }

    void Refresh() {
        DrawTrainStrip(strip, *scheme, scheme->state.currentCar, -1);
        DrawCarView(car, CurrentCarView(*scheme));
        Show();
    }
    void Show() {
        benchmark::DoNotOptimize(strip.Image().constBits());
        benchmark::DoNotOptimize(car.Image().constBits());
    }

    std::unique_ptr<Scheme> scheme = LargestTrain(kTypeWithMostMarks);
    QImageSurface strip;
    QImageSurface car;
};

void BM_FloorBoth(benchmark::State& state) {
    Window window;
    for (auto _ : state) {
        window.strip.FillWhite();
        window.car.FillWhite();
        window.Show();
    }
}

void BM_FloorStrip(benchmark::State& state) {
    Window window;
    for (auto _ : state) {
        window.strip.FillWhite();
        window.Show();
    }
}

void BM_FullRefresh(benchmark::State& state) {
    Window window;
    for (auto _ : state) {
        window.Refresh();
    }
}

// The same on surfaces that draw every call with QPainter.
void BM_FullRefreshPlain(benchmark::State& state) {
    Window window(QImageSurface::Rendering::Plain);
    for (auto _ : state) {
        window.Refresh();
    }
}

// On a screen of device pixel ratio 2: four times the pixels, drawn.
void BM_FullRefreshRatio2(benchmark::State& state) {
    Window window(QImageSurface::Rendering::Stamped, 2);
    for (auto _ : state) {
        window.Refresh();
    }
}

// The pointer sweeps along the train, one car further at each move.
void BM_StripHover(benchmark::State& state) {
    Window window;
    int hovered = 0;
    for (auto _ : state) {
        DrawTrainStrip(window.strip, *window.scheme, window.scheme->state.currentCar, hovered);
        benchmark::DoNotOptimize(window.strip.Image().constBits());
        hovered = (hovered + 1) % kMaxCars;
    }
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

BENCHMARK(BM_FloorBoth)->Repetitions(kRepetitions)->ReportAggregatesOnly();
BENCHMARK(BM_FloorStrip)->Repetitions(kRepetitions)->ReportAggregatesOnly();
BENCHMARK(BM_FullRefresh)->Repetitions(kRepetitions)->ReportAggregatesOnly();
BENCHMARK(BM_FullRefreshPlain)->Repetitions(kRepetitions)->ReportAggregatesOnly();
BENCHMARK(BM_FullRefreshRatio2)->Repetitions(kRepetitions)->ReportAggregatesOnly();
BENCHMARK(BM_StripHover)->Repetitions(kRepetitions)->ReportAggregatesOnly();
BENCHMARK(BM_WholeTrainWalk)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

}  // namespace
}  // namespace quorvane::bench
