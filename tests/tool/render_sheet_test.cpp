// quorvane-tool render --sheet: the suffixes it takes and refuses, with exit
// codes and messages.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "../sheet/read_sheet.h"
#include "tool_fixture.h"

namespace quorvane {
namespace {

using testing::FormatOfBytes;

class RenderSheetTest : public ToolTest {
protected:
    std::string train;

    void SetUp() override {
        ToolTest::SetUp();
        train = Put("train.sch", TrainFile(3));
    }

    ToolRun Render(const std::string& output, const std::vector<std::string>& options = {}) {
        std::vector<std::string> words{"render", train, "--sheet", "-o", output};
        words.insert(words.end(), options.begin(), options.end());
        return Tool(words);
    }
};

// Each suffix a sheet is made in, in either case, gives a file of its format.
TEST_F(RenderSheetTest, EachSheetSuffixGivesAFileOfItsFormat) {
    struct Case {
        std::string suffix;
        std::string format;
    };
    const std::vector<Case> lower{{"pdf", "pdf"},  {"svg", "svg"}, {"png", "png"}, {"jpg", "jpg"},
                                  {"jpeg", "jpg"}, {"bmp", "bmp"}, {"tif", "tif"}, {"tiff", "tif"}};
    std::vector<Case> cases = lower;
    for (const Case& c : lower) {
        cases.push_back({QString::fromStdString(c.suffix).toUpper().toStdString(), c.format});
    }
    for (const Case& c : cases) {
        const std::string name = "sheet." + c.suffix;
        const ToolRun run = Render((dir / name).string());
        EXPECT_EQ(run.code, 0) << name << ": " << run.err;
        EXPECT_EQ(run.err, "") << name;
        EXPECT_EQ(FormatOfBytes(Contents((dir / name).string())), c.format) << name;
        EXPECT_EQ(Listing(), (std::vector<std::string>{name, "train.sch"}));
        std::filesystem::remove(dir / name);
    }
}

// Any other suffix is refused with exit code 1 and the list of those taken,
// before anything is written: not even the scheme file itself is replaced.
TEST_F(RenderSheetTest, OtherSuffixesAreRefusedAndNothingIsWritten) {
    const std::string list = "use one of .pdf, .svg, .png, .jpg, .jpeg, .bmp, .tif, .tiff\n";
    struct Case {
        std::string name;
        std::string message;  // after "PATH: "
    };
    const std::vector<Case> cases{
        {"sheet.ico", "no sheet format goes by the suffix 'ico'; " + list},
        {"sheet.cur", "no sheet format goes by the suffix 'cur'; " + list},
        {"sheet.gif", "no sheet format goes by the suffix 'gif'; " + list},
        {"sheet.ICO", "no sheet format goes by the suffix 'ICO'; " + list},
        {"sheet", "the name has no suffix to give the sheet's format; " + list},
        {"other.sch", "no sheet format goes by the suffix 'sch'; " + list},
    };
    const std::string scheme = Contents(train);
    for (const Case& c : cases) {
        const std::string path = (dir / c.name).string();
        ToolRun run = Render(path);
        EXPECT_EQ(run.code, 1) << c.name;
        EXPECT_EQ(run.err, "quorvane-tool render: " + path + ": " + c.message);
        EXPECT_EQ(Listing(), std::vector<std::string>{"train.sch"}) << c.name;

        Put(c.name, "the old file\r\n");
        run = Render(path);
        EXPECT_EQ(run.code, 1) << c.name;
        EXPECT_EQ(run.err, "quorvane-tool render: " + path + ": " + c.message);
        EXPECT_EQ(Contents(path), "the old file\r\n");
        std::filesystem::remove(path);
    }
    const ToolRun run = Render(train);
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err, "quorvane-tool render: " + train +
                           ": no sheet format goes by the suffix 'sch'; " + list);
    EXPECT_EQ(Contents(train), scheme);
    EXPECT_EQ(Listing(), std::vector<std::string>{"train.sch"});
}

}  // namespace
}  // namespace quorvane
