#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <cstring>
#include <numeric>
#include <string>
#include <vector>

#include "drawing/palette.h"
#include "drawing/render_image.h"
#include "drawing/train_strip.h"
#include "model/progress.h"
#include "tool_fixture.h"

namespace quorvane {
namespace {

// A train of the given number of cars, each told apart by its axle count and
// orientation, series "ЭР2" and car number 100 + its place.
std::unique_ptr<Scheme> Train(int cars) {
    auto scheme = testing::TwoCarTrain(5);
    scheme->state.carCount = cars;
    for (int c = 0; c < cars; ++c) {
        CarRecord& car = scheme->cars[static_cast<std::size_t>(c)];
        car = scheme->cars[0];
        car.axleCount = 2 + c % 15;
        car.bogieCount = 1;
        car.inverted = c % 2 == 1;
        car.series = "\xDD\xD0\x32";
        car.carNumber = std::to_string(100 + c + 1);
    }
    return scheme;
}

QString Output(const char* program, const QStringList& arguments) {
    QProcess process;
    process.start(QString::fromUtf8(program), arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << program;
    EXPECT_EQ(process.exitCode(), 0) << program << ": " << process.readAllStandardError().data();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The car numbers of the headers on each page, read back with poppler's tools.
std::vector<std::vector<int>> CarsByPage(const std::string& pdf) {
    std::vector<std::vector<int>> pages;
    const QStringList texts =
        Output(QUORVANE_PDFTOTEXT, {QString::fromStdString(pdf), QStringLiteral("-")})
            .split(QChar('\f'));
    static const QRegularExpression header(
        QStringLiteral("Car (\\d+) — series ЭР2, number (\\d+)"));
    for (qsizetype p = 0; p + 1 < texts.size(); ++p) {  // a form feed ends every page
        pages.emplace_back();
        for (const auto& match : header.globalMatch(texts[p])) {
            const int car = match.captured(1).toInt();
            EXPECT_EQ(match.captured(2).toInt(), 100 + car);
            pages.back().push_back(car);
        }
    }
    return pages;
}

TEST_F(ToolTest, SheetPdfPutsAFewCarsOnEachA4LandscapePage) {
    for (int cars : {1, 5, 12, 40}) {
        const std::string file = Put("train.sch", WriteScheme(*Train(cars), "train").bytes);
        const std::string pdf = (dir / "train.pdf").string();
        const ToolRun run = Tool({"render", file, "--sheet", "-o", pdf});
        ASSERT_EQ(run.code, 0) << run.err;

        const QString info = Output(QUORVANE_PDFINFO, {QString::fromStdString(pdf)});
        EXPECT_TRUE(
            info.contains(QRegularExpression(QStringLiteral("Page size: +842 x 595 pts \\(A4\\)"))))
            << info.toStdString();
        const std::vector<std::vector<int>> pages = CarsByPage(pdf);
        EXPECT_TRUE(info.contains(QRegularExpression(
            QStringLiteral("Pages: +%1\n").arg(static_cast<int>(pages.size())))));
        std::vector<int> order;
        for (const std::vector<int>& page : pages) {
            EXPECT_GE(page.size(), 1u) << cars << " cars: a page without a car";
            EXPECT_LE(page.size(), 4u) << cars << " cars";
            order.insert(order.end(), page.begin(), page.end());
        }
        std::vector<int> expected(static_cast<std::size_t>(cars));
        std::iota(expected.begin(), expected.end(), 1);
        EXPECT_EQ(order, expected) << cars << " cars";
        EXPECT_LE(pages.size(), static_cast<std::size_t>(cars / 4 + 2)) << cars << " cars";
    }
}

// Where the picture holds the whole of part, top left corners; rows compared whole.
std::vector<QPoint> Find(const QImage& picture, const QImage& part) {
    std::vector<QPoint> found;
    const std::size_t rowBytes = static_cast<std::size_t>(part.width()) * 4;
    for (int y = 0; y + part.height() <= picture.height(); ++y) {
        for (int x = 0; x + part.width() <= picture.width(); ++x) {
            bool same = true;
            for (int row = 0; same && row < part.height(); ++row) {
                same = std::memcmp(picture.constScanLine(y + row) + 4 * x, part.constScanLine(row),
                                   rowBytes) == 0;
            }
            if (same) {
                found.emplace_back(x, y);
            }
        }
    }
    return found;
}

// Grey regions the size of a strip pictogram's body, above the given row.
int StripBodies(const QImage& picture, int bottom) {
    const QColor grey(kGrey.r, kGrey.g, kGrey.b);
    std::vector<bool> seen(static_cast<std::size_t>(picture.width() * bottom));
    int bodies = 0;
    for (int y = 0; y < bottom; ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            std::vector<QPoint> stack{{x, y}};
            int area = 0;
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                if (p.x() < 0 || p.y() < 0 || p.x() >= picture.width() || p.y() >= bottom) {
                    continue;
                }
                const std::size_t at = static_cast<std::size_t>(p.y() * picture.width() + p.x());
                if (seen[at] || picture.pixelColor(p) != grey) {
                    continue;
                }
                seen[at] = true;
                ++area;
                stack.insert(stack.end(), {{p.x() + 1, p.y()},
                                           {p.x() - 1, p.y()},
                                           {p.x(), p.y() + 1},
                                           {p.x(), p.y() - 1}});
            }
            bodies += area > 1000 ? 1 : 0;
        }
    }
    return bodies;
}

// The editor's own car view of every car is in the picture, once, in the
// order of the train, below a strip that shows every car.
TEST_F(ToolTest, SheetPngShowsEveryCarsDiagramUnderTheStrip) {
    auto scheme = Train(9);
    const std::string file = Put("train.sch", WriteScheme(*scheme, "train").bytes);
    const std::string png = (dir / "train.png").string();
    const ToolRun run = Tool({"render", file, "--sheet", "-o", png});
    ASSERT_EQ(run.code, 0) << run.err;
    const QImage sheet = QImage(QString::fromStdString(png)).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(sheet.isNull());

    int above = 0;
    for (int c = 0; c < 9; ++c) {
        const QImage view =
            RenderCarView(CarViewOf(*scheme, c)).convertToFormat(QImage::Format_RGB32);
        const std::vector<QPoint> found = Find(sheet, view);
        ASSERT_EQ(found.size(), 1u) << "car " << c + 1;
        EXPECT_GT(found[0].y(), above) << "car " << c + 1;
        above = found[0].y();
        if (c == 0) {
            EXPECT_EQ(StripBodies(sheet, above), 9);
        }
    }

    // The strip is the editor's, marks included (cars 1 to 3 are complete,
    // every even one reversed), in rows of seven cars that start midway
    // between the buffers.
    ASSERT_TRUE(IsCarComplete(*scheme, 0) && !IsCarComplete(*scheme, 3));
    const QImage strip = RenderTrainStrip(*scheme, -1, -1).convertToFormat(QImage::Format_RGB32);
    const int cut = kStripBodyLeft - (kStripPitch - kStripBodyWidth) / 2;
    const int rowHeight = kStripMarksBottom - kStripMarksTop;
    EXPECT_EQ(Find(sheet, strip.copy(cut, kStripMarksTop, 7 * kStripPitch, rowHeight)).size(), 1u);
    EXPECT_EQ(
        Find(sheet, strip.copy(cut + 7 * kStripPitch, kStripMarksTop, 2 * kStripPitch, rowHeight))
            .size(),
        1u);
}

TEST_F(ToolTest, SheetSvgHoldsTheStripEveryCarAndItsHeader) {
    const std::string file = Put("train.sch", WriteScheme(*Train(9), "train").bytes);
    const std::string svg = (dir / "train.svg").string();
    const ToolRun run = Tool({"render", file, "--sheet", "-o", svg});
    ASSERT_EQ(run.code, 0) << run.err;

    QXmlStreamReader xml(QString::fromStdString(Contents(svg)));
    int images = 0;
    QStringList texts;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("image")) {
            ++images;
        } else if (xml.name() == QLatin1String("text")) {
            texts << xml.readElementText();
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(images, 2 + 9) << "two rows of the strip and nine cars";
    // The text of a line may come in pieces, one for each script.
    const QString text = texts.join(QString());
    EXPECT_TRUE(text.contains(QStringLiteral("Car 2 — series ЭР2, number 102, inverted")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Car 9 — series ЭР2, number 109")));
}

TEST_F(ToolTest, SheetRefusals) {
    const std::string file = Put("train.sch", TrainFile(3));
    const std::string kept = Put("kept.pdf", "the old file");
    struct Case {
        std::vector<std::string> words;
        int code;
        std::string message;
    };
    const std::vector<Case> cases{
        {{"--sheet", "-o", (dir / "train.doc").string()},
         1,
         "no picture format goes by the suffix 'doc'"},
        {{"--sheet", "-o", (dir / "gone" / "train.pdf").string()}, 1, "cannot be written"},
        {{"--sheet", "--current", "1", "-o", kept}, 2, "render takes FILE"},
        {{"--sheet", "--car", "1", "-o", kept}, 2, "render takes FILE"},
        {{"--sheet", "--strip", "-o", kept}, 2, "render takes FILE"},
        {{"--sheet"}, 2, "render takes FILE"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> words{"render", file};
        words.insert(words.end(), c.words.begin(), c.words.end());
        const ToolRun run = Tool(words);
        EXPECT_EQ(run.code, c.code) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
    EXPECT_EQ(Contents(kept), "the old file");
    EXPECT_FALSE(std::filesystem::exists(dir / "train.doc"));
}

}  // namespace
}  // namespace quorvane
