#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "example_trains.h"
#include "model/layout.h"
#include "schemefile/file_limits.h"
#include "schemefile/scheme_name.h"
#include "schemefile/scheme_writer.h"

namespace quorvane {
namespace {

// Joins lines with CR LF after each, the last one included.
std::string Lines(const std::vector<std::string_view>& lines) {
    std::string out;
    for (std::string_view line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::string Written(const Scheme& scheme, std::string_view name) {
    const WriteResult result = WriteScheme(scheme, name);
    EXPECT_TRUE(result.ok) << result.error;
    return result.bytes;
}

std::string CarList(const std::string& file) {
    const auto open = file.find("{\r\n") + 3;
    return file.substr(open, file.find("}\r\n") - open);
}

TEST(SchemeWriterTest, NewSchemeSavedAtOnce) {
    const auto scheme = testing::AcceptedNewScheme();
    EXPECT_EQ(Written(*scheme, "new_scheme"),
              Lines({"new_scheme", "{", "1d2|||1l||||2l||||3l||||4l||||;",
                     "1d2|||4r||||3r||||2r||||1r||||;", "}", "",
                     "Where:", "1d - is a cars, which are located direct(1 - order of the cars)",
                     "1i - is a cars, which are located invert(1 - order of the cars)",
                     "2 - is a number of bogies in the car", " - is a car series",
                     " - is a car number", "1l - is a wheeled set order and side(l/r)",
                     " - is a axle name", " - is a wheeled set name", " - is a wheeled set run"}));
}

TEST(SchemeWriterTest, TypeThreeTakesBothWheelsOfEachAxleInTurn) {
    const std::string file = Written(*testing::TwoCarTrain(3), "train");
    EXPECT_EQ(file.substr(0, file.find("}\r\n") + 3),
              Lines({"train", "{",
                     "1d2|A|101|1l|1|W1|100|1r|1|W1|100|2l|2|W2|200|2r|2|W2|200|3l|3|W3|300|"
                     "3r|3|W3|300|4l|4|W4|400|4r|4|W4|400|;",
                     "2i1|A|102|2r|2|X2|202|2l|2|X2|202|1r|1|X1|201|1l|1|X1|201|;", "}"}));
}

TEST(SchemeWriterTest, TypeOneGoesAlongOneSideAndBackAlongTheOther) {
    const std::string file = Written(*testing::TwoCarTrain(1), "train");
    EXPECT_EQ(CarList(file),
              Lines({"1d2|A|101|1l|1|W1|100|2l|2|W2|200|3l|3|W3|300|4l|4|W4|400|;",
                     "2i1|A|102|2r|2|X2|202|1r|1|X1|201|;", "2i1|A|102|1l|1|X1|201|2l|2|X2|202|;",
                     "1d2|A|101|4r|4|W4|400|3r|3|W3|300|2r|2|W2|200|1r|1|W1|100|;"}));
    EXPECT_NE(file.find("\r\n2 - is a number of bogies in the car\r\nA - is a car series\r\n"
                        "101 - is a car number\r\n1l - is a wheeled set order and side(l/r)\r\n"
                        "1 - is a axle name\r\nW1 - is a wheeled set name\r\n"
                        "100 - is a wheeled set run\r\n"),
              std::string::npos);
    EXPECT_TRUE(file.ends_with("100 - is a wheeled set run\r\n"));
}

// Every order of car lines and wheel entries on one small train: a direct
// car of 2 axles, then an inverted car of 3 whose two wheels carry
// different wheel-set names (L and R), so the side behind each letter shows.
TEST(SchemeWriterTest, OrderOfEveryType) {
    struct Case {
        int type;
        std::vector<std::string_view> carLines;
    };
    const std::vector<Case> cases{
        {1,
         {"1d1|||1l||a||2l||a||;", "2i3|||3r||R||2r||R||1r||R||;", "2i3|||1l||L||2l||L||3l||L||;",
          "1d1|||2r||a||1r||a||;"}},
        {2,
         {"1d1|||1r||a||2r||a||;", "2i3|||3l||L||2l||L||1l||L||;", "2i3|||1r||R||2r||R||3r||R||;",
          "1d1|||2l||a||1l||a||;"}},
        {3,
         {"1d1|||1l||a||1r||a||2l||a||2r||a||;",
          "2i3|||3r||R||3l||L||2r||R||2l||L||1r||R||1l||L||;"}},
        {4,
         {"1d1|||1r||a||1l||a||2r||a||2l||a||;",
          "2i3|||3l||L||3r||R||2l||L||2r||R||1l||L||1r||R||;"}},
        {5,
         {"1d1|||1l||a||1r||a||2r||a||2l||a||;",
          "2i3|||3r||L||3l||R||2l||R||2r||L||1r||L||1l||R||;"}},
        {6,
         {"1d1|||1r||a||1l||a||2l||a||2r||a||;",
          "2i3|||3l||R||3r||L||2r||L||2l||R||1l||R||1r||L||;"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("type " + std::to_string(c.type));
        Scheme s;
        s.state.carCount = 2;
        s.state.schemeType = c.type;
        s.cars[0].axleCount = 2;
        s.cars[0].bogieCount = 1;
        for (AxleSlot& axle : s.cars[0].axles) {
            axle.sides[0].wheelSetName = axle.sides[1].wheelSetName = "a";
        }
        s.cars[1].inverted = true;
        s.cars[1].axleCount = 3;
        s.cars[1].bogieCount = 3;
        for (AxleSlot& axle : s.cars[1].axles) {
            axle.sides[kLeftSide].wheelSetName = "L";
            axle.sides[kRightSide].wheelSetName = "R";
        }
        EXPECT_EQ(CarList(Written(s, "t")), Lines(c.carLines));
    }
}

TEST(SchemeWriterTest, TenthCarTakesTwoDigits) {
    auto scheme = testing::AcceptedNewScheme();
    Scheme& s = *scheme;
    s.mode = Mode::LayoutMode;
    for (int i = 0; i < 9; ++i) {
        AddCar(s);
    }
    s.state.schemeType = 3;
    const std::string list = CarList(Written(s, "ten"));
    EXPECT_NE(list.find("\r\n10d2|||1l||||1r||||2l||||"), std::string::npos);
}

TEST(SchemeWriterTest, LegendTakesCarOneAxleOneEvenWhenTheFirstCarIsInverted) {
    auto scheme = testing::TwoCarTrain(3);
    scheme->cars[0].inverted = true;
    const std::string file = Written(*scheme, "train");
    EXPECT_NE(CarList(file).find("1i2|A|101|4r|4|W4|400|"), std::string::npos);
    EXPECT_NE(file.find("\r\n1 - is a axle name\r\nW1 - is a wheeled set name\r\n"
                        "100 - is a wheeled set run\r\n"),
              std::string::npos);
}

TEST(SchemeWriterTest, TextsAreWrittenByteForByte) {
    auto scheme = testing::AcceptedNewScheme();
    scheme->cars[0].series = "\xDD\xD0\x32";  // Windows-1251 letters and a digit
    scheme->cars[0].axles[0].run = std::string("1\x00 2\xFF", 5);
    constexpr char kFirstEntry[] = "1d2|\xDD\xD0\x32||1l|||1\x00 2\xFF|";
    EXPECT_NE(Written(*scheme, "x").find(std::string(kFirstEntry, sizeof kFirstEntry - 1)),
              std::string::npos);
}

// A text with "|" would be split by the reader, a line break would split its
// car line; such a scheme is refused with the place of the text.
TEST(SchemeWriterTest, RefusesTextsTheFormatCannotHold) {
    struct Case {
        const char* bad;
        void (*put)(Scheme&, const char*);
        std::string_view message;
    };
    const std::vector<Case> cases{
        {"A|B", [](Scheme& s, const char* t) { s.cars[1].series = t; },
         "car 2: the series holds \"|\", which a scheme file cannot store"},
        {"10\n1", [](Scheme& s, const char* t) { s.cars[0].carNumber = t; },
         "car 1: the car number holds a line feed (LF), which a scheme file cannot store"},
        {"3\r", [](Scheme& s, const char* t) { s.cars[1].axles[1].axleName = t; },
         "car 2, axle 2: the axle name holds a carriage return (CR)"},
        {"|", [](Scheme& s, const char* t) { s.cars[0].axles[3].sides[1].wheelSetName = t; },
         "car 1, axle 4: the wheel-set name of the right wheel holds \"|\""},
        {"1|", [](Scheme& s, const char* t) { s.cars[0].axles[0].run = t; },
         "car 1, axle 1: the run holds \"|\""},
    };
    for (const Case& c : cases) {
        auto scheme = testing::TwoCarTrain(3);
        c.put(*scheme, c.bad);
        const WriteResult result = WriteScheme(*scheme, "train");
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.bytes.empty());
        EXPECT_TRUE(result.error.starts_with(c.message)) << result.error;
    }
}

TEST(SchemeWriterTest, TextsOutsideTheTrainAreNotChecked) {
    auto scheme = testing::TwoCarTrain(3);
    scheme->cars[2].series = "|";
    scheme->cars[0].axles[4].axleName = "|";
    EXPECT_TRUE(WriteScheme(*scheme, "train").ok);
}

// What the writer writes the reader must read: a file over the reader's
// limit would replace a good file by one that can no longer be opened.
TEST(SchemeWriterTest, RefusesAFileLargerThanTheReaderReads) {
    auto scheme = testing::TwoCarTrain(3);
    const std::size_t fits = kMaxSchemeFileSize - Written(*scheme, "train").size();
    scheme->cars[1].axles[0].axleName.append(fits / 2, 'x');  // in both wheel entries
    ASSERT_EQ(Written(*scheme, "train").size(), kMaxSchemeFileSize - fits % 2);

    scheme->cars[1].axles[0].axleName.append(1, 'x');
    const WriteResult result = WriteScheme(*scheme, "train");
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.bytes.empty());
    EXPECT_TRUE(result.error.starts_with("the file would be " +
                                         std::to_string(kMaxSchemeFileSize - fits % 2 + 2) +
                                         " bytes long, larger than the 16 MiB"))
        << result.error;
}

TEST(SchemeWriterTest, RefusesANameWithALineBreak) {
    const WriteResult result = WriteScheme(*testing::AcceptedNewScheme(), "a\nb");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "the scheme name holds a line break, which a scheme file cannot store");
}

TEST(SchemeNameTest, DropsTheFolderAndTheLastFourCharacters) {
    const std::vector<std::pair<std::string_view, std::string_view>> cases{
        {"train.sch", "train"},
        {"/home/op/schemes/train.sch", "train"},
        {"train.txt", "train"},
        {"train.text", "train."},
        {"dir.d/abc.sch", "abc"},
        {"/tmp/.sch", ""},
        {"ab", ""},
        {"\xCF\xE0\xF0.sch", "\xCF\xE0\xF0"},
    };
    for (const auto& [path, name] : cases) {
        EXPECT_EQ(SchemeNameFromFileName(path), name) << path;
    }
}

}  // namespace
}  // namespace quorvane
