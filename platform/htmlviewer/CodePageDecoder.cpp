#include "CodePageDecoder.h"
#include <windows.h>

std::u16string DecodeCodePage(std::string_view bytes, int codePage) {
  if (bytes.empty())
    return {};
  UINT cp = codePage > 0 && ::IsValidCodePage(codePage) ? static_cast<UINT>(codePage) : CP_ACP;
  const int length = static_cast<int>(bytes.size());
  int wide = ::MultiByteToWideChar(cp, 0, bytes.data(), length, nullptr, 0);
  if (wide <= 0 && cp != CP_ACP) {
    cp = CP_ACP;
    wide = ::MultiByteToWideChar(cp, 0, bytes.data(), length, nullptr, 0);
  }
  if (wide <= 0)
    return {};
  std::u16string text(static_cast<std::size_t>(wide), u'\0');
  ::MultiByteToWideChar(cp, 0, bytes.data(), length, reinterpret_cast<wchar_t*>(text.data()), wide);
  return text;
}
