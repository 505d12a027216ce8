#include "tool/measurement_plan.h"

#include <csv.h>

#include <QCommandLineParser>
#include <initializer_list>
#include <ostream>
#include <string_view>

#include "model/wheel_order.h"
#include "tool/save_file.h"
#include "tool/scheme_text.h"
#include "tool/tool.h"

namespace quorvane {

namespace {

// libcsv quotes every field and doubles the quotes inside, so commas, quotes
// and spaces at either end all come through any reader unchanged.
void AppendRow(std::string& out, std::initializer_list<std::string_view> fields) {
    bool first = true;
    for (std::string_view field : fields) {
        if (!first) {
            out += ',';
        }
        first = false;
        const std::size_t start = out.size();
        out.resize(start + 2 * field.size() + 2);  // every byte a quote, and the two around
        out.resize(start +
                   csv_write(out.data() + start, out.size() - start, field.data(), field.size()));
    }
    out += "\r\n";
}

std::string Utf8(std::string_view schemeText) {
    return DecodeSchemeText(schemeText).toStdString();
}

}  // namespace

std::string MeasurementPlanCsv(const Scheme& scheme) {
    std::string out;
    AppendRow(out, {"position", "car", "orientation", "axle", "side", "series", "car number",
                    "axle name", "wheel-set name", "run"});
    int position = 0;
    for (const WheelEntry& entry : WheelOrder(scheme)) {
        const CarRecord& car = scheme.cars[static_cast<std::size_t>(entry.car)];
        const AxleSlot& axle = car.axles[static_cast<std::size_t>(entry.axle)];
        // What the file's entry holds: in inverted cars of types 5 and 6 the
        // other wheel's name.
        const std::string& wheelSet =
            axle.sides[static_cast<std::size_t>(entry.nameSide)].wheelSetName;
        AppendRow(out, {std::to_string(++position), std::to_string(entry.car + 1),
                        car.inverted ? "inverted" : "direct", std::to_string(entry.axle + 1),
                        entry.side == kLeftSide ? "l" : "r", Utf8(car.series), Utf8(car.carNumber),
                        Utf8(axle.axleName), Utf8(wheelSet), Utf8(axle.run)});
    }
    return out;
}

int Plan(const QStringList& words, const Scheme& scheme, std::ostream& out, std::ostream& err) {
    QCommandLineParser parser;
    const QString output = QStringLiteral("o");
    parser.addOption({output, QString(), QStringLiteral("CSV")});
    if (!parser.parse(QStringList{QStringLiteral("plan")} + words) ||
        !parser.positionalArguments().isEmpty()) {
        err << "quorvane-tool plan: plan takes FILE [-o CSV]\nTry 'quorvane-tool --help'.\n";
        return kToolUsage;
    }
    const std::string csv = MeasurementPlanCsv(scheme);
    if (!parser.isSet(output)) {
        out << csv;
        return kToolOk;
    }
    const QString path = parser.value(output);
    if (const std::optional<SaveFailure> failure = SaveFileAtomically(path, csv)) {
        err << path.toLocal8Bit().toStdString()
            << ": cannot be written: " << failure->reason.toLocal8Bit().toStdString() << '\n';
        return kToolFailed;
    }
    return kToolOk;
}

}  // namespace quorvane
