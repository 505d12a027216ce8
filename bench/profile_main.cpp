// Repeats one step of the benchmarks on the largest train for a profiler,
// after a first run that makes the stamps, so that only the steady state is
// counted:
//   valgrind --tool=callgrind --toggle-collect='*Profiled*'
//       build/release/bench/quorvane_profile STEP [COUNT] [RATIO]
// STEP is refresh or hover (stamped, as the window draws), plain or
// plain-hover (every call through QPainter), write or read. Instructions per
// step are the collected total over COUNT (100); the drawings are made at
// device pixel ratio RATIO (1).
#include <QGuiApplication>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <string_view>

#include "drawing/car_view.h"
#include "drawing/train_strip.h"
#include "qpainter/qimage_surface.h"
#include "schemefile/scheme_reader.h"
#include "schemefile/scheme_writer.h"
#include "trains.h"

namespace {

using quorvane::QImageSurface;

struct Surfaces {
    Surfaces(QImageSurface::Rendering rendering, double ratio)
        : strip(quorvane::kStripFitWidth, quorvane::kStripFitHeight, rendering, ratio),
          car(quorvane::kCarViewWidth, quorvane::kCarViewHeight, rendering, ratio) {}
    QImageSurface strip;
    QImageSurface car;
};

void Refresh(Surfaces& s, const quorvane::Scheme& scheme, int hovered, bool withCar) {
    quorvane::DrawTrainStrip(s.strip, scheme, scheme.state.currentCar, hovered);
    if (withCar) {
        quorvane::DrawCarView(s.car, quorvane::CurrentCarView(scheme));
    }
    static_cast<void>(s.strip.Image());
    static_cast<void>(s.car.Image());
}

// Not inlined, so that callgrind can collect inside it alone.
[[gnu::noinline]] void ProfiledDrawings(Surfaces& s, const quorvane::Scheme& scheme, bool hover,
                                        int count) {
    for (int i = 0; i < count; ++i) {
        Refresh(s, scheme, hover ? i % quorvane::kMaxCars : -1, !hover);
    }
}

[[gnu::noinline]] void ProfiledWrites(const quorvane::Scheme& scheme, int count) {
    for (int i = 0; i < count; ++i) {
        static_cast<void>(quorvane::WriteScheme(scheme, "largest_train"));
    }
}

// Reads as the editor loads: into a new scheme each time.
[[gnu::noinline]] void ProfiledReads(const std::string& bytes, int count) {
    for (int i = 0; i < count; ++i) {
        static_cast<void>(quorvane::ReadScheme(bytes, 1));
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view what = argc > 1 ? argv[1] : "";
    const int count = argc > 2 ? std::atoi(argv[2]) : 100;
    const double ratio = argc > 3 ? std::atof(argv[3]) : 1;
    if (what == "write" || what == "read") {
        const auto scheme = quorvane::bench::LargestTrain(1);
        const std::string bytes = quorvane::WriteScheme(*scheme, "largest_train").bytes;
        if (what == "write") {
            ProfiledWrites(*scheme, count);
        } else {
            ProfiledReads(bytes, count);
        }
        return 0;
    }
    const bool plain = what == "plain" || what == "plain-hover";
    const bool hover = what == "hover" || what == "plain-hover";
    if (!plain && !hover && what != "refresh") {
        std::cerr << "usage: quorvane_profile refresh|hover|plain|plain-hover|write|read [COUNT] "
                     "[RATIO]\n";
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    auto scheme = quorvane::bench::LargestTrain(5);
    Surfaces surfaces(plain ? QImageSurface::Rendering::Plain : QImageSurface::Rendering::Stamped,
                      ratio);
    for (int hovered = -1; hovered < quorvane::kMaxCars; ++hovered) {
        Refresh(surfaces, *scheme, hovered, true);
    }
    ProfiledDrawings(surfaces, *scheme, hover, count);
    return 0;
}
