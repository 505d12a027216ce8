#include "tool/tool.h"

#include <QCommandLineParser>
#include <algorithm>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>

#include "fileio/same_file.h"
#include "fileio/scheme_files.h"
#include "fileio/scheme_text.h"
#include "model/layout.h"
#include "model/parameter_entry.h"
#include "model/plural.h"
#include "tool/measurement_plan.h"
#include "tool/render.h"
#include "tool/scheme_json.h"
#include "version.h"

namespace quorvane {

namespace {

constexpr const char* kCommands =
    "Commands:\n"
    "  check FILE...   Check scheme files, one line for each:\n"
    "                  \"FILE: ok (N cars, M axles, scheme type T)\" or where it is broken.\n"
    "                  A car the editor's layout could not make follows, for example\n"
    "                  \"; car 3: 1 axle, outside the editor's 2 to 16\".\n"
    "                  Exit code 0 when all are valid, 1 when any is not.\n"
    "  dump FILE       Print a scheme file as JSON, texts in UTF-8.\n"
    "  write OUT.sch   Write the JSON scheme on standard input (at most 64 MiB) to\n"
    "                  OUT.sch, as the editor saves it; the name line comes from\n"
    "                  OUT's file name, so OUT cannot be - (standard output).\n"
    "  plan FILE [--spreadsheet-safe] [-o CSV]\n"
    "                  List every wheel in the order of the file, one CSV row each (UTF-8):\n"
    "                  position, car, orientation, axle, side, series, car number,\n"
    "                  axle name, wheel-set name, run; texts as the file holds them.\n"
    "                  --spreadsheet-safe puts ' before a field that starts with =, +,\n"
    "                  -, @, a tab or a carriage return, for spreadsheet programs.\n"
    "                  Without -o, or with -o -, to standard output.\n"
    "  render FILE --car N [--walk K] [--scale F] -o IMAGE\n"
    "                  Draw car N as the editor's car diagram with its marks, 800 x 147;\n"
    "                  with --walk, walk position K is current and its wheels green.\n"
    "  render FILE --strip [--current N] [--hover M] [--scale F] -o IMAGE\n"
    "                  Draw the train strip, car N current, car M under the pointer;\n"
    "                  a tick under every complete car, an arrow over a reversed one.\n"
    "                  --scale F (1 to 8) draws with F times the pixels each way, as on\n"
    "                  a screen of that pixel ratio: --scale 2 gives a car 1600 x 294.\n"
    "                  The suffix of IMAGE names its format (.png, .bmp, .jpg, ...).\n"
    "  render FILE --sheet [--lang ru|en] [--page-size A4|A3|Letter] [--landscape]\n"
    "                  [--scale F] -o SHEET\n"
    "                  Draw the measurement sheet: on every page the scheme's name, its\n"
    "                  file, the date and the page number; the strip and a legend; each\n"
    "                  car's diagram with every wheel's place in the order of\n"
    "                  measurement, and a table of its wheels to write the figures in.\n"
    "                  The suffix of SHEET, upper or lower case, names its format:\n"
    "                  pages (A4 portrait unless told) for .pdf; one tall picture for\n"
    "                  .svg, and at --scale F for .png, .jpg or .jpeg, .bmp, .tif or\n"
    "                  .tiff; any other suffix is refused. The language is the\n"
    "                  desktop's, Russian or English, unless --lang gives it.\n"
    "                  -o - writes the car, the strip or the sheet to standard output,\n"
    "                  as a PNG picture.\n"
    "\n"
    "\"--\" ends the options, so that a file may start with \"-\": check -- -x.sch.\n";

// write reads no more than this from standard input, so that a stream
// without end does not take all memory. The JSON of a 16 MiB scheme file
// of letters, Cyrillic ones two bytes in UTF-8, stays within it; only texts
// full of control bytes, six bytes each as \u00XX, could go beyond.
constexpr std::size_t kMaxJsonInput = 64 * 1024 * 1024;
constexpr std::size_t kInputChunk = 64 * 1024;

std::string Local(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

int Usage(std::ostream& err, const std::string& problem) {
    err << "quorvane-tool: " << problem << "\nTry 'quorvane-tool --help'.\n";
    return kToolUsage;
}

// The words after the command, for a command without options of its own:
// "--" ends the options there too, and anything else starting with "-" is
// refused instead of being taken for a file.
std::optional<QStringList> Files(const QString& command, const QStringList& words,
                                 std::ostream& err) {
    QCommandLineParser parser;
    if (!parser.parse(QStringList{command} + words)) {
        Usage(err, Local(command + QStringLiteral(": ") + parser.errorText()));
        return std::nullopt;
    }
    return parser.positionalArguments();
}

// The tool speaks English.
std::string Counted(int count, const CountedNoun& noun) {
    return quorvane::Counted(count, noun, Language::English);
}

// The cars of a scheme the editor's layout buttons could not make, which a
// file may still hold: "; car 3: 1 axle, outside the editor's 2 to 16".
std::string UnusualCars(const Scheme& scheme) {
    std::string text;
    for (int c = 0; c < scheme.state.carCount; ++c) {
        const CarRecord& car = scheme.cars[static_cast<std::size_t>(c)];
        const std::string place = "; car " + std::to_string(c + 1) + ": ";
        if (car.axleCount < kMinAxlesPerCar || car.axleCount > kMaxAxles) {
            text += place + Counted(car.axleCount, kAxles) + ", outside the editor's " +
                    std::to_string(kMinAxlesPerCar) + " to " + std::to_string(kMaxAxles);
        }
        if (car.bogieCount < kMinBogiesPerCar || car.bogieCount > kMaxBogiesPerCar) {
            text += place + Counted(car.bogieCount, kBogies) + ", outside the editor's " +
                    std::to_string(kMinBogiesPerCar) + " to " + std::to_string(kMaxBogiesPerCar);
        } else if (car.bogieCount > car.axleCount) {
            text += place + Counted(car.bogieCount, kBogies) + ", more than its " +
                    Counted(car.axleCount, kAxles);
        }
    }
    return text;
}

int Check(const QStringList& files, std::ostream& out) {
    int code = kToolOk;
    for (const QString& file : files) {
        // Loaded as the editor loads after New.
        const SchemeLoadResult result = LoadSchemeFile(file);
        out << Local(file) << ": ";
        if (result.scheme) {
            out << "ok (" << Counted(result.scheme->state.carCount, kCars) << ", "
                << Counted(AxlesInTrain(*result.scheme), kAxles) << ", scheme type "
                << result.scheme->state.schemeType << ")" << UnusualCars(*result.scheme) << '\n';
        } else {
            out << Local(result.reason) << '\n';
            code = kToolFailed;
        }
    }
    return code;
}

int Dump(const QString& file, std::ostream& out, std::ostream& err) {
    const std::unique_ptr<Scheme> scheme = LoadOrReport(file, err);
    if (!scheme) {
        return kToolFailed;
    }
    out << SchemeToJson(*scheme) << '\n';
    return kToolOk;
}

// All of in, or nothing once why not is on err. Grows in steps and never
// past the limit, so that an endless stream ends in a refusal, not in
// memory running out.
std::optional<QByteArray> ReadInput(std::istream& in, std::ostream& err) {
    QByteArray bytes;
    qsizetype size = 0;
    while (in) {
        if (size == bytes.size()) {
            if (static_cast<std::size_t>(size) == kMaxJsonInput) {
                char more = 0;
                if (in.read(&more, 1).gcount() > 0) {
                    err << "standard input: more than 64 MiB, too much for the JSON of a "
                           "scheme\n";
                    return std::nullopt;
                }
                break;
            }
            bytes.resize(static_cast<qsizetype>(std::min(
                kMaxJsonInput, std::max(kInputChunk, 2 * static_cast<std::size_t>(size)))));
        }
        in.read(bytes.data() + size, bytes.size() - size);
        size += static_cast<qsizetype>(in.gcount());
    }
    if (in.bad()) {
        err << "standard input: cannot be read\n";
        return std::nullopt;
    }
    bytes.truncate(size);
    return bytes;
}

int Write(const QString& file, std::istream& in, std::ostream& err) {
    if (file == QLatin1String(kStandardOutputName)) {
        return Usage(err,
                     "write needs a file, not '-': the name line of a scheme comes from the "
                     "name of its file");
    }
    // Refused before the input is read.
    if (!SchemeNameOfPath(file)) {
        err << Local(file) << ": the file name holds a character that Windows-1251 cannot store\n";
        return kToolFailed;
    }
    const std::optional<QByteArray> json = ReadInput(in, err);
    if (!json) {
        return kToolFailed;
    }
    if (json->isEmpty()) {
        err << "standard input: holds nothing; write takes the JSON of a scheme\n";
        return kToolFailed;
    }
    const JsonSchemeResult parsed = SchemeFromJson(*json);
    if (!parsed.scheme) {
        err << "standard input: " << parsed.error << '\n';
        return kToolFailed;
    }
    const SchemeSaveResult saved = SaveSchemeFile(*parsed.scheme, file);
    if (saved.failure) {
        using Kind = SchemeSaveFailure::Kind;
        const bool written =
            saved.failure->kind == Kind::CannotOpen || saved.failure->kind == Kind::CannotWrite;
        err << Local(file) << (written ? ": cannot be written: " : ": ")
            << Local(saved.failure->reason) << '\n';
        return kToolFailed;
    }
    return kToolOk;
}

}  // namespace

std::unique_ptr<Scheme> LoadOrReport(const QString& file, std::ostream& err) {
    SchemeLoadResult result = LoadSchemeFile(file);
    if (!result.scheme) {
        err << Local(file) << ": " << Local(result.reason) << '\n';
    }
    return std::move(result.scheme);
}

std::optional<std::string> OutputOverInput(const QString& output, const QString& input) {
    if (!IsSameFile(output, input)) {
        return std::nullopt;
    }
    return Local(output) + ": is the input " + Local(input) +
           " itself; an output never replaces its input";
}

int RunTool(const QStringList& arguments, std::istream& in, std::ostream& out, std::ostream& err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Checks, dumps, writes, lists and draws Quorvane wheel-set scheme files (.sch)."));
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    // Not addHelpOption, which also offers --help-all for Qt's own options,
    // none of which the tool takes.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("check, dump, write, plan or render"));
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("the command's files"),
                                 QStringLiteral("FILE..."));
    if (!parser.parse(arguments)) {
        return Usage(err, Local(parser.errorText()));
    }
    if (parser.isSet(help)) {
        out << Local(parser.helpText()) << '\n' << kCommands;
        return kToolOk;
    }
    if (parser.isSet(version)) {
        out << "quorvane-tool " << kVersion << '\n';
        return kToolOk;
    }
    QStringList words = parser.positionalArguments();
    if (words.isEmpty()) {
        return Usage(err, "no command given");
    }
    const QString command = words.takeFirst();
    // Every command reads or writes texts of schemes.
    if (const std::optional<QString> problem = CodePageProblem()) {
        err << "quorvane-tool: " << Local(*problem) << '\n';
        return kToolFailed;
    }
    if (command == QLatin1String("plan")) {
        return Plan(words, out, err);
    }
    if (command == QLatin1String("render")) {
        return Render(words, out, err);
    }
    if (command != QLatin1String("check") && command != QLatin1String("dump") &&
        command != QLatin1String("write")) {
        return Usage(err, "unknown command '" + Local(command) + "'");
    }
    const std::optional<QStringList> files = Files(command, words, err);
    if (!files) {
        return kToolUsage;
    }
    if (command == QLatin1String("check")) {
        return files->isEmpty() ? Usage(err, "check needs at least one FILE") : Check(*files, out);
    }
    if (command == QLatin1String("dump")) {
        return files->size() != 1 ? Usage(err, "dump takes one FILE")
                                  : Dump(files->at(0), out, err);
    }
    return files->size() != 1 ? Usage(err, "write takes one OUT.sch")
                              : Write(files->at(0), in, err);
}

}  // namespace quorvane
