#include "child_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

extern char** environ;

namespace quorvane::bench {
namespace {

std::vector<char*> Pointers(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& s : strings) {
        pointers.push_back(s.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

// The entries of this process, less those that the child gets anew.
std::vector<std::string> Environment(const std::vector<std::string>& added) {
    std::vector<std::string> entries;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        bool replaced = false;
        for (const std::string& a : added) {
            const std::string name = a.substr(0, a.find('=') + 1);
            replaced = replaced || entry.starts_with(name);
        }
        if (!replaced) {
            entries.push_back(entry);
        }
    }
    entries.insert(entries.end(), added.begin(), added.end());
    return entries;
}

}  // namespace

ChildRun RunChild(const std::vector<std::string>& arguments,
                  const std::vector<std::string>& environment, const std::string& folder,
                  const std::optional<std::string>& marker) {
    std::vector<std::string> argv = arguments;
    std::vector<std::string> envp = Environment(environment);
    int pipeEnds[2] = {-1, -1};
    if (marker && pipe2(pipeEnds, O_CLOEXEC) != 0) {
        return {};
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (marker) {
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    }
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());

    ChildRun run;
    const auto start = std::chrono::steady_clock::now();
    auto elapsed = [&start] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0].c_str(), &actions, nullptr, Pointers(argv).data(),
                                    Pointers(envp).data());
    posix_spawn_file_actions_destroy(&actions);
    if (marker) {
        close(pipeEnds[1]);
    }
    if (spawned != 0) {
        if (marker) {
            close(pipeEnds[0]);
        }
        return run;
    }
    run.started = true;

    if (marker) {
        std::string& output = run.output;
        char buffer[4096];
        ssize_t got = 0;
        while ((got = read(pipeEnds[0], buffer, sizeof buffer)) > 0) {
            output.append(buffer, static_cast<std::size_t>(got));
            if (!run.sawMarker && output.find(*marker + '\n') != std::string::npos) {
                run.seconds = elapsed();
                run.sawMarker = true;
            }
        }
        close(pipeEnds[0]);
    }
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    if (!marker) {
        run.seconds = elapsed();
    }
    if (WIFEXITED(status)) {
        run.exitCode = WEXITSTATUS(status);
    }
    run.peakResidentBytes = static_cast<double>(usage.ru_maxrss) * 1024.0;
    return run;
}

}  // namespace quorvane::bench
