// Thousands of random layout and walk steps from a fixed seed, checking after
// every step the invariants that the drawing, the file writer and the window
// rely on.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <utility>

#include "fresh_scheme.h"
#include "model/layout.h"
#include "model/parameter_entry.h"

namespace quorvane {
namespace {

class RandomWalk {
public:
    explicit RandomWalk(std::uint32_t seed) : random_(seed) {}

    void Step() {
        if (s_.mode == Mode::LayoutMode) {
            LayoutStep();
        } else {
            WalkStep();
        }
        CheckInvariants();
    }

private:
    int Below(int n) { return static_cast<int>(random_() % static_cast<std::uint32_t>(n)); }

    std::string RandomText() {
        std::string text(static_cast<std::size_t>(Below(4)), ' ');
        for (char& ch : text) {
            ch = static_cast<char>(0x20 + Below(0xE0));  // Cyrillic bytes included
        }
        return text;
    }

    void LayoutStep() {
        if (Below(30) == 0) {
            s_.mode = Mode::ParameterMode;
            AcceptLayout(s_);
            CheckWalkOrder();
            return;
        }
        switch (Below(13)) {
            case 0:
            case 1:
                AddCar(s_);
                break;
            case 2:
                RemoveCar(s_);
                break;
            case 3:
                AddAxle(s_);
                break;
            case 4:
                RemoveAxle(s_);
                break;
            case 5:
                AddBogie(s_);
                break;
            case 6:
                RemoveBogie(s_);
                break;
            case 7:
                NextSchemeType(s_);
                break;
            case 8:
                PreviousSchemeType(s_);
                break;
            case 9:
                NextCarInLayout(s_);
                break;
            case 10:
                PreviousCarInLayout(s_);
                break;
            case 11:
                SetInverted(s_, Below(2) == 1);
                break;
            case 12:
                SelectCar(s_, Below(s_.state.carCount + 2) - 1);
                break;
        }
    }

    void WalkStep() {
        if (Below(200) == 0) {
            s_.mode = Mode::LayoutMode;
            NewScheme(s_);
            shadowSeries_.clear();
            shadowCarNumbers_.clear();
            shadowAxles_.clear();
            return;
        }
        ParameterTexts typed{RandomText(), RandomText(), RandomText(), RandomText(), RandomText()};
        StoreEditsToModel(s_, typed);
        Remember(typed);
        const int before = s_.state.walkCursor;
        bool moved = false;
        switch (Below(6)) {
            case 0:
                moved = PreviousWheelSet(s_);
                break;
            case 1:
                moved = NextWheelSet(s_);
                break;
            case 2:
                moved = PreviousCarInWalk(s_);
                break;
            case 3:
                moved = NextCarInWalk(s_);
                break;
            case 4:
                moved = SelectCar(s_, Below(s_.state.carCount + 2) - 1);
                break;
            case 5:
                moved = MoveWalkCursor(s_, Below(s_.state.totalAxles + 2) - 1);
                break;
        }
        if (!moved) {
            EXPECT_EQ(s_.state.walkCursor, before) << "a refused step stays where it was";
        }
        EXPECT_EQ(LoadEditsFromModel(s_), Shadow()) << "the texts stored at this position";
    }

    void Remember(const ParameterTexts& typed) {
        shadowSeries_ = typed.series;
        shadowCarNumbers_[s_.state.currentCar] = typed.carNumber;
        shadowAxles_[{s_.state.currentCar, s_.state.currentAxle}] = typed;
    }

    ParameterTexts Shadow() {
        ParameterTexts axle = shadowAxles_[{s_.state.currentCar, s_.state.currentAxle}];
        return {shadowSeries_, shadowCarNumbers_[s_.state.currentCar], axle.axleName,
                axle.wheelSetName, axle.run};
    }

    void CheckWalkOrder() {
        int k = 0;
        for (int c = 0; c < s_.state.carCount; ++c) {
            const CarRecord& car = s_.cars[static_cast<std::size_t>(c)];
            for (int j = 0; j < car.axleCount; ++j, ++k) {
                const int axle = car.inverted ? car.axleCount - 1 - j : j;
                const WalkEntry& entry = s_.walk[static_cast<std::size_t>(k)];
                ASSERT_EQ(std::make_pair(entry.car, entry.axle), std::make_pair(c, axle))
                    << "walk entry " << k;
            }
        }
        ASSERT_EQ(s_.state.totalAxles, k);
    }

    void CheckInvariants() {
        const SchemeState& st = s_.state;
        ASSERT_GE(st.carCount, 1);
        ASSERT_LE(st.carCount, kMaxCars);
        ASSERT_GE(st.schemeType, 1);
        ASSERT_LE(st.schemeType, 6);
        ASSERT_GE(st.currentCar, 0);
        ASSERT_LT(st.currentCar, st.carCount);
        for (int c = 0; c < st.carCount; ++c) {
            const CarRecord& car = s_.cars[static_cast<std::size_t>(c)];
            ASSERT_GE(car.axleCount, 2);
            ASSERT_LE(car.axleCount, kMaxAxles);
            ASSERT_GE(car.bogieCount, 1);
            ASSERT_LE(car.bogieCount, std::min(8, car.axleCount));
        }

        if (s_.mode == Mode::LayoutMode) {
            return;
        }
        ASSERT_GE(st.walkCursor, 0);
        ASSERT_LT(st.walkCursor, st.totalAxles);
        const WalkEntry& here = s_.walk[static_cast<std::size_t>(st.walkCursor)];
        ASSERT_EQ(std::make_pair(here.car, here.axle),
                  std::make_pair(st.currentCar, st.currentAxle));
    }

    std::mt19937 random_;
    std::unique_ptr<Scheme> owner_ = testing::FreshScheme();
    Scheme& s_ = *owner_;
    std::string shadowSeries_;
    std::map<int, std::string> shadowCarNumbers_;
    std::map<std::pair<int, int>, ParameterTexts> shadowAxles_;
};

TEST(WalkPropertyTest, InvariantsHoldUnderRandomSteps) {
    for (std::uint32_t seed : {1u, 2u, 3u, 2024u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RandomWalk walk(seed);
        for (int step = 0; step < 5000; ++step) {
            walk.Step();
            if (::testing::Test::HasFatalFailure() || ::testing::Test::HasNonfatalFailure()) {
                FAIL() << "at step " << step;
            }
        }
    }
}

}  // namespace
}  // namespace quorvane
