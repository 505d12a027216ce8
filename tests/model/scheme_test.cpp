#include <gtest/gtest.h>

#include "fresh_scheme.h"
#include "model/scheme.h"

namespace quorvane {
namespace {

void ExpectAllTextsAndMarksEmpty(const Scheme& scheme) {
    for (int c = 0; c < kMaxCars; ++c) {
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
                EXPECT_EQ(side.mark, 0);
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
    ExpectAllTextsAndMarksEmpty(*scheme);
}

TEST(SchemeTest, NewSchemeGivesOneCarOfFourAxlesAndKeepsTheName) {
    auto scheme = std::make_unique<Scheme>();
    scheme->fileName = "train";
    scheme->mode = Mode::ParameterMode;
    NewScheme(*scheme);
    EXPECT_EQ(scheme->mode, Mode::LayoutMode);
    EXPECT_EQ(scheme->fileName, "train");
    EXPECT_EQ(scheme->state.carCount, 1);
    EXPECT_EQ(scheme->cars[0].axleCount, 4);
    EXPECT_EQ(scheme->walk[0].mark, 1);
}

}  // namespace
}  // namespace quorvane
