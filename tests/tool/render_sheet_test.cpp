// quorvane-tool render --sheet: what only the tool shows of the sheet, which
// tests/sheet tests itself: how its options reach the pages, the suffixes it
// takes and refuses, with exit codes and messages.
#include <gtest/gtest.h>

#include <QDate>
#include <QImage>
#include <QRegularExpression>
#include <filesystem>
#include <string>
#include <vector>

#include "../sheet/read_sheet.h"
#include "../sheet/sheet_fixture.h"
#include "tool_fixture.h"

namespace quorvane {
namespace {

using testing::FormatOfBytes;
using testing::PdfInfo;
using testing::PdfPages;

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

// The page size and orientation (A4 portrait unless told), the language and
// the scale go to the sheet, and the scheme file's name stands on its pages.
TEST_F(RenderSheetTest, OptionsReachTheSheet) {
    struct Case {
        std::vector<std::string> options;
        const char* pageSize;
        const char* text;
    };
    const std::vector<Case> cases{
        {{"--lang", "en"}, "595 x 842 pts \\(A4\\)", "page 1 of "},
        {{"--page-size", "A3", "--lang", "ru"}, "842 x 1191 pts \\(A3\\)", "стр. 1 из "},
        {{"--page-size", "letter", "--landscape", "--lang", "en"}, "792 x 612 pts", "page 1 of "},
        {{"--landscape", "--lang", "en"}, "842 x 595 pts \\(A4\\)", "page 1 of "},
    };
    for (const Case& c : cases) {
        const QString before = QDate::currentDate().toString(Qt::ISODate);
        const std::string pdf = (dir / "train.pdf").string();
        const ToolRun run = Render(pdf, c.options);
        ASSERT_EQ(run.code, 0) << run.err;
        const QString info = PdfInfo(pdf);
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Page size: +") + c.pageSize)))
            << info.toStdString();
        const QStringList pages = PdfPages(pdf);
        ASSERT_GE(pages.size(), 1);
        EXPECT_TRUE(pages[0].contains(QString::fromUtf8(c.text))) << pages[0].toStdString();
        // The run may have passed midnight.
        const QString after = QDate::currentDate().toString(Qt::ISODate);
        EXPECT_TRUE(pages[0].contains(
            QRegularExpression(QStringLiteral("train\\.sch · \\S+ (%1|%2)").arg(before, after))))
            << pages[0].toStdString();
    }
    ASSERT_EQ(Render((dir / "once.png").string()).code, 0);
    ASSERT_EQ(Render((dir / "twice.png").string(), {"--scale", "2"}).code, 0);
    const QImage once(QString::fromStdString((dir / "once.png").string()));
    ASSERT_FALSE(once.isNull());
    EXPECT_EQ(QImage(QString::fromStdString((dir / "twice.png").string())).size(), once.size() * 2);
}

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

TEST_F(RenderSheetTest, Refusals) {
    const std::string kept = Put("kept.pdf", "the old file");
    struct Case {
        std::vector<std::string> words;
        int code;
        std::string message;
    };
    const std::vector<Case> cases{
        {{"--sheet", "-o", (dir / "train.doc").string()},
         1,
         "no sheet format goes by the suffix 'doc'"},
        {{"--sheet", "-o", (dir / "gone" / "train.pdf").string()}, 1, "cannot be written"},
        {{"--sheet", "--current", "1", "-o", kept}, 2, "render takes FILE"},
        {{"--sheet", "--car", "1", "-o", kept}, 2, "render takes FILE"},
        {{"--sheet", "--strip", "-o", kept}, 2, "render takes FILE"},
        {{"--sheet"}, 2, "render takes FILE"},
        {{"--sheet", "--lang", "de", "-o", kept}, 2, "--lang takes ru or en, not 'de'"},
        {{"--sheet", "--page-size", "B5", "-o", kept},
         2,
         "--page-size takes A4, A3 or Letter, not 'B5'"},
        {{"--car", "1", "--landscape", "-o", kept}, 2, "render takes FILE"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> words{"render", train};
        words.insert(words.end(), c.words.begin(), c.words.end());
        const ToolRun run = Tool(words);
        EXPECT_EQ(run.code, c.code) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
    EXPECT_EQ(Contents(kept), "the old file");
    EXPECT_FALSE(std::filesystem::exists(dir / "train.doc"));
}

// A picture over the budget is refused, with exit code 1, before it is
// made; the message names the output and says what to do instead.
TEST_F(RenderSheetTest, APictureOverTheBudgetIsRefused) {
    const std::string large = Put("large.sch", WriteScheme(*testing::Train(40), "large").bytes);
    const std::string picture = Put("sheet.png", "the old file");
    const ToolRun run = Tool({"render", large, "--sheet", "--scale", "3", "-o", picture});
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(QRegularExpression(
                    QStringLiteral("^quorvane-tool render: %1: the picture would be \\d+ x \\d+ "
                                   "pixels, more than the 120 000 000 pixels a sheet picture "
                                   "may have; make it as PDF, or at a smaller scale "
                                   "\\(--scale\\)\n$")
                        .arg(QRegularExpression::escape(QString::fromStdString(picture))))
                    .match(QString::fromStdString(run.err))
                    .hasMatch())
        << run.err;
    EXPECT_EQ(Contents(picture), "the old file");
}

}  // namespace
}  // namespace quorvane
