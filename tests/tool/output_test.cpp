// Everything the tool writes arrives whole or the command fails: files that
// are not regular files are left alone, a full disk keeps the old file, and
// standard output that cannot take the output fails the process.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

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

// A write cut short (here by the file size limit of the process, as a full
// disk would) fails every writer, and the file saved before stays whole.
TEST_F(OutputTest, AFullDiskKeepsTheOldFile) {
    std::signal(SIGXFSZ, SIG_IGN);
    for (const Writer& writer : Writers()) {
        const std::string path = Put(writer.name, "the old file\r\n");
        rlimit saved{};
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit tiny = saved;
        tiny.rlim_cur = 100;  // less than any of the outputs
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
        const ToolRun run = RunWriter(writer, path);
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &saved), 0);

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
