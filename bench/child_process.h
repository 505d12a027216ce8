// Runs a program as a child process and measures it from outside: the time
// to a line it prints, or to its exit, and its peak resident memory.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quorvane::bench {

struct ChildRun {
    bool started = false;
    int exitCode = -1;   // -1 unless the child exited normally
    double seconds = 0;  // from the start to the marker line, or to the exit
    bool sawMarker = false;
    double peakResidentBytes = 0;
    std::string output;  // what the child printed, when a marker was awaited
};

// arguments[0] is the program. environment entries ("NAME=value") are added
// to this process's own. The child runs in folder; its standard error goes
// to /dev/null, its standard output too unless a marker line is awaited.
ChildRun RunChild(const std::vector<std::string>& arguments,
                  const std::vector<std::string>& environment, const std::string& folder,
                  const std::optional<std::string>& marker);

}  // namespace quorvane::bench
