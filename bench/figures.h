// The figures the benchmark command reports, each with its budget: which
// benchmark gives it, in which unit, and the floor it is compared with.
#pragma once

#include <span>
#include <string>

namespace quorvane::bench {

// Resident memory comes from the counter resident_bytes, the heap in use
// from heap_bytes, the size of what was written from output_bytes.
enum class Measure { Time, ResidentMegabytes, HeapMegabytes, OutputMegabytes };

struct Figure {
    const char* benchmark;  // the benchmark's name as registered
    const char* label;
    Measure measure = Measure::Time;
    const char* unit = "us";      // us, ms or MB
    double budget = 0;            // in unit; 0 for none
    const char* floor = nullptr;  // the floor benchmark, if compared with one
    double ratioBudget = 0;       // at most this many floors; 0 for none
};

std::span<const Figure> Figures();

}  // namespace quorvane::bench
