// Scheme texts are Windows-1251 bytes; people and other programs see Unicode.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

QString DecodeSchemeText(std::string_view bytes);

// Nothing when the text holds a character that Windows-1251 cannot store,
// a lone UTF-16 surrogate among them.
std::optional<std::string> EncodeSchemeText(const QString& text);

// The scheme name a file saved at path takes (its file name without the
// last four characters), as the editor and the tool write it; nothing when
// the file name holds a character that Windows-1251 cannot store.
std::optional<std::string> SchemeNameOfPath(const QString& path);

}  // namespace quorvane
