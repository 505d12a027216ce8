// Schemes written and read back give every count and text back, and the
// scheme type, whatever the layout of the train.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

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

class RandomSchemes {
public:
    explicit RandomSchemes(std::uint32_t seed) : random_(seed) {}

    int Between(int low, int high) {
        return low + static_cast<int>(random_() % static_cast<std::uint32_t>(high - low + 1));
    }

    // Any bytes but the bar and line breaks, Windows-1251 letters included.
    std::string Text() {
        std::string text(static_cast<std::size_t>(Between(0, 6)), '\0');
        for (char& ch : text) {
            do {
                ch = static_cast<char>(Between(0, 255));
            } while (ch == '|' || ch == '\r' || ch == '\n');
        }
        return text;
    }

    std::unique_ptr<Scheme> Next() {
        auto scheme = std::make_unique<Scheme>();
        Scheme& s = *scheme;
        s.state.carCount = Between(1, kMaxCars);
        s.state.schemeType = Between(1, 6);
        for (int c = 0; c < s.state.carCount; ++c) {
            CarRecord& car = s.cars[c];
            car.inverted = Between(0, 1) == 1;
            car.axleCount = Between(2, kMaxAxles);
            car.bogieCount = Between(1, std::min(8, car.axleCount));
            car.series = Text();
            car.carNumber = Text();
            for (int a = 0; a < car.axleCount; ++a) {
                AxleSlot& axle = car.axles[a];
                axle.axleName = Text();
                axle.run = Text();
                axle.sides[0].wheelSetName = Text();
                axle.sides[1].wheelSetName = Between(0, 1) ? axle.sides[0].wheelSetName : Text();
            }
        }
        return scheme;
    }

private:
    std::mt19937 random_;
};

TEST(SchemeRoundTripTest, RandomSchemesComeBackWhole) {
    RandomSchemes random(20261209);
    for (int round = 0; round < 300; ++round) {
        const auto saved = random.Next();
        const auto back = ReadBack(*saved, random.Between(1, 6));
        ASSERT_NE(back, nullptr);
        const int type = saved->state.schemeType;
        ASSERT_EQ(back->state.schemeType, type) << "round " << round;
        ASSERT_EQ(back->state.carCount, saved->state.carCount);
        ASSERT_EQ(back->fileName, "round trip");
        for (int c = 0; c < saved->state.carCount; ++c) {
            const CarRecord& want = saved->cars[c];
            const CarRecord& got = back->cars[c];
            SCOPED_TRACE("round " + std::to_string(round) + ", car " + std::to_string(c + 1));
            ASSERT_EQ(got.inverted, want.inverted);
            ASSERT_EQ(got.axleCount, want.axleCount);
            ASSERT_EQ(got.bogieCount, want.bogieCount);
            ASSERT_EQ(got.series, want.series);
            ASSERT_EQ(got.carNumber, want.carNumber);
            // The writer puts the right wheel's name under "l" for inverted
            // cars of types 5 and 6, and the reader stores "l" as the left.
            const bool exchanged = want.inverted && (type == 5 || type == 6);
            for (int a = 0; a < want.axleCount; ++a) {
                const AxleSlot& w = want.axles[a];
                const AxleSlot& g = got.axles[a];
                ASSERT_EQ(g.axleName, w.axleName);
                ASSERT_EQ(g.run, w.run);
                ASSERT_EQ(g.sides[0].wheelSetName, w.sides[exchanged ? 1 : 0].wheelSetName);
                ASSERT_EQ(g.sides[1].wheelSetName, w.sides[exchanged ? 0 : 1].wheelSetName);
            }
        }
    }
}

}  // namespace
}  // namespace quorvane
