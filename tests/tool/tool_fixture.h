// Runs quorvane-tool commands in-process, in a temporary folder of their own,
// or the built program itself where the process matters: its standard
// streams, its exit code.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QString>
#include <QStringList>
#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "../schemefile/example_trains.h"
#include "../scratch_folder.h"
#include "schemefile/scheme_writer.h"
#include "tool/tool.h"

namespace quorvane {

struct ToolRun {
    int code = -1;
    std::string out;
    std::string err;
};

// Where the program's standard output goes.
enum class Output { Captured, Full, Closed };

class ToolTest : public testing::ScratchFolderTest {
protected:
    // The program's standard output and error, kept out of dir.
    std::filesystem::path io = dir.string() + ".io";

    void SetUp() override {
        ScratchFolderTest::SetUp();
        std::filesystem::create_directories(io);
    }
    void TearDown() override {
        ScratchFolderTest::TearDown();
        std::filesystem::remove_all(io);
    }

    ToolRun Tool(const std::vector<std::string>& words, const std::string& input = "") {
        QStringList arguments{QStringLiteral("quorvane-tool")};
        for (const std::string& word : words) {
            arguments << QString::fromStdString(word);
        }
        std::istringstream in(input);
        std::ostringstream out;
        std::ostringstream err;
        const int code = RunTool(arguments, in, out, err);
        return {code, out.str(), err.str()};
    }

    // The built quorvane-tool, started in dir with standard input read from
    // the file input.
    ToolRun Program(const std::vector<std::string>& words, const std::string& input = "/dev/null",
                    Output output = Output::Captured) {
        std::vector<std::string> arguments{QUORVANE_TOOL};
        arguments.insert(arguments.end(), words.begin(), words.end());
        std::vector<char*> argv;
        for (std::string& argument : arguments) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        const std::string outPath = (io / "out").string();
        const std::string errPath = (io / "err").string();
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, input.c_str(), O_RDONLY, 0);
        if (output == Output::Closed) {
            posix_spawn_file_actions_addclose(&actions, STDOUT_FILENO);
        } else {
            posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO,
                                             output == Output::Full ? "/dev/full" : outPath.c_str(),
                                             O_WRONLY | O_CREAT | O_TRUNC, 0600);
        }
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
        pid_t pid = 0;
        const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        EXPECT_EQ(spawned, 0) << QUORVANE_TOOL;
        int status = 0;
        while (spawned == 0 && ::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return {code, output == Output::Captured ? Contents(outPath) : "", Contents(errPath)};
    }
};

inline std::string TrainFile(int type, const std::string& name = "train") {
    return WriteScheme(*testing::TwoCarTrain(type), name).bytes;
}

}  // namespace quorvane
