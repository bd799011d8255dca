#pragma once
// How the parts of a version resource become texts: the string table's
// name, the version numbers, the kinds of file, and the values the platform
// hands back. No Windows headers, so it is tested on its own.
#include "SysUtils.h"
#include "Version.h"
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>

inline constexpr std::uint16_t kLanguageIds[] = {
    0x0401, 0x0402, 0x0403, 0x0404, 0x0405, 0x0406, 0x0407, 0x0408, 0x0409, 0x040A, 0x040B, 0x040C,
    0x040D, 0x040E, 0x040F, 0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418,
    0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0804, 0x0807, 0x0809,
    0x080A, 0x080C, 0x0810, 0x0813, 0x0814, 0x0816, 0x081A, 0x0C0C, 0x100C};
static_assert(std::size(kLanguageIds) == lnSwissFrench + 1);

inline constexpr std::uint16_t kCodePages[] = {0,    932,  949,  950,  1200, 1250,
                                               1251, 1252, 1253, 1254, 1255, 1256};
static_assert(std::size(kCodePages) == csArabic + 1);

// Both throw Exception with an empty message for a value that a cast from a
// number put outside the enumeration.
inline std::uint16_t LanguageId(TLanguage language) {
  if (language >= std::size(kLanguageIds))
    throw Exception("");
  return kLanguageIds[language];
}
inline std::uint16_t CodePage(TCharacterSet characterSet) {
  if (characterSet >= std::size(kCodePages))
    throw Exception("");
  return kCodePages[characterSet];
}

// "\StringFileInfo\040904E4\" for the defaults: four upper-case hexadecimal
// digits each for the language and the code page, looked up in that order.
inline std::string StringTablePrefix(TLanguage language, TCharacterSet characterSet) {
  const unsigned name = unsigned(LanguageId(language)) << 16 | CodePage(characterSet);
  std::string prefix = "\\StringFileInfo\\";
  for (int shift = 28; shift >= 0; shift -= 4)
    prefix += "0123456789ABCDEF"[name >> shift & 0xF];
  return prefix + "\\";
}

// The four 16-bit halves, most significant first, in decimal: 4.51.16.2.
inline std::string VersionNumberText(std::uint32_t ms, std::uint32_t ls) {
  return std::to_string(ms >> 16) + "." + std::to_string(ms & 0xFFFF) + "." +
         std::to_string(ls >> 16) + "." + std::to_string(ls & 0xFFFF);
}

inline const char* FileOSText(std::uint32_t os) {
  switch (os) {
  case 0x1:
    return "Windows 3.0 or later";
  case 0x2:
    return "16 bit OS/2 Presentation Manager";
  case 0x3:
    return "32 bit OS/2 Presentation Manager";
  case 0x4:
    return "32 bit Windows";
  case 0x10000:
    return "MS-Dos";
  case 0x10001:
    return "Windows 3.0 or later with MS-Dos";
  case 0x10004:
    return "32 bit Windows with MS-Dos";
  case 0x20000:
    return "16 bit OS/2";
  case 0x20002:
    return "16 bit OS/2 with Presentation Manager";
  case 0x30000:
    return "32 bit OS/2";
  case 0x30003:
    return "32 bit OS/2 with Presentation Manager";
  case 0x40000:
    return "Windows NT";
  case 0x40004:
    return "Windows NT with 32 bit Windows";
  default:
    return "Unknown";
  }
}

inline const char* FileTypeText(std::uint32_t type) {
  switch (type) {
  case 1:
    return "Application";
  case 2:
    return "Dynamic-Link Library";
  case 3:
    return "Device Driver";
  case 4:
    return "Font";
  case 5:
    return "Virtual Device Driver";
  case 7:
    return "Static-Link Library";
  default:
    return "Unknown";
  }
}

// Only drivers (type 3) and fonts (type 4) have a subtype worth a text.
inline const char* FileSubTypeText(std::uint32_t type, std::uint32_t subtype) {
  static constexpr const char* drivers[] = {"Printer", "Keyboard",      "Language", "Display",
                                            "Mouse",   "Network",       "System",   "Installable",
                                            "Sound",   "Communications"};
  static constexpr const char* fonts[] = {"Raster", "Vector", "TrueType"};
  if (type == 3)
    return subtype >= 1 && subtype <= std::size(drivers) ? drivers[subtype - 1] : "Unknown";
  if (type == 4)
    return subtype >= 1 && subtype <= std::size(fonts) ? fonts[subtype - 1] : "Unknown";
  return "";
}

// How many bytes of the block [begin, end) lie from p on; 0 when p points
// anywhere else.
inline std::size_t BytesInBlock(const void* p, const char* begin, const char* end) {
  auto at = reinterpret_cast<std::uintptr_t>(p);
  auto first = reinterpret_cast<std::uintptr_t>(begin);
  auto last = reinterpret_cast<std::uintptr_t>(end);
  return at >= first && at < last ? last - at : 0;
}

// A value as the platform returned it: the text up to its first zero byte,
// but never more than the length reported with it, nor past the block, for
// a value that lacks its zero.
inline std::string BoundedText(const void* text, std::size_t length, const char* begin,
                               const char* end) {
  std::size_t n = BytesInBlock(text, begin, end);
  if (length < n)
    n = length;
  if (n == 0)
    return {};
  const char* s = static_cast<const char*>(text);
  const void* zero = std::memchr(s, 0, n);
  return std::string(s, zero ? static_cast<const char*>(zero) - s : n);
}
