#include "trains.h"

#include <algorithm>
#include <string>

#include "model/layout.h"
#include "model/parameter_entry.h"

namespace quorvane::bench {
namespace {

// Letters and digits, and some Cyrillic bytes as operators type them.
std::string Text(int length, int seed) {
    static constexpr char kAlphabet[] = "ABCDEFGH0123456789\xC0\xC1\xC2\xE0\xE1\xE2";
    std::string text;
    for (int i = 0; i < length; ++i) {
        text += kAlphabet[static_cast<std::size_t>(seed * 7 + i * 3) % (sizeof kAlphabet - 1)];
    }
    return text;
}

std::unique_ptr<Scheme> Train(int cars, int axles, int bogies, int schemeType, int textLength) {
    auto scheme = std::make_unique<Scheme>();
    Scheme& s = *scheme;
    NewScheme(s);
    s.state.carCount = cars;
    s.state.schemeType = schemeType;
    for (int c = 0; c < cars; ++c) {
        CarRecord& car = s.cars[static_cast<std::size_t>(c)];
        car.inverted = c % 5 == 4;
        car.axleCount = axles;
        car.bogieCount = bogies;
        car.series = Text(textLength, 1);
        car.carNumber = Text(textLength, c + 2);
        for (int a = 0; a < axles; ++a) {
            AxleSlot& slot = car.axles[static_cast<std::size_t>(a)];
            const int seed = c * kMaxAxles + a;
            slot.axleName = Text(textLength, seed + 3);
            slot.run = Text(textLength, seed + 5);
            for (WheelSide& side : slot.sides) {
                side.wheelSetName = Text(textLength, seed + 11);
            }
        }
    }
    s.mode = Mode::ParameterMode;
    AcceptLayout(s);
    return scheme;
}

}  // namespace

std::unique_ptr<Scheme> LargestTrain(int schemeType) {
    return Train(kMaxCars, kMaxAxles, kMaxBogiesPerCar, schemeType, 20);
}

std::unique_ptr<Scheme> MixedTrain(int index) {
    const int axles = kMinAxlesPerCar + index * 5 % (kMaxAxles - kMinAxlesPerCar + 1);
    const int bogies = 1 + index % std::min(axles, kMaxBogiesPerCar);
    return Train(1 + index * 17 % kMaxCars, axles, bogies, 1 + index % kMaxSchemeType,
                 index * 3 % 21);
}

}  // namespace quorvane::bench
