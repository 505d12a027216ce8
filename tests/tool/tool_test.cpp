#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "../file_size_limit.h"
#include "../schemefile/random_schemes.h"
#include "model/scheme.h"
#include "qpainter/render_image.h"
#include "schemefile/scheme_writer.h"
#include "tool_fixture.h"

namespace quorvane {
namespace {

TEST_F(ToolTest, CheckReportsEveryFileAndFailsWhenAnyIsBroken) {
    const std::string good = Put("train.sch", TrainFile(3));
    const std::string bad = Put("bad.sch", "t\r\n{\r\n1d2|||1x||||;\r\n}\r\n");
    const std::string missing = (dir / "missing.sch").string();

    const ToolRun all = Tool({"check", good, bad, missing});
    EXPECT_EQ(all.code, 1);
    EXPECT_EQ(all.out, good + ": ok (2 cars, 6 axles, scheme type 3)\n" + bad +
                           ": line 3, column 8: the wheel entry has no side letter (l or r) after "
                           "its axle index\n" +
                           missing + ": cannot be read: No such file or directory\n");

    EXPECT_EQ(Tool({"check", good}).code, 0);
}

// A train of one car is "1 car", not "1 cars".
TEST_F(ToolTest, CheckCountsOneCarInTheSingular) {
    auto scheme = std::make_unique<Scheme>();
    NewScheme(*scheme);
    const std::string file = Put("one.sch", WriteScheme(*scheme, "one").bytes);
    const ToolRun run = Tool({"check", file});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, file + ": ok (1 car, 4 axles, scheme type 1)\n");
}

// A message holds UTF-8, "…" among it, and the program prints it as such
// whatever the locale says.
TEST_F(ToolTest, CheckPrintsTheEllipsisOfALongIndexInUtf8) {
    Put("long.sch", "t\r\n{\r\n12345678901234567890123d2|||1l||||;\r\n}\r\n");
    const std::string expected =
        "long.sch: line 3, column 1: car index 12345678901234567890\xE2\x80\xA6 is outside "
        "1..40\n";
    const char* const saved = std::getenv("LC_ALL");
    const bool had = saved != nullptr;
    const std::string was = had ? saved : "";
    for (const char* locale : {"C", "C.UTF-8"}) {
        ::setenv("LC_ALL", locale, 1);
        const ToolRun run = Program({"check", "long.sch"});
        EXPECT_EQ(run.code, 1) << locale;
        EXPECT_EQ(run.out, expected) << locale;
    }
    if (had) {
        ::setenv("LC_ALL", was.c_str(), 1);
    } else {
        ::unsetenv("LC_ALL");
    }
}

TEST_F(ToolTest, UsageErrorsExitWithTwo) {
    for (const std::vector<std::string>& words :
         std::vector<std::vector<std::string>>{{},
                                               {"check"},
                                               {"dump"},
                                               {"dump", "a", "b"},
                                               {"write"},
                                               {"frobnicate"},
                                               {"--bogus"},
                                               {"--help-all"},
                                               {"check", "-x.sch"},
                                               {"write", "-"},
                                               {"render", "--car", "1", "-o", "out.png"}}) {
        const ToolRun run = Tool(words);
        EXPECT_EQ(run.code, 2) << (words.empty() ? "" : words[0]);
        EXPECT_NE(run.err.find("Try 'quorvane-tool --help'"), std::string::npos);
    }
    EXPECT_EQ(Tool({"--version"}).out, "quorvane-tool 2.0\n");
    const std::string help = Tool({"--help"}).out;
    EXPECT_NE(help.find("write OUT.sch"), std::string::npos);
    EXPECT_EQ(help.find("--help-all"), std::string::npos) << "offered, but not taken";
    EXPECT_NE(
        Tool({"write", "-"}).err.find("the name line of a scheme comes from the name of its file"),
        std::string::npos);
}

TEST_F(ToolTest, DumpPrintsTheSchemeAsJson) {
    auto scheme = testing::TwoCarTrain(3);
    scheme->cars[1].axleCount = 1;
    scheme->cars[1].series = "\xDD\xD0\x32 \"\\";  // ЭР2, a quote and a backslash
    const ToolRun run =
        Tool({"dump", Put("train.sch", WriteScheme(*scheme, "\xF1\xF5\xE5\xEC\xE0").bytes)});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(
        run.out,
        "{\"name\": \"схема\", \"schemeType\": 3, \"cars\": ["
        "{\"inverted\": false, \"bogieCount\": 2, \"series\": \"A\", \"carNumber\": \"101\", "
        "\"axles\": [{\"axleName\": \"1\", \"run\": \"100\", \"wheelSetNames\": [\"W1\", \"W1\"]}, "
        "{\"axleName\": \"2\", \"run\": \"200\", \"wheelSetNames\": [\"W2\", \"W2\"]}, "
        "{\"axleName\": \"3\", \"run\": \"300\", \"wheelSetNames\": [\"W3\", \"W3\"]}, "
        "{\"axleName\": \"4\", \"run\": \"400\", \"wheelSetNames\": [\"W4\", \"W4\"]}]}, "
        "{\"inverted\": true, \"bogieCount\": 1, \"series\": \"ЭР2 \\\"\\\\\", "
        "\"carNumber\": \"102\", \"axles\": [{\"axleName\": \"1\", \"run\": \"201\", "
        "\"wheelSetNames\": [\"X1\", \"X1\"]}]}]}\n");

    const ToolRun broken = Tool({"dump", Put("broken.sch", "no list")});
    EXPECT_EQ(broken.code, 1);
    EXPECT_EQ(broken.out, "");
    EXPECT_NE(broken.err.find("broken.sch: line 1, column 8: no \"{\" opens the car list"),
              std::string::npos);
}

// What dump prints, write turns back into the very bytes the editor saves.
TEST_F(ToolTest, WriteGivesBackTheBytesThatDumpStartedFrom) {
    for (int type = 1; type <= 6; ++type) {
        const std::string original = TrainFile(type, "train");
        const ToolRun dumped = Tool({"dump", Put("source.sch", original)});
        ASSERT_EQ(dumped.code, 0) << dumped.err;
        const std::string out = (dir / "train.sch").string();
        const ToolRun written = Tool({"write", out}, dumped.out);
        ASSERT_EQ(written.code, 0) << written.err;
        EXPECT_EQ(Contents(out), original) << "type " << type;
    }
}

// The same for random files of every type: different names on the two
// wheels, inverted cars, every count a file may hold, texts of any bytes.
TEST_F(ToolTest, DumpThenWriteIsTheIdentity) {
    testing::RandomSchemes random(20261213);
    std::filesystem::create_directories(dir / "again");
    for (int round = 0; round < 40; ++round) {
        const std::string name = "round " + std::to_string(round);
        const WriteResult original = WriteScheme(*random.Next(testing::Counts::File), name);
        ASSERT_TRUE(original.ok) << original.error;
        const ToolRun dumped = Tool({"dump", Put(name + ".sch", original.bytes)});
        ASSERT_EQ(dumped.code, 0) << dumped.err;
        const std::string out = (dir / "again" / (name + ".sch")).string();
        const ToolRun written = Tool({"write", out}, dumped.out);
        ASSERT_EQ(written.code, 0) << written.err;
        EXPECT_EQ(Contents(out), original.bytes) << name;
    }
}

TEST_F(ToolTest, WriteTakesTheNameLineFromTheFileName) {
    const std::string json =
        R"({"schemeType": 2, "cars": [{"inverted": false, "bogieCount": 1, "series": "Серия", )"
        R"("carNumber": "", "axles": [{"axleName": "", "run": "", "wheelSetNames": ["", ""]}, )"
        R"({"axleName": "", "run": "", "wheelSetNames": ["", ""]}]}]})";
    const std::string out = (dir / "Поезд.sch").string();
    ASSERT_EQ(Tool({"write", out}, json).code, 0);
    EXPECT_TRUE(
        Contents(out).starts_with("\xCF\xEE\xE5\xE7\xE4\r\n{\r\n1d1|\xD1\xE5\xF0\xE8\xFF||1r|"));
}

// What a scheme file cannot hold is refused, the old file kept.
TEST_F(ToolTest, WriteRefusesWhatAFileCannotHold) {
    const std::string axle = R"({"axleName": "1", "run": "2", "wheelSetNames": ["a", "b"]})";
    auto car = [&](const std::string& inside) {
        return R"({"schemeType": 1, "cars": [{"inverted": false, "bogieCount": 1, "series": "", )"
               R"("carNumber": "", )" +
               inside + "}]}";
    };
    const std::string twoAxles = R"("axles": [)" + axle + ", " + axle + "]";
    std::string seventeenAxles = R"("axles": [)" + axle;
    for (int a = 1; a < 17; ++a) {
        seventeenAxles += ", " + axle;
    }
    seventeenAxles += "]";
    auto withSeries = [&](const std::string& series) {
        std::string json = car(twoAxles);
        return json.replace(json.find("\"series\": \"\""), 12, "\"series\": \"" + series + "\"");
    };
    auto withBogies = [&](const std::string& bogies) {
        std::string json = car(twoAxles);
        return json.replace(json.find("\"bogieCount\": 1"), 15, "\"bogieCount\": " + bogies);
    };
    const std::string unstorable =
        R"(car 1: "series" holds a character that Windows-1251 cannot store)";
    struct Case {
        std::string json;
        std::string message;
    };
    const std::vector<Case> cases{
        {"{\n  \"schemeType\": 1,\n  \"cars\": [}", "line 3, column 13: "},
        {R"({"schemeType": 7, "cars": []})", R"("schemeType" must be a whole number from 1 to 6)"},
        {R"({"schemeType": 1.5, "cars": []})",
         R"("schemeType" must be a whole number from 1 to 6)"},
        {R"({"schemeType": 1, "cars": []})", R"("cars" must be an array of 1 to 40 entries)"},
        {"[1]", "the scheme must be a JSON object"},
        {R"({"schemeType": 1, "cars": [], "colour": 1})", R"(unknown key "colour")"},
        {car(R"("axles": [])"), R"(car 1: "axles" must be an array of 1 to 16 entries)"},
        {car(seventeenAxles), R"(car 1: "axles" must be an array of 1 to 16 entries)"},
        {car(twoAxles + R"(, "sereis": "")"), R"(car 1: unknown key "sereis")"},
        {R"({"schemeType": 1, "cars": [{"inverted": 0}]})",
         R"(car 1: "inverted" must be true or false)"},
        {withBogies("10"), R"(car 1: "bogieCount" must be a whole number from 0 to 9)"},
        {withBogies("-1"), R"(car 1: "bogieCount" must be a whole number from 0 to 9)"},
        // Lone surrogates, at the end of a text and within it: a converter
        // that keeps state would hold the one at the end back and drop it.
        {withSeries(R"(A\ud83d)"), unstorable},
        {withSeries(R"(A\ud83dB)"), unstorable},
        {withSeries(R"(A\ud800)"), unstorable},
        {withSeries(R"(\ud800B)"), unstorable},
        {withSeries(R"(A\udc00)"), unstorable},
        {car(twoAxles).replace(car(twoAxles).find("\"series\": \"\""), 12, "\"series\": \"A|B\""),
         R"(car 1: "series" holds "|" or a line break)"},
        {car(twoAxles).replace(car(twoAxles).find("\"carNumber\": \"\""), 15,
                               "\"carNumber\": \"1\\n2\""),
         R"(car 1: "carNumber" holds "|" or a line break)"},
        {car(R"("axles": [)" + axle +
             R"(, {"axleName": "中", "run": "", "wheelSetNames": ["", ""]}])"),
         R"(car 1, axle 2: "axleName" holds a character that Windows-1251 cannot store)"},
        {car(R"("axles": [)" + axle + R"(, {"axleName": "", "run": "", "wheelSetNames": [""]}])"),
         R"(car 1, axle 2: "wheelSetNames" must be an array of exactly 2 entries)"},
        {car(R"("axles": [)" + axle + R"(, {"axleName": "", "wheelSetNames": ["", ""]}])"),
         R"(car 1, axle 2: "run" is missing)"},
    };
    const std::string out = Put("keep.sch", "the old file\r\n");
    for (const Case& c : cases) {
        const ToolRun run = Tool({"write", out}, c.json);
        EXPECT_EQ(run.code, 1) << c.json;
        EXPECT_TRUE(run.err.starts_with("standard input: " + c.message)) << run.err;
        EXPECT_EQ(Contents(out), "the old file\r\n");
    }
    ASSERT_EQ(Tool({"write", out}, car(twoAxles)).code, 0) << "the cases differ from a valid one";
    EXPECT_EQ(Tool({"write", out}, withSeries(R"(\ud83d\ude00)")).code, 1)
        << "a pair, but not in 1251";
}

// The count an array must have, said as one number where it is one.
TEST_F(ToolTest, WriteNamesTheCountsAnArrayMayHave) {
    auto withNames = [](const std::string& names) {
        return R"({"schemeType": 1, "cars": [{"inverted": false, "bogieCount": 1, )"
               R"("series": "", "carNumber": "", "axles": [{"axleName": "", "run": "", )"
               R"("wheelSetNames": )" +
               names + "}]}]}";
    };
    std::string cars41 = R"({"schemeType": 1, "cars": [{})";
    for (int c = 1; c < 41; ++c) {
        cars41 += ", {}";
    }
    cars41 += "]}";
    struct Case {
        std::string json;
        std::string message;
    };
    const std::string exactlyTwo = R"(car 1, axle 1: "wheelSetNames" must be an array of )"
                                   R"(exactly 2 entries)";
    const std::vector<Case> cases{
        {withNames("[]"), exactlyTwo},
        {withNames(R"([""])"), exactlyTwo},
        {withNames(R"(["", "", ""])"), exactlyTwo},
        {withNames(R"("ab")"), exactlyTwo},
        {cars41, R"("cars" must be an array of 1 to 40 entries)"},
    };
    const std::string out = Path("out.sch");
    for (const Case& c : cases) {
        const ToolRun run = Tool({"write", out}, c.json);
        EXPECT_EQ(run.code, 1) << c.json;
        EXPECT_EQ(run.err, "standard input: " + c.message + "\n") << c.json;
    }
    EXPECT_EQ(Tool({"write", out}, withNames(R"(["", ""])")).code, 0)
        << "the cases differ from a valid one";
}

// A file may hold cars the editor's layout buttons cannot make; the reader
// takes them, check names them and still passes the file, and write gives
// back the very bytes that dump started from.
TEST_F(ToolTest, CountsThatTheReaderTakesAreWrittenBack) {
    struct Car {
        int axles;
        int bogies;
    };
    const std::vector<Car> cars{{2, 1}, {1, 1}, {2, 0}, {16, 9}, {2, 3}, {1, 2}};
    for (int type = 1; type <= 6; ++type) {
        auto scheme = testing::TwoCarTrain(type);
        scheme->state.carCount = static_cast<int>(cars.size());
        for (std::size_t c = 0; c < cars.size(); ++c) {
            CarRecord& car = scheme->cars[c];
            car = scheme->cars[c % 2];
            car.axleCount = cars[c].axles;
            car.bogieCount = cars[c].bogies;
            for (int a = 0; a < car.axleCount; ++a) {
                testing::FillAxle(car, a, std::to_string(a + 1),
                                  "W" + std::to_string(static_cast<int>(c) * 16 + a),
                                  std::to_string(a * 10));
            }
        }
        const std::string original = WriteScheme(*scheme, "train").bytes;
        const std::string file = Put("source.sch", original);

        const ToolRun checked = Tool({"check", file});
        EXPECT_EQ(checked.code, 0);
        EXPECT_EQ(checked.out, file + ": ok (6 cars, 24 axles, scheme type " +
                                   std::to_string(type) +
                                   "); car 2: 1 axle, outside the editor's 2 to 16"
                                   "; car 3: 0 bogies, outside the editor's 1 to 8"
                                   "; car 4: 9 bogies, outside the editor's 1 to 8"
                                   "; car 5: 3 bogies, more than its 2 axles"
                                   "; car 6: 1 axle, outside the editor's 2 to 16"
                                   "; car 6: 2 bogies, more than its 1 axle\n");

        const ToolRun dumped = Tool({"dump", file});
        ASSERT_EQ(dumped.code, 0) << dumped.err;
        const std::string out = (dir / "train.sch").string();
        const ToolRun written = Tool({"write", out}, dumped.out);
        ASSERT_EQ(written.code, 0) << written.err;
        EXPECT_EQ(Contents(out), original) << "type " << type;
    }
}

// A folder that is missing, or a file name that a name line cannot hold,
// is named, and nothing is made.
TEST_F(ToolTest, WriteReportsWhereItCannotWrite) {
    const std::string json = R"({"schemeType": 1, "cars": [{"inverted": false, "bogieCount": 1, )"
                             R"("series": "", "carNumber": "", "axles": [)"
                             R"({"axleName": "", "run": "", "wheelSetNames": ["", ""]}, )"
                             R"({"axleName": "", "run": "", "wheelSetNames": ["", ""]}]}]})";
    struct Case {
        std::string path;
        std::string message;  // after "PATH: "
    };
    const std::vector<Case> cases{
        {(dir / "gone" / "train.sch").string(),
         "cannot be written: the folder " + (dir / "gone").string() + " does not exist"},
        {(dir / "train中.sch").string(),
         "the file name holds a character that Windows-1251 cannot store"},
    };
    for (const Case& c : cases) {
        const ToolRun run = Tool({"write", c.path}, json);
        EXPECT_EQ(run.code, 1);
        EXPECT_EQ(run.err, c.path + ": " + c.message + "\n");
        EXPECT_TRUE(Listing().empty());
    }
}

// A write cut short (here by the file size limit of the process, as a full
// disk would) fails, and the file saved before stays whole.
TEST_F(ToolTest, WriteCutShortKeepsTheOldFile) {
    const std::string out = Put("train.sch", "the old file\r\n");
    const std::string json = WriteScheme(*testing::TwoCarTrain(3), "train").bytes;
    const ToolRun dumped = Tool({"dump", Put("source.sch", json)});
    ASSERT_EQ(dumped.code, 0);

    ToolRun run;
    ASSERT_TRUE(testing::UnderFileSizeLimit(100, [&] { run = Tool({"write", out}, dumped.out); }));

    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err, out + ": cannot be written: File too large\n");
    EXPECT_EQ(Contents(out), "the old file\r\n");
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        left.push_back(entry.path().filename().string());
    }
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"source.sch", "train.sch"}));
}

// The pictures come from the editor's own drawing; a few probes show that
// the right car, walk position and highlight were drawn.
TEST_F(ToolTest, RenderDrawsTheCarViewAndTheStrip) {
    const std::string file = Put("train.sch", TrainFile(3));  // car 2 inverted, 2 axles
    const std::string image = (dir / "out.png").string();
    auto render = [&](std::vector<std::string> words) {
        words.insert(words.begin(), {"render", file});
        words.insert(words.end(), {"-o", image});
        const ToolRun run = Tool(words);
        EXPECT_EQ(run.code, 0) << run.err;
        return QImage(QString::fromStdString(image));
    };
    const QColor grey(193, 193, 193);
    const QColor green(0, 193, 0);
    // The flange of the upper wheel of the leftmost axle, and of the second.
    const QPoint first(30, 42);
    const QPoint second(30 + 61, 42);

    QImage car = render({"--car", "2"});
    EXPECT_EQ(car.size(), QSize(800, 147));
    EXPECT_EQ(car.pixelColor(first), grey);
    EXPECT_EQ(car.pixelColor(second), grey);

    car = render({"--walk", "6"});  // car 2, axle slot 0: drawn on the right
    EXPECT_EQ(car.pixelColor(first), grey);
    EXPECT_EQ(car.pixelColor(second), green);
    EXPECT_EQ(render({"--car", "1", "--walk", "1"}).pixelColor(first), green);

    const QImage strip = render({"--strip", "--current", "2", "--hover", "1"});
    EXPECT_EQ(strip.size(), QSize(800, 102));
    EXPECT_EQ(strip.pixelColor(60, 40), QColor(100, 255, 210));
    EXPECT_EQ(strip.pixelColor(172, 40), green);
    EXPECT_EQ(
        strip.convertToFormat(QImage::Format_RGB32),
        RenderTrainStrip(*testing::TwoCarTrain(3), 1, 0).convertToFormat(QImage::Format_RGB32))
        << "the editor's strip, with the marks of its complete and reversed cars";
    // The counts below the left ends of the bodies, 4·2 and 2·1: ink in both
    // places, and not the same.
    const QImage counts1 = strip.copy(20, 70, 38, 16);
    const QImage counts2 = strip.copy(20 + 112, 70, 38, 16);
    for (const QImage& counts : {counts1, counts2}) {
        bool ink = false;
        for (int y = 0; y < counts.height(); ++y) {
            for (int x = 0; x < counts.width(); ++x) {
                ink = ink || counts.pixelColor(x, y) == QColor(Qt::black);
            }
        }
        EXPECT_TRUE(ink);
    }
    EXPECT_NE(counts1.convertToFormat(QImage::Format_RGB32),
              counts2.convertToFormat(QImage::Format_RGB32));

    // Drawn at the ratio asked for, as on a screen of that ratio.
    const QImage twice = render({"--car", "2", "--scale", "2"});
    EXPECT_EQ(twice.size(), QSize(1600, 294));
    EXPECT_EQ(twice.convertToFormat(QImage::Format_RGB32),
              RenderCarView(CarViewOf(*testing::TwoCarTrain(3), 1), 2)
                  .convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(render({"--strip", "--scale", "1.5"}).size(), QSize(1200, 153));
}

TEST_F(ToolTest, RenderRefusesCarsAndPositionsOutsideTheScheme) {
    const std::string file = Put("train.sch", TrainFile(3));
    const std::string image = (dir / "out.png").string();
    struct Case {
        std::vector<std::string> words;
        int code;
        std::string message;
    };
    const std::vector<Case> cases{
        {{"--car", "3"}, 1, "car 3 is outside 1..2"},
        {{"--walk", "7"}, 1, "walk position 7 is outside 1..6"},
        {{"--car", "2", "--walk", "1"}, 1, "walk position 1 is on car 1, not car 2"},
        {{"--strip", "--hover", "0"}, 1, "hovered car 0 is outside 1..2"},
        {{"--car", "one"}, 2, "--car takes a number, not 'one'"},
        // Too many digits for any number: out of range, as written.
        {{"--car", "99999999999"}, 1, "car 99999999999 is outside 1..2"},
        {{"--strip", "--current", "123456789012345678901234"},
         1,
         "car 12345678901234567890\u2026 is outside 1..2"},
        {{"--walk", "00000000000000000000000000000001", "--car", "2"},
         1,
         "walk position 00000000000000000000\u2026 is on car 1, not car 2"},
        {{"--car", "1", "--strip"}, 2, "render takes FILE --car N"},
        {{"--car", "1", "--scale", "0.5"}, 2, "--scale takes a number from 1 to 8, not '0.5'"},
        {{"--strip", "--scale", "nan"}, 2, "--scale takes a number from 1 to 8, not 'nan'"},
        {{"--car", "1", "--scale", "9"}, 2, "--scale takes a number from 1 to 8, not '9'"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> words{"render", file};
        words.insert(words.end(), c.words.begin(), c.words.end());
        words.insert(words.end(), {"-o", image});
        const ToolRun run = Tool(words);
        EXPECT_EQ(run.code, c.code) << c.message;
        EXPECT_TRUE(run.err.starts_with("quorvane-tool render: " + c.message)) << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(image));
    EXPECT_EQ(Tool({"render", file, "--car", "1"}).code, 2) << "no -o";
    EXPECT_EQ(Tool({"render", (dir / "none.sch").string(), "--car", "1", "-o", image}).code, 1);
}

// Why a picture cannot be written is said before anything is drawn, and
// nothing is left behind.
TEST_F(ToolTest, RenderSaysWhyThePictureCannotBeWritten) {
    const std::string file = Put("train.sch", TrainFile(3));
    std::filesystem::create_directory(dir / "locked");
    std::filesystem::permissions(
        dir / "locked", std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    struct Case {
        std::vector<std::string> words;
        std::string output;
        std::string message;  // after "PATH: "
    };
    std::vector<Case> cases{
        {{"--car", "1"},
         "out.xyz",
         "no picture format goes by the suffix 'xyz'; use one of .bmp, "},
        {{"--strip"}, "out", "no picture format goes by the suffix ''; use one of .bmp, "},
        {{"--sheet"},
         "out.PDFX",
         "no sheet format goes by the suffix 'PDFX'; use one of .pdf, .svg, .png, .jpg, .jpeg, "
         ".bmp, .tif, .tiff\n"},
        {{"--car", "1"},
         "gone/out.png",
         "cannot be written: the folder " + (dir / "gone").string() + " does not exist"},
    };
    if (::geteuid() != 0) {  // root may write anywhere
        cases.push_back({{"--strip"}, "locked/out.png", "cannot be written: Permission denied"});
    }
    for (const Case& c : cases) {
        const std::string output = (dir / c.output).string();
        std::vector<std::string> words{"render", file};
        words.insert(words.end(), c.words.begin(), c.words.end());
        words.insert(words.end(), {"-o", output});
        const ToolRun run = Tool(words);
        EXPECT_EQ(run.code, 1) << c.output;
        EXPECT_TRUE(run.err.starts_with("quorvane-tool render: " + output + ": " + c.message))
            << run.err;
        EXPECT_NE(run.err.find(".png"), std::string::npos) << run.err;
    }
    std::filesystem::permissions(dir / "locked", std::filesystem::perms::owner_all);
    EXPECT_EQ(Listing(), (std::vector<std::string>{"locked", "train.sch"}));
    EXPECT_TRUE(std::filesystem::is_empty(dir / "locked"));
}

// "--" ends the options, so that a file's name may start with "-"; without
// it such a name is an unknown option.
TEST_F(ToolTest, DoubleDashEndsTheOptions) {
    Put("-x.sch", TrainFile(3));
    const std::string json = Put("in.json", Tool({"dump", (dir / "-x.sch").string()}).out);
    struct Case {
        std::vector<std::string> words;
        std::string made;  // the file the command makes, if any
    };
    const std::vector<Case> cases{
        {{"check", "--", "-x.sch"}, ""},
        {{"dump", "--", "-x.sch"}, ""},
        {{"plan", "--", "-x.sch"}, ""},
        {{"plan", "-o", "-p.csv", "--", "-x.sch"}, "-p.csv"},
        {{"render", "--car", "1", "-o", "-r.png", "--", "-x.sch"}, "-r.png"},
        {{"--", "render", "--car", "1", "-o", "-s.png", "--", "-x.sch"}, "-s.png"},
        {{"write", "--", "-w.sch"}, "-w.sch"},
    };
    for (const Case& c : cases) {
        const ToolRun run = Program(c.words, json);
        EXPECT_EQ(run.code, 0) << c.words[0] << ": " << run.err;
        if (!c.made.empty()) {
            EXPECT_TRUE(std::filesystem::is_regular_file(dir / c.made)) << c.made;
        }
    }
    EXPECT_EQ(Program({"check", "--", "-x.sch"}).out,
              "-x.sch: ok (2 cars, 6 axles, scheme type 3)\n");
    const ToolRun unknown = Program({"check", "-x.sch"});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_TRUE(unknown.err.starts_with("quorvane-tool: check: Unknown option")) << unknown.err;
}

}  // namespace
}  // namespace quorvane
