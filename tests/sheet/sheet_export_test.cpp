// The one rule of the formats a sheet file is made in, by the suffix of its
// name, and what an export leaves at the path when it fails: a file is
// replaced only by a complete sheet of the format its name gives.
#include "sheet/sheet_export.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QRegularExpression>
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "../file_size_limit.h"
#include "read_sheet.h"
#include "sheet_fixture.h"

namespace quorvane {
namespace {

using Kind = SheetExportFailure::Kind;
using testing::FormatOfBytes;
using testing::Train;

constexpr char kSuffixList[] = "use one of .pdf, .svg, .png, .jpg, .jpeg, .bmp, .tif, .tiff";

struct Accepted {
    std::string suffix;
    std::string format;  // as SheetFormatOfPath names it, and FormatOfBytes finds it
};

// Every suffix a sheet is made in, in lower and in upper case.
std::vector<Accepted> AcceptedSuffixes() {
    const std::vector<Accepted> lower{{"pdf", "pdf"}, {"svg", "svg"},  {"png", "png"},
                                      {"jpg", "jpg"}, {"jpeg", "jpg"}, {"bmp", "bmp"},
                                      {"tif", "tif"}, {"tiff", "tif"}};
    std::vector<Accepted> all = lower;
    for (const Accepted& a : lower) {
        all.push_back({QString::fromStdString(a.suffix).toUpper().toStdString(), a.format});
    }
    return all;
}

class SheetExportTest : public testing::ScratchFolderTest {
protected:
    std::optional<SheetExportFailure> Export(const std::string& path, double scale = 1) {
        SheetOptions options;
        options.scale = scale;
        return ExportTrainSheet(*Train(2), QString::fromStdString(path), options);
    }
};

// A picture is the whole sheet, never an icon of it: each has the size of
// the PNG.
TEST_F(SheetExportTest, EachSuffixGivesAWholeSheetOfItsFormat) {
    ASSERT_FALSE(Export(Path("reference.png")));
    const QSize size = QImage(QString::fromStdString(Path("reference.png"))).size();
    ASSERT_FALSE(size.isEmpty());
    std::filesystem::remove(Path("reference.png"));

    for (const Accepted& a : AcceptedSuffixes()) {
        const std::string name = "sheet." + a.suffix;
        const QString path = QString::fromStdString(Path(name));
        EXPECT_EQ(SheetFormatOfPath(path), QByteArray::fromStdString(a.format)) << name;
        const std::optional<SheetExportFailure> failure = Export(Path(name));
        ASSERT_FALSE(failure) << name << ": " << failure->reason.toStdString();
        EXPECT_EQ(FormatOfBytes(Contents(Path(name))), a.format) << name;
        if (a.format != "pdf" && a.format != "svg") {
            EXPECT_EQ(QImage(path).size(), size) << name;
        }
        EXPECT_EQ(Listing(), std::vector<std::string>{name}) << "a temporary file left";
        std::filesystem::remove(Path(name));
    }
}

// Any other suffix, or none, is refused by the name alone, with the list of
// those that are taken: nothing is made, and a file there stays as it was.
TEST_F(SheetExportTest, OtherSuffixesAreRefusedAndNothingIsWritten) {
    struct Refused {
        std::string name;
        std::string reason;
    };
    const std::vector<Refused> cases{
        {"sheet.ico", std::string("no sheet format goes by the suffix 'ico'; ") + kSuffixList},
        {"sheet.cur", std::string("no sheet format goes by the suffix 'cur'; ") + kSuffixList},
        {"sheet.GIF", std::string("no sheet format goes by the suffix 'GIF'; ") + kSuffixList},
        {"sheet.sch", std::string("no sheet format goes by the suffix 'sch'; ") + kSuffixList},
        {"sheet.pdf.bak", std::string("no sheet format goes by the suffix 'bak'; ") + kSuffixList},
        {"sheet", std::string("the name has no suffix to give the sheet's format; ") + kSuffixList},
    };
    for (const Refused& c : cases) {
        EXPECT_EQ(SheetFormatOfPath(QString::fromStdString(Path(c.name))), std::nullopt) << c.name;
        std::optional<SheetExportFailure> failure = Export(Path(c.name));
        ASSERT_TRUE(failure) << c.name;
        EXPECT_EQ(failure->kind, Kind::Format) << c.name;
        EXPECT_EQ(failure->reason.toStdString(), c.reason);
        EXPECT_TRUE(Listing().empty()) << c.name;

        Put(c.name, "the old file\r\n");
        failure = Export(Path(c.name));
        ASSERT_TRUE(failure) << c.name;
        EXPECT_EQ(failure->kind, Kind::Format) << c.name;
        EXPECT_EQ(Contents(Path(c.name)), "the old file\r\n");
        EXPECT_EQ(Listing(), std::vector<std::string>{c.name});
        std::filesystem::remove(Path(c.name));
    }
    EXPECT_EQ(SheetSuffixes(), QStringLiteral(".pdf, .svg, .png, .jpg, .jpeg, .bmp, .tif, .tiff"));
}

// The drawing takes the same formats: an icon format would shrink the
// sheet to a thumbnail, whoever asks for it.
TEST(DrawTrainSheetTest, DrawsInNoOtherFormat) {
    for (const QByteArray format : {"ico", "cur", "xpm", "tiff", ""}) {
        QByteArray bytes;
        EXPECT_EQ(DrawTrainSheet(*Train(2), format, SheetOptions(), bytes),
                  QStringLiteral("a sheet is not made in the format '%1'")
                      .arg(QString::fromLatin1(format)));
        EXPECT_TRUE(bytes.isEmpty()) << format.constData();
    }
}

// A file that cannot be opened is named before anything is drawn, and
// whatever stands at the path is left as it was.
TEST_F(SheetExportTest, APathThatCannotBeOpenedIsNamed) {
    std::optional<SheetExportFailure> failure = Export(Path("gone/sheet.pdf"));
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->kind, Kind::CannotOpen);
    EXPECT_EQ(failure->reason.toStdString(), "the folder " + Path("gone") + " does not exist");
    EXPECT_TRUE(Listing().empty());

    std::filesystem::create_directory(Path("sheet.png"));
    Put("sheet.png/inside", "kept");
    failure = Export(Path("sheet.png"));
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->kind, Kind::CannotOpen);
    EXPECT_EQ(failure->reason, QStringLiteral("it is not a regular file (a folder)"));
    EXPECT_EQ(Contents(Path("sheet.png/inside")), "kept");
    EXPECT_EQ(Listing(), std::vector<std::string>{"sheet.png"});
}

// A write cut short (here by the file size limit of the process, as a full
// disk would) fails, and the sheet exported before stays whole.
TEST_F(SheetExportTest, AWriteCutShortKeepsTheOldFile) {
    ASSERT_FALSE(Export(Path("sheet.pdf")));
    const std::string before = Contents(Path("sheet.pdf"));
    std::optional<SheetExportFailure> failure;
    ASSERT_TRUE(
        testing::UnderFileSizeLimit(100, [&] { failure = Export(Path("sheet.pdf")); }));

    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->kind, Kind::CannotWrite);
    EXPECT_EQ(failure->reason, QStringLiteral("File too large"));
    EXPECT_EQ(Contents(Path("sheet.pdf")), before);
    EXPECT_EQ(Listing(), std::vector<std::string>{"sheet.pdf"});
}

// A picture larger than its format holds (JPEG: 65500 pixels each way) or
// than the budget of any sheet picture fails before it is made, rather than
// leave a file cut short or take gigabytes, and the file there stays as it
// was. 40 cars of 16 axles: on a narrow page, a tall picture of few pixels;
// on A4 at 2.1, 1577 pixels wide and over 80000 high.
TEST_F(SheetExportTest, APictureTooLargeKeepsTheOldFile) {
    auto train = Train(40);
    for (int c = 0; c < 40; ++c) {
        train->cars[static_cast<std::size_t>(c)].axleCount = kMaxAxles;
    }
    const QString tooLarge = QStringLiteral(
        "^the picture would be (\\d+) x (\\d+) pixels, more than the 120 000 000 pixels a "
        "sheet picture may have; make it as PDF, or at a smaller scale \\(--scale\\)$");
    const QString jpeg = QStringLiteral(
        "^the picture, (\\d+) x (\\d+) pixels, is larger than a JPEG picture can be "
        "\\(65500 pixels each way\\)$");
    struct Case {
        std::string name;
        QPageSize::PageSizeId page;
        double scale;
        QString reason;  // a pattern
    };
    const std::vector<Case> cases{
        {"sheet.jpg", QPageSize::A7, 1.9, jpeg},
        {"sheet.bmp", QPageSize::A4, 2.1, tooLarge},
        {"sheet.png", QPageSize::A4, 2.1, tooLarge},
        {"sheet.tif", QPageSize::A4, 2.1, tooLarge},
        // Taller than JPEG's limit too, which it is told first.
        {"sheet.jpg", QPageSize::A4, 2.1, jpeg},
    };
    for (const Case& c : cases) {
        const std::string path = Put(c.name, "the old file\r\n");
        SheetOptions options;
        options.pageSize = c.page;
        options.scale = c.scale;
        const std::optional<SheetExportFailure> failure =
            ExportTrainSheet(*train, QString::fromStdString(path), options);
        ASSERT_TRUE(failure) << c.name;
        EXPECT_EQ(failure->kind, Kind::CannotDraw);
        const QRegularExpressionMatch match = QRegularExpression(c.reason).match(failure->reason);
        ASSERT_TRUE(match.hasMatch()) << failure->reason.toStdString();
        const qint64 width = match.captured(1).toLongLong();
        const qint64 height = match.captured(2).toLongLong();
        EXPECT_TRUE(c.reason == jpeg ? std::max(width, height) > 65500
                                     : width * height > kLargestSheetPicture)
            << width << " x " << height;
        EXPECT_EQ(Contents(path), "the old file\r\n");
        EXPECT_EQ(Listing(), std::vector<std::string>{c.name});
        std::filesystem::remove(path);
    }
}

}  // namespace
}  // namespace quorvane
