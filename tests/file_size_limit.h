// A full disk, as the tests make one: the process's file size limit, under
// which a write past the limit fails with EFBIG instead of a signal.
#pragma once

#include <sys/resource.h>

#include <csignal>

namespace quorvane::testing {

// Runs write with files limited to bytes, then lifts the limit again. False
// when the limit could not be set or lifted.
template <class Write>
bool UnderFileSizeLimit(rlim_t bytes, Write write) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    if (::getrlimit(RLIMIT_FSIZE, &saved) != 0) {
        return false;
    }
    rlimit tiny = saved;
    tiny.rlim_cur = bytes;
    if (::setrlimit(RLIMIT_FSIZE, &tiny) != 0) {
        return false;
    }
    write();
    return ::setrlimit(RLIMIT_FSIZE, &saved) == 0;
}

}  // namespace quorvane::testing
