#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "example_trains.h"
#include "schemefile/scheme_reader.h"
#include "schemefile/scheme_writer.h"

namespace quorvane {
namespace {

// A file with the given lines between "{" and "}", without a legend.
std::string File(const std::vector<std::string_view>& carLines, std::string_view lineEnd = "\r\n") {
    std::string file = "train";
    file += lineEnd;
    file += "{";
    file += lineEnd;
    for (std::string_view line : carLines) {
        file += line;
        file += lineEnd;
    }
    file += "}";
    file += lineEnd;
    return file;
}

Scheme Read(std::string_view bytes, int previousType = 1) {
    ReadResult result = ReadScheme(bytes, previousType);
    EXPECT_TRUE(result.scheme) << result.error.Message();
    return result.scheme ? std::move(*result.scheme) : Scheme{};
}

TEST(SchemeReaderTest, NewSchemeFileLoadsAsOneEmptyCar) {
    const std::string bytes = WriteScheme(*testing::AcceptedNewScheme(), "new_scheme").bytes;
    const Scheme s = Read(bytes, 4);
    EXPECT_EQ(s.fileName, "new_scheme");
    EXPECT_EQ(s.state.carCount, 1);
    EXPECT_EQ(s.state.schemeType, 1);
    EXPECT_FALSE(s.cars[0].inverted);
    EXPECT_EQ(s.cars[0].axleCount, 4);
    EXPECT_EQ(s.cars[0].bogieCount, 2);
    EXPECT_EQ(s.cars[0].series, "");
    EXPECT_EQ(s.cars[0].axles[3].sides[1].wheelSetName, "");
}

TEST(SchemeReaderTest, TwoCarExamplesLoadBackWithEveryCountAndText) {
    for (int type : {1, 3}) {
        SCOPED_TRACE("type " + std::to_string(type));
        const auto saved = testing::TwoCarTrain(type);
        const Scheme s = Read(WriteScheme(*saved, "train").bytes, 6);
        EXPECT_EQ(s.fileName, "train");
        EXPECT_EQ(s.state.schemeType, type);
        EXPECT_EQ(s.state.carCount, 2);
        for (std::size_t c = 0; c < 2; ++c) {
            const CarRecord& want = saved->cars[c];
            const CarRecord& got = s.cars[c];
            EXPECT_EQ(got.inverted, want.inverted);
            EXPECT_EQ(got.axleCount, want.axleCount);
            EXPECT_EQ(got.bogieCount, want.bogieCount);
            EXPECT_EQ(got.series, want.series);
            EXPECT_EQ(got.carNumber, want.carNumber);
            for (std::size_t a = 0; a < static_cast<std::size_t>(want.axleCount); ++a) {
                EXPECT_EQ(got.axles[a].axleName, want.axles[a].axleName);
                EXPECT_EQ(got.axles[a].run, want.axles[a].run);
                EXPECT_EQ(got.axles[a].sides[0].wheelSetName, want.axles[a].sides[0].wheelSetName);
                EXPECT_EQ(got.axles[a].sides[1].wheelSetName, want.axles[a].sides[1].wheelSetName);
            }
        }
    }
}

TEST(SchemeReaderTest, AcceptsEveryLineEndAndUpperCaseLetters) {
    for (std::string_view lineEnd : {"\r\n", "\n", "\r"}) {
        const Scheme s = Read(
            File({"1D3|S|N|1L|a|w|r|1R|a|w|r|2l|b|v|q|2r|b|v|q|;", "2I4|S|M|1l|c|u|p|1r|c|u|p|;"},
                 lineEnd));
        EXPECT_EQ(s.state.carCount, 2);
        EXPECT_FALSE(s.cars[0].inverted);
        EXPECT_TRUE(s.cars[1].inverted);
        EXPECT_EQ(s.cars[0].bogieCount, 3);
        EXPECT_EQ(s.cars[0].axles[1].run, "q");
        EXPECT_EQ(s.state.schemeType, 3);
    }
}

TEST(SchemeReaderTest, BogieByteThatIsNoDigitGivesTwoAndTheNextByteIsSkipped) {
    const Scheme s = Read(File({"1dx|S|N|1l||||1r||||2l||||2r||||;"}));
    EXPECT_EQ(s.cars[0].bogieCount, 2);
    EXPECT_EQ(s.cars[0].series, "S");
}

TEST(SchemeReaderTest, CarLineWithoutWheelEntriesIsSkipped) {
    const Scheme s = Read(File({"1d2|S|N|1l||||1r||||2l||||2r||||;", "2i1|T|M|;"}));
    EXPECT_EQ(s.state.carCount, 1);
    EXPECT_FALSE(s.cars[1].inverted);
    EXPECT_EQ(s.cars[1].series, "");
}

TEST(SchemeReaderTest, LaterCarLineOfACarWins) {
    const Scheme s =
        Read(File({"1d2|S|N|1l|a|w|r|2l|b|v|q|3l|c|u|p|;", "1i3|T|M|2r|x|y|z|1r|a|w|r|;"}));
    const CarRecord& car = s.cars[0];
    EXPECT_TRUE(car.inverted);
    EXPECT_EQ(car.series, "T");
    EXPECT_EQ(car.carNumber, "M");
    EXPECT_EQ(car.axleCount, 2) << "the highest axle index of the later line";
    EXPECT_EQ(car.bogieCount, 3);
    EXPECT_EQ(car.axles[1].axleName, "x");
    EXPECT_EQ(car.axles[1].sides[kLeftSide].wheelSetName, "v");
    EXPECT_EQ(car.axles[1].sides[kRightSide].wheelSetName, "y");
    EXPECT_EQ(car.axles[2].axleName, "c") << "named by the earlier line only";
}

TEST(SchemeReaderTest, EverythingAfterTheCarListIsIgnored) {
    const Scheme s = Read("n\r\n{\r\n1d2|||1l||||2l||||;\r\n}garbage 7x|;{\xFF");
    EXPECT_EQ(s.state.carCount, 1);
    EXPECT_EQ(s.cars[0].axleCount, 2);
}

TEST(SchemeReaderTest, TextsAreKeptByteForByte) {
    using namespace std::string_literals;
    const Scheme s =
        Read("\xCF\xF0\xE8\r\n{\r\n1d2|\xC0\xC1|\x80\x00\xFF|1l|\xE0|\x98|\x7F|;\r\n}\r\n\0"s);
    EXPECT_EQ(s.fileName, "\xCF\xF0\xE8");
    EXPECT_EQ(s.cars[0].series, "\xC0\xC1");
    EXPECT_EQ(s.cars[0].carNumber, std::string("\x80\x00\xFF", 3));
    EXPECT_EQ(s.cars[0].axles[0].axleName, "\xE0");
    EXPECT_EQ(s.cars[0].axles[0].sides[0].wheelSetName, "\x98");
    EXPECT_EQ(s.cars[0].axles[0].run, "\x7F");
}

// Inverted cars of types 5 and 6 carry each wheel's name under the other
// side letter; the reader gives each name back to its own wheel, so that an
// open and save does not exchange them.
TEST(SchemeReaderTest, InvertedCarsOfTypesFiveAndSixKeepEachWheelsName) {
    for (int type = 1; type <= 6; ++type) {
        Scheme saved;
        saved.state.carCount = 2;
        saved.state.schemeType = type;
        for (CarRecord& car : std::span(saved.cars).first(2)) {
            car.axleCount = 2;
            car.bogieCount = 1;
            car.axles[0].sides[kLeftSide].wheelSetName = "left";
            car.axles[0].sides[kRightSide].wheelSetName = "right";
        }
        saved.cars[1].inverted = true;
        const std::string file = WriteScheme(saved, "t").bytes;
        if (type == 5) {
            ASSERT_NE(file.find("2i1|||2r||||2l||||1l||right||1r||left||;"), std::string::npos)
                << file;
        }
        const Scheme s = Read(file);
        EXPECT_EQ(s.state.schemeType, type);
        for (const CarRecord& car : std::span(s.cars).first(2)) {
            EXPECT_EQ(car.axles[0].sides[kLeftSide].wheelSetName, "left") << "type " << type;
            EXPECT_EQ(car.axles[0].sides[kRightSide].wheelSetName, "right") << "type " << type;
        }
    }
}

// Side codes that name no type keep the type of the scheme that was open.
TEST(SchemeReaderTest, SchemeTypeOfTheSideCodes) {
    struct Case {
        int code;
        int direct;
        int inverted;
    };
    const std::vector<Case> cases{
        {0, 1, 2}, {8, 1, 2}, {12, 1, 2}, {15, 2, 1}, {1, 2, 1}, {3, 2, 1},  {7, 2, 1},  {10, 3, 4},
        {5, 4, 3}, {6, 5, 6}, {9, 6, 5},  {2, 4, 4},  {4, 4, 4}, {11, 4, 4}, {13, 4, 4}, {14, 4, 4},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SchemeTypeFromSides(c.code, false, 4), c.direct) << "code " << c.code;
        EXPECT_EQ(SchemeTypeFromSides(c.code, true, 4), c.inverted) << "code " << c.code;
    }
    EXPECT_EQ(Read(File({"1d2|||1l||||1r||||1l||||1l||||;"}), 6).state.schemeType, 6);
}

struct Refusal {
    const char* what;
    std::string bytes;
    std::string message;
};

TEST(SchemeReaderTest, RefusesMalformedFilesNamingLineAndColumn) {
    const std::vector<Refusal> cases{
        {"no brace", "train\r\n1d2|||1l||||;\r\n", "line 3, column 1: no \"{\" opens the car list"},
        {"empty file", "", "line 1, column 1: no \"{\" opens the car list"},
        {"no name line", "{\r\n1d2|||1l||||;\r\n}\r\n",
         "line 1, column 1: the first line is read as the scheme's name, and no \"{\" line "
         "follows it to open the car list; the file seems to lack its name line"},
        {"no entry", File({"1d2|||;"}), "line 4, column 1: the car list holds no wheel entry"},
        {"car 41", File({"41d2|||1l||||;"}), "line 3, column 1: car index 41 is outside 1..40"},
        {"car 0", File({"1d2|||1l||||;", "0d2|||1l||||;"}),
         "line 4, column 1: car index 0 is outside 1..40"},
        {"axle 17", File({"1d2|||1l||||17r||||;"}),
         "line 3, column 13: axle index 17 is outside 1..16"},
        {"axle 0", File({"1d2|||0l||||;"}), "line 3, column 7: axle index 0 is outside 1..16"},
        {"car without entries", File({"1d2|||1l||||;", "3d2|||1l||||;"}),
         "line 5, column 1: car 2 of the 3 cars has no wheel entry"},
        {"no orientation", File({"1x2|||1l||||;"}),
         "line 3, column 2: the car line has no orientation letter (d or i) after its index"},
        {"no side", File({"1d2|||1l||||2||||;"}),
         "line 3, column 14: the wheel entry has no side letter (l or r) after its axle index"},
        {"no axle index", File({"1d2|||1l|||| 2l||||;"}),
         "line 3, column 13: expected the axle index of a wheel entry or the \";\" that ends the "
         "line"},
        {"bar on the next line", "t\n{\n1d2|ER\n2|101|1l||||;\n}\n",
         "line 3, column 5: the series has no closing \"|\" on its line"},
        {"run without bar", File({"1d2|||1l|||100"}),
         "line 3, column 12: the run has no closing \"|\" on its line"},
        {"ends inside a car line", "t\r\n{\r\n1d2|||1l||||",
         "line 3, column 13: the file ends inside a car line"},
        {"ends before brace", "t\r\n{\r\n1d2|||1l||||;\r\n",
         "line 4, column 1: the file ends before the \"}\" that closes the car list"},
        {"ends after orientation", "t\r{\r1d", "line 3, column 3: the file ends inside a car line"},
    };
    for (const Refusal& c : cases) {
        const ReadResult result = ReadScheme(c.bytes, 1);
        EXPECT_EQ(result.scheme, nullptr) << c.what;
        EXPECT_EQ(result.error.Message(), c.message) << c.what;
    }
}

// An index that does not fit is shown as the file writes it, leading zeros
// and all, up to 20 characters; a longer one by its first 20 and "…".
TEST(SchemeReaderTest, AnIndexThatDoesNotFitIsShownAsWritten) {
    const std::string twenty = "12345678901234567890";
    const std::string cut = twenty + "\u2026";
    struct Case {
        std::string line;
        std::string message;
    };
    const std::vector<Case> cases{
        {"0041d2|||1l||||;", "line 3, column 1: car index 0041 is outside 1..40"},
        {"99999999999999999999d2|||1l||||;",
         "line 3, column 1: car index 99999999999999999999 is outside 1..40"},
        {twenty + "1d2|||1l||||;", "line 3, column 1: car index " + cut + " is outside 1..40"},
        {twenty + "123d2|||1l||||;", "line 3, column 1: car index " + cut + " is outside 1..40"},
        {"1d2|||1l||||" + twenty + "4567890l||||;",
         "line 3, column 13: axle index " + cut + " is outside 1..16"},
        {"1d2|||1l||||00000000000000000017r||||;",
         "line 3, column 13: axle index 00000000000000000017 is outside 1..16"},
        {"1d2|||00000000000000000000l||||;",
         "line 3, column 7: axle index 00000000000000000000 is outside 1..16"},
        {"1d2|||000000000000000000000l||||;",
         "line 3, column 7: axle index 00000000000000000000\u2026 is outside 1..16"},
    };
    for (const Case& c : cases) {
        const ReadResult result = ReadScheme(File({c.line}), 1);
        EXPECT_EQ(result.scheme, nullptr) << c.line;
        EXPECT_EQ(result.error.Message(), c.message) << c.line;
    }
    // Leading zeros that leave an index in range are no fault.
    EXPECT_EQ(Read(File({"000000000000000000000001d2|||0000000000000000000000002l||||;"}))
                  .cars[0]
                  .axleCount,
              2);
}

// Fields of every length up to well past one scan block end at the first
// bar, CR or LF, wherever it falls. The filler 0xFC differs from "|" only in
// its high bit.
TEST(SchemeReaderTest, AFieldEndsAtItsFirstBarOrLineEndWhateverItsLength) {
    for (std::size_t length = 0; length <= 40; ++length) {
        const std::string text(length, '\xFC');
        const Scheme scheme = Read(File({"1d2|" + text + "||1l||||;"}));
        EXPECT_EQ(scheme.cars[0].series, text) << length << " bytes";
        for (const char* lineEnd : {"\r", "\n"}) {
            const ReadResult result = ReadScheme(File({"1d2|" + text + lineEnd + "||1l||||;"}), 1);
            EXPECT_EQ(result.scheme, nullptr) << length << " bytes";
            EXPECT_EQ(result.error.Message(),
                      "line 3, column 5: the series has no closing \"|\" on its line")
                << length << " bytes";
        }
    }
}

TEST(SchemeReaderTest, RefusesAFileOverSixteenMebibytes) {
    std::string bytes = File({"1d2|||1l||||;"});
    bytes.resize(kMaxSchemeFileSize + 1, ' ');
    const ReadResult result = ReadScheme(bytes, 1);
    EXPECT_EQ(result.scheme, nullptr);
    EXPECT_EQ(result.error.Message(), "the file is larger than 16 MiB, too large for a scheme");
    bytes.resize(kMaxSchemeFileSize);
    EXPECT_NE(ReadScheme(bytes, 1).scheme, nullptr) << "16 MiB exactly is read";
}

// Every prefix of a valid file is refused, never read past its end (the
// sanitizer build checks the latter).
TEST(SchemeReaderTest, EveryTruncatedFileIsRefused) {
    const std::string bytes = WriteScheme(*testing::TwoCarTrain(5), "train").bytes;
    const std::size_t brace = bytes.find('}');
    for (std::size_t size = 0; size < brace; ++size) {
        const std::string prefix = bytes.substr(0, size);
        EXPECT_EQ(ReadScheme(prefix, 1).scheme, nullptr) << "prefix of " << size << " bytes";
    }
    EXPECT_NE(ReadScheme(bytes.substr(0, brace + 1), 1).scheme, nullptr);
}

// A read scheme holds what the file names and nothing else: every other
// text, count, walk entry and name is as at program start.
TEST(SchemeReaderTest, WhatTheFileDoesNotNameIsAsAtProgramStart) {
    ReadResult read = ReadScheme("short\r\n{\r\n1i1|S||2r||n||;\r\n}", 3);
    ASSERT_TRUE(read.scheme) << read.error.Message();

    const Scheme& s = *read.scheme;
    EXPECT_EQ(s.fileName, "short");
    EXPECT_EQ(s.state.carCount, 1);
    EXPECT_EQ(s.state.schemeType, 1) << "a right wheel first, of an inverted car";
    EXPECT_EQ(s.state.currentCar, 0);
    EXPECT_EQ(s.mode, Mode::LayoutMode);
    EXPECT_EQ(s.walk[3], WalkEntry{});
    EXPECT_EQ(s.cars[0].axleCount, 2);
    EXPECT_EQ(s.cars[0].axles[0].axleName, "") << "axle 1 is not in the file";
    EXPECT_EQ(s.cars[0].axles[1].sides[kLeftSide].wheelSetName, "");
    EXPECT_EQ(s.cars[0].axles[1].sides[kRightSide].wheelSetName, "n");
    EXPECT_EQ(s.cars[1].axleCount, 0);
    EXPECT_EQ(s.cars[1].series, "");
    EXPECT_EQ(s.cars[5].series, "");
}

class SchemeFileTest : public ::testing::Test {
protected:
    std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                ("quorvane-reader-" + std::to_string(::getpid()) + "-" +
                                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }
};

TEST_F(SchemeFileTest, ReadsAFileWhole) {
    const auto path = dir / "train.sch";
    std::ofstream(path, std::ios::binary) << WriteScheme(*testing::TwoCarTrain(4), "train").bytes;
    const ReadResult result = ReadSchemeFile(path.string(), 1);
    ASSERT_NE(result.scheme, nullptr) << result.error.Message();
    EXPECT_EQ(result.scheme->state.schemeType, 4);
}

TEST_F(SchemeFileTest, RefusesWhatCannotBeRead) {
    EXPECT_EQ(ReadSchemeFile((dir / "missing.sch").string(), 1).error.Message(),
              "cannot be read: No such file or directory");
    EXPECT_EQ(ReadSchemeFile(dir.string(), 1).error.Message(),
              "cannot be read: it is not a regular file but a folder");
    const auto fifo = dir / "pipe.sch";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ReadSchemeFile(fifo.string(), 1).error.Message(),
              "cannot be read: it is not a regular file but a FIFO (named pipe)");

    const auto huge = dir / "huge.sch";
    std::ofstream(huge).close();
    std::filesystem::resize_file(huge, kMaxSchemeFileSize + 1);  // sparse: nothing to read
    EXPECT_EQ(ReadSchemeFile(huge.string(), 1).error.Message(),
              "the file is larger than 16 MiB, too large for a scheme");
}

}  // namespace
}  // namespace quorvane
