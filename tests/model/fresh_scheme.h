// A scheme as the window shows it after start-up or New. The tables are large,
// so they live on the heap rather than on a test's stack.
#pragma once

#include <memory>

#include "model/scheme.h"

namespace quorvane::testing {

inline std::unique_ptr<Scheme> FreshScheme() {
    auto scheme = std::make_unique<Scheme>();
    NewScheme(*scheme);
    return scheme;
}

}  // namespace quorvane::testing
