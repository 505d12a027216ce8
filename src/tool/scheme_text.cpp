#include "tool/scheme_text.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace quorvane {

namespace {
constexpr const char* kCodePage = "windows-1251";
}

QString DecodeSchemeText(std::string_view bytes) {
    QStringDecoder decoder(kCodePage);
    return decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::optional<std::string> EncodeSchemeText(const QString& text) {
    QStringEncoder encoder(kCodePage);
    const QByteArray bytes = encoder(text);
    if (encoder.hasError()) {
        return std::nullopt;
    }
    return bytes.toStdString();
}

}  // namespace quorvane
