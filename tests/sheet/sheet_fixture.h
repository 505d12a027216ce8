// A train whose every text names its car and axle, and a scratch folder of
// each test's own to write sheets into.
#pragma once

#include <memory>
#include <string>

#include "../schemefile/example_trains.h"
#include "../scratch_folder.h"
#include "model/scheme.h"

namespace quorvane::testing {

// A train of the given number of cars, car c with 2 + c % 15 axles, every
// second car reversed, series "ЭР2", car number 100 + its place, and texts
// that name their car and axle: axle name AcNk, wheel sets WcNk (left) and
// VcNk (right), runs RcNk. Its name is "train", as loaded from train.sch.
inline std::unique_ptr<Scheme> Train(int cars, int schemeType = 5) {
    auto scheme = TwoCarTrain(schemeType);
    scheme->fileName = "train";
    scheme->state.carCount = cars;
    for (int c = 0; c < cars; ++c) {
        CarRecord& car = scheme->cars[static_cast<std::size_t>(c)];
        car = CarRecord{};
        car.axleCount = 2 + c % 15;
        car.bogieCount = 1 + c % 2;
        car.inverted = c % 2 == 1;
        car.series = "\xDD\xD0\x32";
        car.carNumber = std::to_string(100 + c + 1);
        for (int k = 0; k < car.axleCount; ++k) {
            AxleSlot& axle = car.axles[static_cast<std::size_t>(k)];
            const std::string tag = std::to_string(c + 1) + "N" + std::to_string(k + 1);
            axle.axleName = "A" + tag;
            axle.run = "R" + tag;
            axle.sides[kLeftSide].wheelSetName = "W" + tag;
            axle.sides[kRightSide].wheelSetName = "V" + tag;
        }
    }
    return scheme;
}

}  // namespace quorvane::testing
