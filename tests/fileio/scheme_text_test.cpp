#include "fileio/scheme_text.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvane {
namespace {

TEST(SchemeTextTest, ThisQtHasTheSchemesCodePage) {
    EXPECT_EQ(CodePageProblem(), std::nullopt);
}

// What the programs say at start on a Qt without the code page.
TEST(SchemeTextTest, AMissingCodePageIsNamed) {
    const std::optional<QString> problem = CodePageProblem("no-such-code-page");
    ASSERT_TRUE(problem);
    EXPECT_TRUE(problem->startsWith(
        QStringLiteral("this Qt cannot convert texts of the no-such-code-page code page")))
        << problem->toStdString();
}

TEST(SchemeTextTest, EveryByteSurvivesDecodingAndEncoding) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all += static_cast<char>(byte);
    }
    EXPECT_EQ(EncodeSchemeText(DecodeSchemeText(all)), all);
    EXPECT_EQ(DecodeSchemeText("\xC0\xE1\xE2\xB8\xA8\xB9"), QString::fromUtf8("АбвёЁ№"));
    EXPECT_EQ(EncodeSchemeText(QString::fromUtf8("€")), std::string("\x88"));
    EXPECT_EQ(EncodeSchemeText(QString::fromUtf8("Ω")), std::nullopt);
}

// A lone surrogate is no character at all, and nothing that Windows-1251
// holds; a stateful converter would keep one at the end back, unreported.
TEST(SchemeTextTest, LoneSurrogatesAreRefused) {
    const std::u16string high(1, char16_t{0xD83D});
    const std::u16string first(1, char16_t{0xD800});
    const std::u16string low(1, char16_t{0xDC00});
    for (const std::u16string& text :
         {high, u"A" + high, u"A" + high + u"B", first, u"A" + first + u"B", low, low + u"A"}) {
        EXPECT_EQ(EncodeSchemeText(QString::fromStdU16String(text)), std::nullopt) << text.size();
    }
}

}  // namespace
}  // namespace quorvane
