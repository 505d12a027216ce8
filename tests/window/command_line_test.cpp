// The editor's command line as main() parses it: before any application
// exists.
#include "window/command_line.h"

#include "fileio/desktop_language.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

CommandLine Parse(QStringList words) {
    words.prepend(QStringLiteral("/usr/bin/quorvane"));
    return ParseCommandLine(words);
}

TEST(CommandLineTest, HelpNamesTheProgramAndOffersOnlyWhatItTakes) {
    const CommandLine help = Parse({QStringLiteral("--help")});
    EXPECT_FALSE(help.start);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.output.startsWith(QStringLiteral("Usage: quorvane [options] [FILE.sch]\n")))
        << help.output.toStdString();
    EXPECT_FALSE(help.output.contains(QStringLiteral("<executable_name>")));
    EXPECT_FALSE(help.output.contains(QStringLiteral("--help-all")));
    EXPECT_TRUE(help.output.contains(QStringLiteral("-h, --help")));
    EXPECT_EQ(Parse({QStringLiteral("-h")}).output, help.output);

    const CommandLine all = Parse({QStringLiteral("--help-all")});
    EXPECT_FALSE(all.start);
    EXPECT_EQ(all.exitCode, 2);
    EXPECT_TRUE(all.error.contains(QStringLiteral("help-all"))) << all.error.toStdString();
}

TEST(CommandLineTest, DoubleDashEndsTheOptions) {
    const CommandLine dashed = Parse({QStringLiteral("--lang"), QStringLiteral("ru"),
                                      QStringLiteral("--"), QStringLiteral("-x.sch")});
    ASSERT_TRUE(dashed.start);
    EXPECT_EQ(dashed.start->file, QStringLiteral("-x.sch"));
    EXPECT_EQ(Parse({QStringLiteral("-x.sch")}).exitCode, 2);
}

// Without --lang: the first of the desktop's languages decides.
TEST(CommandLineTest, DesktopLanguageIsRussianOnlyWhenItsFirstIs) {
    const struct {
        QStringList languages;
        Language language;
    } cases[] = {
        {{"ru-RU", "en-US"}, Language::Russian},
        {{"ru"}, Language::Russian},
        {{"RU_ru"}, Language::Russian},
        {{"en-US", "ru-RU"}, Language::English},
        {{"de-DE"}, Language::English},
        {{"rue"}, Language::English},  // Rusyn
        {{}, Language::English},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DesktopLanguage(c.languages), c.language) << c.languages.join(',').toStdString();
    }
}

}  // namespace
}  // namespace quorvane
