// Schemes written and read back give every count and text back, and the
// scheme type, whatever the layout of the train; files read and written
// again give their bytes back.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "random_schemes.h"
#include "schemefile/scheme_reader.h"
#include "schemefile/scheme_writer.h"

namespace quorvane {
namespace {

std::unique_ptr<Scheme> ReadBack(const Scheme& saved, int previousType) {
    const WriteResult written = WriteScheme(saved, "round trip");
    EXPECT_TRUE(written.ok) << written.error;
    ReadResult read = ReadScheme(written.bytes, previousType);
    EXPECT_NE(read.scheme, nullptr) << read.error.Message();
    return std::move(read.scheme);
}

// The first car decides the type for types 1 and 2 only through the first
// four wheel entries, which reach into the second car line when the first car
// has two or three axles.
TEST(SchemeRoundTripTest, EveryTypeComesBackWhateverTheFirstCar) {
    for (int type = 1; type <= 6; ++type) {
        for (bool firstInverted : {false, true}) {
            for (bool secondInverted : {false, true}) {
                for (int axles : {2, 3, 4}) {
                    Scheme s;
                    s.state.carCount = 2;
                    s.state.schemeType = type;
                    s.cars[0].inverted = firstInverted;
                    s.cars[0].axleCount = axles;
                    s.cars[1].inverted = secondInverted;
                    s.cars[1].axleCount = 2;
                    const int previous = type == 6 ? 1 : 6;
                    const auto back = ReadBack(s, previous);
                    ASSERT_NE(back, nullptr);
                    EXPECT_EQ(back->state.schemeType, type)
                        << "first car " << (firstInverted ? "inverted" : "direct") << " with "
                        << axles << " axles, second " << (secondInverted ? "inverted" : "direct");
                }
            }
        }
    }
}

TEST(SchemeRoundTripTest, RandomSchemesComeBackWhole) {
    testing::RandomSchemes random(20261209);
    for (int round = 0; round < 300; ++round) {
        const auto saved = random.Next();
        const auto back = ReadBack(*saved, random.Between(1, 6));
        ASSERT_NE(back, nullptr);
        const int type = saved->state.schemeType;
        ASSERT_EQ(back->state.schemeType, type) << "round " << round;
        ASSERT_EQ(back->state.carCount, saved->state.carCount);
        ASSERT_EQ(back->fileName, "round trip");
        for (int c = 0; c < saved->state.carCount; ++c) {
            const CarRecord& want = saved->cars[static_cast<std::size_t>(c)];
            const CarRecord& got = back->cars[static_cast<std::size_t>(c)];
            SCOPED_TRACE("round " + std::to_string(round) + ", car " + std::to_string(c + 1));
            ASSERT_EQ(got.inverted, want.inverted);
            ASSERT_EQ(got.axleCount, want.axleCount);
            ASSERT_EQ(got.bogieCount, want.bogieCount);
            ASSERT_EQ(got.series, want.series);
            ASSERT_EQ(got.carNumber, want.carNumber);
            for (std::size_t a = 0; a < static_cast<std::size_t>(want.axleCount); ++a) {
                const AxleSlot& w = want.axles[a];
                const AxleSlot& g = got.axles[a];
                ASSERT_EQ(g.axleName, w.axleName);
                ASSERT_EQ(g.run, w.run);
                ASSERT_EQ(g.sides[0].wheelSetName, w.sides[0].wheelSetName);
                ASSERT_EQ(g.sides[1].wheelSetName, w.sides[1].wheelSetName);
            }
        }
    }
}

std::string Written(const Scheme& scheme, const std::string& name) {
    const WriteResult written = WriteScheme(scheme, name);
    EXPECT_TRUE(written.ok) << written.error;
    return written.bytes;
}

// Reads a file and writes it again under the name it holds.
std::string ReadAndWrite(const std::string& file) {
    const ReadResult read = ReadScheme(file, 1);
    EXPECT_NE(read.scheme, nullptr) << read.error.Message();
    return read.scheme ? Written(*read.scheme, read.scheme->fileName) : std::string();
}

// Open and save changes nothing: a file in the editor's own form comes back
// byte for byte, whatever its type, the orientation of its cars, the names on
// the two wheels of an axle, and the counts a file may hold (a car of one
// axle, no bogies or more bogies than axles).
TEST(SchemeRoundTripTest, AFileReadAndWrittenAgainKeepsEveryByte) {
    testing::RandomSchemes random(20261210);
    for (int round = 0; round < 400; ++round) {
        const std::string file =
            Written(*random.Next(testing::Counts::File), "round " + std::to_string(round));
        ASSERT_EQ(ReadAndWrite(file), file) << "round " << round;
    }
}

// Another form of the same file: LF or CR line ends, upper-case letters,
// leading zeros, no legend.
std::string OtherForm(const std::string& file, int variant) {
    const std::string list = file.substr(0, file.find("}\r\n") + 3);
    switch (variant) {
        case 0:
        case 1: {
            std::string ends = file;
            for (std::size_t at = 0; (at = ends.find("\r\n", at)) != std::string::npos; ++at) {
                ends.replace(at, 2, variant == 0 ? "\n" : "\r");
            }
            return ends;
        }
        case 2:
            return list;
        default: {
            // Every index with two leading zeros and every letter upper-case:
            // a car line is its index, letter and bogie digit, then two
            // fields; each entry its index and letter, then three fields.
            std::string out = list.substr(0, list.find("{\r\n") + 3);
            std::size_t at = out.size();
            auto index = [&] {
                out += "00";
                while (std::isdigit(static_cast<unsigned char>(list[at]))) {
                    out += list[at++];
                }
                out += static_cast<char>(std::toupper(static_cast<unsigned char>(list[at++])));
            };
            auto fields = [&](int n) {
                for (; n > 0; --n) {
                    const std::size_t bar = list.find('|', at);
                    out += list.substr(at, bar + 1 - at);
                    at = bar + 1;
                }
            };
            while (list[at] != '}') {
                index();
                out += list.substr(at, 2);  // the bogie digit and its bar
                at += 2;
                fields(2);
                while (list[at] != ';') {
                    index();
                    fields(1);  // the bar after the letter
                    fields(3);
                }
                out += ";\r\n";
                at += 3;
            }
            return out + "}\r\n";
        }
    }
}

// Any other valid file becomes the editor's own form at its first save, and
// stays so.
TEST(SchemeRoundTripTest, OtherFormsOfAFileBecomeTheEditorsFormAtTheFirstSave) {
    testing::RandomSchemes random(20261211);
    for (int round = 0; round < 200; ++round) {
        const std::string file =
            Written(*random.Next(testing::Counts::File), "round " + std::to_string(round));
        const int variant = round % 4;
        const std::string other = OtherForm(file, variant);
        ASSERT_NE(other, file);
        const std::string once = ReadAndWrite(other);
        EXPECT_EQ(once, file) << "round " << round << ", variant " << variant << "\n" << other;
        EXPECT_EQ(ReadAndWrite(once), once) << "round " << round;
    }
}

}  // namespace
}  // namespace quorvane
