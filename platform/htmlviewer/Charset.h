#pragma once
// Which code page a page's bytes are in: its byte-order mark, else its
// <meta http-equiv="Content-Type" content="...; charset=..."> (or
// <meta charset=...>), else the caller's default.
#include <string>
#include <string_view>

namespace html {

constexpr int kCodePageUtf8 = 65001;

// The Windows code page of a charset name, case-insensitive; 0 if unknown.
int CodePageOfCharset(std::string_view name);

// The code page the page declares (mark or meta), 0 if none or unknown.
// Skips a UTF-8 mark: bytes is advanced past it.
int DeclaredCodePage(std::string_view& bytes);

std::u16string DecodeUtf8(std::string_view bytes);
// UTF-16 (little or big endian) re-encoded as UTF-8, so that the rest of the
// page's handling works on bytes alike.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian);

} // namespace html
