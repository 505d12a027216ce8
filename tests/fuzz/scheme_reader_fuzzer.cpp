// Feeds arbitrary bytes to the scheme reader. Besides crashes and sanitizer
// findings it checks three promises: a refusal always gives a reason; a
// scheme that was read can be written and read back with the same counts
// and texts; and a file in the editor's own form, such as every file the
// writer makes, is read and written again byte for byte, so that the first
// save of any valid file gives a fixed point.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "schemefile/scheme_reader.h"
#include "schemefile/scheme_writer.h"

namespace {

void Expect(bool holds) {
    if (!holds) {
        __builtin_trap();
    }
}

void ExpectSameTrain(const quorvane::Scheme& a, const quorvane::Scheme& b) {
    Expect(a.state.carCount == b.state.carCount);
    for (int c = 0; c < a.state.carCount; ++c) {
        const quorvane::CarRecord& x = a.cars[static_cast<std::size_t>(c)];
        const quorvane::CarRecord& y = b.cars[static_cast<std::size_t>(c)];
        Expect(x.inverted == y.inverted && x.axleCount == y.axleCount &&
               x.bogieCount == y.bogieCount && x.series == y.series && x.carNumber == y.carNumber);
        for (int k = 0; k < x.axleCount; ++k) {
            const quorvane::AxleSlot& p = x.axles[static_cast<std::size_t>(k)];
            const quorvane::AxleSlot& q = y.axles[static_cast<std::size_t>(k)];
            Expect(p.axleName == q.axleName && p.run == q.run);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const quorvane::ReadResult first = quorvane::ReadScheme(bytes, 1);
    if (!first.scheme) {
        Expect(!first.error.reason.empty());
        return 0;
    }
    const quorvane::WriteResult written =
        quorvane::WriteScheme(*first.scheme, first.scheme->fileName);
    if (!written.ok) {
        // Only a file near the size limit can grow past it (CR LF, legend).
        Expect(size > quorvane::kMaxSchemeFileSize / 2);
        return 0;
    }
    const quorvane::ReadResult second = quorvane::ReadScheme(written.bytes, 1);
    Expect(second.scheme != nullptr);
    ExpectSameTrain(*first.scheme, *second.scheme);
    const quorvane::WriteResult again =
        quorvane::WriteScheme(*second.scheme, second.scheme->fileName);
    Expect(again.ok && again.bytes == written.bytes);
    return 0;
}
