#include "schemefile/scheme_writer.h"

#include <array>
#include <charconv>
#include <optional>
#include <utility>

#include "model/wheel_order.h"
#include "schemefile/field_bytes.h"
#include "schemefile/file_limits.h"

namespace quorvane {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

constexpr std::array<std::string_view, 3> kLegendHead{
    "Where:",
    "1d - is a cars, which are located direct(1 - order of the cars)",
    "1i - is a cars, which are located invert(1 - order of the cars)",
};

void AppendNumber(std::string& out, int value) {
    char digits[12];  // of any int, with its sign
    char* const end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, static_cast<std::size_t>(end - digits));
}

class LineWriter {
public:
    explicit LineWriter(const Scheme& scheme) : scheme_(scheme) {}

    std::string Write(std::string_view name) {
        Line(name);
        Line("{");
        int line = -1;
        for (const WheelEntry& entry : WheelOrder(scheme_)) {
            if (entry.line != line) {
                if (line >= 0) {
                    EndCarLine();
                }
                BeginCarLine(entry.car);
                line = entry.line;
            }
            Entry(entry);
        }
        if (line >= 0) {
            EndCarLine();
        }
        Line("}");
        Line("");
        Legend();
        return std::move(out_);
    }

private:
    const CarRecord& Car(int c) const { return scheme_.cars[static_cast<std::size_t>(c)]; }

    void Line(std::string_view text) {
        out_ += text;
        out_ += kLineEnd;
    }

    void BeginCarLine(int c) {
        const CarRecord& car = Car(c);
        AppendNumber(out_, c + 1);
        out_ += car.inverted ? 'i' : 'd';
        AppendNumber(out_, car.bogieCount);
        out_ += '|';
        out_ += car.series;
        out_ += '|';
        out_ += car.carNumber;
        out_ += '|';
    }

    void EndCarLine() {
        out_ += ';';
        out_ += kLineEnd;
    }

    void Entry(const WheelEntry& entry) {
        const AxleSlot& axle = Car(entry.car).axles[static_cast<std::size_t>(entry.axle)];
        AppendNumber(out_, entry.axle + 1);
        out_ += entry.side == kLeftSide ? 'l' : 'r';
        out_ += '|';
        out_ += axle.axleName;
        out_ += '|';
        out_ += axle.sides[static_cast<std::size_t>(entry.nameSide)].wheelSetName;
        out_ += '|';
        out_ += axle.run;
        out_ += '|';
    }

    // The example values always come from car slot 0 and its axle slot 0.
    void Legend() {
        const CarRecord& car = Car(0);
        const AxleSlot& axle = car.axles[0];
        for (std::string_view line : kLegendHead) {
            Line(line);
        }
        AppendNumber(out_, car.bogieCount);
        Line(" - is a number of bogies in the car");
        out_ += car.series;
        Line(" - is a car series");
        out_ += car.carNumber;
        Line(" - is a car number");
        Line("1l - is a wheeled set order and side(l/r)");
        out_ += axle.axleName;
        Line(" - is a axle name");
        out_ += axle.sides[kLeftSide].wheelSetName;
        Line(" - is a wheeled set name");
        out_ += axle.run;
        Line(" - is a wheeled set run");
    }

    const Scheme& scheme_;
    std::string out_;
};

// The quick look that nearly every save takes; CheckTexts then names what is wrong.
bool AllTextsStorable(const Scheme& scheme, std::string_view name) {
    if (name.find_first_of("\r\n") != std::string_view::npos) {
        return false;
    }
    for (int c = 0; c < scheme.state.carCount; ++c) {
        const CarRecord& car = scheme.cars[static_cast<std::size_t>(c)];
        bool storable = IsStorableText(car.series) && IsStorableText(car.carNumber);
        for (int a = 0; a < car.axleCount; ++a) {
            const AxleSlot& axle = car.axles[static_cast<std::size_t>(a)];
            storable = storable && IsStorableText(axle.axleName) &&
                       IsStorableText(axle.sides[kLeftSide].wheelSetName) &&
                       IsStorableText(axle.sides[kRightSide].wheelSetName) &&
                       IsStorableText(axle.run);
        }
        if (!storable) {
            return false;
        }
    }
    return true;
}

std::optional<std::string_view> Unstorable(std::string_view text) {
    for (char ch : text) {
        switch (ch) {
            case '|':
                return "\"|\"";
            case '\r':
                return "a carriage return (CR)";
            case '\n':
                return "a line feed (LF)";
            default:
                break;
        }
    }
    return std::nullopt;
}

std::string Where(int car, int axle) {
    std::string where = "car " + std::to_string(car + 1);
    if (axle >= 0) {
        where += ", axle " + std::to_string(axle + 1);
    }
    return where;
}

std::optional<std::string> CheckText(std::string_view text, int car, int axle,
                                     std::string_view field) {
    if (const auto what = Unstorable(text)) {
        return Where(car, axle) + ": the " + std::string(field) + " holds " + std::string(*what) +
               ", which a scheme file cannot store";
    }
    return std::nullopt;
}

// Counts outside the tables, or a bogie count the file cannot hold in its
// one digit, would give a file that does not read back.
std::optional<std::string> CheckCounts(const Scheme& scheme) {
    const SchemeState& state = scheme.state;
    if (state.carCount < 1 || state.carCount > kMaxCars) {
        return "the train has " + std::to_string(state.carCount) + " cars; a scheme holds 1 to " +
               std::to_string(kMaxCars);
    }
    if (state.schemeType < 1 || state.schemeType > 6) {
        return "scheme type " + std::to_string(state.schemeType) + " is not one of 1 to 6";
    }
    for (int c = 0; c < state.carCount; ++c) {
        const CarRecord& car = scheme.cars[static_cast<std::size_t>(c)];
        if (car.axleCount < 1 || car.axleCount > kMaxAxles) {
            return Where(c, -1) + " has " + std::to_string(car.axleCount) +
                   " axles; a car holds 1 to " + std::to_string(kMaxAxles);
        }
        if (car.bogieCount < 0 || car.bogieCount > 9) {
            return Where(c, -1) + " has " + std::to_string(car.bogieCount) +
                   " bogies; a scheme file holds 0 to 9";
        }
    }
    return std::nullopt;
}

std::optional<std::string> CheckTexts(const Scheme& scheme, std::string_view name) {
    if (name.find_first_of("\r\n") != std::string_view::npos) {
        return "the scheme name holds a line break, which a scheme file cannot store";
    }
    using Field = std::pair<std::string_view, std::string_view>;  // text, what it is
    for (int c = 0; c < scheme.state.carCount; ++c) {
        const CarRecord& car = scheme.cars[static_cast<std::size_t>(c)];
        for (const auto& [text, field] :
             {Field{car.series, "series"}, Field{car.carNumber, "car number"}}) {
            if (auto error = CheckText(text, c, -1, field)) {
                return error;
            }
        }
        for (int a = 0; a < car.axleCount; ++a) {
            const AxleSlot& axle = car.axles[static_cast<std::size_t>(a)];
            for (const auto& [text, field] :
                 {Field{axle.axleName, "axle name"},
                  Field{axle.sides[kLeftSide].wheelSetName, "wheel-set name of the left wheel"},
                  Field{axle.sides[kRightSide].wheelSetName, "wheel-set name of the right wheel"},
                  Field{axle.run, "run"}}) {
                if (auto error = CheckText(text, c, a, field)) {
                    return error;
                }
            }
        }
    }
    return std::nullopt;
}

}  // namespace

WriteResult WriteScheme(const Scheme& scheme, std::string_view schemeName) {
    std::optional<std::string> error = CheckCounts(scheme);
    if (!error && !AllTextsStorable(scheme, schemeName)) {
        error = CheckTexts(scheme, schemeName);
    }
    if (error) {
        return {.bytes = {}, .error = std::move(*error), .ok = false};
    }
    std::string bytes = LineWriter(scheme).Write(schemeName);
    if (bytes.size() > kMaxSchemeFileSize) {
        return {.bytes = {},
                .error = "the file would be " + std::to_string(bytes.size()) +
                         " bytes long, larger than the 16 MiB (" +
                         std::to_string(kMaxSchemeFileSize) +
                         " bytes) a scheme file may have; shorten its longest texts",
                .ok = false};
    }
    return {.bytes = std::move(bytes), .error = {}, .ok = true};
}

}  // namespace quorvane
