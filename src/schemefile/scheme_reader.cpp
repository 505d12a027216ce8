#include "schemefile/scheme_reader.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <utility>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "model/wheel_order.h"
#include "schemefile/field_bytes.h"

namespace quorvane {

namespace {

// Thrown inside the parse, caught at its edge; offset is a byte of the file.
struct ParseFailure {
    std::size_t offset;
    std::string reason;
};

bool IsDigit(unsigned char ch) {
    return ch >= '0' && ch <= '9';
}

// The offset of the first byte at or after start that ends a field, or size.
// Texts make up most of a file, so this scan is most of a read: sixteen bytes
// at a time where the processor has SSE2 (every x86-64 does), never reading
// past size.
std::size_t FindFieldEnd(const char* data, std::size_t start, std::size_t size) {
    std::size_t at = start;
#if defined(__SSE2__)
    const __m128i bar = _mm_set1_epi8('|');
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; size - at >= 16; at += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at));
        const __m128i ends =
            _mm_or_si128(_mm_cmpeq_epi8(bytes, bar),
                         _mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf)));
        if (const int mask = _mm_movemask_epi8(ends); mask != 0) {
            return at + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
        }
    }
#endif
    while (at < size && !IsFieldEnd(data[at])) {
        ++at;
    }
    return at;
}

// A digit run of any length read as a number that saturates, so a long run
// cannot overflow; its text is the run as the file has it.
struct Number {
    long value = 0;
    std::string_view text;
};

class Parser {
public:
    // nameSchemeType: the scheme type whose entries decide which wheel each
    // wheel-set name belongs to (NameSideOfEntry); 0 stores every name under
    // its entry's own side letter.
    Parser(std::string_view bytes, Scheme& out, int nameSchemeType)
        : bytes_(bytes), out_(out), nameSchemeType_(nameSchemeType) {}

    void Parse() {
        ReadNameLine();
        SkipToCarList();
        while (NextCarLine()) {
            ReadCarLine();
        }
        CheckEveryCarHasEntries();
    }

    // The type the sides of the first four entries name, if the file lists
    // its wheels in that type's order; else the first type whose order the
    // file follows (a car of one axle can make the first four entries of one
    // type look like another's); else the type the sides name. Needs the
    // names stored by their side letters (nameSchemeType 0).
    int SchemeType(int previousSchemeType) {
        const int named = SchemeTypeFromSides(sideCode_, firstCarInverted_, previousSchemeType);
        int type = named;
        if (!FollowsOrderOf(named)) {
            for (int other = 1; other <= 6; ++other) {
                if (FollowsOrderOf(other)) {
                    type = other;
                    break;
                }
            }
        }
        // When every car has one axle, types 3 and 5 (4 and 6) list the same
        // entries and differ only in whose name an inverted car's entry
        // carries. The legend's example, the name of car 1's first axle,
        // tells them apart where that car is inverted and its names differ.
        if (type >= 3 && type <= 6) {
            const int twin = type <= 4 ? type + 2 : type - 2;
            if (LegendNamesLeftWheelAs(twin) && FollowsOrderOf(twin)) {
                type = twin;
            }
        }
        return type;
    }

    bool HasInvertedEntries() const { return hasInvertedEntries_; }

private:
    static constexpr std::string_view kEndsInsideCarLine = "the file ends inside a car line";

    [[noreturn]] void Fail(std::size_t offset, std::string reason) const {
        throw ParseFailure{offset, std::move(reason)};
    }

    bool AtEnd() const { return pos_ >= bytes_.size(); }
    unsigned char Peek() const { return static_cast<unsigned char>(bytes_[pos_]); }

    unsigned char Take(std::string_view whereEnded) {
        if (AtEnd()) {
            Fail(pos_, std::string(whereEnded));
        }
        return static_cast<unsigned char>(bytes_[pos_++]);
    }

    void ReadNameLine() {
        const std::size_t end = bytes_.find_first_of("\r\n");
        pos_ = end == std::string_view::npos ? bytes_.size() : end;
        out_.fileName = std::string(bytes_.substr(0, pos_));
    }

    void SkipToCarList() {
        const std::size_t brace = bytes_.find('{', pos_);
        if (brace == std::string_view::npos) {
            if (out_.fileName.find('{') != std::string::npos) {
                Fail(0,
                     "the first line is read as the scheme's name, and no \"{\" line follows it "
                     "to open the car list; the file seems to lack its name line");
            }
            Fail(bytes_.size(), "no \"{\" opens the car list");
        }
        pos_ = brace + 1;
    }

    // Moves to the digit that starts the next car line; false at the "}".
    bool NextCarLine() {
        while (!AtEnd() && !IsDigit(Peek()) && Peek() != '}') {
            ++pos_;
        }
        if (AtEnd()) {
            Fail(pos_, "the file ends before the \"}\" that closes the car list");
        }
        if (Peek() == '}') {
            closingBrace_ = pos_;
            return false;
        }
        return true;
    }

    Number ReadNumber() {
        Number number;
        const std::size_t start = pos_;
        while (!AtEnd() && IsDigit(Peek())) {
            number.value = std::min(number.value * 10 + (Peek() - '0'), 1000L);
            ++pos_;
        }
        number.text = bytes_.substr(start, pos_ - start);
        return number;
    }

    // The bytes up to the next bar on the same line; the bar is skipped.
    std::string_view ReadField(std::string_view what) {
        const char* const data = bytes_.data();
        const std::size_t size = bytes_.size();
        const std::size_t start = pos_;
        const std::size_t end = FindFieldEnd(data, start, size);
        if (end == size || data[end] != '|') {
            Fail(start, "the " + std::string(what) + " has no closing \"|\" on its line");
        }
        pos_ = end + 1;
        return bytes_.substr(start, end - start);
    }

    void ReadCarLine() {
        const std::size_t indexAt = pos_;
        const Number index = ReadNumber();
        if (index.value < 1 || index.value > kMaxCars) {
            Fail(indexAt, "car index " + AsWritten(index.text) + " is outside 1.." +
                              std::to_string(kMaxCars));
        }
        const std::size_t letterAt = pos_;
        const unsigned char orientation = Take(kEndsInsideCarLine);
        if (orientation != 'd' && orientation != 'D' && orientation != 'i' && orientation != 'I') {
            Fail(letterAt, "the car line has no orientation letter (d or i) after its index");
        }
        const unsigned char bogieByte = Take(kEndsInsideCarLine);
        Take(kEndsInsideCarLine);  // the bar after the bogie count
        line_ = CarLine{
            .car = static_cast<int>(index.value) - 1,
            .inverted = orientation == 'i' || orientation == 'I',
            .bogieCount = IsDigit(bogieByte) ? bogieByte - '0' : 2,
            .series = ReadField("series"),
            .carNumber = ReadField("car number"),
            .highestAxle = 0,
            .entries = 0,
        };
        while (Take(kEndsInsideCarLine) != ';') {
            --pos_;
            ReadWheelEntry();
        }
    }

    void ReadWheelEntry() {
        const std::size_t indexAt = pos_;
        if (!IsDigit(Peek())) {
            Fail(indexAt,
                 "expected the axle index of a wheel entry or the \";\" that ends the line");
        }
        const Number axle = ReadNumber();
        if (axle.value < 1 || axle.value > kMaxAxles) {
            Fail(indexAt, "axle index " + AsWritten(axle.text) + " is outside 1.." +
                              std::to_string(kMaxAxles));
        }
        const std::size_t letterAt = pos_;
        const unsigned char letter = Take(kEndsInsideCarLine);
        if (letter != 'l' && letter != 'L' && letter != 'r' && letter != 'R') {
            Fail(letterAt, "the wheel entry has no side letter (l or r) after its axle index");
        }
        const int side = (letter == 'r' || letter == 'R') ? kRightSide : kLeftSide;
        Take(kEndsInsideCarLine);  // the bar after the side letter
        const std::string_view axleName = ReadField("axle name");
        const std::string_view wheelSetName = ReadField("wheel-set name");
        const std::string_view run = ReadField("run");

        // The texts go into the strings the car slot has, so that a text read
        // again (each axle has two entries) does not allocate anew.
        CarRecord& car = out_.cars[static_cast<std::size_t>(line_.car)];
        car.inverted = line_.inverted;
        if (line_.entries++ == 0) {
            car.series.assign(line_.series);
            car.carNumber.assign(line_.carNumber);
        }
        AxleSlot& slot = car.axles[static_cast<std::size_t>(axle.value - 1)];
        slot.axleName.assign(axleName);
        slot.run.assign(run);
        const int nameSide = NameSideOfEntry(nameSchemeType_, line_.inverted, side);
        slot.sides[static_cast<std::size_t>(nameSide)].wheelSetName.assign(wheelSetName);
        out_.state.carCount = std::max(out_.state.carCount, line_.car + 1);
        if (axle.value > line_.highestAxle) {
            line_.highestAxle = static_cast<int>(axle.value);
            car.axleCount = line_.highestAxle;
            car.bogieCount = line_.bogieCount;
        }

        if (entries_ == 0) {
            firstCarInverted_ = line_.inverted;
        }
        if (entries_ < 4) {
            sideCode_ |= side << entries_;
        }
        if (line_.entries == 1) {
            ++linesWithEntries_;
        }
        if (entries_ < static_cast<int>(listed_.size())) {
            listed_[static_cast<std::size_t>(entries_)] = {
                .line = linesWithEntries_ - 1,
                .car = line_.car,
                .axle = static_cast<int>(axle.value) - 1,
                .side = side,
                .nameSide = 0,
            };
        }
        ++entries_;
        hasInvertedEntries_ = hasInvertedEntries_ || line_.inverted;
        carHasEntries_[static_cast<std::size_t>(line_.car)] = true;
    }

    // Whether the legend's example wheel-set name is the left wheel's of car
    // 1's first axle in the given type and not in its twin. The names are
    // still stored by their side letters.
    bool LegendNamesLeftWheelAs(int type) const {
        const CarRecord& first = out_.cars[0];
        if (!first.inverted) {
            return false;
        }
        const auto& sides = first.axles[0].sides;
        const std::string& inType =
            sides[static_cast<std::size_t>(NameSideOfEntry(type, true, kLeftSide))].wheelSetName;
        const std::string& inTwin =
            sides[static_cast<std::size_t>(NameSideOfEntry(type, true, kRightSide))].wheelSetName;
        const std::optional<std::string_view> legend = LegendWheelSetName();
        return legend && *legend == inType && inType != inTwin;
    }

    // The example of the legend line " - is a wheeled set name", the first
    // line after the car list that ends so.
    std::optional<std::string_view> LegendWheelSetName() const {
        static constexpr std::string_view kSuffix = " - is a wheeled set name";
        std::size_t start = closingBrace_;
        while (start < bytes_.size()) {
            const std::size_t end = std::min(bytes_.find_first_of("\r\n", start), bytes_.size());
            const std::string_view line = bytes_.substr(start, end - start);
            if (line.ends_with(kSuffix)) {
                return line.substr(0, line.size() - kSuffix.size());
            }
            start = end + 1;
        }
        return std::nullopt;
    }

    // Whether the file lists exactly the wheels, car lines and side letters
    // that the writer lists for the loaded layout in the given type.
    bool FollowsOrderOf(int type) {
        if (type < 1 || type > 6) {
            return false;
        }
        const int loadedType = std::exchange(out_.state.schemeType, type);
        const std::vector<WheelEntry> order = WheelOrder(out_);
        out_.state.schemeType = loadedType;
        if (order.size() != static_cast<std::size_t>(entries_) || order.size() > listed_.size()) {
            return false;
        }
        return std::equal(order.begin(), order.end(), listed_.begin(),
                          [](const WheelEntry& a, const WheelEntry& b) {
                              return a.line == b.line && a.car == b.car && a.axle == b.axle &&
                                     a.side == b.side;
                          });
    }

    void CheckEveryCarHasEntries() const {
        if (entries_ == 0) {
            Fail(closingBrace_, "the car list holds no wheel entry");
        }
        for (int c = 0; c < out_.state.carCount; ++c) {
            if (!carHasEntries_[static_cast<std::size_t>(c)]) {
                Fail(closingBrace_, "car " + std::to_string(c + 1) + " of the " +
                                        std::to_string(out_.state.carCount) +
                                        " cars has no wheel entry");
            }
        }
    }

    struct CarLine {
        int car = 0;
        bool inverted = false;
        int bogieCount = 0;
        std::string_view series;  // of the file, which outlives the parse
        std::string_view carNumber;
        int highestAxle = 0;
        int entries = 0;
    };

    std::string_view bytes_;
    Scheme& out_;
    int nameSchemeType_;
    std::size_t pos_ = 0;
    std::size_t closingBrace_ = 0;
    CarLine line_;
    int entries_ = 0;
    int sideCode_ = 0;
    bool firstCarInverted_ = false;
    bool hasInvertedEntries_ = false;
    int linesWithEntries_ = 0;
    std::array<bool, kMaxCars> carHasEntries_{};
    // The first entries as listed, one more than any train has wheels: a
    // file with more follows no type's order.
    std::array<WheelEntry, 2 * kWalkLength + 1> listed_{};
};

// 1-based line and column of a byte; CR LF, CR and LF each end one line.
ReadError ErrorAt(std::string_view bytes, std::size_t offset, std::string reason) {
    int line = 1;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < offset && i < bytes.size(); ++i) {
        if (bytes[i] == '\n' ||
            (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n'))) {
            ++line;
            lineStart = i + 1;
        }
    }
    return {.line = line,
            .column = static_cast<int>(offset - lineStart) + 1,
            .reason = std::move(reason)};
}

ReadError WholeFile(std::string reason) {
    return {.line = 0, .column = 0, .reason = std::move(reason)};
}

std::string KindOf(std::filesystem::file_type type) {
    using enum std::filesystem::file_type;
    switch (type) {
        case directory:
            return "a folder";
        case fifo:
            return "a FIFO (named pipe)";
        case character:
            return "a character device";
        case block:
            return "a block device";
        case socket:
            return "a socket";
        default:
            return "something else";
    }
}

std::string TooLarge() {
    return "the file is larger than 16 MiB, too large for a scheme";
}

ReadResult Refused(ReadError error) {
    return {.scheme = nullptr, .error = std::move(error)};
}

}  // namespace

std::string AsWritten(std::string_view digits) {
    constexpr std::size_t kShown = 20;
    if (digits.size() <= kShown) {
        return std::string(digits);
    }
    return std::string(digits.substr(0, kShown)) + "\xE2\x80\xA6";
}

std::string ReadError::Message() const {
    if (line == 0) {
        return reason;
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + reason;
}

int SchemeTypeFromSides(int sideCode, bool firstCarInverted, int previousSchemeType) {
    // By side code: the type for a direct and for an inverted first car; 0
    // where the code names none. Codes 8 and 12 (read like 0) and 1, 3 and 7
    // (like 15) come from types 1 and 2 when the first car has two or three
    // axles, so that the first four entries reach into the next car line.
    // clang-format off
    static constexpr std::array<std::array<int, 2>, 16> kTypes{{
        {1, 2}, {2, 1}, {0, 0}, {2, 1}, {0, 0}, {4, 3}, {5, 6}, {2, 1},
        {1, 2}, {6, 5}, {3, 4}, {0, 0}, {1, 2}, {0, 0}, {0, 0}, {2, 1},
    }};
    // clang-format on
    if (sideCode < 0 || sideCode >= static_cast<int>(kTypes.size())) {
        return previousSchemeType;
    }
    const int type = kTypes[static_cast<std::size_t>(sideCode)][firstCarInverted ? 1 : 0];
    return type != 0 ? type : previousSchemeType;
}

ReadResult ReadScheme(std::string_view bytes, int previousSchemeType) {
    if (bytes.size() > kMaxSchemeFileSize) {
        return Refused(WholeFile(TooLarge()));
    }
    auto scheme = std::make_unique<Scheme>();
    try {
        Parser parser(bytes, *scheme, 0);
        parser.Parse();
        const int type = parser.SchemeType(previousSchemeType);
        if (NameSideOfEntry(type, true, kLeftSide) != kLeftSide && parser.HasInvertedEntries()) {
            // Inverted cars of this type carry each wheel's name under the
            // other side letter: read again, giving each name its own wheel.
            scheme = std::make_unique<Scheme>();
            Parser(bytes, *scheme, type).Parse();
        }
        scheme->state.schemeType = type;
    } catch (ParseFailure& failure) {
        return Refused(ErrorAt(bytes, failure.offset, std::move(failure.reason)));
    }
    return {.scheme = std::move(scheme), .error = {}};
}

ReadResult ReadSchemeFile(const std::string& path, int previousSchemeType) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error) {
        return Refused(WholeFile("cannot be read: " + error.message()));
    }
    if (status.type() != std::filesystem::file_type::regular) {
        return Refused(
            WholeFile("cannot be read: it is not a regular file but " + KindOf(status.type())));
    }
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) {
        return Refused(WholeFile("cannot be read: " + error.message()));
    }
    if (size > kMaxSchemeFileSize) {
        return Refused(WholeFile(TooLarge()));
    }
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!file || !file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
        return Refused(WholeFile(errno != 0 ? std::string("cannot be read: ") + std::strerror(errno)
                                            : std::string("cannot be read")));
    }
    return ReadScheme(bytes, previousSchemeType);
}

}  // namespace quorvane
