// Random schemes for the property tests of the scheme files, the tool and
// the editor: every type, direct and inverted cars, different names on the
// two wheels of an axle, texts of any bytes a field can hold.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <random>
#include <string>

#include "model/scheme.h"

namespace quorvane::testing {

// What the layout buttons make, or all that a file read may hold.
enum class Counts { Editor, File };

class RandomSchemes {
public:
    explicit RandomSchemes(std::uint32_t seed) : random_(seed) {}

    int Between(int low, int high) {
        return low + static_cast<int>(random_() % static_cast<std::uint32_t>(high - low + 1));
    }

    // Any bytes but the bar and line breaks, Windows-1251 letters included.
    std::string Text() {
        std::string text(static_cast<std::size_t>(Between(0, 6)), '\0');
        for (char& ch : text) {
            do {
                ch = static_cast<char>(Between(0, 255));
            } while (ch == '|' || ch == '\r' || ch == '\n');
        }
        return text;
    }

    std::unique_ptr<Scheme> Next(Counts counts = Counts::Editor) {
        const bool editor = counts == Counts::Editor;
        auto scheme = std::make_unique<Scheme>();
        Scheme& s = *scheme;
        s.state.carCount = Between(1, Between(0, 1) ? 3 : kMaxCars);
        s.state.schemeType = Between(1, 6);
        for (int c = 0; c < s.state.carCount; ++c) {
            CarRecord& car = s.cars[static_cast<std::size_t>(c)];
            car.inverted = Between(0, 1) == 1;
            car.axleCount = Between(editor ? 2 : 1, Between(0, 1) ? 4 : kMaxAxles);
            car.bogieCount = editor ? Between(1, std::min(8, car.axleCount)) : Between(0, 9);
            car.series = Text();
            car.carNumber = Text();
            for (int a = 0; a < car.axleCount; ++a) {
                AxleSlot& axle = car.axles[static_cast<std::size_t>(a)];
                axle.axleName = Text();
                axle.run = Text();
                axle.sides[0].wheelSetName = Text();
                axle.sides[1].wheelSetName = Between(0, 1) ? axle.sides[0].wheelSetName : Text();
            }
        }
        return scheme;
    }

private:
    std::mt19937 random_;
};

}  // namespace quorvane::testing
