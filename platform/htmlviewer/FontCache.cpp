#include "FontCache.h"
#include <cstring>

namespace {
// More would only mean a page that keeps changing its fonts.
constexpr std::size_t MaxFonts = 32;
} // namespace

void FontCache::SetCharset(BYTE charset) {
  if (charset != charset_)
    entries_.clear();
  charset_ = charset;
}

HFONT FontCache::Get(const html::FontSpec& wanted) {
  for (const Entry& e : entries_)
    if (e.key == wanted)
      return e.font.get();
  if (entries_.size() >= MaxFonts)
    entries_.clear();
  // The ANSI form: CreateFontIndirectW is missing on the Windows 95 family,
  // and face names are ASCII.
  LOGFONTA lf{};
  lf.lfHeight = -wanted.pixelHeight; // negative: the character height
  lf.lfWeight = wanted.bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = wanted.italic;
  lf.lfUnderline = wanted.underline;
  lf.lfCharSet = charset_;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  std::strncpy(lf.lfFaceName, wanted.face.c_str(), LF_FACESIZE - 1);
  entries_.push_back({wanted, vcl::UniqueGdi<HFONT>(::CreateFontIndirectA(&lf))});
  return entries_.back().font.get();
}
