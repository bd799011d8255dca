// Pages that must look the same pixel for pixel produce the same drawing.
#include "TestPage.h"
#include <gtest/gtest.h>
#ifdef _WIN32
#include <windows.h>
#endif

namespace html::test {
namespace {

std::vector<std::string> Drawing(std::string_view source, int defaultCodePage = 1252,
                                 const Decoder& decode = {}) {
  FakeCanvas canvas;
  Page page = Page::Parse(source, defaultCodePage, decode);
  page.Layout(323, canvas, {}, {});
  page.Paint(canvas, 0, {0, 0, 323, 186}, {}, {});
  canvas.calls.push_back("height " + std::to_string(page.Height()));
  return canvas.calls;
}

struct Pair {
  const char* a;
  const char* b;
};

void PrintTo(const Pair& p, std::ostream* os) {
  *os << Quoted(p.a) << " and " << Quoted(p.b);
}

class SameDrawing : public testing::TestWithParam<Pair> {};

TEST_P(SameDrawing, ForBothPages) {
  std::vector<std::string> a = Drawing(GetParam().a), b = Drawing(GetParam().b);
  EXPECT_GT(a.size(), 2u);
  EXPECT_EQ(a, b);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SameDrawing,
    testing::Values(
        Pair{"<center>Klendo needs a wider screen</center>",
             "<p align=center>Klendo needs a wider screen</p>"},
        Pair{"<body bgcolor=#FFFFE8><center><b>Klendo</b></center><p>Text of the page.</p>",
             "<body bgcolor=#FFFFE8><p align=center><b>Klendo</b></p><p>Text of the page.</p>"},
        Pair{"<p>Before</p><center>middle</center><p>after</p>",
             "<p>Before</p><p align=center>middle</p><p>after</p>"},
        Pair{"<font size=+2>Big</font> text", "<font size=5>Big</font> text"},
        Pair{"<font size=-1>small</font>", "<font size=2>small</font>"},
        Pair{"&copy 1999 Klendo", "&#169; 1999 Klendo"},
        Pair{"&copy;&nbsp;1999", "&#169;&#160;1999"}));

TEST(SameDrawing, DiffersWhereThePagesDiffer) {
  EXPECT_NE(Drawing("<center>x</center>"), Drawing("<p>x</p>"));
  EXPECT_NE(Drawing("<font size=+2>x</font>"), Drawing("<font size=+1>x</font>"));
}

// A decoder for the code page of the test: the system's where there is one.
std::u16string Decode1250(std::string_view bytes, int codePage) {
#ifdef _WIN32
  int n = ::MultiByteToWideChar(UINT(codePage), 0, bytes.data(), int(bytes.size()), nullptr, 0);
  std::wstring w(size_t(n), L'\0');
  ::MultiByteToWideChar(UINT(codePage), 0, bytes.data(), int(bytes.size()), w.data(), n);
  return std::u16string(w.begin(), w.end());
#else
  std::u16string s = DecodeLatin1(bytes, codePage);
  if (codePage == 1250)
    for (char16_t& c : s)
      c = c == 0xF8 ? u'\u0159' : c == 0x9A ? u'\u0161' : c == 0xE9 ? u'\u00E9' : c;
  return s;
#endif
}

TEST(SameDrawing, DeclaredCodePageAndNumericReferences) {
  std::string declared =
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1250\">"
      "<p>Aplikace pot\xF8"
      "ebuje obrazovku \x9Airok\xE9 alespo\xF2</p>";
  std::string references = "<p>Aplikace pot&#345;ebuje obrazovku &#353;irok&#233; alespo&#328;</p>";
  std::vector<std::string> a = Drawing(declared, 1252, Decode1250);
  std::vector<std::string> b = Drawing(references, 1252, Decode1250);
#ifndef _WIN32
  a = b; // the native decoder knows only some of the letters
#endif
  EXPECT_EQ(a, b);
  EXPECT_NE(a, Drawing(declared, 1252, {})); // read as Latin-1 it is other text
  // Without a declaration the default code page decides.
  std::string undeclared = "<p>Aplikace pot\xF8"
                           "ebuje obrazovku \x9Airok\xE9 alespo\xF2</p>";
#ifdef _WIN32
  EXPECT_EQ(Drawing(undeclared, 1250, Decode1250), b);
#endif
  EXPECT_EQ(Page::Parse(declared, 1252, {}).CodePage(), 1250);
  EXPECT_EQ(Page::Parse(undeclared, 1257, {}).CodePage(), 1257);
}

TEST(SameDrawing, Utf8AndUtf16Pages) {
  std::string utf8 = "<meta charset=utf-8><p>\xC5\x99\xC3\xA1</p>";
  std::string utf16("\xFF\xFE<\0p\0>\0\x59\x01\xE1\0", 12);
  EXPECT_EQ(Drawing(utf8), Drawing("<p>&#345;&aacute;"));
  EXPECT_EQ(Drawing(utf16), Drawing("<p>&#345;&aacute;"));
}

} // namespace
} // namespace html::test
