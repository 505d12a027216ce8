#include "tool/render.h"

#include <QCommandLineParser>
#include <QImage>
#include <optional>
#include <ostream>
#include <string>

#include "drawing/render_image.h"
#include "model/parameter_entry.h"
#include "tool/tool.h"
#include "tool/train_sheet.h"

namespace quorvane {

namespace {

struct Failure {
    int code;
    std::string message;
};

// The 1-based number an option gives, if it is given.
std::optional<int> Number(const QCommandLineParser& parser, const QString& option) {
    if (!parser.isSet(option)) {
        return std::nullopt;
    }
    bool ok = false;
    const int value = parser.value(option).toInt(&ok);
    if (!ok) {
        throw Failure{kToolUsage, "--" + option.toStdString() + " takes a number, not '" +
                                      parser.value(option).toStdString() + "'"};
    }
    return value;
}

void InRange(int value, int last, const std::string& what) {
    if (value < 1 || value > last) {
        throw Failure{kToolFailed, what + " " + std::to_string(value) + " is outside 1.." +
                                       std::to_string(last)};
    }
}

QImage CarView(Scheme& scheme, std::optional<int> car, std::optional<int> walk) {
    if (!walk) {
        InRange(*car, scheme.state.carCount, "car");
        scheme.mode = Mode::LayoutMode;
        scheme.state.currentCar = *car - 1;
        return RenderCarView(scheme);
    }
    scheme.mode = Mode::ParameterMode;
    AcceptLayout(scheme);
    InRange(*walk, scheme.state.totalAxles, "walk position");
    MoveWalkCursor(scheme, *walk - 1);
    if (car && *car != scheme.state.currentCar + 1) {
        throw Failure{kToolFailed, "walk position " + std::to_string(*walk) + " is on car " +
                                       std::to_string(scheme.state.currentCar + 1) + ", not car " +
                                       std::to_string(*car)};
    }
    return RenderCarView(scheme);
}

QImage Strip(Scheme& scheme, std::optional<int> current, std::optional<int> hover) {
    if (current) {
        InRange(*current, scheme.state.carCount, "car");
        scheme.state.currentCar = *current - 1;
    }
    if (hover) {
        InRange(*hover, scheme.state.carCount, "hovered car");
    }
    return RenderTrainStrip(scheme, hover ? *hover - 1 : -1);
}

}  // namespace

int Render(const QStringList& words, Scheme& scheme, std::ostream& err) {
    QCommandLineParser parser;
    const QString car = QStringLiteral("car");
    const QString walk = QStringLiteral("walk");
    const QString strip = QStringLiteral("strip");
    const QString sheet = QStringLiteral("sheet");
    const QString current = QStringLiteral("current");
    const QString hover = QStringLiteral("hover");
    const QString output = QStringLiteral("o");
    parser.addOptions({{car, QString(), QStringLiteral("N")},
                       {walk, QString(), QStringLiteral("K")},
                       {strip, QString()},
                       {sheet, QString()},
                       {current, QString(), QStringLiteral("N")},
                       {hover, QString(), QStringLiteral("M")},
                       {output, QString(), QStringLiteral("IMAGE")}});
    try {
        if (!parser.parse(QStringList{QStringLiteral("render")} + words)) {
            throw Failure{kToolUsage, parser.errorText().toStdString()};
        }
        const bool carView = parser.isSet(car) || parser.isSet(walk);
        const bool stripView = parser.isSet(strip);
        const bool sheetView = parser.isSet(sheet);
        if (carView + stripView + sheetView != 1 || !parser.isSet(output) ||
            !parser.positionalArguments().isEmpty() ||
            (!stripView && (parser.isSet(current) || parser.isSet(hover)))) {
            throw Failure{kToolUsage,
                          "render takes FILE --car N [--walk K] -o IMAGE, FILE --strip "
                          "[--current N] [--hover M] -o IMAGE, or FILE --sheet -o PDF|SVG|IMAGE"};
        }
        if (sheetView) {
            if (const std::optional<std::string> error =
                    WriteTrainSheet(scheme, parser.value(output))) {
                throw Failure{kToolFailed, *error};
            }
            return kToolOk;
        }
        const QImage image = carView
                                 ? CarView(scheme, Number(parser, car), Number(parser, walk))
                                 : Strip(scheme, Number(parser, current), Number(parser, hover));
        if (!image.save(parser.value(output))) {
            throw Failure{kToolFailed,
                          parser.value(output).toStdString() + ": the image cannot be written"};
        }
    } catch (const Failure& failure) {
        err << "quorvane-tool render: " << failure.message << '\n';
        if (failure.code == kToolUsage) {
            err << "Try 'quorvane-tool --help'.\n";
        }
        return failure.code;
    }
    return kToolOk;
}

}  // namespace quorvane
