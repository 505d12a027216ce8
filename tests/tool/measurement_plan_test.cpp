#include <csv.h>
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fileio/scheme_text.h"
#include "tool_fixture.h"

namespace quorvane {
namespace {

using Row = std::vector<std::string>;

// Reads CSV back with libcsv's parser in strict mode: rows of fields.
std::vector<Row> ParseCsv(const std::string& text) {
    struct Rows {
        std::vector<Row> rows{Row{}};
    } parsed;
    csv_parser parser{};
    EXPECT_EQ(csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI), 0);
    auto field = [](void* data, std::size_t size, void* rows) {
        static_cast<Rows*>(rows)->rows.back().emplace_back(static_cast<const char*>(data), size);
    };
    auto row = [](int, void* rows) { static_cast<Rows*>(rows)->rows.emplace_back(); };
    EXPECT_EQ(csv_parse(&parser, text.data(), text.size(), field, row, &parsed), text.size())
        << csv_strerror(csv_error(&parser));
    EXPECT_EQ(csv_fini(&parser, field, row, &parsed), 0);
    csv_free(&parser);
    parsed.rows.pop_back();  // opened by the last line end
    return parsed.rows;
}

std::vector<std::string> Split(std::string_view text, char bar) {
    std::vector<std::string> parts;
    for (std::size_t at = 0;;) {
        const std::size_t next = text.find(bar, at);
        if (next == std::string_view::npos) {
            return parts;
        }
        parts.emplace_back(text.substr(at, next - at));
        at = next + 1;
    }
}

// The wheel entries of a file, read here without the scheme reader: car
// lines "1d2|series|number|" followed by entries "2l|axle|wheel set|run|".
std::vector<Row> FileEntries(const std::string& file) {
    std::vector<Row> entries;
    const std::size_t open = file.find("{\r\n") + 3;
    for (const std::string& line :
         Split(std::string_view(file).substr(open, file.find("}\r\n") - open), '\n')) {
        const std::vector<std::string> fields = Split(line, '|');
        const std::string car = fields[0].substr(0, fields[0].size() - 2);
        const std::string orientation = fields[0][car.size()] == 'i' ? "inverted" : "direct";
        for (std::size_t i = 3; i + 4 <= fields.size(); i += 4) {
            const std::string& slot = fields[i];
            entries.push_back({std::to_string(entries.size() + 1), car, orientation,
                               slot.substr(0, slot.size() - 1), slot.substr(slot.size() - 1),
                               fields[1], fields[2], fields[i + 1], fields[i + 2], fields[i + 3]});
        }
    }
    return entries;
}

const Row kHeader{"position", "car",        "orientation", "axle",           "side",
                  "series",   "car number", "axle name",   "wheel-set name", "run"};

// Every row is the wheel entry of the file at its place: the plan and the
// file agree in all six orders, also where inverted cars of types 5 and 6
// write a wheel-set name under the other side's letter.
TEST_F(ToolTest, PlanListsTheEntriesOfTheFileInItsOrder) {
    for (int type = 1; type <= 6; ++type) {
        auto scheme = testing::TwoCarTrain(type);  // car 2 inverted
        scheme->cars[1].axles[0].sides[kLeftSide].wheelSetName = "XL";
        scheme->cars[1].axles[0].sides[kRightSide].wheelSetName = "XR";
        const std::string file = WriteScheme(*scheme, "train").bytes;

        const ToolRun run = Tool({"plan", Put("train.sch", file)});
        ASSERT_EQ(run.code, 0) << run.err;
        std::vector<Row> expected = FileEntries(file);
        ASSERT_EQ(expected.size(), 12u) << "type " << type;
        expected.insert(expected.begin(), kHeader);
        EXPECT_EQ(ParseCsv(run.out), expected) << "type " << type << "\n" << run.out;
    }
}

// Texts come from Windows-1251 as UTF-8; a field with a comma or a quote
// stays one field, quotes doubled, and spaces at either end are kept.
TEST_F(ToolTest, PlanQuotesEveryFieldAndWritesUtf8) {
    auto scheme = testing::TwoCarTrain(3);
    scheme->state.carCount = 1;
    scheme->cars[0].axleCount = 2;
    scheme->cars[0].series = "\xDD\xD0\x32, \"\xC1\"";  // ЭР2, "Б"
    scheme->cars[0].carNumber = " 0,1 ";
    scheme->cars[0].axles[0].axleName = "\"";
    scheme->cars[0].axles[0].sides[kLeftSide].wheelSetName = "\xCA\xCF-\xB9\x37";  // КП-№7
    const ToolRun run = Tool({"plan", Put("train.sch", WriteScheme(*scheme, "train").bytes)});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with(
        "\"position\",\"car\",\"orientation\",\"axle\",\"side\",\"series\",\"car number\","
        "\"axle name\",\"wheel-set name\",\"run\"\r\n"
        "\"1\",\"1\",\"direct\",\"1\",\"l\",\"ЭР2, \"\"Б\"\"\",\" 0,1 \",\"\"\"\",\"КП-№7\","
        "\"100\"\r\n"
        "\"2\",\"1\",\"direct\",\"1\",\"r\",\"ЭР2, \"\"Б\"\"\",\" 0,1 "
        "\",\"\"\"\",\"W1\",\"100\"\r\n"))
        << run.out;
    const std::vector<Row> rows = ParseCsv(run.out);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[4],
              (Row{"4", "1", "direct", "2", "r", "ЭР2, \"Б\"", " 0,1 ", "2", "W2", "200"}));
}

TEST_F(ToolTest, PlanGoesToTheFileThatOutNames) {
    const std::string file = Put("train.sch", TrainFile(1));
    const std::string csv = (dir / "plan.csv").string();
    const ToolRun run = Tool({"plan", file, "-o", csv});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(Contents(csv), Tool({"plan", file}).out);
    const ToolRun toStandardOutput = Tool({"plan", file, "-o", "-"});
    EXPECT_EQ(toStandardOutput.code, 0);
    EXPECT_EQ(toStandardOutput.out, Contents(csv));

    struct Case {
        std::vector<std::string> words;
        int code;
        std::string message;
    };
    const std::vector<Case> cases{
        {{"plan", file, "-o", (dir / "gone" / "plan.csv").string()}, 1, "cannot be written"},
        {{"plan", (dir / "none.sch").string()}, 1, "cannot be read"},
        {{"plan"}, 2, "plan needs a FILE"},
        {{"plan", file, "more"}, 2, "plan takes FILE [--spreadsheet-safe] [-o CSV]"},
        {{"plan", file, "--strip"}, 2, "plan takes FILE [--spreadsheet-safe] [-o CSV]"},
    };
    for (const Case& c : cases) {
        const ToolRun refused = Tool(c.words);
        EXPECT_EQ(refused.code, c.code) << c.message;
        EXPECT_NE(refused.err.find(c.message), std::string::npos) << refused.err;
        EXPECT_EQ(refused.out, "");
    }
}

// Texts far longer than the pieces the plan is made in come through whole:
// multi-byte characters and doubled quotes where the pieces meet included.
TEST_F(ToolTest, PlanKeepsLongTextsWhole) {
    auto scheme = testing::TwoCarTrain(3);
    std::string series;
    while (series.size() < 200'000) {
        series += "\xDD\"\xD0-";  // Э"Р-
        series += std::string(series.size() % 7, 'x');
    }
    scheme->cars[1].series = series;
    scheme->cars[0].axles[2].sides[kRightSide].wheelSetName = std::string(70'000, '"');
    const ToolRun run = Tool({"plan", Put("train.sch", WriteScheme(*scheme, "train").bytes)});
    ASSERT_EQ(run.code, 0) << run.err;
    const std::vector<Row> rows = ParseCsv(run.out);
    ASSERT_EQ(rows.size(), 13u);
    const std::string utf8 = DecodeSchemeText(series).toStdString();
    for (std::size_t r = 9; r <= 12; ++r) {
        EXPECT_EQ(rows[r][5], utf8) << "row " << r;
    }
    EXPECT_EQ(rows[6][8], std::string(70'000, '"'));
}

// For spreadsheets, a field that would start a formula gets a quote first;
// without the option, every text stays as the file holds it.
TEST_F(ToolTest, PlanForSpreadsheetsDefusesFormulas) {
    auto scheme = testing::TwoCarTrain(3);
    scheme->state.carCount = 1;
    const std::vector<std::pair<std::string, std::string>> texts{
        {"=SUM(A1:A9)", "'=SUM(A1:A9)"},
        {"+1", "'+1"},
        {"-2", "'-2"},
        {"@cmd", "'@cmd"},
        {"\tx", "'\tx"},
        {"a=b", "a=b"},
        {"", ""},
        {" =1", " =1"},
        {"'", "'"},
    };
    CarRecord& car = scheme->cars[0];
    car.axleCount = static_cast<int>(texts.size());
    for (std::size_t a = 0; a < texts.size(); ++a) {
        testing::FillAxle(car, static_cast<int>(a), texts[a].first, "W", "1");
    }
    car.series = "=1+2";
    car.carNumber = "-5";
    const std::string file = Put("train.sch", WriteScheme(*scheme, "train").bytes);

    const ToolRun plain = Tool({"plan", file});
    const ToolRun safe = Tool({"plan", "--spreadsheet-safe", file});
    ASSERT_EQ(plain.code, 0) << plain.err;
    ASSERT_EQ(safe.code, 0) << safe.err;
    const std::vector<Row> plainRows = ParseCsv(plain.out);
    const std::vector<Row> safeRows = ParseCsv(safe.out);
    ASSERT_EQ(safeRows.size(), 1 + 2 * texts.size());
    EXPECT_EQ(safeRows[0], kHeader);
    for (std::size_t r = 1; r < safeRows.size(); ++r) {
        const auto& [text, defused] = texts[(r - 1) / 2];
        EXPECT_EQ(plainRows[r][7], text);
        EXPECT_EQ(safeRows[r][7], defused) << text;
        EXPECT_EQ(plainRows[r][5], "=1+2");
        EXPECT_EQ(safeRows[r][5], "'=1+2");
        EXPECT_EQ(safeRows[r][6], "'-5");
        EXPECT_EQ(safeRows[r][0], std::to_string(r));
    }
}

}  // namespace
}  // namespace quorvane
