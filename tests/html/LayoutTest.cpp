// Layout through the page's API with the fake measurer: at the default
// 16-pixel font a character is 8 wide, a line 16 high, baseline 12 below its
// top; the page's margins are 10 and 5.
#include "TestPage.h"
#include <gtest/gtest.h>

namespace html::test {
namespace {

struct LinesCase {
  const char* source;
  int width;
  std::vector<std::string> lines;
};

void PrintTo(const LinesCase& c, std::ostream* os) {
  *os << Quoted(c.source) << " at " << c.width;
}

class Lines : public testing::TestWithParam<LinesCase> {};

TEST_P(Lines, CollapseAndBreak) {
  Laid laid(GetParam().source, GetParam().width);
  EXPECT_EQ(laid.canvas.Lines(), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    WhiteSpace, Lines,
    testing::Values(LinesCase{"a  b", 400, {"a b"}}, LinesCase{" \r\n a\tb \n", 400, {"a b"}},
                    LinesCase{"a <b> b</b>", 400, {"a b"}},
                    LinesCase{"a&nbsp;&nbsp;b", 400, {"a\u00A0\u00A0b"}},
                    LinesCase{"<p> a </p> <p> b </p>", 400, {"a", "b"}},
                    LinesCase{"a<br>b<br><br>c", 400, {"a", "b", "c"}},
                    LinesCase{"<pre>a  b\n\tc\r\nd</pre>", 400, {"a  b", "        c", "d"}},
                    LinesCase{"<nobr>aaaa bbbb</nobr> cc", 60, {"aaaa bbbb", "cc"}}));

// "aaaa bbbb cccc": words of 32 pixels, blanks of 8; the lines get width - 20.
INSTANTIATE_TEST_SUITE_P(
    Breaking, Lines,
    testing::Values(LinesCase{"aaaa bbbb cccc", 20 + 112, {"aaaa bbbb cccc"}},
                    LinesCase{"aaaa bbbb cccc", 20 + 111, {"aaaa bbbb", "cccc"}},
                    LinesCase{"aaaa bbbb cccc", 20 + 72, {"aaaa bbbb", "cccc"}},
                    LinesCase{"aaaa bbbb cccc", 20 + 71, {"aaaa", "bbbb", "cccc"}},
                    LinesCase{"aa aaaaaaaaaa bb", 60, {"aa", "aaaaaaaaaa", "bb"}},
                    LinesCase{"aaaa<b>bb</b> cc", 20 + 56, {"aaaabb", "cc"}},
                    LinesCase{"aaaa <b>bbbb</b> cccc", 20 + 72, {"aaaa bbbb", "cccc"}}));

TEST(Layout, ParagraphsBreakAfterManyUnclosedFonts) {
  std::string source;
  for (int i = 0; i < 150; ++i)
    source += "<font color=red>a ";
  source += "<p>b<p>c";
  Laid laid(source, 4000);
  EXPECT_EQ(laid.canvas.Lines().size(), 3u);
  EXPECT_EQ(laid.Text("c").color, 0x0000FFu);
}

TEST(Layout, DeepNestingLaysOut) {
  std::string tables, blocks;
  for (int i = 0; i < 100; ++i)
    tables += "<table border=1><tr><td>";
  for (int i = 0; i < 300; ++i)
    blocks += i % 2 ? "<div>" : "<ul><li>";
  Laid deepTables(tables + "x", 2000), deepBlocks(blocks + "y", 8000);
  ASSERT_EQ(deepTables.Texts().size(), 1u);
  ASSERT_EQ(deepBlocks.Texts().size(), 1u);
  EXPECT_EQ(deepTables.Texts()[0].text, "x");
  EXPECT_EQ(deepBlocks.Texts()[0].text, "y");
}

TEST(Layout, FirstLineSitsInsideTheMargins) {
  Laid laid("ab");
  ASSERT_EQ(laid.Texts().size(), 1u);
  EXPECT_EQ(laid.Texts()[0].x, 10);
  EXPECT_EQ(laid.Texts()[0].baseline, 5 + 12);
  EXPECT_EQ(laid.Texts()[0].font.face, "Times New Roman");
  EXPECT_EQ(laid.Texts()[0].font.pixelHeight, 16);
  EXPECT_EQ(laid.page.Height(), 5 + 16 + 5);
}

TEST(Layout, HeightCountsParagraphSpaceBetweenButNotAtTheEnds) {
  EXPECT_EQ(Laid("<p>a</p><p>b</p>").page.Height(), 5 + 16 + 16 + 16 + 5);
  EXPECT_EQ(Laid("<center>a</center>b").page.Height(), 5 + 16 + 16 + 5);
  EXPECT_EQ(Laid("").page.Height(), 10);
}

TEST(Layout, FontsOfOneLineShareTheBaseline) {
  Laid laid("a<font size=7>B</font><font size=1>c</font>");
  ASSERT_EQ(laid.Texts().size(), 3u);
  EXPECT_EQ(laid.Text("B").font.pixelHeight, 48); // 36 points
  EXPECT_EQ(laid.Text("c").font.pixelHeight, 11); // 8 points
  for (const DrawnText& t : laid.Texts())
    EXPECT_EQ(t.baseline, 5 + 36) << t.text;
  EXPECT_EQ(laid.Text("B").x, 18);
  EXPECT_EQ(laid.Text("c").x, 18 + 24);
}

struct SizeCase {
  const char* source;
  int pixels;
  bool bold;
};

void PrintTo(const SizeCase& c, std::ostream* os) {
  *os << Quoted(c.source);
}

class FontSizes : public testing::TestWithParam<SizeCase> {};

TEST_P(FontSizes, FollowTheHtmlScale) {
  Laid laid(GetParam().source);
  ASSERT_FALSE(laid.Texts().empty());
  EXPECT_EQ(laid.Texts()[0].font.pixelHeight, GetParam().pixels) << GetParam().source;
  EXPECT_EQ(laid.Texts()[0].font.bold, GetParam().bold) << GetParam().source;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FontSizes,
    testing::Values(SizeCase{"<font size=1>x", 11, false}, SizeCase{"<font size=2>x", 13, false},
                    SizeCase{"<font size=4>x", 19, false}, SizeCase{"<font size=6>x", 32, false},
                    SizeCase{"<font size=9>x", 48, false}, SizeCase{"<font size=+1>x", 19, false},
                    SizeCase{"<font size=-1>x", 13, false}, SizeCase{"<font size=-5>x", 11, false},
                    SizeCase{"<font size=+1><font size=+1>x", 19, false},
                    SizeCase{"<basefont size=5><font size=-1>x", 19, false},
                    SizeCase{"<big>x", 19, false}, SizeCase{"<h1>x", 32, true},
                    SizeCase{"<h3>x", 19, true}, SizeCase{"<h6>x", 11, true},
                    SizeCase{"<b>x", 16, true}, SizeCase{"<font size=bogus>x", 16, false}));

TEST(Layout, FontAttributesAndStyles) {
  Laid laid("<font face=\"Arial, Helvetica\" color=red>a</font><i>b</i><u>c</u><tt>d</tt>"
            "<pre>e</pre>");
  EXPECT_EQ(laid.Text("a").font.face, "Arial");
  EXPECT_EQ(laid.Text("a").color, 0x0000FFu);
  EXPECT_TRUE(laid.Text("b").font.italic);
  EXPECT_TRUE(laid.Text("c").font.underline);
  EXPECT_EQ(laid.Text("d").font.face, "Courier New");
  EXPECT_EQ(laid.Text("e").font.face, "Courier New");
}

TEST(Layout, SettingsAndBodyColours) {
  PageSettings s;
  s.fontFace = "Arial";
  s.fontPoints = 9; // 12 pixels
  s.text = 0x112233;
  s.marginWidth = 20;
  s.marginHeight = 0;
  Laid laid("x", 400, s);
  EXPECT_EQ(laid.Texts()[0].font.face, "Arial");
  EXPECT_EQ(laid.Texts()[0].font.pixelHeight, 12);
  EXPECT_EQ(laid.Texts()[0].color, 0x112233u);
  EXPECT_EQ(laid.Texts()[0].x, 20);
  EXPECT_EQ(laid.Texts()[0].baseline, 9);
  EXPECT_EQ(laid.canvas.calls.front(), "fill 0,0-400,12 #C0C0C0");

  Laid body("<body bgcolor=#FFFFE8 text=navy>x", 400, s);
  EXPECT_EQ(body.canvas.calls.front(), "fill 0,0-400,12 #E8FFFF");
  EXPECT_EQ(body.Texts()[0].color, 0x800000u);
  EXPECT_EQ(body.page.Background(s), 0xE8FFFFu);
}

struct AlignCase {
  const char* source;
  int x;
};

void PrintTo(const AlignCase& c, std::ostream* os) {
  *os << Quoted(c.source);
}

class Alignment : public testing::TestWithParam<AlignCase> {};

// 100 pixels for the line; "ab" is 16 wide.
TEST_P(Alignment, PlacesTheLine) {
  Laid laid(GetParam().source, 120);
  ASSERT_FALSE(laid.Texts().empty());
  EXPECT_EQ(laid.Texts().back().x, GetParam().x) << GetParam().source;
}

INSTANTIATE_TEST_SUITE_P(Cases, Alignment,
                         testing::Values(AlignCase{"ab", 10}, AlignCase{"<center>ab</center>", 52},
                                         AlignCase{"<p align=center>ab", 52},
                                         AlignCase{"<p align=RIGHT>ab", 94},
                                         AlignCase{"<div align=right><p>ab</div>", 94},
                                         AlignCase{"<center><p align=left>ab</center>", 10},
                                         AlignCase{"<h2 align=center>ab</h2>", 10 + (100 - 24) / 2},
                                         AlignCase{"<center>aaaaaaaaaaaaaaaaaaaa</center>", 10}));

TEST(Layout, BlockquoteAndListsIndent) {
  Laid laid("<blockquote>q</blockquote><ul><li>a<ul><li>b</ul></ul><dl><dt>t<dd>d</dl>");
  EXPECT_EQ(laid.Text("q").x, 50);
  EXPECT_EQ(laid.Text("a").x, 50);
  EXPECT_EQ(laid.Text("b").x, 90);
  EXPECT_EQ(laid.Text("t").x, 10);
  EXPECT_EQ(laid.Text("d").x, 50);
}

TEST(Layout, BulletsSitLeftOfTheItemOnItsBaseline) {
  Laid laid("<ul><li>a<li>b</ul>");
  // A disc of 5 rows: drawn as lines that end before the text.
  int lines = 0;
  for (const std::string& call : laid.canvas.calls)
    if (call.starts_with("line ")) {
      ++lines;
      int x1, y1, x2, y2;
      ASSERT_EQ(std::sscanf(call.c_str(), "line %d,%d-%d,%d", &x1, &y1, &x2, &y2), 4);
      EXPECT_LT(x2, 50);
      EXPECT_GT(x1, 10 + 20);
      EXPECT_LT(y1, laid.Text("b").baseline);
    }
  EXPECT_EQ(lines, 10);
  Laid squares("<ul type=square><li>a</ul>");
  EXPECT_EQ(squares.Count("fill "), 2); // the background and the square
}

TEST(Layout, NumbersCountAndEndBeforeTheItem) {
  Laid laid("<ol><li>a<li>b<li value=7>c<li>d</ol><ol start=3 type=i><li>x<li>y</ol>"
            "<ol type=A><li>p</ol>");
  EXPECT_EQ(laid.canvas.Texts(),
            (std::vector<std::string>{"1.", "a", "2.", "b", "7.", "c", "8.", "d", "iii.", "x",
                                      "iv.", "y", "A.", "p"}));
  const DrawnText& one = laid.Text("1.");
  EXPECT_EQ(one.baseline, laid.Text("a").baseline);
  EXPECT_LE(one.x + 16, 50);
  EXPECT_GE(one.x + 16, 40);
}

TEST(Layout, EmptyItemStillShowsItsMarker) {
  Laid laid("<ol><li><li>b</ol>");
  EXPECT_EQ(laid.canvas.Texts(), (std::vector<std::string>{"1.", "2.", "b"}));
  EXPECT_EQ(laid.Text("2.").baseline, laid.Text("1.").baseline + 16);
}

TEST(Layout, PreformattedKeepsLinesAndDoesNotWrap) {
  Laid laid("<pre>aaaa bbbb cccc\n\nd</pre>", 60);
  EXPECT_EQ(laid.canvas.Lines(), (std::vector<std::string>{"aaaa bbbb cccc", "d"}));
  EXPECT_EQ(laid.Text("d").baseline, laid.Text("aaaa bbbb cccc").baseline + 32);
}

TEST(Layout, RulesSpanTheLineByDefault) {
  Laid laid("a<hr>b<hr width=50% size=4 noshade align=left><hr width=30>", 120);
  EXPECT_EQ(laid.Count("frame "), 2);
  EXPECT_EQ(laid.canvas.calls[2], "frame 10,29-110,31 1 sunken"); // below "a", 8 between
  EXPECT_EQ(laid.Text("b").baseline, 31 + 8 + 12);
  EXPECT_EQ(laid.canvas.calls[4], "fill 10,63-60,67 #808080");
  EXPECT_EQ(laid.canvas.calls[5], "frame 45,75-75,77 1 sunken"); // the spaces between meet
}

TEST(Layout, PicturesTakeGivenOrNaturalSizes) {
  std::map<std::string, ImageSize> pictures{{"p.gif", {30, 20, true}}};
  EXPECT_EQ(Laid("<img src=p.gif>", 400, {}, {}, pictures).canvas.calls[1],
            "picture p.gif 10,5-40,25");
  EXPECT_EQ(Laid("<img src=p.gif width=60>", 400, {}, {}, pictures).canvas.calls[1],
            "picture p.gif 10,5-70,45");
  EXPECT_EQ(
      Laid("<img src=p.gif width=10 height=10 hspace=2 vspace=3 border=1>", 400, {}, {}, pictures)
          .canvas.calls[5],
      "picture p.gif 13,9-23,19");
  Laid inline_("a<img src=p.gif>b", 400, {}, {}, pictures);
  EXPECT_EQ(inline_.canvas.calls[2], "picture p.gif 18,5-48,25");
  EXPECT_EQ(inline_.Text("a").baseline, 25);
  EXPECT_EQ(inline_.Text("b").x, 48);
  Laid top("a<img src=p.gif align=top>", 400, {}, {}, pictures);
  EXPECT_EQ(top.Text("a").baseline, 17);
  EXPECT_EQ(top.page.Height(), 5 + 20 + 5);
}

TEST(Layout, MissingOrHiddenPicturesShowAFrame) {
  Laid missing("<img src=none.gif alt=Hi>");
  EXPECT_EQ(missing.canvas.calls[1], "frame 10,5-34,29 1 sunken");
  EXPECT_EQ(missing.Text("Hi").x, 12);
  std::map<std::string, ImageSize> pictures{{"p.gif", {30, 20, true}}};
  PageSettings noImages;
  noImages.viewImages = false;
  Laid hidden("<img src=p.gif width=30 height=20>", 400, noImages, {}, pictures);
  EXPECT_EQ(hidden.canvas.calls[1], "frame 10,5-40,25 1 sunken");
  EXPECT_EQ(hidden.Count("picture "), 0);
}

TEST(Layout, FloatingPicturesLetTextFlowBeside) {
  std::map<std::string, ImageSize> pictures{{"p.gif", {30, 60, true}}};
  Laid laid("<img src=p.gif align=left>a<br>b<br>c<br clear=all>d", 400, {}, {}, pictures);
  EXPECT_EQ(laid.canvas.calls[1], "picture p.gif 10,5-40,65");
  EXPECT_EQ(laid.Text("a").x, 40);
  EXPECT_EQ(laid.Text("c").x, 40);
  EXPECT_EQ(laid.Text("d").x, 10);
  EXPECT_EQ(laid.Text("d").baseline, 65 + 12);
  Laid right("x<img src=p.gif align=right>y", 400, {}, {}, pictures);
  EXPECT_EQ(right.canvas.calls[2], "picture p.gif 360,21-390,81"); // after the line with x, y
  EXPECT_EQ(right.page.Height(), 81 + 5);
}

TEST(Layout, AnchorsGiveTheTopOfTheirLine) {
  Laid laid("<p>a</p><a name=here>b</a> <a name=Two></a><h1>c</h1>");
  EXPECT_EQ(laid.page.AnchorTop("here"), 5 + 16 + 16);
  EXPECT_EQ(laid.page.AnchorTop("HERE"), 5 + 16 + 16);
  EXPECT_EQ(laid.page.AnchorTop("Two"), 5 + 16 + 16);
  EXPECT_EQ(laid.page.AnchorTop("none"), std::nullopt);
}

TEST(Layout, LinksAreColouredUnderlinedAndHit) {
  std::set<std::string> visited{"seen.htm"};
  Laid laid("<a href=\"KONEC\">ab</a> cd <a href=seen.htm>ef</a>", 400, {}, visited);
  const DrawnText& link = laid.Text("ab");
  EXPECT_EQ(link.color, 0xFF0000u);
  EXPECT_TRUE(link.font.underline);
  EXPECT_EQ(laid.Text(" cd ").color, 0u);
  EXPECT_EQ(laid.Text("ef").color, 0x800080u);
  EXPECT_EQ(laid.page.LinkAt(10, 5), "KONEC");
  EXPECT_EQ(laid.page.LinkAt(25, 20), "KONEC");
  EXPECT_EQ(laid.page.LinkAt(26, 10), std::nullopt);
  EXPECT_EQ(laid.page.LinkAt(9, 10), std::nullopt);
  EXPECT_EQ(laid.page.LinkAt(10, 21), std::nullopt);
  EXPECT_EQ(laid.page.LinkAt(60, 10), "seen.htm");

  PageSettings plain;
  plain.underlineLinks = false;
  plain.link = 0x00FF00;
  EXPECT_FALSE(Laid("<a href=x>ab</a>", 400, plain).Texts()[0].font.underline);
  EXPECT_EQ(Laid("<a href=x>ab</a>", 400, plain).Texts()[0].color, 0x00FF00u);
  EXPECT_EQ(Laid("<body link=red><a href=x>ab</a>", 400, plain).Texts()[0].color, 0x0000FFu);
  EXPECT_EQ(Laid("<a href=x><font color=green>ab</font></a>").Texts()[0].color, 0x008000u);
}

TEST(Layout, LinkedPicturesGetABorderAndAreHit) {
  std::map<std::string, ImageSize> pictures{{"p.gif", {30, 20, true}}};
  Laid laid("<a href=\"mailto:x@y\"><img src=p.gif></a>", 400, {}, {}, pictures);
  EXPECT_EQ(laid.canvas.calls[1], "fill 10,5-44,7 #FF0000");
  EXPECT_EQ(laid.canvas.calls[5], "picture p.gif 12,7-42,27");
  EXPECT_EQ(laid.page.LinkAt(11, 6), "mailto:x@y");
  EXPECT_EQ(Laid("<a href=x><img src=p.gif border=0></a>", 400, {}, {}, pictures).Count("fill "),
            1);
}

TEST(Layout, PositionsAndSelection) {
  Laid laid("abc def<br>gh");
  Page& page = laid.page;
  EXPECT_EQ(page.PositionAt(10, 10).offset, 0);
  EXPECT_EQ(page.PositionAt(21, 10).offset, 1); // nearer the boundary at 18
  EXPECT_EQ(page.PositionAt(23, 10).offset, 2);
  EXPECT_EQ(page.PositionAt(500, 10).offset, 7); // end of the first line
  EXPECT_EQ(page.PositionAt(0, 0).offset, 0);
  EXPECT_EQ(page.PositionAt(19, 30).offset, 8); // "g|h"
  EXPECT_EQ(page.PositionAt(0, 500).offset, 9); // below all: the end
  EXPECT_FALSE(page.HasText(page.PositionAt(12, 10), page.PositionAt(13, 10)));
  EXPECT_TRUE(page.HasText({5}, {2}));
  EXPECT_EQ(page.SelectedText({2}, {9}), u"c def\r\ngh");

  FakeCanvas canvas;
  page.Paint(canvas, 0, {0, 0, 400, 100}, {3}, {1});
  EXPECT_EQ(canvas.calls[1], "text 'a' at 10,17 Times New Roman 16 #000000");
  EXPECT_EQ(canvas.calls[2], "fill 18,5-34,21 #800000");
  EXPECT_EQ(canvas.calls[3], "text 'bc' at 18,17 Times New Roman 16 #FFFFFF");
  EXPECT_EQ(canvas.calls[4], "text ' def' at 34,17 Times New Roman 16 #000000");
}

TEST(Layout, PaintingScrollsAndClips) {
  Laid laid("a<br>b<br>c");
  FakeCanvas canvas;
  laid.page.Paint(canvas, 16, {0, 0, 400, 16}, {}, {});
  EXPECT_EQ(canvas.calls,
            (std::vector<std::string>{"fill 0,0-400,16 #C0C0C0",
                                      "text 'a' at 10,1 Times New Roman 16 #000000",
                                      "text 'b' at 10,17 Times New Roman 16 #000000"}));
}

TEST(Layout, PicturePage) {
  FakeCanvas canvas;
  canvas.pictures["Z:/disc/a.bmp"] = {100, 50, true};
  Page page = Page::ForPicture("Z:/disc/a.bmp");
  page.Layout(300, canvas, {}, {});
  EXPECT_EQ(page.Height(), 60);
  page.Paint(canvas, 0, {0, 0, 300, 200}, {}, {});
  EXPECT_EQ(canvas.calls[1], "picture Z:/disc/a.bmp 10,5-110,55");
}

} // namespace
} // namespace html::test
