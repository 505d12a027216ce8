#include "fileio/scheme_text.h"

#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include "schemefile/scheme_name.h"

namespace quorvane {

std::optional<QString> CodePageProblem(const char* codePage) {
    if (QStringDecoder(codePage).isValid() && QStringEncoder(codePage).isValid()) {
        return std::nullopt;
    }
    return QStringLiteral(
               "this Qt cannot convert texts of the %1 code page, which scheme files are "
               "written in; it takes them from ICU, so a Qt built without ICU cannot be used")
        .arg(QString::fromLatin1(codePage));
}

QString DecodeSchemeText(std::string_view bytes) {
    QStringDecoder decoder(kSchemeCodePage);
    return decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::optional<std::string> EncodeSchemeText(const QString& text) {
    // Stateless: a stateful encoder keeps a high surrogate at the end back for
    // the next call and reports no error, so it would vanish. A lone one
    // within the text is a character that Windows-1251 cannot store either.
    if (!text.isValidUtf16()) {
        return std::nullopt;
    }
    QStringEncoder encoder(kSchemeCodePage, QStringConverter::Flag::Stateless);
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
