#include "sheet/wheel_numbers.h"

#include <string>

#include "drawing/car_view.h"

namespace quorvane {

namespace {

constexpr TextStyle kNumberStyle{7, true, false};
constexpr int kDigitWidth = 6;  // of the bold 7-point digits, near enough to centre them

}  // namespace

std::vector<NumberedWheel> NumberedWheelsOf(const Scheme& scheme, int c) {
    std::vector<NumberedWheel> wheels;
    if (scheme.state.schemeType < 1 || scheme.state.schemeType > 6) {
        return wheels;
    }
    const std::vector<WheelEntry> order = WheelOrder(scheme);
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (order[i].car == c) {
            wheels.push_back({order[i], static_cast<int>(i) + 1});
        }
    }
    return wheels;
}

void DrawWheelNumbers(DrawingSurface& surface, const CarRecord& car,
                      std::span<const NumberedWheel> wheels) {
    for (const NumberedWheel& wheel : wheels) {
        const WheelPlace place = WheelInCarView(car, wheel.entry.axle, wheel.entry.side);
        const std::string number = std::to_string(wheel.position);
        const int left = place.x - static_cast<int>(number.size()) * kDigitWidth / 2;
        const int top = place.upper ? -kNumbersAbove : kCarViewHeight + 1;
        surface.Text({left, top}, number, kNumberStyle);
    }
}

}  // namespace quorvane
