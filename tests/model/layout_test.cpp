#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fresh_scheme.h"
#include "model/layout.h"

namespace quorvane {
namespace {

class LayoutTest : public ::testing::Test {
protected:
    std::unique_ptr<Scheme> owner = testing::FreshScheme();
    Scheme& s = *owner;

    void Repeat(int times, void (*step)(Scheme&)) {
        for (int i = 0; i < times; ++i) {
            step(s);
        }
    }
    const CarRecord& Current() const { return CurrentCar(s); }
};

TEST_F(LayoutTest, TrainGrowsToFortyCarsOfFourAxlesAndTwoBogies) {
    Repeat(39, AddCar);
    ASSERT_EQ(s.state.carCount, 40);
    for (std::size_t c = 0; c < 40; ++c) {
        EXPECT_EQ(s.cars[c].axleCount, 4) << "car " << c;
        EXPECT_EQ(s.cars[c].bogieCount, 2) << "car " << c;
    }
    AddCar(s);
    EXPECT_EQ(s.state.carCount, 40);
}

TEST_F(LayoutTest, OneCarCannotBeRemoved) {
    RemoveCar(s);
    EXPECT_EQ(s.state.carCount, 1);
    EXPECT_EQ(s.state.currentCar, 0);
}

TEST_F(LayoutTest, CarAddedAgainGetsFreshCountsAndEmptyTextsButKeepsOrientation) {
    AddCar(s);
    NextCarInLayout(s);
    SetInverted(s, true);
    Repeat(3, AddAxle);
    AddBogie(s);
    s.cars[1].series = "ER2";
    s.cars[1].carNumber = "102";
    s.cars[1].axles[3].sides[kRightSide].wheelSetName = "W4";
    s.cars[1].axles[6].run = "700";
    RemoveCar(s);

    EXPECT_EQ(s.cars[1].axleCount, 7) << "a slot that left the train keeps its counts";
    const std::vector<TextChange> emptied = TextsEmptiedByAddCar(s);
    AddCar(s);

    EXPECT_EQ(s.cars[1].axleCount, 4);
    EXPECT_EQ(s.cars[1].bogieCount, 2);
    EXPECT_TRUE(s.cars[1].inverted);
    EXPECT_EQ(s.cars[1].series, "");
    EXPECT_EQ(s.cars[1].carNumber, "");
    EXPECT_EQ(s.cars[1].axles[3].sides[kRightSide].wheelSetName, "");
    EXPECT_EQ(s.cars[1].axles[6].run, "700") << "emptied when it joins again";
    NextCarInLayout(s);
    Repeat(3, AddAxle);
    EXPECT_EQ(s.cars[1].axles[6].run, "");

    // What AddCar emptied, put back, gives the texts as they were.
    ASSERT_EQ(emptied.size(), 3u);
    auto owned = std::make_unique<Scheme>(s);
    Scheme& back = *owned;
    ApplyTextChanges(back, emptied, ChangeSide::Before);
    EXPECT_EQ(back.cars[1].series, "ER2");
    EXPECT_EQ(back.cars[1].carNumber, "102");
    EXPECT_EQ(back.cars[1].axles[3].sides[kRightSide].wheelSetName, "W4");
}

TEST_F(LayoutTest, AxleAddedStartsEmptyAndNothingIsEmptiedAtTheLimits) {
    s.cars[0].axles[4].axleName = "5";
    s.cars[0].axles[4].sides[kLeftSide].wheelSetName = "W5";
    ASSERT_EQ(TextsEmptiedByAddAxle(s).size(), 2u);
    AddAxle(s);
    EXPECT_EQ(s.cars[0].axles[4].axleName, "");
    EXPECT_EQ(s.cars[0].axles[4].sides[kLeftSide].wheelSetName, "");

    Repeat(11, AddAxle);
    ASSERT_EQ(Current().axleCount, 16);
    EXPECT_TRUE(TextsEmptiedByAddAxle(s).empty());
    Repeat(39, AddCar);
    EXPECT_TRUE(TextsEmptiedByAddCar(s).empty());
}

// Removing the current last car makes the new last car current; removing a
// car behind the current one leaves the current car where it is.
TEST_F(LayoutTest, RemovingTheCurrentLastCarMakesTheNewLastCarCurrent) {
    Repeat(3, AddCar);
    Repeat(3, NextCarInLayout);
    ASSERT_EQ(s.state.currentCar, 3);

    RemoveCar(s);
    EXPECT_EQ(s.state.carCount, 3);
    EXPECT_EQ(s.state.currentCar, 2);
    AddAxle(s);
    EXPECT_EQ(s.cars[2].axleCount, 5) << "the layout buttons work on a car of the train";
    EXPECT_EQ(s.cars[3].axleCount, 4);

    PreviousCarInLayout(s);
    RemoveCar(s);
    EXPECT_EQ(s.state.currentCar, 1);
    RemoveCar(s);
    EXPECT_EQ(s.state.currentCar, 0);
}

struct CountCase {
    const char* name;
    int axles;
    int bogies;
    void (*step)(Scheme&);
    int wantAxles;
    int wantBogies;
};

void PrintTo(const CountCase& c, std::ostream* os) {
    *os << c.name;
}

class CountClampTest : public LayoutTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(CountClampTest, StepStaysWithinTheLimits) {
    const CountCase& c = GetParam();
    CarRecord& car = CurrentCar(s);
    car.axleCount = c.axles;
    car.bogieCount = c.bogies;
    c.step(s);
    EXPECT_EQ(car.axleCount, c.wantAxles);
    EXPECT_EQ(car.bogieCount, c.wantBogies);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, CountClampTest,
    ::testing::Values(CountCase{"AddBogieAtAsManyBogiesAsAxles", 2, 2, AddBogie, 2, 2},
                      CountCase{"AddBogieBelowAxles", 3, 2, AddBogie, 3, 3},
                      CountCase{"AddBogieAtEight", 16, 8, AddBogie, 16, 8},
                      CountCase{"RemoveBogieAtOne", 4, 1, RemoveBogie, 4, 1},
                      CountCase{"RemoveBogie", 4, 2, RemoveBogie, 4, 1},
                      CountCase{"AddAxleAtSixteen", 16, 3, AddAxle, 16, 3},
                      CountCase{"AddAxle", 2, 2, AddAxle, 3, 2},
                      CountCase{"RemoveAxleLowersBogies", 5, 5, RemoveAxle, 4, 4},
                      CountCase{"RemoveAxleAtTwo", 2, 2, RemoveAxle, 2, 2},
                      CountCase{"RemoveAxleKeepsFewerBogies", 5, 2, RemoveAxle, 4, 2}),
    [](const ::testing::TestParamInfo<CountCase>& param) { return param.param.name; });

TEST_F(LayoutTest, SixteenAxlesTakeAtMostEightBogies) {
    Repeat(12, AddAxle);
    Repeat(20, AddBogie);
    EXPECT_EQ(Current().axleCount, 16);
    EXPECT_EQ(Current().bogieCount, 8);
}

TEST_F(LayoutTest, SchemeTypeStaysWithinOneToSix) {
    Repeat(10, NextSchemeType);
    EXPECT_EQ(s.state.schemeType, 6);
    PreviousSchemeType(s);
    EXPECT_EQ(s.state.schemeType, 5);
    Repeat(10, PreviousSchemeType);
    EXPECT_EQ(s.state.schemeType, 1);
}

TEST_F(LayoutTest, CurrentCarStaysInsideTheTrain) {
    Repeat(2, AddCar);
    PreviousCarInLayout(s);
    EXPECT_EQ(s.state.currentCar, 0);
    Repeat(2, NextCarInLayout);
    EXPECT_EQ(s.state.currentCar, 2);
    NextCarInLayout(s);
    EXPECT_EQ(s.state.currentCar, 2);
}

TEST_F(LayoutTest, OrientationBelongsToEachCar) {
    AddCar(s);
    NextCarInLayout(s);
    SetInverted(s, true);
    PreviousCarInLayout(s);
    EXPECT_FALSE(Current().inverted);
    NextCarInLayout(s);
    EXPECT_TRUE(Current().inverted);
    SetInverted(s, false);
    EXPECT_FALSE(s.cars[1].inverted);
}

// A typed count lands where the steppers would have taken it, clamped at
// the same limits; bogies never pass the car's axles.
TEST_F(LayoutTest, TypedCountIsClampedAsItsSteppersClamp) {
    struct Case {
        LayoutCount count;
        int typed;
        int expected;
    };
    const std::vector<Case> cases{
        {LayoutCount::Cars, 5, 5},       {LayoutCount::Cars, 55, 40},
        {LayoutCount::Cars, 0, 1},       {LayoutCount::Cars, -7, 1},
        {LayoutCount::Axles, 9, 9},      {LayoutCount::Axles, 17, 16},
        {LayoutCount::Axles, 1, 2},      {LayoutCount::Bogies, 3, 3},
        {LayoutCount::Bogies, 8, 4},     {LayoutCount::Bogies, 0, 1},
        {LayoutCount::SchemeType, 4, 4}, {LayoutCount::SchemeType, 7, 6},
        {LayoutCount::SchemeType, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("count " + std::to_string(static_cast<int>(c.count)) + " typed " +
                     std::to_string(c.typed));
        auto fresh = testing::FreshScheme();
        EXPECT_EQ(RangeOf(*fresh, c.count).Clamp(c.typed), c.expected);
        SetCount(*fresh, c.count, c.typed);
        EXPECT_EQ(CountOf(*fresh, c.count), c.expected);
    }
}

TEST_F(LayoutTest, FewerTypedAxlesLowerTheBogiesAsRemovingAxlesDoes) {
    SetCount(s, LayoutCount::Axles, 10);
    SetCount(s, LayoutCount::Bogies, 6);
    SetCount(s, LayoutCount::Axles, 3);
    EXPECT_EQ(Current().axleCount, 3);
    EXPECT_EQ(Current().bogieCount, 3);
}

// Slots that left the train keep their texts; a jump back over them empties
// every one, and what it gives takes them all back.
TEST_F(LayoutTest, JumpOfSeveralCarsEmptiesEachJoiningCarAndGivesItsTextsBack) {
    SetCount(s, LayoutCount::Cars, 4);
    s.cars[1].carNumber = "102";
    s.cars[3].axles[2].run = "300";
    SetCount(s, LayoutCount::Cars, 1);

    const std::vector<TextChange> emptied = SetCount(s, LayoutCount::Cars, 4);
    EXPECT_EQ(s.state.carCount, 4);
    EXPECT_TRUE(s.cars[1].carNumber.empty());
    EXPECT_TRUE(s.cars[3].axles[2].run.empty());
    EXPECT_EQ(s.cars[3].axleCount, kNewCarAxles);

    ApplyTextChanges(s, emptied, ChangeSide::Before);
    EXPECT_EQ(s.cars[1].carNumber, "102");
    EXPECT_EQ(s.cars[3].axles[2].run, "300");
}

TEST_F(LayoutTest, WhatALowerCountWouldDropHoldingTexts) {
    SetCount(s, LayoutCount::Cars, 5);
    for (CarRecord& car : s.cars) {
        car.series = "ER2";  // the train's, on every car
    }
    s.cars[2].carNumber = "103";
    s.cars[4].axles[3].sides[kRightSide].wheelSetName = "W";
    s.cars[3].axles[5].run = "beyond its 4 axles";
    EXPECT_EQ(CarsWithTextsFrom(s, 1), (std::vector<int>{2, 4}));
    EXPECT_EQ(CarsWithTextsFrom(s, 3), (std::vector<int>{4}));
    EXPECT_TRUE(CarsWithTextsFrom(s, 5).empty());

    s.cars[0].axles[1].axleName = "2";
    s.cars[0].axles[3].run = "400";
    EXPECT_EQ(AxlesWithTextsFrom(s, 1), (std::vector<int>{1, 3}));
    EXPECT_EQ(AxlesWithTextsFrom(s, 2), (std::vector<int>{3}));
}

}  // namespace
}  // namespace quorvane
