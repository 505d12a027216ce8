// Everything the tool writes arrives whole or the command fails: files that
// are not regular files, read-only files, link loops and the command's own
// input are left alone, a replaced file keeps its mode and owner, a full disk
// keeps the old file, and standard output that cannot take the output fails
// the process.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "../file_size_limit.h"
#include "tool_fixture.h"

namespace quorvane {
namespace {

// Every command that writes a file, with the name its output takes.
struct Writer {
    std::string name;                // of the output, whose suffix picks the format
    std::vector<std::string> words;  // after the input file; the output follows
};

const std::vector<Writer>& Writers() {
    static const std::vector<Writer> writers{
        {"out.sch", {"write"}},
        {"out.csv", {"plan", "-o"}},
        {"out.png", {"render", "--car", "1", "-o"}},
        {"out.png", {"render", "--strip", "-o"}},
        {"out.pdf", {"render", "--sheet", "-o"}},
        {"out.png", {"render", "--sheet", "-o"}},
    };
    return writers;
}

class OutputTest : public ToolTest {
protected:
    std::string train;

    void SetUp() override {
        ToolTest::SetUp();
        train = Put("train.sch", TrainFile(3));
    }

    // Runs the writer with its output at path; write reads the train's JSON.
    ToolRun RunWriter(const Writer& writer, const std::string& path) {
        if (writer.words[0] == "write") {
            return Tool({"write", path}, Tool({"dump", train}).out);
        }
        std::vector<std::string> words{writer.words[0], train};
        words.insert(words.end(), writer.words.begin() + 1, writer.words.end());
        words.push_back(path);
        return Tool(words);
    }

    // Each writer is refused on the special file that make leaves at path,
    // which stays what it was.
    void ExpectRefused(const std::string& kind, const std::function<bool(const char*)>& make,
                       mode_t type) {
        for (const Writer& writer : Writers()) {
            const std::string path = (dir / writer.name).string();
            ASSERT_TRUE(make(path.c_str())) << std::strerror(errno);
            const ToolRun run = RunWriter(writer, path);
            EXPECT_EQ(run.code, 1) << writer.words[0];
            EXPECT_NE(
                run.err.find(path + ": cannot be written: it is not a regular file (" + kind + ")"),
                std::string::npos)
                << run.err;
            struct stat status {};
            ASSERT_EQ(::lstat(path.c_str(), &status), 0);
            EXPECT_EQ(status.st_mode & S_IFMT, type) << writer.words[0] << " " << writer.name;
            std::filesystem::remove(path);
            EXPECT_EQ(Listing(), std::vector<std::string>{"train.sch"}) << "a temporary file left";
        }
    }
};

TEST_F(OutputTest, AFifoOrAFolderIsNeverReplaced) {
    ExpectRefused(
        "a FIFO", [](const char* path) { return ::mkfifo(path, 0600) == 0; }, S_IFIFO);
    ExpectRefused(
        "a folder", [](const char* path) { return ::mkdir(path, 0700) == 0; }, S_IFDIR);
}

TEST_F(OutputTest, ACharacterDeviceIsNeverReplaced) {
    const std::string probe = (dir / "probe").string();
    if (::mknod(probe.c_str(), S_IFCHR | 0600, makedev(1, 3)) != 0) {
        GTEST_SKIP() << "no character device can be made here: " << std::strerror(errno);
    }
    std::filesystem::remove(probe);
    ExpectRefused(
        "a character device",
        [](const char* path) { return ::mknod(path, S_IFCHR | 0600, makedev(1, 3)) == 0; },
        S_IFCHR);
}

// A link is followed: to a regular file it is written through and stays a
// link; to a FIFO it is refused.
TEST_F(OutputTest, ALinkIsJudgedByWhatItNames) {
    const std::string target = Put("target.csv", "old");
    const std::string link = (dir / "link.csv").string();
    std::filesystem::create_symlink(target, link);
    ASSERT_EQ(Tool({"plan", train, "-o", link}).code, 0);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(Contents(target), Tool({"plan", train}).out);

    const std::string fifo = (dir / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string toFifo = (dir / "to-fifo.sch").string();
    std::filesystem::create_symlink(fifo, toFifo);
    const ToolRun run = Tool({"write", toFifo}, Tool({"dump", train}).out);
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("it is not a regular file (a FIFO)"), std::string::npos) << run.err;
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}

// A file without a write bit is never replaced by any writer, whoever runs
// it (these tests run as root in CI, where the write itself would succeed).
TEST_F(OutputTest, AReadOnlyFileIsNeverReplaced) {
    for (const mode_t mode : std::vector<mode_t>{0444, 0400, 0555}) {
        for (const Writer& writer : Writers()) {
            const std::string path = Put(writer.name, "the old file\r\n");
            ASSERT_EQ(::chmod(path.c_str(), mode), 0);
            const ToolRun run = RunWriter(writer, path);
            EXPECT_EQ(run.code, 1) << writer.words[0] << " " << writer.name;
            char shown[8];
            std::snprintf(shown, sizeof shown, "%04o", mode);
            EXPECT_NE(run.err.find(path + ": cannot be written: it is read-only (mode " + shown +
                                   ")"),
                      std::string::npos)
                << run.err;
            EXPECT_EQ(Contents(path), "the old file\r\n");
            struct stat status {};
            ASSERT_EQ(::stat(path.c_str(), &status), 0);
            EXPECT_EQ(status.st_mode & 07777, mode);
            EXPECT_EQ(Listing(), (std::vector<std::string>{writer.name, "train.sch"}));
            std::filesystem::remove(path);
        }
    }
}

// A replaced file keeps its mode, setgid and setuid bits included, and its
// owner and group where the process may give them (as root).
TEST_F(OutputTest, AReplacedFileKeepsItsModeAndOwner) {
    const bool root = ::geteuid() == 0;
    for (const mode_t mode : std::vector<mode_t>{0600, 0640, 0664, 0755, 02775, 04755}) {
        for (const Writer& writer : Writers()) {
            const std::string path = Put(writer.name, "the old file\r\n");
            ASSERT_EQ(::chmod(path.c_str(), mode), 0);
            if (root) {
                ASSERT_EQ(::chown(path.c_str(), 1000, 1000), 0);
                ASSERT_EQ(::chmod(path.c_str(), mode), 0);  // chown cleared setuid and setgid
            }
            const ToolRun run = RunWriter(writer, path);
            ASSERT_EQ(run.code, 0) << run.err;
            EXPECT_NE(Contents(path), "the old file\r\n");
            struct stat status {};
            ASSERT_EQ(::stat(path.c_str(), &status), 0);
            EXPECT_EQ(status.st_mode & 07777, mode) << writer.words[0] << " " << writer.name;
            if (root) {
                EXPECT_EQ(status.st_uid, 1000u);
                EXPECT_EQ(status.st_gid, 1000u);
            }
            std::filesystem::remove(path);
        }
    }
}

// Links that lead round in a loop are refused, and stay the links they were.
TEST_F(OutputTest, ALinkLoopIsNeverReplaced) {
    for (const Writer& writer : Writers()) {
        const std::filesystem::path path = dir / writer.name;
        const std::filesystem::path other = dir / "other";
        std::filesystem::create_symlink(other, path);
        std::filesystem::create_symlink(path, other);
        const ToolRun run = RunWriter(writer, path.string());
        EXPECT_EQ(run.code, 1) << writer.words[0];
        EXPECT_NE(run.err.find(path.string() +
                               ": cannot be written: its symbolic links cannot be resolved"),
                  std::string::npos)
            << run.err;
        EXPECT_EQ(std::filesystem::read_symlink(path), other);
        EXPECT_EQ(std::filesystem::read_symlink(other), path);
        std::filesystem::remove(path);
        std::filesystem::remove(other);
        EXPECT_EQ(Listing(), std::vector<std::string>{"train.sch"}) << "a temporary file left";
    }
}

// No output replaces the command's input, by its own name, a link or a hard
// link; a plan never goes into a .sch file, there or not.
TEST_F(OutputTest, AnOutputNeverReplacesAnInputNorAPlanAScheme) {
    const std::string bytes = Contents(train);
    const std::string other = Put("other.sch", TrainFile(2));
    std::filesystem::create_symlink(train, dir / "alias.png");
    std::filesystem::create_symlink(train, dir / "alias.pdf");
    std::filesystem::create_symlink(train, dir / "alias.csv");
    std::filesystem::create_hard_link(train, dir / "hard.svg");
    const std::string sameFile = ": is the input " + train + " itself; an output never replaces its input";
    const std::string planInScheme =
        ": a plan is CSV and never goes into a .sch file, which holds a scheme";
    struct Case {
        std::vector<std::string> words;  // after the input
        std::string output;
        std::string message;  // after the output's path
    };
    const std::vector<Case> cases{
        {{"plan", "-o"}, train, planInScheme},
        {{"plan", "-o"}, other, planInScheme},
        {{"plan", "-o"}, "NEW.SCH", planInScheme},
        {{"plan", "-o"}, "alias.csv", sameFile},
        {{"render", "--car", "1", "-o"}, "alias.png", sameFile},
        {{"render", "--strip", "-o"}, "alias.png", sameFile},
        {{"render", "--sheet", "-o"}, "alias.pdf", sameFile},
        {{"render", "--sheet", "-o"}, "hard.svg", sameFile},
    };
    const std::vector<std::string> listing = Listing();
    for (const Case& c : cases) {
        const std::string output = c.output.starts_with('/') ? c.output : (dir / c.output).string();
        std::vector<std::string> words{c.words[0], train};
        words.insert(words.end(), c.words.begin() + 1, c.words.end());
        words.push_back(output);
        const ToolRun run = Tool(words);
        EXPECT_EQ(run.code, 1) << c.words[0] << " " << c.output;
        EXPECT_EQ(run.err, "quorvane-tool " + c.words[0] + ": " + output + c.message + "\n");
        EXPECT_EQ(Contents(train), bytes);
        EXPECT_EQ(Contents(other), TrainFile(2));
        EXPECT_EQ(Listing(), listing);
    }
}

// A write cut short (here by the file size limit of the process, as a full
// disk would) fails every writer, and the file saved before stays whole.
TEST_F(OutputTest, AFullDiskKeepsTheOldFile) {
    for (const Writer& writer : Writers()) {
        const std::string path = Put(writer.name, "the old file\r\n");
        ToolRun run;
        // 100 bytes: less than any of the outputs.
        ASSERT_TRUE(testing::UnderFileSizeLimit(100, [&] { run = RunWriter(writer, path); }));

        EXPECT_EQ(run.code, 1) << writer.words[0] << " " << writer.name;
        EXPECT_NE(run.err.find(path + ": cannot be written: File too large"), std::string::npos)
            << run.err;
        EXPECT_EQ(Contents(path), "the old file\r\n");
        EXPECT_EQ(Listing(), (std::vector<std::string>{writer.name, "train.sch"}));
        std::filesystem::remove(path);
    }
}

// Standard output that takes nothing (a full device, or closed by the
// caller) fails the command with the reason, whatever it printed. A closed
// one stays closed: the event descriptor Qt opens would take its number,
// and the output would go there.
TEST_F(OutputTest, StandardOutputThatFailsFailsTheCommand) {
    const std::vector<std::vector<std::string>> commands{
        {"check", "train.sch"},
        {"dump", "train.sch"},
        {"plan", "train.sch"},
        {"plan", "train.sch", "-o", "-"},
        {"render", "train.sch", "--strip", "-o", "-"},
        {"--help"},
    };
    // Qt may warn first (render, without a runtime folder); the reason ends it.
    auto lastLine = [](const std::string& err) {
        const std::size_t start = err.rfind('\n', err.size() - 2);
        return err.substr(start == std::string::npos ? 0 : start + 1);
    };
    for (const std::vector<std::string>& words : commands) {
        ASSERT_EQ(Program(words).code, 0) << words[0] << ": the command itself works";
        const ToolRun full = Program(words, "/dev/null", Output::Full);
        EXPECT_EQ(full.code, 1) << words[0];
        EXPECT_EQ(lastLine(full.err),
                  "quorvane-tool: standard output: cannot be written: No space left on device\n");
        const ToolRun closed = Program(words, "/dev/null", Output::Closed);
        EXPECT_EQ(closed.code, 1) << words[0];
        EXPECT_EQ(lastLine(closed.err),
                  "quorvane-tool: standard output: cannot be written: Bad file descriptor\n");
    }
    // A command that failed on its own keeps its code.
    EXPECT_EQ(Program({"--bogus"}, "/dev/null", Output::Full).code, 2);
}

TEST_F(OutputTest, RenderWritesAPngToStandardOutput) {
    for (const std::vector<std::string>& words :
         std::vector<std::vector<std::string>>{{"--car", "2"}, {"--strip"}, {"--sheet"}}) {
        std::vector<std::string> command{"render", "train.sch"};
        command.insert(command.end(), words.begin(), words.end());
        std::vector<std::string> toFile = command;
        toFile.insert(toFile.end(), {"-o", "file.png"});
        ASSERT_EQ(Program(toFile).code, 0);
        command.insert(command.end(), {"-o", "-"});
        const ToolRun run = Program(command);
        ASSERT_EQ(run.code, 0) << run.err;
        EXPECT_TRUE(run.out.starts_with("\x89PNG\r\n\x1A\n")) << words[0];
        EXPECT_EQ(run.out, Contents((dir / "file.png").string())) << words[0];
    }
}

TEST_F(OutputTest, WriteReadsAtMost64MiBOfStandardInput) {
    const ToolRun run = Program({"write", "out.sch"}, "/dev/zero");
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err, "standard input: more than 64 MiB, too much for the JSON of a scheme\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "out.sch"));

    const ToolRun empty = Program({"write", "out.sch"});
    EXPECT_EQ(empty.code, 1);
    EXPECT_EQ(empty.err, "standard input: holds nothing; write takes the JSON of a scheme\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "out.sch"));
}

}  // namespace
}  // namespace quorvane
