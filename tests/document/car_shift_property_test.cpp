// Inserting and removing cars on random trains from fixed seeds: what
// moves is only what should, the file is that of a train laid out so from
// the start, and undo gives back every one of the 40 slots.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "../schemefile/random_schemes.h"
#include "all_slots.h"
#include "document/scheme_document.h"
#include "model/car_shift.h"
#include "model/layout.h"
#include "schemefile/scheme_writer.h"

namespace quorvane {
namespace {

using CarStep = SchemeDocument::CarStep;
using testing::SlotsOf;

std::string Bytes(const Scheme& scheme) {
    const WriteResult written = WriteScheme(scheme, "cars");
    EXPECT_TRUE(written.ok) << written.error;
    return written.bytes;
}

class CarShiftProperty : public ::testing::Test {
protected:
    std::mt19937 random_{7};
    testing::RandomSchemes schemes_{7};

    int Below(int n) { return static_cast<int>(random_() % static_cast<std::uint32_t>(n)); }

    // A random train in the layout, a random car current, and slots beyond
    // the train holding texts of cars removed earlier.
    std::unique_ptr<Scheme> Train() {
        std::unique_ptr<Scheme> scheme = schemes_.Next();
        const std::unique_ptr<Scheme> earlier = schemes_.Next();
        for (int c = scheme->state.carCount; c < kMaxCars; ++c) {
            scheme->cars[static_cast<std::size_t>(c)] = earlier->cars[static_cast<std::size_t>(c)];
        }
        if (Below(3) == 0) {  // one series, as a train mostly has
            for (CarRecord& car : scheme->cars) {
                car.series = "ER2";
            }
        }
        scheme->mode = Mode::LayoutMode;
        scheme->state.currentCar = Below(scheme->state.carCount);
        return scheme;
    }
};

TEST_F(CarShiftProperty, InsertedCarIsAsIfTheTrainWereLaidOutSoFromTheStart) {
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const std::unique_ptr<Scheme> train = Train();
        const Scheme& was = *train;
        const int cars = was.state.carCount;
        if (cars == kMaxCars) {
            continue;
        }
        const bool before = Below(2) == 0;
        const int at = was.state.currentCar + (before ? 0 : 1);
        auto inserted = std::make_unique<Scheme>(was);
        ASSERT_TRUE(
            InsertCar(*inserted, before ? InsertPlace::BeforeCurrent : InsertPlace::AfterCurrent));
        EXPECT_EQ(inserted->state.currentCar, at);
        EXPECT_EQ(inserted->state.carCount, cars + 1);

        // The same train, each car written into its slot anew.
        auto laidOut = std::make_unique<Scheme>();
        laidOut->state = was.state;
        laidOut->state.carCount = cars + 1;
        const CarRecord& current = CurrentCar(was);
        for (int c = 0; c <= cars; ++c) {
            CarRecord& car = laidOut->cars[static_cast<std::size_t>(c)];
            if (c == at) {
                car.inverted = current.inverted;
                car.axleCount = current.axleCount;
                car.bogieCount = current.bogieCount;
                car.series = SeriesOfJoiningCar(was);
            } else {
                car = was.cars[static_cast<std::size_t>(c < at ? c : c - 1)];
            }
        }
        EXPECT_EQ(Bytes(*inserted), Bytes(*laidOut));
        // Every other car, beyond its axles too, exactly as it was.
        const std::vector<std::string> now = SlotsOf(*inserted, cars + 1);
        const std::vector<std::string> then = SlotsOf(was, cars);
        for (int c = 0; c < cars; ++c) {
            EXPECT_EQ(now[static_cast<std::size_t>(c < at ? c : c + 1)],
                      then[static_cast<std::size_t>(c)])
                << "car " << c;
        }

        // Removed again: the train's cars and the file as they were; the
        // car that takes the removed one's place is current.
        ASSERT_TRUE(RemoveCurrentCar(*inserted));
        EXPECT_EQ(SlotsOf(*inserted, cars), then);
        EXPECT_EQ(Bytes(*inserted), Bytes(was));
        EXPECT_EQ(inserted->state.currentCar, std::min(at, cars - 1));
        if (before) {
            EXPECT_EQ(inserted->state.currentCar, was.state.currentCar);
        }
    }
}

// "−", then an insertion, which takes the slot the car removed by "−" left
// behind, then both undone: all 40 slots as they were, and redone, as they
// were after each.
TEST_F(CarShiftProperty, UndoGivesBackEverySlotAfterRemovalsAndInsertions) {
    for (int round = 0; round < 100; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        std::unique_ptr<Scheme> train = Train();
        const int current = train->state.currentCar;
        SchemeDocument document;
        document.Open(std::move(train), QString());
        document.EditLayout({});
        document.SelectCar({}, current);
        const Scheme& s = document.scheme();

        std::vector<std::vector<std::string>> states{SlotsOf(s)};
        std::vector<std::string> bytes{Bytes(s)};
        const int start = document.undoStack().index();
        for (int step = 0; step < 6; ++step) {
            document.SelectCar({}, Below(s.state.carCount));
            switch (Below(step == 0 ? 1 : 4)) {
                case 0:
                    document.ChangeLayout(SchemeDocument::LayoutStep::RemoveCar);
                    break;
                case 1:
                    document.ChangeCars(CarStep::InsertAfter);
                    break;
                case 2:
                    document.ChangeCars(CarStep::InsertBefore);
                    break;
                default:
                    document.ChangeCars(CarStep::Remove);
                    break;
            }
            if (document.undoStack().index() - start == static_cast<int>(states.size())) {
                states.push_back(SlotsOf(s));
                bytes.push_back(Bytes(s));
            }
        }
        for (auto i = states.size() - 1; i > 0; --i) {
            document.Undo();
            ASSERT_EQ(SlotsOf(s), states[i - 1]) << "undo to " << i - 1;
            ASSERT_EQ(Bytes(s), bytes[i - 1]);
        }
        for (std::size_t i = 1; i < states.size(); ++i) {
            document.Redo();
            ASSERT_EQ(SlotsOf(s), states[i]) << "redo to " << i;
        }
    }
}

}  // namespace
}  // namespace quorvane
