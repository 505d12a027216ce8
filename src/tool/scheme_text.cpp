#include "tool/scheme_text.h"

#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include "schemefile/scheme_name.h"

namespace quorvane {

namespace {
constexpr const char* kCodePage = "windows-1251";
}

QString DecodeSchemeText(std::string_view bytes) {
    QStringDecoder decoder(kCodePage);
    return decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::optional<std::string> EncodeSchemeText(const QString& text) {
    // Stateless: a stateful encoder keeps a high surrogate at the end back for
    // the next call and reports no error, so it would vanish. A lone one
    // within the text is a character that Windows-1251 cannot store either.
    if (!text.isValidUtf16()) {
        return std::nullopt;
    }
    QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder(text);
    if (encoder.hasError()) {
        return std::nullopt;
    }
    return bytes.toStdString();
}

std::optional<std::string> SchemeNameOfPath(const QString& path) {
    const std::optional<std::string> fileName = EncodeSchemeText(QFileInfo(path).fileName());
    if (!fileName) {
        return std::nullopt;
    }
    return SchemeNameFromFileName(*fileName);
}

}  // namespace quorvane
