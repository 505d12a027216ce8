#include <gtest/gtest.h>

#include "fresh_scheme.h"
#include "model/layout.h"
#include "model/progress.h"

namespace quorvane {
namespace {

// Two cars of 4 axles; car 1 filled in but for the texts the cases empty.
TEST(ProgressTest, AWheelSetIsCompleteWhenNoneOfItsTextsIsEmpty) {
    auto owner = testing::FreshScheme();
    Scheme& s = *owner;
    AddCar(s);
    auto fill = [&s] {
        s.cars[0].series = "ER2";
        s.cars[0].carNumber = "101";
        for (AxleSlot& axle : s.cars[0].axles) {
            axle = {.axleName = "1", .run = "100", .sides = {{{"W"}, {"W"}}}};
        }
    };
    fill();
    EXPECT_TRUE(IsCarComplete(s, 0));
    EXPECT_FALSE(IsCarComplete(s, 1));
    EXPECT_EQ(ProgressOf(s).wheelSets, 8);
    EXPECT_EQ(ProgressOf(s).complete, 4);
    EXPECT_EQ(ProgressOf(s).Incomplete(), 4);

    struct Case {
        const char* text;
        void (*empty)(Scheme&);
        int complete;
    };
    const Case cases[] = {
        {"series", [](Scheme& t) { t.cars[0].series.clear(); }, 0},
        {"car number", [](Scheme& t) { t.cars[0].carNumber.clear(); }, 0},
        {"axle name", [](Scheme& t) { t.cars[0].axles[2].axleName.clear(); }, 3},
        {"run", [](Scheme& t) { t.cars[0].axles[2].run.clear(); }, 3},
        {"left name", [](Scheme& t) { t.cars[0].axles[3].sides[kLeftSide].wheelSetName.clear(); },
         3},
        {"right name", [](Scheme& t) { t.cars[0].axles[3].sides[kRightSide].wheelSetName.clear(); },
         3},
        {"a slot outside the car", [](Scheme& t) { t.cars[0].axles[4].run.clear(); }, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        fill();
        c.empty(s);
        EXPECT_EQ(ProgressOf(s).complete, c.complete);
        EXPECT_EQ(IsCarComplete(s, 0), c.complete == 4);
    }
}

}  // namespace
}  // namespace quorvane
