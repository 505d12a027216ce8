// The measurement sheet as a crew gets it: the PDF's pages read back with
// poppler's tools, the SVG as XML, the picture's size.
#include "sheet/train_sheet.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QImage>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "model/wheel_order.h"
#include "read_sheet.h"
#include "sheet/sheet_export.h"
#include "sheet_fixture.h"

namespace quorvane {
namespace {

using testing::PdfInfo;
using testing::PdfPages;
using testing::Train;

// In English, from the file train.sch, printed on a day of its own.
SheetOptions English() {
    SheetOptions options;
    options.language = Language::English;
    options.fileName = QStringLiteral("train.sch");
    options.printed = QDate(2026, 12, 10);
    return options;
}

class TrainSheetTest : public testing::ScratchFolderTest {
protected:
    // The sheet exported to name in dir, whose suffix gives its format.
    std::string Sheet(const Scheme& scheme, const SheetOptions& options,
                      const std::string& name = "train.pdf") {
        const std::string path = Path(name);
        const std::optional<SheetExportFailure> failure =
            ExportTrainSheet(scheme, QString::fromStdString(path), options);
        EXPECT_FALSE(failure) << failure->reason.toStdString();
        return path;
    }
};

// Every text a crew needs is real text on the pages, in vectors only.
TEST_F(TrainSheetTest, PdfHoldsEveryWheelsTextsOnA4PortraitPagesWithoutImages) {
    const auto scheme = Train(3);
    const std::string pdf = Sheet(*scheme, English());
    const QString info = PdfInfo(pdf);
    EXPECT_TRUE(
        info.contains(QRegularExpression(QStringLiteral("Page size: +595 x 842 pts \\(A4\\)"))))
        << info.toStdString();
    EXPECT_EQ(testing::PdfImages(pdf), 0);

    const QStringList pages = PdfPages(pdf);
    ASSERT_GE(pages.size(), 1);
    const QString all = pages.join(QString());
    for (int p = 0; p < pages.size(); ++p) {
        EXPECT_TRUE(
            pages[p].contains(QStringLiteral("page %1 of %2").arg(p + 1).arg(pages.size())));
        EXPECT_TRUE(pages[p].contains(QStringLiteral("train.sch · printed 2026-12-10")));
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
TEST_F(TrainSheetTest, FortyCarsNeverSplitACarAcrossPages) {
    const auto scheme = Train(40);
    const QStringList pages = PdfPages(Sheet(*scheme, English()));
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
TEST_F(TrainSheetTest, PageSizesAndLandscape) {
    const auto scheme = Train(15);
    struct Case {
        QPageSize::PageSizeId size;
        bool landscape;
        const char* pdfinfo;
    };
    for (const Case& c : {Case{QPageSize::A3, false, "842 x 1191 pts \\(A3\\)"},
                          Case{QPageSize::Letter, true, "792 x 612 pts"},
                          Case{QPageSize::A4, true, "842 x 595 pts \\(A4\\)"}}) {
        SheetOptions options = English();
        options.pageSize = c.size;
        options.landscape = c.landscape;
        const QString info = PdfInfo(Sheet(*scheme, options));
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Page size: +") + c.pdfinfo)))
            << info.toStdString();
    }
    const QStringList pages = PdfPages(Path("train.pdf"));
    const int at =
        static_cast<int>(std::find_if(pages.begin(), pages.end(),
                                      [](const QString& page) {
                                          return page.contains(QStringLiteral("Car 15 of 15 —"));
                                      }) -
                         pages.begin());
    ASSERT_LT(at + 1, pages.size());
    EXPECT_TRUE(
        pages[at + 1].contains(QStringLiteral("Car 15 of 15 — series ЭР2, number 115 — "
                                              "direct — 16 axles, 1 bogie (continued)")));
    EXPECT_TRUE(pages[at + 1].contains(QStringLiteral("W15N1")));
}

TEST_F(TrainSheetTest, RussianHeadingsAndCyrillicTexts) {
    SheetOptions options = English();
    options.language = Language::Russian;
    const QStringList pages = PdfPages(Sheet(*Train(2), options));
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("стр. 1 из 1")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("train.sch · напечатано 2026-12-10")));
    EXPECT_TRUE(pages[0].contains(
        QStringLiteral("Вагон 2 из 2 — серия ЭР2, номер 102 — обратный — 3 оси, 2 тележки")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("колёсная пара")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Красная точка")));
}

// The strip on the first page shows each car's axles · bogies as text (2·1,
// 3·2, 4·1 for these cars), and the legend says what they are.
TEST_F(TrainSheetTest, StripShowsEachCarsCountsAndTheLegendExplainsThem) {
    struct Case {
        Language language;
        const char* legend;
    };
    for (const Case& c :
         {Case{Language::English, "Figures under a car, e.g. 6·3: axles · bogies of the car."},
          Case{Language::Russian, "Числа под вагоном, например 6·3: осей · тележек вагона."}}) {
        SheetOptions options = English();
        options.language = c.language;
        const QStringList pages = PdfPages(Sheet(*Train(3), options));
        ASSERT_GE(pages.size(), 1);
        EXPECT_TRUE(pages[0].contains(QString::fromUtf8(c.legend))) << pages[0].toStdString();
        for (const char* counts : {"2·1", "3·2", "4·1"}) {
            EXPECT_TRUE(pages[0].contains(QString::fromUtf8(counts)))
                << counts << " in " << pages[0].toStdString();
        }
        EXPECT_FALSE(pages[0].contains(QChar(0xFFFD)));
    }
}

TEST_F(TrainSheetTest, SvgIsOneTallPictureOfVectorsAndTexts) {
    const auto scheme = Train(9);
    QXmlStreamReader xml(QString::fromStdString(Contents(Sheet(*scheme, English(), "train.svg"))));
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

// A train whose every text, its name among them, holds one control byte
// between marks that name the text: "t07", the byte, "z". Every byte from
// 0x00 to 0x1F is in one text or more, but for the line ends, which no field
// of a file holds.
struct ControlTexts {
    std::unique_ptr<Scheme> scheme = Train(3);
    std::vector<std::pair<QString, char>> texts;  // the mark before the byte, the byte

    ControlTexts() {
        std::vector<char> bytes;
        for (char byte = 0; byte < 0x20; ++byte) {
            if (byte != '\n' && byte != '\r') {
                bytes.push_back(byte);
            }
        }
        std::vector<std::string*> fields{&scheme->fileName};
        for (int c = 0; c < scheme->state.carCount; ++c) {
            CarRecord& car = scheme->cars[static_cast<std::size_t>(c)];
            fields.insert(fields.end(), {&car.series, &car.carNumber});
            for (int k = 0; k < car.axleCount; ++k) {
                AxleSlot& axle = car.axles[static_cast<std::size_t>(k)];
                fields.insert(fields.end(),
                              {&axle.axleName, &axle.run, &axle.sides[kLeftSide].wheelSetName,
                               &axle.sides[kRightSide].wheelSetName});
            }
        }
        EXPECT_GE(fields.size(), bytes.size());
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const std::string mark = (i < 10 ? "t0" : "t") + std::to_string(i);
            const char byte = bytes[i % bytes.size()];
            *fields[i] = mark + byte + "z";
            texts.emplace_back(QString::fromStdString(mark), byte);
        }
    }

    // How the sheet draws text i: a tab as it is, any other byte as U+FFFD.
    QString Drawn(std::size_t i) const {
        const auto& [mark, byte] = texts[i];
        return mark + (byte == '\t' ? QChar('\t') : QChar(0xFFFD)) + QChar('z');
    }
};

// A file name from the system may hold control characters too.
SheetOptions WithControlInFileName() {
    SheetOptions options = English();
    options.fileName = QStringLiteral("f\x1F.sch");
    return options;
}

// Control characters have no place in XML 1.0: the SVG parses, each text
// shows U+FFFD where its byte was, and so does the title.
TEST_F(TrainSheetTest, SvgOfTextsWithControlBytesIsXmlAndShowsReplacementCharacters) {
    const ControlTexts train;
    const std::string svg = Contents(Sheet(*train.scheme, WithControlInFileName(), "train.svg"));
    QXmlStreamReader xml(QString::fromStdString(svg));
    QString title;
    QString text;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("title")) {
            title = xml.readElementText();
        } else if (xml.name() == QLatin1String("text")) {
            text += xml.readElementText();  // a text may come in pieces
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString() << " at line "
                                 << xml.lineNumber() << ", column " << xml.columnNumber();
    EXPECT_EQ(title, train.Drawn(0));
    EXPECT_TRUE(text.contains(QStringLiteral("f\uFFFD.sch · printed")));
    for (std::size_t i = 0; i < train.texts.size(); ++i) {
        if (train.texts[i].second != '\t') {
            EXPECT_TRUE(text.contains(train.Drawn(i))) << train.Drawn(i).toStdString();
        }
    }
}

// The same in the PDF: its text and its title hold U+FFFD and no control
// character.
TEST_F(TrainSheetTest, PdfOfTextsWithControlBytesShowsReplacementCharacters) {
    const ControlTexts train;
    const std::string pdf = Sheet(*train.scheme, WithControlInFileName());
    const QString text = PdfPages(pdf).join(QString());
    for (std::size_t i = 0; i < train.texts.size(); ++i) {
        if (train.texts[i].second != '\t') {
            EXPECT_TRUE(text.contains(train.Drawn(i))) << train.Drawn(i).toStdString();
        }
    }
    EXPECT_TRUE(text.contains(QStringLiteral("f\uFFFD.sch · printed")));
    for (const QChar ch : text) {
        EXPECT_TRUE(ch.unicode() >= 0x20 || ch == QChar('\n'))
            << "U+" << QString::number(ch.unicode(), 16).toStdString();
    }
    const QString info = PdfInfo(pdf);
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title: +t00\uFFFDz\n"))))
        << info.toStdString();
}

// The SVG's title is the scheme's name, as markup would not read it.
TEST_F(TrainSheetTest, SvgTitleOfANameWithMarkupCharacters) {
    auto scheme = Train(1);
    scheme->fileName = "A&B<1";
    SheetOptions options = English();
    options.fileName = QStringLiteral("A&B<1.sch");
    QXmlStreamReader xml(QString::fromStdString(Contents(Sheet(*scheme, options, "A&B<1.svg"))));
    QString title;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement &&
            xml.name() == QLatin1String("title")) {
            title = xml.readElementText();
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(title, QStringLiteral("A&B<1"));
}

TEST_F(TrainSheetTest, PictureAtTheScaleAskedFor) {
    const auto scheme = Train(2);
    SheetOptions options = English();
    const QImage once(QString::fromStdString(Sheet(*scheme, options, "once.png")));
    options.scale = 2;
    const QImage twice(QString::fromStdString(Sheet(*scheme, options, "twice.png")));
    ASSERT_FALSE(once.isNull());
    EXPECT_EQ(twice.size(), once.size() * 2);
}

}  // namespace
}  // namespace quorvane
