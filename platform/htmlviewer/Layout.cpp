#include "Layout.h"
#include "Ascii.h"
#include "Page.h"
#include "Values.h"
#include <algorithm>

namespace html {
namespace {

constexpr Color kRuleGray = 0x808080;

bool EqualsNoCase(const std::string* v, std::string_view word) {
  return v && html::EqualsNoCase(*v, word);
}

// Vertical space around blocks, and their indents.
struct BlockBox {
  bool block = false;
  int before = 0, after = 0, indentLeft = 0, indentRight = 0;
};

constexpr int kIndent = 40;

std::u16string Roman(int n, bool upper) {
  static constexpr struct {
    int value;
    const char* text;
  } kDigits[] = {{1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"},
                 {90, "xc"},  {50, "l"},   {40, "xl"}, {10, "x"},   {9, "ix"},
                 {5, "v"},    {4, "iv"},   {1, "i"}};
  std::u16string s;
  for (const auto& d : kDigits)
    for (; n >= d.value; n -= d.value)
      for (const char* p = d.text; *p; ++p)
        s += char16_t(upper ? *p - 32 : *p);
  return s;
}

std::u16string Decimal(int n) {
  std::u16string s;
  bool minus = n < 0;
  unsigned v = minus ? 0u - unsigned(n) : unsigned(n);
  do
    s.insert(s.begin(), char16_t('0' + v % 10));
  while (v /= 10);
  if (minus)
    s.insert(s.begin(), u'-');
  return s;
}

std::u16string ListNumber(int n, char type) {
  if ((type == 'i' || type == 'I') && n > 0 && n < 4000)
    return Roman(n, type == 'I');
  if ((type == 'a' || type == 'A') && n > 0) {
    std::u16string s;
    for (; n > 0; n = (n - 1) / 26)
      s.insert(s.begin(), char16_t(type + (n - 1) % 26));
    return s;
  }
  return Decimal(n);
}

int BulletShape(const std::string* type, int fallback) {
  return EqualsNoCase(type, "disc")     ? 0
         : EqualsNoCase(type, "circle") ? 1
         : EqualsNoCase(type, "square") ? 2
                                        : fallback;
}

} // namespace

Engine::Engine(TextMeasurer& m, const PageSettings& s, const std::set<std::string>& v,
               LayoutResult& o)
    : measurer(m), settings(s), visited(v), out(o), fonts(m, o.fonts), styles(s) {}

ImageSize Engine::PictureSize(const std::string& src) {
  for (const auto& [name, size] : pictures_)
    if (name == src)
      return size;
  pictures_.emplace_back(src, measurer.PictureSize(src));
  return pictures_.back().second;
}

void Engine::Children(const Node& n, const Style& s, Flow& flow) {
  for (const auto& child : n.children)
    Walk(*child, s, flow);
}

void Engine::Walk(const Node& n, const Style& st, Flow& flow) {
  switch (n.tag) {
  case Tag::Text:
    flow.Text(n.text, st, Font(st));
    return;
  case Tag::Select:
    return;
  case Tag::Br: {
    flow.Break(Font(st));
    const std::string* clear = n.Find("clear");
    bool all = EqualsNoCase(clear, "all") || EqualsNoCase(clear, "both");
    flow.Clear(all || EqualsNoCase(clear, "left"), all || EqualsNoCase(clear, "right"));
    return;
  }
  case Tag::Wbr:
    flow.BreakOpportunity();
    return;
  case Tag::Img:
    Image(n, st, flow);
    return;
  case Tag::Basefont:
    if (const std::string* size = n.Find("size")) {
      Node font;
      font.tag = Tag::Font;
      font.attributes.push_back({"size", *size});
      styles.baseFont = styles.Apply(font, st).size;
    }
    return;
  case Tag::Hr:
    Rule(n, st, flow);
    return;
  case Tag::Table:
    Table(n, st, flow);
    return;
  case Tag::A: {
    Style s = st;
    const std::string* name = n.Find("name");
    if (!name)
      name = n.Find("id");
    if (name)
      flow.Anchor(*name);
    if (const std::string* href = n.Find("href")) {
      s.link = int(out.links.size());
      out.links.push_back(*href);
      s.color = visited.count(*href) ? visitedColor : linkColor;
      s.underline = s.underline || settings.underlineLinks;
    }
    Children(n, s, flow);
    return;
  }
  default:
    break;
  }
  Style s = styles.Apply(n, st);
  int em = FontPixels(s.size, settings);
  BlockBox box;
  box.block = true;
  switch (n.tag) {
  case Tag::P:
  case Tag::Pre:
  case Tag::Xmp:
  case Tag::Listing:
    box.before = box.after = em;
    break;
  case Tag::H1:
  case Tag::H2:
  case Tag::H3:
  case Tag::H4:
  case Tag::H5:
  case Tag::H6: {
    static constexpr int kHundredths[6] = {67, 83, 100, 133, 167, 233};
    box.before = box.after = em * kHundredths[int(n.tag) - int(Tag::H1)] / 100;
    break;
  }
  case Tag::Ul:
  case Tag::Ol:
  case Tag::Dir:
  case Tag::Menu:
    box.indentLeft = kIndent;
    [[fallthrough]];
  case Tag::Dl:
    if (lists_.empty())
      box.before = box.after = em;
    break;
  case Tag::Blockquote:
    box.before = box.after = em;
    box.indentLeft = box.indentRight = kIndent;
    break;
  case Tag::Dd:
    box.indentLeft = kIndent;
    break;
  case Tag::Form:
    box.after = em;
    break;
  case Tag::Address:
  case Tag::Center:
  case Tag::Div:
  case Tag::Dt:
  case Tag::Li:
  case Tag::Tr:
  case Tag::Td:
  case Tag::Th:
    break;
  default:
    box.block = false;
    break;
  }
  if (!box.block) {
    Children(n, s, flow);
    return;
  }
  flow.EndLine();
  flow.Space(box.before);
  int left = flow.left, right = flow.right;
  Align align = flow.align;
  size_t lists = lists_.size();
  flow.left += box.indentLeft;
  flow.right -= box.indentRight;
  flow.align = s.align;
  switch (n.tag) {
  case Tag::Ol: {
    const std::string* type = n.Find("type");
    char t = type && type->size() == 1 &&
                     std::string_view("aAiI").find((*type)[0]) != std::string_view::npos
                 ? (*type)[0]
                 : '1';
    const std::string* start = n.Find("start");
    lists_.push_back({n.tag, start ? ParseNumber(*start).value_or(1) : 1, t});
    break;
  }
  case Tag::Ul:
  case Tag::Dir:
  case Tag::Menu:
  case Tag::Dl:
    lists_.push_back({n.tag, 0, char(BulletShape(n.Find("type"), -1) + '1')});
    break;
  case Tag::Li:
    ListItem(n, s, flow);
    break;
  default:
    break;
  }
  Children(n, s, flow);
  if (flow.HasMarker())
    flow.Break(Font(s)); // an empty item still shows its marker
  flow.EndLine();
  flow.Space(box.after);
  flow.left = left;
  flow.right = right;
  flow.align = align;
  lists_.resize(lists);
}

void Engine::ListItem(const Node& n, const Style& s, Flow& flow) {
  if (flow.measuring)
    return;
  Style plain = s;
  plain.underline = false;
  Marker m;
  m.x = flow.left;
  m.font = Font(plain);
  m.color = s.color;
  List* list = nullptr;
  for (auto it = lists_.rbegin(); it != lists_.rend() && !list; ++it)
    if (it->tag != Tag::Dl)
      list = &*it;
  if (list && list->tag == Tag::Ol) {
    if (const std::string* value = n.Find("value"))
      if (auto v = ParseNumber(*value))
        list->counter = *v;
    const std::string* type = n.Find("type");
    char t = type && type->size() == 1 &&
                     std::string_view("1aAiI").find((*type)[0]) != std::string_view::npos
                 ? (*type)[0]
                 : list->type;
    m.shape = 3;
    std::u16string text = ListNumber(list->counter, t) + u".";
    m.length = int(std::min(text.size(), std::size(m.text)));
    std::copy_n(text.begin(), m.length, m.text);
    if (list->counter < 1000000)
      ++list->counter;
  } else {
    int depth = 0;
    for (const List& l : lists_)
      depth += l.tag != Tag::Ol && l.tag != Tag::Dl;
    int shape = depth <= 1 ? 0 : depth == 2 ? 1 : 2;
    if (list && list->type != '0')
      shape = list->type - '1';
    m.shape = BulletShape(n.Find("type"), shape);
  }
  flow.SetMarker(m);
}

void Engine::Image(const Node& n, const Style& st, Flow& flow) {
  const std::string* srcAttr = n.Find("src");
  std::string src = srcAttr ? *srcAttr : std::string();
  ImageSize natural;
  if (settings.viewImages && !src.empty())
    natural = PictureSize(src);
  if (natural.valid) {
    natural.width = std::clamp(natural.width, 0, 10000);
    natural.height = std::clamp(natural.height, 0, 10000);
  }
  int w = -1, h = -1;
  if (const std::string* width = n.Find("width"))
    if (auto l = ParseLength(*width))
      w = !l->percent      ? l->value
          : flow.measuring ? 0
                           : std::max(0, l->Resolve(flow.right - flow.left));
  if (const std::string* height = n.Find("height"))
    if (auto l = ParseLength(*height); l && !l->percent)
      h = l->value;
  Picture pic;
  if (!flow.measuring) {
    pic.source = int(out.sources.size());
    out.sources.push_back(src);
  }
  pic.alt = &n.text;
  pic.altFont = Font(st);
  pic.altColor = st.color;
  pic.placeholder = !natural.valid;
  if (natural.valid) {
    if (w < 0 && h < 0) {
      w = natural.width;
      h = natural.height;
    } else if (w < 0) {
      w = natural.height > 0 ? int(static_cast<long long>(h) * natural.width / natural.height) : h;
    } else if (h < 0) {
      h = natural.width > 0 ? int(static_cast<long long>(w) * natural.height / natural.width) : w;
    }
  } else {
    const FontMetrics& m = fonts.Metrics(pic.altFont);
    if (w < 0)
      w = n.text.empty() ? 16 : fonts.TextWidth(pic.altFont, n.text) + 8;
    if (h < 0)
      h = n.text.empty() ? 16 : m.Height() + 8;
  }
  pic.width = std::min(w, 10000);
  pic.height = std::min(h, 10000);
  const std::string* border = n.Find("border");
  pic.border = border ? ParseNumber(*border, 100).value_or(1) : st.link >= 0 ? 2 : 0;
  pic.borderColor = st.color;
  if (const std::string* v = n.Find("hspace"))
    pic.hspace = ParseNumber(*v, 1000).value_or(0);
  if (const std::string* v = n.Find("vspace"))
    pic.vspace = ParseNumber(*v, 1000).value_or(0);
  Piece p;
  p.link = st.link;
  p.width = pic.width + 2 * (pic.border + pic.hspace);
  int total = pic.height + 2 * (pic.border + pic.vspace);
  const std::string* align = n.Find("align");
  bool floatLeft = EqualsNoCase(align, "left"), floatRight = EqualsNoCase(align, "right");
  if (EqualsNoCase(align, "top") || EqualsNoCase(align, "texttop")) {
    p.topAligned = true;
    p.ascent = total;
  } else if (EqualsNoCase(align, "middle") || EqualsNoCase(align, "absmiddle") ||
             EqualsNoCase(align, "center")) {
    p.ascent = (total + 1) / 2;
    p.descent = total / 2;
  } else {
    p.ascent = total;
  }
  flow.AddPicture(pic, p, floatLeft || floatRight, floatLeft);
}

void Engine::Rule(const Node& n, const Style& s, Flow& flow) {
  int em = FontPixels(s.size, settings);
  flow.EndLine();
  flow.Space(em / 2);
  std::optional<Length> width;
  if (const std::string* v = n.Find("width"))
    width = ParseLength(*v);
  int size = 2;
  if (const std::string* v = n.Find("size"))
    size = std::max(1, ParseNumber(*v, 1000).value_or(2));
  if (flow.measuring) {
    int w = width && !width->percent ? width->value : 0;
    flow.MeasureBlock(w, w);
  } else {
    int avail = std::max(0, flow.right - flow.left);
    int w = width ? width->Resolve(avail) : avail;
    auto mark = out.Here();
    Item item;
    item.rect = {0, 0, w, size};
    if (n.Find("noshade")) {
      item.kind = Item::Kind::Fill;
      item.color = kRuleGray;
    } else {
      item.kind = Item::Kind::Frame;
      item.frameWidth = 1;
      item.sunken = true;
    }
    out.items.push_back(std::move(item));
    flow.Block(mark, w, size, ParseAlign(n.Find("align"), Align::Center), false);
  }
  flow.Space(em / 2);
}

void LayoutDocument(const Document& doc, int width, TextMeasurer& measurer,
                    const PageSettings& settings, const std::set<std::string>& visited,
                    LayoutResult& out) {
  out = LayoutResult();
  out.highlight = settings.highlight;
  out.highlightText = settings.highlightText;
  auto color = [&](const char* name, Color fallback) {
    const std::string* v = doc.BodyAttribute(name);
    return v ? ParseColor(*v).value_or(fallback) : fallback;
  };
  out.background = color("bgcolor", settings.background);
  if (const std::string* image = doc.BodyAttribute("background");
      image && !image->empty() && settings.viewImages) {
    ImageSize size = measurer.PictureSize(*image);
    if (size.valid && size.width > 0 && size.height > 0) {
      out.backgroundImage = *image;
      out.backgroundSize = size;
    }
  }
  Engine engine(measurer, settings, visited, out);
  engine.linkColor = color("link", settings.link);
  engine.visitedColor = color("vlink", settings.visitedLink);
  Style s;
  s.color = color("text", settings.text);
  int left = settings.marginWidth;
  Flow flow(engine.fonts, out, left, std::max(left, width - settings.marginWidth),
            settings.marginHeight, false);
  engine.Children(doc.root, s, flow);
  flow.EndLine();
  out.height = flow.Bottom() + settings.marginHeight;
  int right = 0;
  for (const Item& item : out.items)
    right = std::max(right, item.rect.right);
  out.width = right + settings.marginWidth;
}

} // namespace html
