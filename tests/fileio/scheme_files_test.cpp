// The one way the editor and the tool load and save a scheme file: a saved
// file reads back to the same bytes, and every refusal says which kind it
// is and leaves whatever stood at the path as it was.
#include "fileio/scheme_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "../file_size_limit.h"
#include "../schemefile/example_trains.h"
#include "../scratch_folder.h"
#include "schemefile/scheme_writer.h"

namespace quorvane {
namespace {

using Kind = SchemeSaveFailure::Kind;

class SchemeFilesTest : public testing::ScratchFolderTest {
protected:
    // Every name under dir, with the bytes of each file: what a failed save
    // must leave as it found it.
    std::vector<std::string> Tree() const {
        std::vector<std::string> tree;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
            tree.push_back(
                std::filesystem::relative(entry.path(), dir).string() +
                (entry.is_regular_file() ? " = " + Contents(entry.path().string()) : "/"));
        }
        std::sort(tree.begin(), tree.end());
        return tree;
    }
};

// A train of the type with Cyrillic texts: "Серия" for its series.
std::unique_ptr<Scheme> CyrillicTrain(int type) {
    auto scheme = testing::TwoCarTrain(type);
    scheme->cars[0].series = "\xD1\xE5\xF0\xE8\xFF";
    return scheme;
}

// The name line comes from the file's name; what is loaded from the file is
// saved again to the very same bytes, in every scheme type.
TEST_F(SchemeFilesTest, ASavedFileLoadsAndSavesAgainToTheSameBytes) {
    const std::string name = "\xCF\xEE\xE5\xE7\xE4";  // "Поезд" in Windows-1251
    for (int type = 1; type <= 6; ++type) {
        const auto scheme = CyrillicTrain(type);
        const std::string path = Path("Поезд.sch");
        const SchemeSaveResult saved = SaveSchemeFile(*scheme, QString::fromStdString(path));
        ASSERT_FALSE(saved.failure) << saved.failure->reason.toStdString();
        EXPECT_EQ(saved.name, name);
        const std::string bytes = Contents(path);
        EXPECT_EQ(bytes, WriteScheme(*scheme, name).bytes) << "type " << type;
        EXPECT_TRUE(bytes.starts_with(name + "\r\n{\r\n")) << "type " << type;

        const SchemeLoadResult loaded = LoadSchemeFile(QString::fromStdString(path));
        ASSERT_TRUE(loaded.scheme) << loaded.reason.toStdString();
        EXPECT_TRUE(loaded.reason.isEmpty());
        EXPECT_EQ(loaded.scheme->fileName, name);
        EXPECT_EQ(loaded.scheme->state.schemeType, type);

        std::filesystem::create_directories(dir / "again");
        const std::string again = Path("again/Поезд.sch");
        ASSERT_FALSE(SaveSchemeFile(*loaded.scheme, QString::fromStdString(again)).failure);
        EXPECT_EQ(Contents(again), bytes) << "type " << type;
        std::filesystem::remove_all(dir / "again");
    }
}

// Each kind of refusal of a save, and what stood at the path stays.
TEST_F(SchemeFilesTest, ARefusedSaveSaysItsKindAndLeavesThePathAlone) {
    const std::string old = "old\r\n{\r\n}\r\n";
    auto withBar = [] {
        auto scheme = testing::TwoCarTrain(3);
        scheme->cars[1].series = "A|B";
        return scheme;
    };
    struct Case {
        std::string what;
        std::function<std::string()> place;  // what stands there; gives the path
        std::function<std::unique_ptr<Scheme>()> scheme;
        Kind kind;
        std::string reason;
    };
    const std::vector<Case> cases{
        {"a name not storable", [&] { return Put("train中.sch", old); },
         [] { return testing::TwoCarTrain(3); }, Kind::NameNotStorable,
         "the file name holds a character that Windows-1251 cannot store"},
        {"a text holding |", [&] { return Put("train.sch", old); }, withBar,
         Kind::SchemeNotStorable,
         "car 2: the series holds \"|\", which a scheme file cannot store"},
        {"a missing folder", [&] { return Path("gone/train.sch"); },
         [] { return testing::TwoCarTrain(3); }, Kind::CannotOpen,
         "the folder " + Path("gone") + " does not exist"},
        {"a folder",
         [&] {
             std::filesystem::create_directory(dir / "train.sch");
             Put("train.sch/inside", old);
             return Path("train.sch");
         },
         [] { return testing::TwoCarTrain(3); }, Kind::CannotOpen,
         "it is not a regular file (a folder)"},
    };
    for (const Case& c : cases) {
        const std::string path = c.place();
        const std::vector<std::string> before = Tree();
        const SchemeSaveResult saved = SaveSchemeFile(*c.scheme(), QString::fromStdString(path));
        ASSERT_TRUE(saved.failure) << c.what;
        EXPECT_EQ(saved.failure->kind, c.kind) << c.what;
        EXPECT_EQ(saved.failure->reason.toStdString(), c.reason) << c.what;
        EXPECT_TRUE(saved.name.empty()) << c.what;
        EXPECT_EQ(Tree(), before) << c.what;
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
}

// A write cut short (here by the file size limit of the process, as a full
// disk would) fails, and the file saved before stays whole.
TEST_F(SchemeFilesTest, AWriteCutShortKeepsTheOldFile) {
    const std::string path = Put("train.sch", "the old file\r\n");
    SchemeSaveResult result;
    ASSERT_TRUE(testing::UnderFileSizeLimit(100, [&] {  // less than the file
        result = SaveSchemeFile(*testing::TwoCarTrain(3), QString::fromStdString(path));
    }));

    ASSERT_TRUE(result.failure);
    EXPECT_EQ(result.failure->kind, Kind::CannotWrite);
    EXPECT_EQ(result.failure->reason, QStringLiteral("File too large"));
    EXPECT_EQ(Tree(), std::vector<std::string>{"train.sch = the old file\r\n"});
}

TEST_F(SchemeFilesTest, ARefusedLoadGivesNoSchemeAndSaysWhy) {
    std::filesystem::create_directory(dir / "folder.sch");
    struct Case {
        std::string path;
        std::string reason;
    };
    const std::vector<Case> cases{
        {Put("bad.sch", "t\r\n{\r\n1d2|||1x||||;\r\n}\r\n"),
         "line 3, column 8: the wheel entry has no side letter (l or r) after its axle index"},
        {Path("missing.sch"), "cannot be read: No such file or directory"},
        {Path("folder.sch"), "cannot be read: it is not a regular file but a folder"},
    };
    for (const Case& c : cases) {
        const SchemeLoadResult loaded = LoadSchemeFile(QString::fromStdString(c.path));
        EXPECT_FALSE(loaded.scheme) << c.path;
        EXPECT_EQ(loaded.reason.toStdString(), c.reason);
    }
}

}  // namespace
}  // namespace quorvane
