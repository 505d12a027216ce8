// Repeats one step of the benchmarks on the largest train for a profiler,
// after a first run that makes the stamps, so that only the steady state is
// counted:
//   valgrind --tool=callgrind --toggle-collect='*Profiled*'
//       build/release/bench/quorvane_profile refresh|hover|plain|write|read [COUNT]
// Instructions per step are the collected total over COUNT (100).
#include <QGuiApplication>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>

#include "drawing/car_view.h"
#include "drawing/train_strip.h"
#include "qpainter/qimage_surface.h"
#include "schemefile/scheme_reader.h"
#include "schemefile/scheme_writer.h"
#include "trains.h"

namespace {

using quorvane::QImageSurface;

struct Surfaces {
    explicit Surfaces(QImageSurface::Rendering rendering)
        : strip(quorvane::kStripFitWidth, quorvane::kStripFitHeight, rendering),
          car(quorvane::kCarViewWidth, quorvane::kCarViewHeight, rendering) {}
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
    const char* what = argc > 1 ? argv[1] : "";
    const bool hover = std::strcmp(what, "hover") == 0;
    const bool plain = std::strcmp(what, "plain") == 0;
    const int count = argc > 2 ? std::atoi(argv[2]) : 100;
    if (std::strcmp(what, "write") == 0 || std::strcmp(what, "read") == 0) {
        const auto scheme = quorvane::bench::LargestTrain(1);
        const std::string bytes = quorvane::WriteScheme(*scheme, "largest_train").bytes;
        if (what[0] == 'w') {
            ProfiledWrites(*scheme, count);
        } else {
            ProfiledReads(bytes, count);
        }
        return 0;
    }
    if (!hover && !plain && std::strcmp(what, "refresh") != 0) {
        std::cerr << "usage: quorvane_profile refresh|hover|plain|write|read [COUNT]\n";
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    auto scheme = quorvane::bench::LargestTrain(5);
    Surfaces surfaces(plain ? QImageSurface::Rendering::Plain : QImageSurface::Rendering::Stamped);
    for (int hovered = -1; hovered < quorvane::kMaxCars; ++hovered) {
        Refresh(surfaces, *scheme, hovered, true);
    }
    ProfiledDrawings(surfaces, *scheme, hover, count);
    return 0;
}
