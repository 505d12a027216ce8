// Trains that the scheme file tests write and read.
#pragma once

#include <memory>
#include <string>

#include "model/parameter_entry.h"
#include "model/scheme.h"

namespace quorvane::testing {

// A new scheme accepted at once: one direct car of 4 axles and 2 bogies,
// type 1, every text empty.
inline std::unique_ptr<Scheme> AcceptedNewScheme() {
    auto scheme = std::make_unique<Scheme>();
    NewScheme(*scheme);
    scheme->mode = Mode::ParameterMode;
    AcceptLayout(*scheme);
    return scheme;
}

inline void FillAxle(CarRecord& car, int slot, const std::string& name, const std::string& wheelSet,
                     const std::string& run) {
    AxleSlot& axle = car.axles[static_cast<std::size_t>(slot)];
    axle.axleName = name;
    axle.run = run;
    axle.sides[0].wheelSetName = wheelSet;
    axle.sides[1].wheelSetName = wheelSet;
}

// Car 1 direct, 4 axles, 2 bogies, series A, number 101, axle k named k,
// wheel sets W1 to W4, runs 100 to 400; car 2 inverted, 2 axles, 1 bogie,
// series A, number 102, wheel sets X1 and X2, runs 201 and 202.
inline std::unique_ptr<Scheme> TwoCarTrain(int schemeType) {
    auto scheme = std::make_unique<Scheme>();
    Scheme& s = *scheme;
    s.state.carCount = 2;
    s.state.schemeType = schemeType;
    CarRecord& first = s.cars[0];
    first = {};
    first.series = "A";
    first.carNumber = "101";
    first.axleCount = 4;
    first.bogieCount = 2;
    for (int k = 1; k <= 4; ++k) {
        FillAxle(first, k - 1, std::to_string(k), "W" + std::to_string(k), std::to_string(k * 100));
    }
    CarRecord& second = s.cars[1];
    second.inverted = true;
    second.series = "A";
    second.carNumber = "102";
    second.axleCount = 2;
    second.bogieCount = 1;
    FillAxle(second, 0, "1", "X1", "201");
    FillAxle(second, 1, "2", "X2", "202");
    return scheme;
}

}  // namespace quorvane::testing
