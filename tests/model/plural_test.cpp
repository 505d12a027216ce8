#include "model/plural.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvane {
namespace {

struct Case {
    long long count;
    const char* russian;
    const char* english;
};

TEST(PluralTest, CountsTakeTheFormOfTheirNumber) {
    const Case cases[] = {
        {0, "0 вагонов", "0 cars"},     {1, "1 вагон", "1 car"},
        {2, "2 вагона", "2 cars"},      {4, "4 вагона", "4 cars"},
        {5, "5 вагонов", "5 cars"},     {11, "11 вагонов", "11 cars"},
        {12, "12 вагонов", "12 cars"},  {14, "14 вагонов", "14 cars"},
        {21, "21 вагон", "21 cars"},    {22, "22 вагона", "22 cars"},
        {25, "25 вагонов", "25 cars"},  {101, "101 вагон", "101 cars"},
        {111, "111 вагонов", "111 cars"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Counted(c.count, kCars, Language::Russian), c.russian) << c.count;
        EXPECT_EQ(Counted(c.count, kCars, Language::English), c.english) << c.count;
    }
}

}  // namespace
}  // namespace quorvane
