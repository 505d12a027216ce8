#include <gtest/gtest.h>

#include "fresh_scheme.h"
#include "model/layout.h"
#include "model/parameter_entry.h"
#include "model/scheme.h"

namespace quorvane {
namespace {

void ExpectAllTextsEmpty(const Scheme& scheme) {
    for (std::size_t c = 0; c < kMaxCars; ++c) {
        const CarRecord& car = scheme.cars[c];
        SCOPED_TRACE("car slot " + std::to_string(c));
        EXPECT_FALSE(car.inverted);
        EXPECT_EQ(car.series, "");
        EXPECT_EQ(car.carNumber, "");
        for (const AxleSlot& axle : car.axles) {
            EXPECT_EQ(axle.axleName, "");
            EXPECT_EQ(axle.run, "");
            for (const WheelSide& side : axle.sides) {
                EXPECT_EQ(side.wheelSetName, "");
            }
        }
    }
}

TEST(SchemeTest, ProgramStartHoldsZerosEmptyTextsAndTheNewSchemeName) {
    auto scheme = std::make_unique<Scheme>();
    EXPECT_EQ(scheme->mode, Mode::LayoutMode);
    EXPECT_EQ(scheme->fileName, "new_scheme");
    EXPECT_EQ(scheme->state.carCount, 0);
    EXPECT_EQ(scheme->state.schemeType, 0);
    EXPECT_EQ(scheme->cars[0].axleCount, 0);
    ExpectAllTextsEmpty(*scheme);
}

// NewScheme after a scheme was worked on: everything the operator entered is
// gone, the layout is back to one car, and the name under which the scheme
// was saved or loaded stays.
TEST(SchemeTest, NewSchemeResetsAWorkedOnSchemeButKeepsItsName) {
    auto scheme = testing::FreshScheme();
    Scheme& s = *scheme;
    for (int i = 0; i < 5; ++i) {
        AddCar(s);
    }
    NextCarInLayout(s);
    SetInverted(s, true);
    AddAxle(s);
    NextSchemeType(s);
    s.mode = Mode::ParameterMode;
    AcceptLayout(s);
    StoreEditsToModel(s, ParameterTexts{"ER2", "101", "1", "W1", "100"});
    NextWheelSet(s);
    s.fileName = "train";

    NewScheme(s);

    EXPECT_EQ(s.mode, Mode::LayoutMode);
    EXPECT_EQ(s.fileName, "train");
    EXPECT_EQ(s.state.carCount, 1);
    EXPECT_EQ(s.state.schemeType, 1);
    EXPECT_EQ(s.cars[0].axleCount, 4);
    EXPECT_EQ(s.cars[0].bogieCount, 2);
    EXPECT_EQ(s.state.currentCar, 0);
    EXPECT_EQ(s.state.currentAxle, 0);
    EXPECT_EQ(s.state.walkCursor, 0);
    EXPECT_EQ(s.state.totalAxles, 0) << "no walk until Set";
    ExpectAllTextsEmpty(s);
}

// ClearAllCars empties texts and orientation of every slot, also those
// outside the train, and leaves every count alone.
TEST(SchemeTest, ClearAllCarsKeepsCountsOfEverySlot) {
    auto scheme = testing::FreshScheme();
    Scheme& s = *scheme;
    AddCar(s);
    AddCar(s);
    AddCar(s);
    NextCarInLayout(s);
    AddAxle(s);
    AddAxle(s);
    s.cars[3].series = "left the train";
    s.cars[3].inverted = true;
    RemoveCar(s);
    NextCarInLayout(s);

    ClearAllCars(s);

    EXPECT_EQ(s.state.carCount, 3);
    EXPECT_EQ(s.cars[1].axleCount, 6);
    EXPECT_EQ(s.cars[3].axleCount, 4);
    EXPECT_EQ(s.state.currentCar, 0);
    ExpectAllTextsEmpty(s);
}

}  // namespace
}  // namespace quorvane
