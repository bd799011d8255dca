#include "FakeCanvas.h"
#include "Parser.h"
#include <gtest/gtest.h>

namespace html::test {
namespace {

std::string NameOf(Tag tag) {
  for (const char* name :
       {"a",   "b",  "br", "center", "dd",  "div",    "dl",    "dt", "font", "h1", "h2", "i",
        "img", "li", "ol", "p",      "pre", "select", "table", "td", "th",   "tr", "ul"})
    if (TagOfName(name) == tag)
      return name;
  return "?";
}

// The tree as "p('text' b('bold'))".
std::string Dump(const Node& n) {
  std::string s;
  for (const auto& child : n.children) {
    if (!s.empty())
      s += ' ';
    if (child->tag == Tag::Text)
      s += "'" + Utf8(child->text) + "'";
    else
      s += NameOf(child->tag) + "(" + Dump(*child) + ")";
  }
  return s;
}

Document Parsed(std::string_view source) {
  Document doc;
  ParseDocument(source, 1252, {}, doc);
  return doc;
}

struct TreeCase {
  const char* source;
  const char* tree;
};

void PrintTo(const TreeCase& c, std::ostream* os) {
  *os << Quoted(c.source);
}

class ImplicitClosing : public testing::TestWithParam<TreeCase> {};

TEST_P(ImplicitClosing, BuildsTheTreeBrowsersBuilt) {
  EXPECT_EQ(Dump(Parsed(GetParam().source).root), GetParam().tree) << GetParam().source;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImplicitClosing,
    testing::Values(
        TreeCase{"<p>a<p>b", "p('a') p('b')"}, TreeCase{"<p>a<div>b</div>c", "p('a') div('b') 'c'"},
        TreeCase{"<p>a<table><tr><td>b</table>", "p('a' table(tr(td('b'))))"},
        TreeCase{"a</p>b", "'a' p() 'b'"},
        TreeCase{"<ul><li>a<li>b</ul>c", "ul(li('a') li('b')) 'c'"},
        TreeCase{"<ol><li>a<ul><li>b</ul><li>c</ol>", "ol(li('a' ul(li('b'))) li('c'))"},
        TreeCase{"<dl><dt>a<dd>b<dt>c</dl>", "dl(dt('a') dd('b') dt('c'))"},
        TreeCase{"<h1>a<h2>b", "h1('a') h2('b')"},
        TreeCase{"<table><tr><td>a<td>b<tr><td>c</table>",
                 "table(tr(td('a') td('b')) tr(td('c')))"},
        TreeCase{"<table><td>a</td></table>", "table(tr(td('a')))"},
        TreeCase{"<table><tr><th>h<td><p>x<td>y</table>", "table(tr(th('h') td(p('x')) td('y')))"},
        TreeCase{"<table> x <tr> <td>y</table>", "' x ' table(tr(td('y')))"},
        TreeCase{"<table><tr><b><td>y</table>", "table(tr(td('y')))"},
        TreeCase{"<table><tr><td>a<table><tr><td>b</table>c</table>",
                 "table(tr(td('a' table(tr(td('b'))) 'c')))"},
        TreeCase{"<center><table><tr><td>x</center>y</table>z", "center(table(tr(td('xy'))) 'z')"},
        TreeCase{"<td>x</td>", "'x'"}, TreeCase{"<p><b>a<p>c", "p(b('a')) p(b('c'))"},
        TreeCase{"<b>a<i>b</b>c</i>d", "b('a' i('b')) i('c') 'd'"},
        TreeCase{"<p><b>a</p></b>c", "p(b('a')) 'c'"},
        TreeCase{"<b><table><tr><td>x</table>y</b>", "b(table(tr(td('x'))) 'y')"},
        TreeCase{"<a href=1>a<a href=2>b", "a('a') a('b')"},
        TreeCase{"<blink>a</blink><foo>b", "'ab'"},
        TreeCase{"a<!-- <b> -- x -->b<!doctype html>c<?x?>d", "'abcd'"},
        TreeCase{"a<!-- never closed <b>b", "'a'"},
        TreeCase{"x < y & z <3 </ a", "'x < y & z <3 </ a'"},
        TreeCase{"<pre>\nx\n</pre>", "pre('x\n')"},
        TreeCase{"<script>a<b></script>c<style>p{}</style>", "'c'"},
        TreeCase{"<select><option>a</select>b", "select('a') 'b'"},
        TreeCase{"<br/>a</br>", "br() 'a' br()"},
        TreeCase{"<html><head><title>t</title></head><body>x</body></html>", "'x'"}));

struct AttributeCase {
  const char* source;
  const char* attributes;
};

void PrintTo(const AttributeCase& c, std::ostream* os) {
  *os << Quoted(c.source);
}

class Attributes : public testing::TestWithParam<AttributeCase> {};

TEST_P(Attributes, ReadAsWritten) {
  Document doc = Parsed(GetParam().source);
  ASSERT_FALSE(doc.root.children.empty());
  std::string s;
  for (const Attribute& a : doc.root.children[0]->attributes)
    s += (s.empty() ? "" : " ") + a.name + "=" + a.value;
  EXPECT_EQ(s, GetParam().attributes) << GetParam().source;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Attributes,
    testing::Values(AttributeCase{"<font size=+2 color=#FF0000>", "size=+2 color=#FF0000"},
                    AttributeCase{"<a HREF='x y' Name=top>", "href=x y name=top"},
                    AttributeCase{"<hr noshade align=center>", "noshade= align=center"},
                    AttributeCase{"<img src=\"a.gif\" src=b.gif>", "src=a.gif"},
                    AttributeCase{"<p align = right >", "align=right"},
                    AttributeCase{"<a href=x/y/>", "href=x/y/"},
                    AttributeCase{"<a href=\"?a=1&amp;b=2&copy=3&#233;\">",
                                  "href=?a=1&b=2&copy=3&#233;"},
                    AttributeCase{"<a href=\"unclosed>text", "href=unclosed"}));

TEST(Parser, TitleAndBodyAttributes) {
  Document doc =
      Parsed("<title> A &amp;\n B </title><body bgcolor=white text=navy>x<body bgcolor=red>");
  EXPECT_EQ(doc.title, u"A & B");
  ASSERT_NE(doc.BodyAttribute("bgcolor"), nullptr);
  EXPECT_EQ(*doc.BodyAttribute("bgcolor"), "white");
}

TEST(Parser, AltTextIsDecodedText) {
  Document doc = Parsed("<img src=a.gif alt=\"A &amp; &copy B\">");
  ASSERT_EQ(doc.root.children.size(), 1u);
  EXPECT_EQ(doc.root.children[0]->text, u"A & \u00A9 B");
}

TEST(Parser, DeepNestingStaysBounded) {
  std::string source;
  for (int i = 0; i < 5000; ++i)
    source += i % 2 ? "<div>" : "<b>";
  source += "x";
  Document doc = Parsed(source);
  int depth = 0;
  for (const Node* n = &doc.root; !n->children.empty(); n = n->children.back().get())
    ++depth;
  EXPECT_LE(depth, 251);
}

} // namespace
} // namespace html::test
