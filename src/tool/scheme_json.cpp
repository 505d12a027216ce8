#include "tool/scheme_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSet>
#include <cmath>
#include <utility>

#include "fileio/scheme_text.h"
#include "model/layout.h"

namespace quorvane {

namespace {

void AppendJsonString(std::string& out, std::string_view schemeBytes) {
    const QByteArray utf8 = DecodeSchemeText(schemeBytes).toUtf8();
    out += '"';
    for (const char ch : utf8) {
        const auto byte = static_cast<unsigned char>(ch);
        switch (ch) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (byte < 0x20) {
                    static constexpr char kHex[] = "0123456789abcdef";
                    out += "\\u00";
                    out += kHex[byte >> 4];
                    out += kHex[byte & 0xF];
                } else {
                    out += ch;
                }
        }
    }
    out += '"';
}

// Refusals carry the place in the scheme where they arose.
struct Refusal {
    std::string message;
};

[[noreturn]] void Refuse(const std::string& where, const std::string& what) {
    throw Refusal{where.empty() ? what : where + ": " + what};
}

std::string CarPlace(int car) {
    return "car " + std::to_string(car + 1);
}

std::string AxlePlace(int car, int axle) {
    return CarPlace(car) + ", axle " + std::to_string(axle + 1);
}

void OnlyKeys(const QJsonObject& object, std::initializer_list<const char*> keys,
              const std::string& where) {
    QSet<QString> known;
    for (const char* key : keys) {
        known.insert(QString::fromLatin1(key));
    }
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!known.contains(it.key())) {
            Refuse(where, "unknown key \"" + it.key().toStdString() + "\"");
        }
    }
}

QJsonValue Required(const QJsonObject& object, const char* key, const std::string& where) {
    const QJsonValue value = object.value(QString::fromLatin1(key));
    if (value.isUndefined()) {
        Refuse(where, "\"" + std::string(key) + "\" is missing");
    }
    return value;
}

// A range as a message says it: "1 to 16", or "exactly 2" where it is one
// number, not "2 to 2".
std::string Range(qsizetype low, qsizetype high) {
    if (low == high) {
        return "exactly " + std::to_string(low);
    }
    return std::to_string(low) + " to " + std::to_string(high);
}

int Integer(const QJsonObject& object, const char* key, int low, int high,
            const std::string& where) {
    const QJsonValue value = Required(object, key, where);
    const double number = value.toDouble(std::nan(""));
    if (!value.isDouble() || number != std::floor(number) || number < low || number > high) {
        Refuse(where,
               "\"" + std::string(key) + "\" must be " +
                   (low == high ? Range(low, high) : "a whole number from " + Range(low, high)));
    }
    return static_cast<int>(number);
}

std::string Text(const QJsonValue& value, const std::string& what, const std::string& where) {
    if (!value.isString()) {
        Refuse(where, what + " must be a string");
    }
    const QString text = value.toString();
    if (text.contains(QLatin1Char('|')) || text.contains(QLatin1Char('\r')) ||
        text.contains(QLatin1Char('\n'))) {
        Refuse(where, what + " holds \"|\" or a line break, which a scheme file cannot store");
    }
    std::optional<std::string> bytes = EncodeSchemeText(text);
    if (!bytes) {
        Refuse(where, what + " holds a character that Windows-1251 cannot store");
    }
    return std::move(*bytes);
}

std::string TextField(const QJsonObject& object, const char* key, const std::string& where) {
    return Text(Required(object, key, where), "\"" + std::string(key) + "\"", where);
}

QJsonArray Array(const QJsonObject& object, const char* key, qsizetype low, qsizetype high,
                 const std::string& where) {
    const QJsonValue value = Required(object, key, where);
    if (!value.isArray() || value.toArray().size() < low || value.toArray().size() > high) {
        Refuse(where,
               "\"" + std::string(key) + "\" must be an array of " + Range(low, high) + " entries");
    }
    return value.toArray();
}

QJsonObject Object(const QJsonValue& value, const std::string& where) {
    if (!value.isObject()) {
        Refuse(where, "must be an object");
    }
    return value.toObject();
}

void ReadAxle(const QJsonObject& object, AxleSlot& axle, const std::string& where) {
    OnlyKeys(object, {"axleName", "run", "wheelSetNames"}, where);
    axle.axleName = TextField(object, "axleName", where);
    axle.run = TextField(object, "run", where);
    const QJsonArray names = Array(object, "wheelSetNames", 2, 2, where);
    axle.sides[kLeftSide].wheelSetName = Text(names[0], "the left wheel-set name", where);
    axle.sides[kRightSide].wheelSetName = Text(names[1], "the right wheel-set name", where);
}

void ReadCar(const QJsonObject& object, int c, CarRecord& car) {
    const std::string where = CarPlace(c);
    OnlyKeys(object, {"inverted", "bogieCount", "series", "carNumber", "axles"}, where);
    const QJsonValue inverted = Required(object, "inverted", where);
    if (!inverted.isBool()) {
        Refuse(where, "\"inverted\" must be true or false");
    }
    car.inverted = inverted.toBool();
    car.series = TextField(object, "series", where);
    car.carNumber = TextField(object, "carNumber", where);
    const QJsonArray axles = Array(object, "axles", kFileMinAxles, kMaxAxles, where);
    car.axleCount = static_cast<int>(axles.size());
    car.bogieCount = Integer(object, "bogieCount", kFileMinBogies, kFileMaxBogies, where);
    for (int a = 0; a < car.axleCount; ++a) {
        ReadAxle(Object(axles[a], AxlePlace(c, a)), car.axles[static_cast<std::size_t>(a)],
                 AxlePlace(c, a));
    }
}

std::string ParsePlace(const QByteArray& json, int offset) {
    int line = 1;
    int column = 1;
    for (int i = 0; i < offset && i < json.size(); ++i) {
        if (json[i] == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

}  // namespace

std::string SchemeToJson(const Scheme& scheme) {
    std::string out = "{\"name\": ";
    AppendJsonString(out, scheme.fileName);
    out += ", \"schemeType\": " + std::to_string(scheme.state.schemeType) + ", \"cars\": [";
    for (int c = 0; c < scheme.state.carCount; ++c) {
        const CarRecord& car = scheme.cars[static_cast<std::size_t>(c)];
        out += c == 0 ? "{" : ", {";
        out += car.inverted ? "\"inverted\": true" : "\"inverted\": false";
        out += ", \"bogieCount\": " + std::to_string(car.bogieCount) + ", \"series\": ";
        AppendJsonString(out, car.series);
        out += ", \"carNumber\": ";
        AppendJsonString(out, car.carNumber);
        out += ", \"axles\": [";
        for (int a = 0; a < car.axleCount; ++a) {
            const AxleSlot& axle = car.axles[static_cast<std::size_t>(a)];
            out += a == 0 ? "{\"axleName\": " : ", {\"axleName\": ";
            AppendJsonString(out, axle.axleName);
            out += ", \"run\": ";
            AppendJsonString(out, axle.run);
            out += ", \"wheelSetNames\": [";
            AppendJsonString(out, axle.sides[kLeftSide].wheelSetName);
            out += ", ";
            AppendJsonString(out, axle.sides[kRightSide].wheelSetName);
            out += "]}";
        }
        out += "]}";
    }
    out += "]}";
    return out;
}

JsonSchemeResult SchemeFromJson(const QByteArray& json) {
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        return {nullptr, ParsePlace(json, parseError.offset) + ": " +
                             parseError.errorString().toStdString()};
    }
    auto scheme = std::make_unique<Scheme>();
    try {
        if (!document.isObject()) {
            Refuse("", "the scheme must be a JSON object");
        }
        const QJsonObject top = document.object();
        OnlyKeys(top, {"name", "schemeType", "cars"}, "");
        scheme->state.schemeType = Integer(top, "schemeType", kMinSchemeType, kMaxSchemeType, "");
        const QJsonArray cars = Array(top, "cars", kMinCars, kMaxCars, "");
        scheme->state.carCount = static_cast<int>(cars.size());
        for (int c = 0; c < scheme->state.carCount; ++c) {
            ReadCar(Object(cars[c], CarPlace(c)), c, scheme->cars[static_cast<std::size_t>(c)]);
        }
    } catch (const Refusal& refusal) {
        return {nullptr, refusal.message};
    }
    return {std::move(scheme), {}};
}

}  // namespace quorvane
