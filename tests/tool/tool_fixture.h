// Runs quorvane-tool commands in-process, in a temporary folder of their own.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <QString>
#include <QStringList>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "../schemefile/example_trains.h"
#include "schemefile/scheme_writer.h"
#include "tool/tool.h"

namespace quorvane {

struct ToolRun {
    int code;
    std::string out;
    std::string err;
};

class ToolTest : public ::testing::Test {
protected:
    std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                ("quorvane-tool-" + std::to_string(::getpid()) + "-" +
                                 ::testing::UnitTest::GetInstance()->current_test_info()->name());

    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }

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

    // The names in dir, sorted.
    std::vector<std::string> Listing() {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string Put(const std::string& name, const std::string& bytes) {
        const std::string path = (dir / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    std::string Contents(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
};

inline std::string TrainFile(int type, const std::string& name = "train") {
    return WriteScheme(*testing::TwoCarTrain(type), name).bytes;
}

}  // namespace quorvane
