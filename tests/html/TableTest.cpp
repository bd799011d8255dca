// Tables: cell spacing 2 and padding 1 by default, so a cell's text starts
// 3 pixels right of the previous column's end.
#include "TestPage.h"
#include <gtest/gtest.h>

namespace html::test {
namespace {

struct ColumnCase {
  const char* source;
  std::vector<int> xs; // of the texts, in order
};

void PrintTo(const ColumnCase& c, std::ostream* os) {
  *os << Quoted(c.source);
}

class Columns : public testing::TestWithParam<ColumnCase> {};

TEST_P(Columns, GetTheirWidths) {
  Laid laid(GetParam().source, 420); // 400 for the table
  std::vector<int> xs;
  for (const DrawnText& t : laid.Texts())
    xs.push_back(t.x);
  EXPECT_EQ(xs, GetParam().xs) << GetParam().source;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Columns,
    testing::Values(
        // widest content: 18 and 34
        ColumnCase{"<table><tr><td>aa<td>bbbb</table>", {13, 33}},
        // 394 shared in proportion to 18 : 34
        ColumnCase{"<table width=100%><tr><td>aa<td>bbbb</table>", {13, 151}},
        ColumnCase{"<table width=200><tr><td width=50>a<td>b</table>", {13, 65}},
        ColumnCase{"<table width=400><tr><td width=25%>a<td>b</table>", {13, 113}},
        ColumnCase{"<table cellpadding=5 cellspacing=0><tr><td>a<td>b</table>", {15, 33}},
        ColumnCase{"<table border=1 cellspacing=0 cellpadding=0><tr><td>a<td>b</table>", {12, 22}},
        // the spanning cell widens both columns alike
        ColumnCase{"<table><tr><td colspan=2>aaaaaaaaaa<tr><td>a<td>b</table>", {13, 13, 55}},
        ColumnCase{"<table><tr><td rowspan=2>a<td>b<tr><td>c</table>", {13, 25, 25}},
        // a column only spanned stays empty, with its spacing
        ColumnCase{"<table><tr><td>a<td>b</tr><tr><td colspan=3>cc<td>d</table>", {13, 25, 13, 39}},
        ColumnCase{"<center><table><tr><td>ab</table></center>", {10 + (400 - 22) / 2 + 3}},
        ColumnCase{"<table align=right><tr><td>ab</table>", {410 - 22 + 3}},
        // 200 wide at 110: columns of 18 + 106 and 10 + 60
        ColumnCase{"<table width=50% align=center><tr><td align=center>ab<td align=right>c</table>",
                   {113 + (122 - 16) / 2, 239 + 68 - 8}}));

TEST(Table, NarrowWindowWrapsCellsToTheirNarrowest) {
  Laid laid("<table><tr><td>aaaa bbbb<td>cc</table>", 60);
  EXPECT_EQ(laid.Text("aaaa").x, 13);
  EXPECT_EQ(laid.Text("bbbb").x, 13);
  EXPECT_EQ(laid.Text("bbbb").baseline, laid.Text("aaaa").baseline + 16);
  EXPECT_EQ(laid.Text("cc").x, 13 + 34 + 2);
}

TEST(Table, RowsAlignCellsVertically) {
  Laid laid("<table><tr><td>a<br>b<br>c<td>m<td valign=top>t<td valign=bottom>z</table>");
  int top = laid.Text("a").baseline;
  EXPECT_EQ(laid.Text("m").baseline, top + 16);
  EXPECT_EQ(laid.Text("t").baseline, top);
  EXPECT_EQ(laid.Text("z").baseline, top + 32);
  // border 0, spacing 2, padding 1
  EXPECT_EQ(top, 5 + 2 + 1 + 12);
  EXPECT_EQ(laid.page.Height(), 5 + 2 + 1 + 48 + 1 + 2 + 5);
}

TEST(Table, BordersBackgroundsAndFrames) {
  Laid laid("<table border=2 cellspacing=3 cellpadding=0 bgcolor=silver><tr bgcolor=red>"
            "<td>a<td bgcolor=#00FF00>b</table>");
  std::vector<std::string> expected{
      "fill 0,0-400,38 #C0C0C0", // page background
      "fill 10,5-43,33 #C0C0C0", // table: 2 + 3 + (1+8+1) + 3 + (1+8+1) + 3 + 2 wide
      "frame 10,5-43,33 2 raised",
      "fill 15,10-25,28 #0000FF",
      "frame 15,10-25,28 1 sunken",
      "text 'a' at 16,23 Times New Roman 16 #000000",
      "fill 28,10-38,28 #00FF00",
      "frame 28,10-38,28 1 sunken",
      "text 'b' at 29,23 Times New Roman 16 #000000"};
  EXPECT_EQ(laid.canvas.calls, expected);
}

TEST(Table, CellsStartFromThePagesTextSizeAndHeadersAreBoldCentred) {
  Laid laid("<font size=5><b><table><tr><th>hh<td>d</table></b></font><font size=5>x");
  EXPECT_EQ(laid.Text("hh").font.pixelHeight, 16);
  EXPECT_TRUE(laid.Text("hh").font.bold);
  EXPECT_FALSE(laid.Text("d").font.bold);
  EXPECT_EQ(laid.Text("x").font.pixelHeight, 24);
}

TEST(Table, LinksAndAnchorsInsideCellsMoveWithThem) {
  Laid laid("<p>x</p><table><tr><td>a<br>b<td><a name=c href=go>c</a></table>");
  int top = laid.Text("c").baseline - 12;
  EXPECT_EQ(laid.page.AnchorTop("c"), top);
  EXPECT_EQ(laid.page.LinkAt(laid.Text("c").x + 1, top + 1), "go");
  EXPECT_EQ(laid.Text("c").baseline, laid.Text("a").baseline + 8);
}

TEST(Table, NestedTablesAndEmptyOnes) {
  Laid laid("<table><tr><td><table border=1><tr><td>in</table><td>out</table><table></table>z");
  EXPECT_EQ(laid.Text("in").x, 13 + 1 + 2 + 1 + 1);
  EXPECT_EQ(laid.Count("frame "), 2);
  EXPECT_EQ(laid.Text("z").x, 10);
}

} // namespace
} // namespace html::test
