// All 40 car slots of a scheme as strings, beyond the train and beyond each
// car's axles too, so that a test sees a text that a step lost or moved
// where the file would not show it.
#pragma once

#include <string>
#include <vector>

#include "model/scheme.h"

namespace quorvane::testing {

inline std::string SlotOf(const CarRecord& car) {
    std::string held = std::to_string(car.inverted) + "|" + std::to_string(car.axleCount) + "|" +
                       std::to_string(car.bogieCount) + "|" + car.series + "|" + car.carNumber;
    for (const AxleSlot& axle : car.axles) {
        held += "|" + axle.axleName + "|" + axle.run + "|" + axle.sides[0].wheelSetName + "|" +
                axle.sides[1].wheelSetName;
    }
    return held;
}

inline std::vector<std::string> SlotsOf(const Scheme& scheme, int count = kMaxCars) {
    std::vector<std::string> slots;
    for (int c = 0; c < count; ++c) {
        slots.push_back(SlotOf(scheme.cars[static_cast<std::size_t>(c)]));
    }
    return slots;
}

}  // namespace quorvane::testing
