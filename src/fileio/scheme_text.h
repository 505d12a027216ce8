// Scheme texts are Windows-1251 bytes; people and other programs see Unicode.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

inline constexpr const char* kSchemeCodePage = "windows-1251";

// Why this Qt cannot convert texts of the code page both ways (Qt takes
// every code page but Unicode and Latin-1 from ICU), or nothing. Without the
// scheme's code page every text would decode as empty and encode as
// nothing, so both programs check it before they read or write a scheme.
std::optional<QString> CodePageProblem(const char* codePage = kSchemeCodePage);

QString DecodeSchemeText(std::string_view bytes);

// Nothing when the text holds a character that Windows-1251 cannot store,
// a lone UTF-16 surrogate among them.
std::optional<std::string> EncodeSchemeText(const QString& text);

// The scheme name a file saved at path takes (its file name without the
// last four characters), as the editor and the tool write it; nothing when
// the file name holds a character that Windows-1251 cannot store.
std::optional<std::string> SchemeNameOfPath(const QString& path);

}  // namespace quorvane
