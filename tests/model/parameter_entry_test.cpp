#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "fresh_scheme.h"
#include "model/layout.h"
#include "model/parameter_entry.h"

namespace quorvane {
namespace {

using CarAxle = std::pair<int, int>;

class ParameterEntryTest : public ::testing::Test {
protected:
    std::unique_ptr<Scheme> owner = testing::FreshScheme();
    Scheme& s = *owner;

    // What the Set button does to the model.
    void Accept() {
        s.mode = Mode::ParameterMode;
        AcceptLayout(s);
    }
    // Car 1 with 4 axles, direct; car 2 with 3 axles, reversed.
    void LayOutDirectFourAndReversedThree() {
        AddCar(s);
        NextCarInLayout(s);
        RemoveAxle(s);
        SetInverted(s, true);
    }
    CarAxle Position() const { return {s.state.currentCar, s.state.currentAxle}; }
    std::vector<CarAxle> Walk() const {
        std::vector<CarAxle> walk;
        for (int k = 0; k < s.state.totalAxles; ++k) {
            const WalkEntry& entry = s.walk[static_cast<std::size_t>(k)];
            walk.emplace_back(entry.car, entry.axle);
        }
        return walk;
    }
};

TEST_F(ParameterEntryTest, WalkTakesAReversedCarFromItsLastAxle) {
    LayOutDirectFourAndReversedThree();
    Accept();
    EXPECT_EQ(Walk(),
              (std::vector<CarAxle>{{0, 0}, {0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 1}, {1, 0}}));
    EXPECT_EQ(s.state.totalAxles, 7);
}

TEST_F(ParameterEntryTest, SetStartsOnTheFirstAxleWithEmptyEdits) {
    Accept();
    EXPECT_EQ(s.state.walkCursor, 0);
    EXPECT_EQ(Position(), CarAxle(0, 0));
    EXPECT_EQ(LoadEditsFromModel(s), ParameterTexts{});
    EXPECT_EQ(EmptinessColour(LoadEditsFromModel(s).run), kEmptyFieldColour);
}

TEST_F(ParameterEntryTest, TypedRunIsStoredOnLeavingAndShownOnReturn) {
    Accept();
    ParameterTexts typed = LoadEditsFromModel(s);
    typed.run = "12500";
    StoreEditsToModel(s, typed);
    ASSERT_TRUE(NextWheelSet(s));

    EXPECT_EQ(s.cars[0].axles[0].run, "12500");
    EXPECT_EQ(Position(), CarAxle(0, 1));
    EXPECT_EQ(LoadEditsFromModel(s).run, "");

    StoreEditsToModel(s, LoadEditsFromModel(s));
    ASSERT_TRUE(PreviousWheelSet(s));
    EXPECT_EQ(LoadEditsFromModel(s).run, "12500");
    EXPECT_EQ(EmptinessColour(LoadEditsFromModel(s).run), kFilledFieldColour);
}

TEST_F(ParameterEntryTest, StoreSpreadsTheSeriesAndTheWheelSetName) {
    AddCar(s);
    AddCar(s);
    s.cars[3].series = "outside the train";
    Accept();
    NextCarInWalk(s);

    StoreEditsToModel(s, ParameterTexts{"ER2", "2044", "7", "W-31", "900"});

    for (std::size_t c = 0; c < 3; ++c) {
        EXPECT_EQ(s.cars[c].series, "ER2") << "car " << c;
    }
    EXPECT_EQ(s.cars[3].series, "outside the train");
    EXPECT_EQ(s.cars[0].carNumber, "");
    EXPECT_EQ(s.cars[1].carNumber, "2044");
    const AxleSlot& axle = s.cars[1].axles[0];
    EXPECT_EQ(axle.axleName, "7");
    EXPECT_EQ(axle.run, "900");
    EXPECT_EQ(axle.sides[kLeftSide].wheelSetName, "W-31");
    EXPECT_EQ(axle.sides[kRightSide].wheelSetName, "W-31");
}

// The edit shows the name of the wheel the scheme type lists first; an edit
// left as it was stores nothing, a changed one gives both wheels its text.
TEST_F(ParameterEntryTest, DifferentWheelSetNamesShowTheFirstListedAndStayUntilChanged) {
    struct Case {
        int type;
        bool inverted;
        int shownSide;  // of axle slot 0
    };
    // Type 1 lists the left wheels first going forwards, type 2 the right;
    // an inverted car is gone through backwards, and its entries of types 5
    // and 6 carry the other wheel's name.
    const std::vector<Case> cases{
        {1, false, kLeftSide}, {1, true, kRightSide}, {2, false, kRightSide}, {2, true, kLeftSide},
        {3, false, kLeftSide}, {3, true, kRightSide}, {4, false, kRightSide}, {4, true, kLeftSide},
        {5, false, kLeftSide}, {5, true, kRightSide}, {6, false, kRightSide}, {6, true, kLeftSide},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("type " + std::to_string(c.type) + (c.inverted ? ", inverted" : ", direct"));
        s = Scheme{};
        NewScheme(s);
        s.state.schemeType = c.type;
        s.cars[0].inverted = c.inverted;
        s.cars[0].series = "S";
        Accept();
        ASSERT_TRUE(SelectCar(s, 0));
        while (s.state.currentAxle != 0) {
            ASSERT_TRUE(NextWheelSet(s));
        }
        AxleSlot& axle = s.cars[0].axles[0];
        axle.sides[kLeftSide].wheelSetName = "L-1";
        axle.sides[kRightSide].wheelSetName = "R-1";
        const char* shown = c.shownSide == kLeftSide ? "L-1" : "R-1";
        const char* other = c.shownSide == kLeftSide ? "R-1" : "L-1";
        EXPECT_EQ(LoadEditsFromModel(s).wheelSetName, shown);
        const std::optional<DifferingNames> differing = DifferingWheelSetNames(s);
        ASSERT_TRUE(differing);
        EXPECT_EQ(differing->shownSide, c.shownSide);
        EXPECT_EQ(differing->shown, shown);
        EXPECT_EQ(differing->otherSide, 1 - c.shownSide);
        EXPECT_EQ(differing->other, other);

        EXPECT_FALSE(StoreEditsToModel(s, EditedTexts{}));
        EXPECT_EQ(axle.sides[kLeftSide].wheelSetName, "L-1");
        EXPECT_EQ(axle.sides[kRightSide].wheelSetName, "R-1");

        EXPECT_TRUE(StoreEditsToModel(s, EditedTexts{.wheelSetName = "W"}));
        EXPECT_EQ(axle.sides[kLeftSide].wheelSetName, "W");
        EXPECT_EQ(axle.sides[kRightSide].wheelSetName, "W");
        EXPECT_FALSE(DifferingWheelSetNames(s));
        EXPECT_EQ(s.cars[0].series, "S") << "an edit left as it was stores nothing";
    }
}

// A loaded train may hold a series per car; walking over it without typing
// keeps each, and a changed series still goes to every car.
TEST_F(ParameterEntryTest, OnlyAChangedSeriesOrNumberIsStored) {
    AddCar(s);
    Accept();
    s.cars[0].series = "ER2";
    s.cars[1].series = "ER9";
    s.cars[1].carNumber = "102";
    for (int step = 0; step < 8; ++step) {
        StoreEditsToModel(s, EditedTexts{.axleName = std::to_string(step)});
        NextWheelSet(s);
    }
    EXPECT_EQ(s.cars[0].series, "ER2");
    EXPECT_EQ(s.cars[1].series, "ER9");
    EXPECT_EQ(s.cars[1].carNumber, "102");

    StoreEditsToModel(s, EditedTexts{.series = "ER2M", .carNumber = "202"});
    EXPECT_EQ(s.cars[0].series, "ER2M");
    EXPECT_EQ(s.cars[1].series, "ER2M");
    EXPECT_EQ(s.cars[0].carNumber, "");
    EXPECT_EQ(s.cars[1].carNumber, "202");
}

TEST_F(ParameterEntryTest, ReversedCarIsVisitedBackwardsAndEnteredAtItsLastSlot) {
    AddCar(s);
    NextCarInLayout(s);
    SetInverted(s, true);
    AddCar(s);
    Accept();

    ASSERT_TRUE(NextCarInWalk(s));
    std::vector<int> visited{s.state.currentAxle};
    while (NextWheelSet(s) && s.state.currentCar == 1) {
        visited.push_back(s.state.currentAxle);
    }
    EXPECT_EQ(visited, (std::vector<int>{3, 2, 1, 0}));
    ASSERT_EQ(Position(), CarAxle(2, 0));

    ASSERT_TRUE(PreviousCarInWalk(s));
    EXPECT_EQ(Position(), CarAxle(1, 3));
    EXPECT_EQ(s.state.walkCursor, 4);
}

TEST_F(ParameterEntryTest, WalkButtonsStayAtBothEnds) {
    AddCar(s);
    Accept();
    EXPECT_FALSE(PreviousWheelSet(s));
    EXPECT_FALSE(PreviousCarInWalk(s));
    EXPECT_EQ(s.state.walkCursor, 0);

    while (NextWheelSet(s)) {
    }
    EXPECT_EQ(s.state.walkCursor, 7);
    EXPECT_FALSE(NextCarInWalk(s));
    EXPECT_EQ(s.state.walkCursor, 7);
    EXPECT_EQ(Position(), CarAxle(1, 3));
}

TEST_F(ParameterEntryTest, ClickOnTheCurrentCarGoesToItsFirstWalkEntry) {
    AddCar(s);
    Accept();
    NextCarInWalk(s);
    NextWheelSet(s);
    NextWheelSet(s);
    ASSERT_EQ(Position(), CarAxle(1, 2));

    EXPECT_TRUE(SelectCar(s, 1));
    EXPECT_EQ(Position(), CarAxle(1, 0));
    EXPECT_EQ(s.state.walkCursor, 4);
}

// A wheel clicked in the diagram: an axle slot of the current car.
TEST_F(ParameterEntryTest, SelectAxleGoesToThatSlotOfTheCurrentCar) {
    EXPECT_FALSE(SelectAxle(s, 2)) << "LayoutMode";
    LayOutDirectFourAndReversedThree();
    Accept();
    NextCarInWalk(s);
    ASSERT_EQ(Position(), CarAxle(1, 2));

    EXPECT_TRUE(SelectAxle(s, 0));
    EXPECT_EQ(Position(), CarAxle(1, 0));
    EXPECT_EQ(s.state.walkCursor, 6) << "a reversed car's slot 0 is its last in the walk";
    EXPECT_FALSE(SelectAxle(s, 3)) << "a slot beyond the car";
    EXPECT_FALSE(SelectAxle(s, -1));
    EXPECT_EQ(s.state.walkCursor, 6);
}

// What Ctrl+D copies: the texts of the walk's previous entry, across cars,
// the wheel-set name as the edit would show it there.
TEST_F(ParameterEntryTest, PreviousWheelSetTextsAreThoseOfTheWalksEntryBefore) {
    LayOutDirectFourAndReversedThree();
    s.state.schemeType = 5;
    EXPECT_EQ(PreviousWheelSetTexts(s), std::nullopt) << "LayoutMode";
    Accept();
    EXPECT_EQ(PreviousWheelSetTexts(s), std::nullopt) << "the first wheel set";
    s.cars[0].series = "ER2";
    s.cars[0].carNumber = "101";
    AxleSlot& last = s.cars[0].axles[3];
    last.axleName = "4";
    last.run = "400";
    last.sides[kLeftSide].wheelSetName = "WL";
    last.sides[kRightSide].wheelSetName = "WR";
    NextCarInWalk(s);
    ASSERT_EQ(Position(), CarAxle(1, 2));

    const std::optional<ParameterTexts> previous = PreviousWheelSetTexts(s);
    ASSERT_TRUE(previous);
    MoveWalkCursor(s, 3);  // car 1's last wheel set, the walk entry before
    EXPECT_EQ(*previous, LoadEditsFromModel(s));
    EXPECT_EQ(previous->wheelSetName, "WR") << "type 5 lists the right wheel of axle 4 first";
    EXPECT_EQ(previous->axleName, "4");
    EXPECT_EQ(previous->carNumber, "101");
}

TEST_F(ParameterEntryTest, SelectCarInLayoutModeOnlyMakesTheCarCurrent) {
    AddCar(s);
    const int cursor = s.state.walkCursor;
    EXPECT_FALSE(SelectCar(s, 1));
    EXPECT_EQ(s.state.currentCar, 1);
    EXPECT_EQ(s.state.walkCursor, cursor);
    EXPECT_FALSE(SelectCar(s, 2)) << "a car outside the train";
    EXPECT_EQ(s.state.currentCar, 1);
}

// Only a malformed file can leave a car of the train without walk entries;
// entries behind the walk may still name it and must not be found.
TEST_F(ParameterEntryTest, SelectCarWithoutWalkEntriesLeavesTheWalkAlone) {
    AddCar(s);
    AddCar(s);
    s.walk[9].car = 1;
    s.cars[1].axleCount = 0;
    Accept();
    ASSERT_EQ(s.state.totalAxles, 8);
    NextWheelSet(s);

    EXPECT_FALSE(SelectCar(s, 1));
    EXPECT_EQ(s.state.walkCursor, 1);
    EXPECT_EQ(Position(), CarAxle(0, 1));
    EXPECT_FALSE(NextCarInWalk(s)) << "the car button cannot land on it either";
}

// Set after the layout was edited goes on where the walk was, or at the
// nearest axle the car still has; a scheme never set starts at entry 0.
TEST_F(ParameterEntryTest, SetAgainResumesAtTheSameCarAndAxle) {
    struct Case {
        const char* what;
        void (*edit)(Scheme&);
        CarAxle resumed;
        int cursor;
    };
    const std::vector<Case> cases{
        {"nothing changed", [](Scheme&) {}, {1, 1}, 5},
        {"a car added behind", [](Scheme& scheme) { AddCar(scheme); }, {1, 1}, 5},
        {"the car made direct, at its first slot",
         [](Scheme& scheme) {
             scheme.state.currentAxle = 0;  // walk entry 6 before
             SetInverted(scheme, false);
         },
         {1, 0},
         4},
        {"an axle added before it",
         [](Scheme& scheme) {
             PreviousCarInLayout(scheme);
             AddAxle(scheme);
             NextCarInLayout(scheme);
         },
         {1, 1},
         6},
        {"the car shortened below the axle",
         [](Scheme& scheme) {
             scheme.state.currentAxle = 2;
             RemoveAxle(scheme);
         },
         {1, 1},
         4},
        {"the car removed", [](Scheme& scheme) { RemoveCar(scheme); }, {0, 1}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        s = Scheme{};
        NewScheme(s);
        LayOutDirectFourAndReversedThree();
        Accept();
        ASSERT_TRUE(MoveWalkCursor(s, 5));
        ASSERT_EQ(Position(), CarAxle(1, 1));
        s.mode = Mode::LayoutMode;
        c.edit(s);
        s.mode = Mode::ParameterMode;
        ResumeWalk(s);
        EXPECT_EQ(Position(), c.resumed);
        EXPECT_EQ(s.state.walkCursor, c.cursor);
        EXPECT_EQ(s.walk[static_cast<std::size_t>(c.cursor)],
                  (WalkEntry{c.resumed.first, c.resumed.second}));
        EXPECT_EQ(s.state.totalAxles, AxlesInTrain(s));
    }

    s = Scheme{};
    NewScheme(s);
    AddCar(s);
    NextCarInLayout(s);
    s.state.currentAxle = 3;
    ResumeWalk(s);
    EXPECT_EQ(s.state.walkCursor, 0) << "a new scheme starts at the first wheel set";
    EXPECT_EQ(Position(), CarAxle(0, 0));
}

TEST(EmptinessColourTest, OnlyTheEmptyTextIsLightRed) {
    EXPECT_EQ(EmptinessColour(""), (Rgb{255, 210, 210}));
    EXPECT_EQ(EmptinessColour("  "), (Rgb{210, 255, 210}));
    EXPECT_EQ(EmptinessColour("\xC2"), (Rgb{210, 255, 210}));
}

}  // namespace
}  // namespace quorvane
