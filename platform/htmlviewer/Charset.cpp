#include "Charset.h"
#include "Ascii.h"
#include "Page.h"
#include "Tokenizer.h"

namespace html {
namespace {

bool StartsNoCase(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && EqualsNoCase(s.substr(0, prefix.size()), prefix);
}

int Number(std::string_view s) {
  if (s.empty() || s.size() > 5)
    return -1;
  int v = 0;
  for (char c : s) {
    if (c < '0' || c > '9')
      return -1;
    v = v * 10 + (c - '0');
  }
  return v;
}

struct Alias {
  const char* name;
  int codePage;
};

constexpr Alias kAliases[] = {
    {"utf-8", kCodePageUtf8},
    {"utf8", kCodePageUtf8},
    {"unicode-1-1-utf-8", kCodePageUtf8},
    {"us-ascii", 1252},
    {"ascii", 1252},
    {"latin1", 1252},
    {"l1", 1252},
    {"iso-8859-1", 1252},
    {"iso8859-1", 1252},
    {"latin2", 28592},
    {"l2", 28592},
    {"koi8-r", 20866},
    {"koi8-u", 21866},
    {"shift_jis", 932},
    {"shift-jis", 932},
    {"sjis", 932},
    {"x-sjis", 932},
    {"ms_kanji", 932},
    {"euc-jp", 20932},
    {"x-euc-jp", 20932},
    {"gb2312", 936},
    {"gbk", 936},
    {"x-gbk", 936},
    {"big5", 950},
    {"euc-kr", 949},
    {"ks_c_5601-1987", 949},
    {"tis-620", 874},
    {"iso-8859-8-i", 28598},
    {"ibm852", 852},
    {"ibm866", 866},
    {"ibm437", 437},
    {"utf-16", 1200},
    {"utf-16le", 1200},
    {"utf-16be", 1201},
};

// "charset=NAME" inside a Content-Type value.
std::string_view CharsetParameter(std::string_view content) {
  for (size_t i = 0; i + 8 <= content.size(); ++i) {
    if (!StartsNoCase(content.substr(i), "charset"))
      continue;
    size_t j = i + 7;
    while (j < content.size() && content[j] == ' ')
      ++j;
    if (j >= content.size() || content[j] != '=')
      continue;
    ++j;
    while (j < content.size() && (content[j] == ' ' || content[j] == '"' || content[j] == '\''))
      ++j;
    size_t end = j;
    while (end < content.size() && content[end] != ';' && content[end] != ' ' &&
           content[end] != '"' && content[end] != '\'')
      ++end;
    return content.substr(j, end - j);
  }
  return {};
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += char(c);
  } else if (c < 0x800) {
    out += char(0xC0 | (c >> 6));
    out += char(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += char(0xE0 | (c >> 12));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  } else {
    out += char(0xF0 | (c >> 18));
    out += char(0x80 | ((c >> 12) & 0x3F));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  }
}

} // namespace

int CodePageOfCharset(std::string_view name) {
  while (!name.empty() && (name.front() == ' ' || name.front() == '"' || name.front() == '\''))
    name.remove_prefix(1);
  while (!name.empty() && (name.back() == ' ' || name.back() == '"' || name.back() == '\''))
    name.remove_suffix(1);
  for (const Alias& a : kAliases)
    if (EqualsNoCase(name, a.name))
      return a.codePage;
  // windows-1250, cp1250, x-cp1250, ms-ansi style names
  for (std::string_view prefix : {"windows-", "x-cp", "cp", "ibm"}) {
    if (StartsNoCase(name, prefix)) {
      int n = Number(name.substr(prefix.size()));
      if ((n >= 1250 && n <= 1258) || n == 874 || (n >= 437 && n <= 1026 && prefix != "windows-"))
        return n;
    }
  }
  for (std::string_view prefix : {"iso-8859-", "iso8859-", "iso_8859-", "iso8859_"}) {
    if (StartsNoCase(name, prefix)) {
      int n = Number(name.substr(prefix.size()));
      if (n == 1)
        return 1252;
      if ((n >= 2 && n <= 9) || n == 13 || n == 15)
        return 28590 + n;
      if (n == 11)
        return 874;
    }
  }
  return 0;
}

int DeclaredCodePage(std::string_view& bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
    bytes.remove_prefix(3);
    return kCodePageUtf8;
  }
  if (bytes.substr(0, 2) == "\xFF\xFE")
    return 1200;
  if (bytes.substr(0, 2) == "\xFE\xFF")
    return 1201;
  Tokenizer tokens(bytes);
  Token t;
  while (tokens.Next(t)) {
    if (t.kind != Token::Kind::Start || t.name != "meta")
      continue;
    std::string_view charset;
    bool contentType = false;
    std::string_view content;
    for (const TokenAttribute& a : t.attributes) {
      if (a.name == "charset")
        charset = a.value;
      else if (a.name == "http-equiv")
        contentType = EqualsNoCase(a.value, "content-type");
      else if (a.name == "content")
        content = a.value;
    }
    if (charset.empty() && contentType)
      charset = CharsetParameter(content);
    if (!charset.empty()) {
      int cp = CodePageOfCharset(charset);
      // A page that is read as bytes cannot be UTF-16, whatever it says.
      return cp == 1200 || cp == 1201 ? kCodePageUtf8 : cp;
    }
  }
  return 0;
}

std::u16string DecodeUtf8(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size();) {
    unsigned char c = bytes[i];
    int extra = c < 0x80                ? 0
                : c >= 0xC2 && c < 0xE0 ? 1
                : c >= 0xE0 && c < 0xF0 ? 2
                : c >= 0xF0 && c < 0xF5 ? 3
                                        : -1;
    char32_t v = extra == 0 ? c : extra == 1 ? c & 0x1F : extra == 2 ? c & 0x0F : c & 0x07;
    size_t j = i + 1;
    for (int k = 0; k < extra && j < bytes.size() && (bytes[j] & 0xC0) == 0x80; ++k, ++j)
      v = (v << 6) | (bytes[j] & 0x3F);
    bool bad = extra < 0 || int(j - i) != extra + 1 || (extra == 2 && v < 0x800) ||
               (extra == 3 && (v < 0x10000 || v > 0x10FFFF)) || (v >= 0xD800 && v <= 0xDFFF);
    if (bad) {
      out += u'\xFFFD';
      i = extra < 0 ? i + 1 : j;
      continue;
    }
    if (v >= 0x10000) {
      v -= 0x10000;
      out += char16_t(0xD800 + (v >> 10));
      out += char16_t(0xDC00 + (v & 0x3FF));
    } else {
      out += char16_t(v);
    }
    i = j;
  }
  return out;
}

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
  std::string out;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    unsigned char a = bytes[i], b = bytes[i + 1];
    char32_t c = bigEndian ? (a << 8 | b) : (b << 8 | a);
    if (c >= 0xD800 && c < 0xDC00 && i + 3 < bytes.size()) {
      unsigned char x = bytes[i + 2], y = bytes[i + 3];
      char32_t d = bigEndian ? (x << 8 | y) : (y << 8 | x);
      if (d >= 0xDC00 && d < 0xE000) {
        c = 0x10000 + ((c - 0xD800) << 10) + (d - 0xDC00);
        i += 2;
      } else {
        c = 0xFFFD;
      }
    } else if (c >= 0xD800 && c < 0xE000) {
      c = 0xFFFD;
    }
    if (c != 0xFEFF || i != 0)
      AppendUtf8(out, c);
  }
  return out;
}

std::u16string DecodeLatin1(std::string_view bytes, int codePage) {
  if (codePage == kCodePageUtf8)
    return DecodeUtf8(bytes);
  std::u16string out(bytes.size(), u'\0');
  for (size_t i = 0; i < bytes.size(); ++i)
    out[i] = char16_t(static_cast<unsigned char>(bytes[i]));
  return out;
}

} // namespace html
