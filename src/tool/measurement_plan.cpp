#include "tool/measurement_plan.h"

#include <QCommandLineParser>
#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "fileio/save_file.h"
#include "fileio/scheme_text.h"
#include "model/wheel_order.h"
#include "tool/tool.h"

namespace quorvane {

namespace {

// Output is handed on once this much has gathered.
constexpr std::size_t kBlock = 64 * 1024;
// Texts are turned into CSV this many bytes at a time; each byte gives at
// most three bytes of UTF-8 (or two for a doubled quote).
constexpr std::size_t kSlice = kBlock / 4;

// UTF-8 of each Windows-1251 byte, so that a text of megabytes is converted
// slice by slice instead of whole.
const std::array<std::string, 256>& Utf8OfByte() {
    static const std::array<std::string, 256> table = [] {
        std::array<std::string, 256> made;
        for (int byte = 0; byte < 256; ++byte) {
            const char ch = static_cast<char>(byte);
            made[static_cast<std::size_t>(byte)] =
                DecodeSchemeText(std::string_view(&ch, 1)).toStdString();
        }
        return made;
    }();
    return table;
}

bool StartsAFormula(char first) {
    return first == '=' || first == '+' || first == '-' || first == '@' || first == '\t' ||
           first == '\r';
}

// Rows of quoted fields, quotes inside doubled, so that commas, quotes and
// spaces at either end all come through any reader unchanged.
class CsvStream {
public:
    CsvStream(PlanOptions options, const std::function<bool(std::string_view)>& send)
        : options_(options), send_(send) {
        buffer_.reserve(kBlock + 4 * kSlice);
    }

    // A field already in UTF-8 (numbers and words of the plan's own).
    void Field(std::string_view text) { Quoted(text, /*fromScheme=*/false); }

    // A text of the scheme, in Windows-1251.
    void SchemeField(std::string_view text) { Quoted(text, /*fromScheme=*/true); }

    void EndRow() {
        buffer_ += "\r\n";
        firstInRow_ = true;
        SendFull();
    }

    bool Finish() {
        if (ok_ && !buffer_.empty()) {
            ok_ = send_(buffer_);
            buffer_.clear();
        }
        return ok_;
    }

    bool Ok() const { return ok_; }

private:
    void Quoted(std::string_view text, bool fromScheme) {
        if (!firstInRow_) {
            buffer_ += ',';
        }
        firstInRow_ = false;
        buffer_ += '"';
        // The characters that start a formula are the same in both encodings.
        if (options_.spreadsheetSafe && !text.empty() && StartsAFormula(text.front())) {
            buffer_ += '\'';
        }
        const std::array<std::string, 256>& utf8 = Utf8OfByte();
        for (std::size_t at = 0; ok_ && at < text.size(); at += kSlice) {
            for (const char ch : text.substr(at, kSlice)) {
                if (ch == '"') {
                    buffer_ += "\"\"";
                } else if (!fromScheme || static_cast<unsigned char>(ch) < 0x80) {
                    buffer_ += ch;
                } else {
                    buffer_ += utf8[static_cast<unsigned char>(ch)];
                }
            }
            SendFull();
        }
        buffer_ += '"';
    }

    void SendFull() {
        if (ok_ && buffer_.size() >= kBlock) {
            ok_ = send_(buffer_);
            buffer_.clear();
        }
    }

    PlanOptions options_;
    const std::function<bool(std::string_view)>& send_;
    std::string buffer_;
    bool firstInRow_ = true;
    bool ok_ = true;
};

}  // namespace

bool MeasurementPlan(const Scheme& scheme, PlanOptions options,
                     const std::function<bool(std::string_view)>& send) {
    CsvStream csv(options, send);
    for (const char* header : {"position", "car", "orientation", "axle", "side", "series",
                               "car number", "axle name", "wheel-set name", "run"}) {
        csv.Field(header);
    }
    csv.EndRow();
    int position = 0;
    for (const WheelEntry& entry : WheelOrder(scheme)) {
        if (!csv.Ok()) {
            break;
        }
        const CarRecord& car = scheme.cars[static_cast<std::size_t>(entry.car)];
        const AxleSlot& axle = car.axles[static_cast<std::size_t>(entry.axle)];
        csv.Field(std::to_string(++position));
        csv.Field(std::to_string(entry.car + 1));
        csv.Field(car.inverted ? "inverted" : "direct");
        csv.Field(std::to_string(entry.axle + 1));
        csv.Field(entry.side == kLeftSide ? "l" : "r");
        csv.SchemeField(car.series);
        csv.SchemeField(car.carNumber);
        csv.SchemeField(axle.axleName);
        // What the file's entry holds: in inverted cars of types 5 and 6 the
        // other wheel's name.
        csv.SchemeField(axle.sides[static_cast<std::size_t>(entry.nameSide)].wheelSetName);
        csv.SchemeField(axle.run);
        csv.EndRow();
    }
    return csv.Finish();
}

int Plan(const QStringList& words, std::ostream& out, std::ostream& err) {
    QCommandLineParser parser;
    const QCommandLineOption output(QStringLiteral("o"), QString(), QStringLiteral("CSV"));
    const QCommandLineOption spreadsheetSafe(QStringLiteral("spreadsheet-safe"));
    parser.addOptions({output, spreadsheetSafe});
    if (!parser.parse(QStringList{QStringLiteral("plan")} + words) ||
        parser.positionalArguments().size() > 1) {
        err << "quorvane-tool plan: plan takes FILE [--spreadsheet-safe] [-o CSV]\n"
               "Try 'quorvane-tool --help'.\n";
        return kToolUsage;
    }
    if (parser.positionalArguments().isEmpty()) {
        err << "quorvane-tool: plan needs a FILE\nTry 'quorvane-tool --help'.\n";
        return kToolUsage;
    }
    const QString input = parser.positionalArguments()[0];
    const QString path = parser.value(output);
    const bool toStandardOutput =
        !parser.isSet(output) || path == QLatin1String(kStandardOutputName);
    // Refused before anything is read: a plan is CSV, and a .sch file is a
    // scheme, even one that is not there yet.
    if (!toStandardOutput) {
        if (path.endsWith(QLatin1String(".sch"), Qt::CaseInsensitive)) {
            err << "quorvane-tool plan: " << path.toLocal8Bit().toStdString()
                << ": a plan is CSV and never goes into a .sch file, which holds a scheme\n";
            return kToolFailed;
        }
        if (const std::optional<std::string> refusal = OutputOverInput(path, input)) {
            err << "quorvane-tool plan: " << *refusal << '\n';
            return kToolFailed;
        }
    }
    const std::unique_ptr<Scheme> scheme = LoadOrReport(input, err);
    if (!scheme) {
        return kToolFailed;
    }
    const PlanOptions options{.spreadsheetSafe = parser.isSet(spreadsheetSafe)};
    if (toStandardOutput) {
        // A standard output that fails stops the plan; the caller says why.
        const bool sent = MeasurementPlan(*scheme, options, [&out](std::string_view block) {
            return static_cast<bool>(out.write(block.data(), std::ssize(block)));
        });
        return sent ? kToolOk : kToolFailed;
    }
    AtomicFileWriter file(path);
    std::optional<SaveFailure> failure = file.Open();
    if (!failure) {
        MeasurementPlan(*scheme, options, [&](std::string_view block) {
            failure = file.Write(block);
            return !failure;
        });
    }
    if (!failure) {
        failure = file.Commit();
    }
    if (failure) {
        err << path.toLocal8Bit().toStdString()
            << ": cannot be written: " << failure->reason.toLocal8Bit().toStdString() << '\n';
        return kToolFailed;
    }
    return kToolOk;
}

}  // namespace quorvane
