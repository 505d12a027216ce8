// The measurement sheet as a crew gets it: the PDF's pages read back with
// poppler's tools, the SVG as XML, the picture's size; and where the
// position numbers sit on the drawn wheels.
#include <gtest/gtest.h>

#include <QDate>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <map>
#include <string>
#include <vector>

#include "../drawing/recording_surface.h"
#include "drawing/car_diagram.h"
#include "drawing/car_view.h"
#include "model/wheel_order.h"
#include "sheet/wheel_numbers.h"
#include "tool_fixture.h"

namespace quorvane {
namespace {

// A train of the given number of cars, car c with 2 + c % 15 axles, every
// second car reversed, series "ЭР2", car number 100 + its place, and texts
// that name their car and axle: axle name AcNk, wheel sets WcNk (left) and
// VcNk (right), runs RcNk.
std::unique_ptr<Scheme> Train(int cars, int schemeType = 5) {
    auto scheme = testing::TwoCarTrain(schemeType);
    scheme->state.carCount = cars;
    for (int c = 0; c < cars; ++c) {
        CarRecord& car = scheme->cars[static_cast<std::size_t>(c)];
        car = CarRecord{};
        car.axleCount = 2 + c % 15;
        car.bogieCount = 1 + c % 2;
        car.inverted = c % 2 == 1;
        car.series = "\xDD\xD0\x32";
        car.carNumber = std::to_string(100 + c + 1);
        for (int k = 0; k < car.axleCount; ++k) {
            AxleSlot& axle = car.axles[static_cast<std::size_t>(k)];
            const std::string tag = std::to_string(c + 1) + "N" + std::to_string(k + 1);
            axle.axleName = "A" + tag;
            axle.run = "R" + tag;
            axle.sides[kLeftSide].wheelSetName = "W" + tag;
            axle.sides[kRightSide].wheelSetName = "V" + tag;
        }
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

// The text of each page, as pdftotext reads it.
QStringList Pages(const std::string& pdf) {
    QStringList pages =
        Output(QUORVANE_PDFTOTEXT, {QString::fromStdString(pdf), QStringLiteral("-")})
            .split(QChar('\f'));
    pages.removeLast();  // a form feed ends every page
    return pages;
}

class SheetTest : public ToolTest {
protected:
    std::string Sheet(const Scheme& scheme, std::vector<std::string> options,
                      const std::string& output = "train.pdf") {
        const std::string file = Put("train.sch", WriteScheme(scheme, "train").bytes);
        const std::string out = (dir / output).string();
        std::vector<std::string> words{"render", file, "--sheet", "-o", out};
        words.insert(words.end(), options.begin(), options.end());
        const ToolRun run = Tool(words);
        EXPECT_EQ(run.code, 0) << run.err;
        return out;
    }
};

// Every text a crew needs is real text on the pages, in vectors only.
TEST_F(SheetTest, PdfHoldsEveryWheelsTextsOnA4PortraitPagesWithoutImages) {
    const auto scheme = Train(3);
    const std::string pdf = Sheet(*scheme, {"--lang", "en"});
    const QString info = Output(QUORVANE_PDFINFO, {QString::fromStdString(pdf)});
    EXPECT_TRUE(
        info.contains(QRegularExpression(QStringLiteral("Page size: +595 x 842 pts \\(A4\\)"))))
        << info.toStdString();
    const QString images =
        Output(QUORVANE_PDFIMAGES, {QStringLiteral("-list"), QString::fromStdString(pdf)});
    EXPECT_EQ(images.split(QChar('\n'), Qt::SkipEmptyParts).size(), 2)
        << images.toStdString() << "a header, no image";

    const QStringList pages = Pages(pdf);
    ASSERT_GE(pages.size(), 1);
    const QString all = pages.join(QString());
    for (int p = 0; p < pages.size(); ++p) {
        EXPECT_TRUE(
            pages[p].contains(QStringLiteral("page %1 of %2").arg(p + 1).arg(pages.size())));
        EXPECT_TRUE(pages[p].contains(QStringLiteral("train.sch · printed ") +
                                      QDate::currentDate().toString(Qt::ISODate)));
        EXPECT_TRUE(pages[p].contains(QStringLiteral("train — scheme type 5, 3 cars, 9 axles")));
    }
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Red dot")));
    EXPECT_TRUE(
        all.contains(QStringLiteral("Car 2 of 3 — series ЭР2, number 102 — inverted — "
                                    "3 axles, 2 bogies")));
    for (const WheelEntry& entry : WheelOrder(*scheme)) {
        const AxleSlot& axle = scheme->cars[static_cast<std::size_t>(entry.car)]
                                   .axles[static_cast<std::size_t>(entry.axle)];
        for (const std::string& text : {axle.axleName, axle.run, axle.sides[kLeftSide].wheelSetName,
                                        axle.sides[kRightSide].wheelSetName}) {
            EXPECT_TRUE(all.contains(QString::fromStdString(text))) << text;
        }
    }
}

// Each car's heading and every one of its texts are on one page, for 40
// cars of 2 to 16 axles.
TEST_F(SheetTest, FortyCarsNeverSplitACarAcrossPages) {
    const auto scheme = Train(40);
    const QStringList pages = Pages(Sheet(*scheme, {"--lang", "en"}));
    for (int c = 0; c < 40; ++c) {
        const QString heading = QStringLiteral("Car %1 of 40 —").arg(c + 1);
        int page = -1;
        for (int p = 0; p < pages.size(); ++p) {
            if (pages[p].contains(heading)) {
                EXPECT_EQ(page, -1) << "car " << c + 1 << " on two pages";
                page = p;
            }
        }
        ASSERT_GE(page, 0) << "car " << c + 1;
        const CarRecord& car = scheme->cars[static_cast<std::size_t>(c)];
        for (int k = 0; k < car.axleCount; ++k) {
            const QString name = QString::fromStdString(
                car.axles[static_cast<std::size_t>(k)].sides[kLeftSide].wheelSetName);
            EXPECT_TRUE(pages[page].contains(QRegularExpression(name + QStringLiteral("\\b"))))
                << name.toStdString() << " not on page " << page + 1;
        }
    }
    EXPECT_FALSE(pages.join(QString()).contains(QStringLiteral("continued")));
}

// Other page sizes and landscape; where a car cannot fit one page at all
// (16 axles on A4 landscape) its table goes on, headed again, on the next.
TEST_F(SheetTest, PageSizesAndLandscape) {
    const auto scheme = Train(15);
    struct Case {
        std::vector<std::string> options;
        const char* size;
    };
    for (const Case& c : {Case{{"--page-size", "A3"}, "842 x 1191 pts \\(A3\\)"},
                          Case{{"--page-size", "letter", "--landscape"}, "792 x 612 pts"},
                          Case{{"--landscape"}, "842 x 595 pts \\(A4\\)"}}) {
        std::vector<std::string> options = c.options;
        options.insert(options.end(), {"--lang", "en"});
        const std::string pdf = Sheet(*scheme, options);
        const QString info = Output(QUORVANE_PDFINFO, {QString::fromStdString(pdf)});
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Page size: +") + c.size)))
            << info.toStdString();
    }
    const QStringList pages = Pages((dir / "train.pdf").string());
    const int at =
        static_cast<int>(std::find_if(pages.begin(), pages.end(),
                                      [](const QString& page) {
                                          return page.contains(QStringLiteral("Car 15 of 15 —"));
                                      }) -
                         pages.begin());
    ASSERT_LT(at + 1, pages.size());
    EXPECT_TRUE(
        pages[at + 1].contains(QStringLiteral("Car 15 of 15 — series ЭР2, number 115 — "
                                              "direct — 16 axles, 1 bogies (continued)")));
    EXPECT_TRUE(pages[at + 1].contains(QStringLiteral("W15N1")));
}

TEST_F(SheetTest, RussianHeadingsAndCyrillicTexts) {
    const QStringList pages = Pages(Sheet(*Train(2), {"--lang", "ru"}));
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("стр. 1 из 1")));
    EXPECT_TRUE(pages[0].contains(
        QStringLiteral("Вагон 2 из 2 — серия ЭР2, номер 102 — обратный — осей: 3, тележек: 2")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("колёсная пара")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Красная точка")));
}

TEST_F(SheetTest, SvgIsOneTallPictureOfVectorsAndTexts) {
    const auto scheme = Train(9);
    QXmlStreamReader xml(
        QString::fromStdString(Contents(Sheet(*scheme, {"--lang", "en"}, "train.svg"))));
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
    EXPECT_EQ(images, 0);
    // The text of a line may come in pieces, one for each script.
    const QString text = texts.join(QChar(' '));
    EXPECT_TRUE(text.contains(QStringLiteral("page 1 of 1")));
    EXPECT_TRUE(text.contains(QStringLiteral("W9N10")));
    EXPECT_TRUE(text.contains(QStringLiteral("R1N2")));
}

TEST_F(SheetTest, PictureAtTheScaleAskedFor) {
    const auto scheme = Train(2);
    const QImage once(QString::fromStdString(Sheet(*scheme, {}, "once.png")));
    const QImage twice(QString::fromStdString(Sheet(*scheme, {"--scale", "2"}, "twice.png")));
    ASSERT_FALSE(once.isNull());
    EXPECT_EQ(twice.size(), once.size() * 2);
}

TEST_F(SheetTest, Refusals) {
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
        std::vector<std::string> words{"render", file};
        words.insert(words.end(), c.words.begin(), c.words.end());
        const ToolRun run = Tool(words);
        EXPECT_EQ(run.code, c.code) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
    EXPECT_EQ(Contents(kept), "the old file");
    EXPECT_FALSE(std::filesystem::exists(dir / "train.doc"));
}

// The number of each file entry stands over, or under, the drawn wheel
// whose label is the entry's axle and side letter: type 5, whose reversed
// cars list the right wheel of an axle first where direct ones list the
// left, and whose wheel-set names go to the other wheel's entry.
TEST(WheelNumbersTest, EachNumberStandsAtTheWheelItsEntryNames) {
    for (const bool inverted : {false, true}) {
        auto scheme = Train(3);
        scheme->cars[1].inverted = inverted;
        const CarRecord& car = scheme->cars[1];
        testing::RecordingSurface surface(kCarViewWidth, kCarViewHeight);
        DrawCarView(surface, CarViewOf(*scheme, 1));
        const std::vector<NumberedWheel> wheels = NumberedWheelsOf(*scheme, 1);
        ASSERT_EQ(wheels.size(), 2u * static_cast<std::size_t>(car.axleCount));
        DrawWheelNumbers(surface, car, wheels);

        // The wheels drawn: the left end of the tread, the row and the label.
        struct Drawn {
            int x;
            bool upper;
            std::string label;
        };
        std::vector<Drawn> drawn;
        const testing::Call* wheel = nullptr;
        std::map<int, std::string> numbers;  // by position: where it stands
        for (const testing::Call& call : surface.calls) {
            if (call.op == testing::Op::Polygon && call.points.size() == 23) {
                wheel = &call;
            } else if (call.op == testing::Op::Text && call.style.pointSize == 8 && wheel) {
                drawn.push_back(
                    {wheel->points[12].x, wheel->points[0].y == kCarViewOriginY, call.text});
                wheel = nullptr;
            } else if (call.op == testing::Op::Text && call.style.pointSize == 7) {
                const int middle = call.points[0].x + static_cast<int>(call.text.size()) * 3;
                const bool above = call.points[0].y < 0;
                for (const Drawn& d : drawn) {
                    if (middle >= d.x && middle < d.x + kWheelWidth - 3 && d.upper == above) {
                        numbers[std::stoi(call.text)] = d.label;
                    }
                }
            }
        }
        ASSERT_EQ(numbers.size(), wheels.size());
        for (const NumberedWheel& w : wheels) {
            const std::string label =
                std::to_string(w.entry.axle + 1) + (w.entry.side == kLeftSide ? "L" : "R");
            EXPECT_EQ(numbers[w.position], label)
                << (inverted ? "reversed" : "direct") << ", position " << w.position;
        }
    }
}

}  // namespace
}  // namespace quorvane
