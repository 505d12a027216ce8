// Inserting and removing cars anywhere in the train, and the series a
// joining car starts with.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fresh_scheme.h"
#include "model/car_shift.h"
#include "model/layout.h"

namespace quorvane {
namespace {

// Cars told apart by their texts: car c has the number "N<c>", axle a of it
// the run "R<c>.<a>"; car 1 stands reversed with 6 axles and 3 bogies.
class CarShiftTest : public ::testing::Test {
protected:
    CarShiftTest() {
        s.state.carCount = 4;
        for (std::size_t c = 0; c < 4; ++c) {
            CarRecord& car = s.cars[c];
            car.axleCount = c == 1 ? 6 : 4;
            car.bogieCount = c == 1 ? 3 : 2;
            car.inverted = c == 1;
            car.series = "ER2";
            car.carNumber = "N" + std::to_string(c);
            for (std::size_t a = 0; a < 16; ++a) {
                car.axles[a].run = "R" + std::to_string(c) + "." + std::to_string(a);
            }
        }
    }

    std::vector<std::string> Numbers() const {
        std::vector<std::string> numbers;
        for (int c = 0; c < s.state.carCount; ++c) {
            numbers.push_back(s.cars[static_cast<std::size_t>(c)].carNumber);
        }
        return numbers;
    }

    std::unique_ptr<Scheme> owner = testing::FreshScheme();
    Scheme& s = *owner;
};

struct ShiftCase {
    const char* name;
    int current;
    enum { After, Before, Remove } step;
    std::vector<std::string> numbers;  // the cars after it, "" for the new one
    int current2;
};

void PrintTo(const ShiftCase& c, std::ostream* os) {
    *os << c.name;
}

class CarShiftCaseTest : public CarShiftTest, public ::testing::WithParamInterface<ShiftCase> {};

TEST_P(CarShiftCaseTest, CarsBehindMoveAlongAndTheRightCarIsCurrent) {
    const ShiftCase& c = GetParam();
    s.state.currentCar = c.current;
    const bool done = c.step == ShiftCase::Remove
                          ? RemoveCurrentCar(s)
                          : InsertCar(s, c.step == ShiftCase::After ? InsertPlace::AfterCurrent
                                                                    : InsertPlace::BeforeCurrent);
    ASSERT_TRUE(done);
    EXPECT_EQ(Numbers(), c.numbers);
    EXPECT_EQ(s.state.currentCar, c.current2);
    // Every car keeps its own texts and shape wherever it went.
    for (int i = 0; i < s.state.carCount; ++i) {
        const CarRecord& car = s.cars[static_cast<std::size_t>(i)];
        if (car.carNumber.empty()) {
            continue;
        }
        const int was = car.carNumber[1] - '0';
        EXPECT_EQ(car.axles[5].run, "R" + std::to_string(was) + ".5") << "car " << i;
        EXPECT_EQ(car.inverted, was == 1) << "car " << i;
        EXPECT_EQ(car.axleCount, was == 1 ? 6 : 4) << "car " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Steps, CarShiftCaseTest,
    ::testing::Values(
        ShiftCase{"InsertAfterFirst", 0, ShiftCase::After, {"N0", "", "N1", "N2", "N3"}, 1},
        ShiftCase{"InsertBeforeFirst", 0, ShiftCase::Before, {"", "N0", "N1", "N2", "N3"}, 0},
        ShiftCase{"InsertAfterLast", 3, ShiftCase::After, {"N0", "N1", "N2", "N3", ""}, 4},
        ShiftCase{"InsertBeforeSecond", 1, ShiftCase::Before, {"N0", "", "N1", "N2", "N3"}, 1},
        ShiftCase{"RemoveFirst", 0, ShiftCase::Remove, {"N1", "N2", "N3"}, 0},
        ShiftCase{"RemoveMiddle", 1, ShiftCase::Remove, {"N0", "N2", "N3"}, 1},
        ShiftCase{"RemoveLast", 3, ShiftCase::Remove, {"N0", "N1", "N2"}, 2}),
    [](const ::testing::TestParamInfo<ShiftCase>& param) { return param.param.name; });

TEST_F(CarShiftTest, InsertedCarCopiesTheCurrentLayoutOverAnEarlierRemovedCar) {
    // Slot 4 still holds a car "−" took away.
    s.cars[4].carNumber = "OLD";
    s.cars[4].series = "OLD";
    s.cars[4].axles[2].axleName = "A";
    s.cars[4].axles[7].run = "beyond";
    s.cars[4].axleCount = 2;
    s.state.currentCar = 1;
    const std::optional<CarInsertion> insertion = PlanCarInsertion(s, InsertPlace::AfterCurrent);
    ASSERT_TRUE(insertion);
    ApplyCarInsertion(s, *insertion);

    const CarRecord& inserted = s.cars[2];
    EXPECT_TRUE(inserted.inverted);
    EXPECT_EQ(inserted.axleCount, 6);
    EXPECT_EQ(inserted.bogieCount, 3);
    EXPECT_EQ(inserted.series, "ER2") << "every car shares it";
    EXPECT_EQ(inserted.carNumber, "");
    EXPECT_EQ(inserted.axles[2].axleName, "");
    EXPECT_EQ(inserted.axles[5].run, "");
    EXPECT_EQ(inserted.axles[7].run, "beyond") << "emptied when the axle joins";

    // The texts and the move taken back give the slot beyond as it was.
    ApplyTextChanges(s, insertion->texts, ChangeSide::Before);
    MoveCar(s, insertion->move, ChangeSide::Before);
    EXPECT_EQ(s.cars[4].carNumber, "OLD");
    EXPECT_EQ(s.cars[4].series, "OLD");
    EXPECT_EQ(s.cars[4].axles[2].axleName, "A");
    EXPECT_EQ(s.cars[2].carNumber, "N2");
}

TEST_F(CarShiftTest, RemovedCarWaitsBeyondTheTrainWithItsTexts) {
    s.state.currentCar = 1;
    ASSERT_TRUE(RemoveCurrentCar(s));
    EXPECT_EQ(s.state.carCount, 3);
    EXPECT_EQ(s.cars[3].carNumber, "N1");
    EXPECT_EQ(s.cars[3].axles[5].run, "R1.5");
    EXPECT_TRUE(s.cars[3].inverted);
}

TEST_F(CarShiftTest, TrainStaysWithinOneToFortyCars) {
    s.state.carCount = kMaxCars;
    s.state.currentCar = 39;
    EXPECT_FALSE(InsertCar(s, InsertPlace::BeforeCurrent));
    EXPECT_FALSE(InsertCar(s, InsertPlace::AfterCurrent));
    EXPECT_EQ(s.state.carCount, kMaxCars);

    s.state.carCount = 1;
    s.state.currentCar = 0;
    EXPECT_FALSE(RemoveCurrentCar(s));
    EXPECT_EQ(s.state.carCount, 1);
    EXPECT_EQ(s.cars[0].carNumber, "N0");
}

// Whichever way a car joins, it takes the series only when the whole train
// shares one.
TEST_F(CarShiftTest, JoiningCarTakesTheSeriesOnlyWhenEveryCarSharesIt) {
    struct Case {
        const char* name;
        std::vector<std::string> series;
        std::string joins;
    };
    const std::vector<Case> cases{
        {"one series", {"ER2", "ER2", "ER2", "ER2"}, "ER2"},
        {"one differs", {"ER2", "ER2", "ER9", "ER2"}, ""},
        {"differs by a byte's case", {"er2", "ER2", "ER2", "ER2"}, ""},
        {"none", {"", "", "", ""}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (std::size_t i = 0; i < 4; ++i) {
            s.cars[i].series = c.series[i];
        }
        s.cars[4].series = "OLD";
        EXPECT_EQ(SeriesOfJoiningCar(s), c.joins);

        auto added = std::make_unique<Scheme>(s);
        AddCar(*added);
        EXPECT_EQ(added->cars[4].series, c.joins) << "+";
        auto inserted = std::make_unique<Scheme>(s);
        ASSERT_TRUE(InsertCar(*inserted, InsertPlace::BeforeCurrent));
        EXPECT_EQ(inserted->cars[0].series, c.joins) << "insertion";
    }
}

TEST_F(CarShiftTest, HoldsTextsLooksOnlyWithinTheCarsAxles) {
    CarRecord& car = s.cars[5];
    car.axleCount = 2;
    car.axles[2].run = "beyond";
    EXPECT_FALSE(HoldsTexts(car));
    car.axles[1].sides[kRightSide].wheelSetName = "W";
    EXPECT_TRUE(HoldsTexts(car));
    EXPECT_TRUE(HoldsTexts(s.cars[0]));
}

}  // namespace
}  // namespace quorvane
