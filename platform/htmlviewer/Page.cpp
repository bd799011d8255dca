#include "Page.h"
#include "Charset.h"
#include "DisplayList.h"
#include "Dom.h"
#include "HitTest.h"
#include "Layout.h"
#include "Paint.h"
#include "Parser.h"
#include "Values.h"

namespace html {

Page::Page() : doc_(std::make_unique<Document>()), layout_(std::make_unique<LayoutResult>()) {}
Page::~Page() = default;
Page::Page(Page&&) noexcept = default;
Page& Page::operator=(Page&&) noexcept = default;

Page Page::Parse(std::string_view bytes, int defaultCodePage, const Decoder& decode) {
  Page page;
  int codePage = DeclaredCodePage(bytes);
  std::string transcoded;
  if (codePage == 1200 || codePage == 1201) {
    transcoded = Utf16ToUtf8(bytes.substr(2), codePage == 1201);
    bytes = transcoded;
    codePage = kCodePageUtf8;
  }
  ParseDocument(bytes, codePage ? codePage : defaultCodePage, decode, *page.doc_);
  return page;
}

Page Page::ForPicture(const std::string& src) {
  Page page;
  auto img = std::make_unique<Node>();
  img->tag = Tag::Img;
  img->attributes.push_back({"src", src});
  page.doc_->root.children.push_back(std::move(img));
  return page;
}

int Page::CodePage() const {
  return doc_->codePage;
}
const std::u16string& Page::Title() const {
  return doc_->title;
}

Color Page::Background(const PageSettings& settings) const {
  const std::string* v = doc_->BodyAttribute("bgcolor");
  return v ? ParseColor(*v).value_or(settings.background) : settings.background;
}

void Page::Layout(int width, TextMeasurer& measurer, const PageSettings& settings,
                  const std::set<std::string>& visited) {
  LayoutDocument(*doc_, width, measurer, settings, visited, *layout_);
}

int Page::Height() const {
  return layout_->height;
}
int Page::Width() const {
  return layout_->width;
}

void Page::Paint(Canvas& canvas, int scrollY, const Rect& clip, TextPosition selStart,
                 TextPosition selEnd) const {
  PaintLayout(*layout_, canvas, scrollY, clip, selStart.offset, selEnd.offset);
}

std::optional<std::string> Page::LinkAt(int x, int y) const {
  return LinkAtPoint(*layout_, x, y);
}

std::optional<int> Page::AnchorTop(const std::string& name) const {
  return AnchorY(*layout_, name);
}

TextPosition Page::PositionAt(int x, int y) const {
  return {TextOffsetAt(*layout_, x, y)};
}

bool Page::HasText(TextPosition a, TextPosition b) const {
  return !TextBetween(*layout_, a.offset, b.offset).empty();
}

std::u16string Page::SelectedText(TextPosition a, TextPosition b) const {
  return TextBetween(*layout_, a.offset, b.offset);
}

} // namespace html
