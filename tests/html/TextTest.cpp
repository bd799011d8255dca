// Character references, charsets and colours.
#include "Charset.h"
#include "FakeCanvas.h"
#include "Entities.h"
#include "Values.h"
#include <gtest/gtest.h>

namespace html::test {
namespace {

struct EntityCase {
  const char16_t* source;
  const char16_t* text;
};

void PrintTo(const EntityCase& c, std::ostream* os) {
  *os << Quoted(Utf8(c.source));
}

class TextEntities : public testing::TestWithParam<EntityCase> {};

TEST_P(TextEntities, Resolve) {
  EXPECT_EQ(ResolveEntities(GetParam().source, false), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextEntities,
    testing::Values(EntityCase{u"&copy 1999", u"\u00A9 1999"}, EntityCase{u"&copy;", u"\u00A9"},
                    EntityCase{u"&#169;", u"\u00A9"}, EntityCase{u"&#169", u"\u00A9"},
                    EntityCase{u"&#xa9;x", u"\u00A9x"}, EntityCase{u"&#XA9", u"\u00A9"},
                    EntityCase{u"&copy2000", u"\u00A92000"}, EntityCase{u"&amp;amp;", u"&amp;"},
                    EntityCase{u"&lt;b&gt;", u"<b>"}, EntityCase{u"&AMP;&QUOT;", u"&\""},
                    EntityCase{u"&Auml;&auml;&euro;&hellip;", u"\u00C4\u00E4\u20AC\u2026"},
                    EntityCase{u"&nbsp;", u"\u00A0"}, EntityCase{u"&#150;&#128;", u"\u2013\u20AC"},
                    EntityCase{u"&#0;&#x110000;&#xD800;", u"\uFFFD\uFFFD\uFFFD"},
                    EntityCase{u"&#99999999999999;", u"\uFFFD"},
                    EntityCase{u"&#x1F600;", u"\U0001F600"}, EntityCase{u"&unknown;", u"&unknown;"},
                    EntityCase{u"& b &; &#; &#x; a&", u"& b &; &#; &#x; a&"}));

TEST(Entities, AttributesKeepNamesThatRunOn) {
  EXPECT_EQ(ResolveEntities(u"?a&copyright=1&copy=2&copy;", true), u"?a&copyright=1&copy=2\u00A9");
  EXPECT_EQ(ResolveAsciiEntities("a&amp;b&lt&copy;&#233;&#65;"), "a&b<&copy;&#233;A");
}

struct CharsetCase {
  const char* name;
  int codePage;
};

void PrintTo(const CharsetCase& c, std::ostream* os) {
  *os << Quoted(c.name);
}

class Charsets : public testing::TestWithParam<CharsetCase> {};

TEST_P(Charsets, MapToCodePages) {
  EXPECT_EQ(CodePageOfCharset(GetParam().name), GetParam().codePage) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Charsets,
    testing::Values(CharsetCase{"windows-1250", 1250}, CharsetCase{"WINDOWS-1251", 1251},
                    CharsetCase{"\"windows-1250\"", 1250}, CharsetCase{"cp1250", 1250},
                    CharsetCase{"x-cp1250", 1250}, CharsetCase{"iso-8859-2", 28592},
                    CharsetCase{"ISO_8859-2", 28592}, CharsetCase{"iso-8859-15", 28605},
                    CharsetCase{"ISO-8859-1", 1252}, CharsetCase{"us-ascii", 1252},
                    CharsetCase{"utf-8", 65001}, CharsetCase{"UTF8", 65001},
                    CharsetCase{"koi8-r", 20866}, CharsetCase{"Shift_JIS", 932},
                    CharsetCase{"ibm852", 852}, CharsetCase{"windows-9999", 0},
                    CharsetCase{"bogus", 0}, CharsetCase{"", 0}));

struct DeclarationCase {
  const char* source;
  int codePage;
};

void PrintTo(const DeclarationCase& c, std::ostream* os) {
  *os << Quoted(c.source);
}

class Declarations : public testing::TestWithParam<DeclarationCase> {};

TEST_P(Declarations, AreFound) {
  std::string_view bytes = GetParam().source;
  EXPECT_EQ(DeclaredCodePage(bytes), GetParam().codePage) << GetParam().source;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Declarations,
    testing::Values(
        DeclarationCase{
            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1250\">", 1250},
        DeclarationCase{"<META HTTP-EQUIV=content-type CONTENT='text/html;charset=iso-8859-2'>",
                        28592},
        DeclarationCase{"<html><head><meta charset=utf-8>", 65001},
        DeclarationCase{"<meta name=x content=\"text/html; charset=windows-1250\">", 0},
        DeclarationCase{"<meta http-equiv=Content-Type content=\"text/html; charset=nonsense\">",
                        0},
        DeclarationCase{"<p>charset=windows-1250", 0}, DeclarationCase{"\xEF\xBB\xBF<p>", 65001},
        DeclarationCase{"\xFF\xFE<\0p\0", 1200}));

TEST(Charset, Utf8AndUtf16) {
  EXPECT_EQ(DecodeUtf8("a\xC4\x8D\xE2\x82\xAC\xF0\x9F\x98\x80"), u"a\u010D\u20AC\U0001F600");
  EXPECT_EQ(DecodeUtf8("\xC3(\xE2\x82\xC0\x80x\xED\xA0\x80"), u"\uFFFD(\uFFFD\uFFFD\uFFFDx\uFFFD");
  EXPECT_EQ(Utf16ToUtf8(std::string_view("\xFF\xFE"
                                         "a\0\x0D\x01",
                                         6)
                            .substr(2),
                        false),
            "a\xC4\x8D");
  EXPECT_EQ(Utf16ToUtf8(std::string_view("\x00"
                                         "a\x01\x0D",
                                         4),
                        true),
            "a\xC4\x8D");
}

struct ColorCase {
  const char* value;
  std::optional<Color> color;
};

void PrintTo(const ColorCase& c, std::ostream* os) {
  *os << Quoted(c.value);
}

class Colors : public testing::TestWithParam<ColorCase> {};

TEST_P(Colors, Parse) {
  EXPECT_EQ(ParseColor(GetParam().value), GetParam().color) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Colors,
    testing::Values(ColorCase{"#FF0000", 0x0000FF}, ColorCase{"ff8000", 0x0080FF},
                    ColorCase{" #00ff00 ", 0x00FF00}, ColorCase{"#FFFFE8", 0xE8FFFF},
                    ColorCase{"Red", 0x0000FF}, ColorCase{"navy", 0x800000},
                    ColorCase{"PURPLE", 0x800080}, ColorCase{"aqua", 0xFFFF00},
                    ColorCase{"silver", 0xC0C0C0}, ColorCase{"olive", 0x008080},
                    ColorCase{"#12345", std::nullopt}, ColorCase{"#GG0000", std::nullopt},
                    ColorCase{"bogus", std::nullopt}, ColorCase{"", std::nullopt}));

} // namespace
} // namespace html::test
