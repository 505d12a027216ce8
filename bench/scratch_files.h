// The benchmarks' scratch folder and the scheme files written into it.
#pragma once

#include <filesystem>
#include <string>

#include "model/scheme.h"

namespace quorvane::bench {

// A fresh folder under the system's temporary one, removed at exit.
const std::filesystem::path& ScratchFolder();

// Writes the scheme as the editor saves it, named after the file.
bool PutScheme(const std::filesystem::path& file, const Scheme& scheme);

// The largest train as a type 1 file, written at the first call; empty when
// it cannot be written.
const std::string& LargestFile();

}  // namespace quorvane::bench
