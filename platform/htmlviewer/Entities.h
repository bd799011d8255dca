#pragma once
// Character references: "&copy;", "&#169;", "&#xA9;", also without the
// closing semicolon as pages of the time wrote them.
#include <optional>
#include <string>
#include <string_view>

namespace html {

// The character of a named entity ("copy"), case-sensitive.
std::optional<char16_t> NamedEntity(std::string_view name);

// Replaces the references in decoded text. In attribute values a name
// directly followed by a letter or digit is left alone, so that URLs with
// "&copyright=" keep their text; in running text the longest known prefix of
// a Latin-1 name counts, as browsers did ("&copy2000").
std::u16string ResolveEntities(std::u16string_view text, bool attribute);

// The same for undecoded attribute bytes that name things (HREF, SRC,
// NAME): only references to ASCII characters are replaced, the others stay
// as written, since there is no way back to the page's bytes for them.
std::string ResolveAsciiEntities(std::string_view bytes);

} // namespace html
