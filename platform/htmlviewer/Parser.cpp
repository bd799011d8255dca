#include "Parser.h"
#include "Charset.h"
#include "Entities.h"
#include "Tokenizer.h"
#include <algorithm>

namespace html {

Tag TagOfName(std::string_view name) {
  struct Entry {
    const char* name;
    Tag tag;
  };
  static constexpr Entry kTags[] = {
      {"a", Tag::A},
      {"address", Tag::Address},
      {"b", Tag::B},
      {"basefont", Tag::Basefont},
      {"big", Tag::Big},
      {"blockquote", Tag::Blockquote},
      {"body", Tag::Body},
      {"br", Tag::Br},
      {"caption", Tag::Caption},
      {"center", Tag::Center},
      {"cite", Tag::Cite},
      {"code", Tag::Code},
      {"dd", Tag::Dd},
      {"dfn", Tag::Dfn},
      {"dir", Tag::Dir},
      {"div", Tag::Div},
      {"dl", Tag::Dl},
      {"dt", Tag::Dt},
      {"em", Tag::Em},
      {"font", Tag::Font},
      {"form", Tag::Form},
      {"h1", Tag::H1},
      {"h2", Tag::H2},
      {"h3", Tag::H3},
      {"h4", Tag::H4},
      {"h5", Tag::H5},
      {"h6", Tag::H6},
      {"head", Tag::Head},
      {"hr", Tag::Hr},
      {"html", Tag::Html},
      {"i", Tag::I},
      {"img", Tag::Img},
      {"kbd", Tag::Kbd},
      {"li", Tag::Li},
      {"listing", Tag::Listing},
      {"menu", Tag::Menu},
      {"meta", Tag::Meta},
      {"nobr", Tag::Nobr},
      {"ol", Tag::Ol},
      {"p", Tag::P},
      {"pre", Tag::Pre},
      {"s", Tag::S},
      {"samp", Tag::Samp},
      {"script", Tag::Script},
      {"select", Tag::Select},
      {"small", Tag::Small},
      {"span", Tag::Span},
      {"strike", Tag::Strike},
      {"strong", Tag::Strong},
      {"style", Tag::Style},
      {"sub", Tag::Sub},
      {"sup", Tag::Sup},
      {"table", Tag::Table},
      {"tbody", Tag::Tbody},
      {"td", Tag::Td},
      {"textarea", Tag::Textarea},
      {"tfoot", Tag::Tfoot},
      {"th", Tag::Th},
      {"thead", Tag::Thead},
      {"title", Tag::Title},
      {"tr", Tag::Tr},
      {"tt", Tag::Tt},
      {"u", Tag::U},
      {"ul", Tag::Ul},
      {"var", Tag::Var},
      {"wbr", Tag::Wbr},
      {"xmp", Tag::Xmp},
  };
  auto less = [](const Entry& e, std::string_view n) { return std::string_view(e.name) < n; };
  auto it = std::lower_bound(std::begin(kTags), std::end(kTags), name, less);
  return it != std::end(kTags) && it->name == name ? it->tag : Tag::Unknown;
}

namespace {

// Deeper nesting than this is ignored: no page needs it, and it keeps the
// recursive layout within a small stack. Formatting gives up first, so that
// a page's unclosed <font>s do not swallow its later paragraphs.
constexpr size_t kMaxDepth = 250;
constexpr size_t kMaxFormattingDepth = 100;
// At most this many formatting elements are opened again after a block.
constexpr size_t kMaxReopened = 12;

bool IsVoid(Tag t) {
  return t == Tag::Br || t == Tag::Hr || t == Tag::Img || t == Tag::Basefont || t == Tag::Wbr;
}

bool IsHeading(Tag t) {
  return t >= Tag::H1 && t <= Tag::H6;
}

bool IsFormatting(Tag t) {
  switch (t) {
  case Tag::A:
  case Tag::B:
  case Tag::Big:
  case Tag::Cite:
  case Tag::Code:
  case Tag::Dfn:
  case Tag::Em:
  case Tag::Font:
  case Tag::I:
  case Tag::Kbd:
  case Tag::Nobr:
  case Tag::S:
  case Tag::Samp:
  case Tag::Small:
  case Tag::Strike:
  case Tag::Strong:
  case Tag::Sub:
  case Tag::Sup:
  case Tag::Tt:
  case Tag::U:
  case Tag::Var:
    return true;
  default:
    return false;
  }
}

// Blocks that end an open paragraph. A table does not, as in the browsers.
bool ClosesParagraph(Tag t) {
  switch (t) {
  case Tag::Address:
  case Tag::Blockquote:
  case Tag::Center:
  case Tag::Dd:
  case Tag::Dir:
  case Tag::Div:
  case Tag::Dl:
  case Tag::Dt:
  case Tag::Form:
  case Tag::Hr:
  case Tag::Li:
  case Tag::Listing:
  case Tag::Menu:
  case Tag::Ol:
  case Tag::P:
  case Tag::Pre:
  case Tag::Ul:
  case Tag::Xmp:
    return true;
  default:
    return IsHeading(t);
  }
}

// End tags and implicit closing do not reach out of a table or a cell.
bool IsScopeBoundary(Tag t) {
  return t == Tag::Root || t == Tag::Table || t == Tag::Td || t == Tag::Th;
}

bool IsTableContext(Tag t) {
  return t == Tag::Table || t == Tag::Tr;
}

bool IsSpace(char16_t c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

class TreeBuilder {
public:
  TreeBuilder(Document& doc, int codePage, const Decoder& decode)
      : doc_(doc), codePage_(codePage), decode_(decode) {
    open_.push_back(&doc.root);
  }

  void Add(const Token& t) {
    Tag raw = rawOwner_;
    rawOwner_ = Tag::Unknown;
    bool skipNewline = skipNewline_;
    skipNewline_ = false;
    if (t.kind == Token::Kind::Text) {
      if (raw == Tag::Title) {
        if (doc_.title.empty())
          doc_.title = Collapse(Decode(t.text, false));
      } else if (raw == Tag::Unknown) {
        AddText(Decode(t.text, t.raw), skipNewline);
      }
      return;
    }
    Tag tag = TagOfName(t.name);
    if (tag == Tag::Unknown)
      return;
    if (t.kind == Token::Kind::Start)
      Start(tag, t);
    else
      End(tag, t);
  }

private:
  std::u16string Decode(std::string_view bytes, bool raw) {
    std::u16string s = codePage_ == kCodePageUtf8 ? DecodeUtf8(bytes)
                       : decode_                  ? decode_(bytes, codePage_)
                                                  : DecodeLatin1(bytes, codePage_);
    if (!raw)
      s = ResolveEntities(s, false);
    // Control characters other than white space show nothing.
    std::erase_if(s, [](char16_t c) { return (c < 0x20 && !IsSpace(c)) || c == 0x7F; });
    return s;
  }

  static std::u16string Collapse(const std::u16string& s) {
    std::u16string out;
    for (char16_t c : s) {
      if (IsSpace(c)) {
        if (!out.empty() && out.back() != ' ')
          out += ' ';
      } else {
        out += c;
      }
    }
    if (!out.empty() && out.back() == ' ')
      out.pop_back();
    return out;
  }

  Node* Current() const { return open_.back(); }

  // The innermost open element with the tag, not beyond a scope boundary.
  int FindInScope(Tag tag, Tag alsoStop = Tag::Unknown) const {
    for (int i = int(open_.size()) - 1; i > 0; --i) {
      Tag t = open_[i]->tag;
      if (t == tag || (tag == Tag::H1 && IsHeading(t)))
        return i;
      if (IsScopeBoundary(t) || t == alsoStop)
        return -1;
    }
    return -1;
  }

  // Closes open_[index] and everything above it. The formatting elements
  // above it are remembered to be opened again.
  void PopTo(int index, bool reopen) {
    std::vector<Node*> cut;
    for (int i = int(open_.size()) - 1; i > index; --i)
      if (reopen && IsFormatting(open_[i]->tag))
        cut.push_back(open_[i]);
    open_.resize(size_t(index));
    for (auto it = cut.rbegin(); it != cut.rend() && reopened_.size() < kMaxReopened; ++it)
      reopened_.push_back(*it);
  }

  void Reopen() {
    std::vector<Node*> list;
    list.swap(reopened_);
    for (Node* n : list) {
      if (open_.size() >= kMaxFormattingDepth)
        break;
      auto clone = std::make_unique<Node>();
      clone->tag = n->tag;
      clone->attributes = n->attributes;
      open_.push_back(Append(std::move(clone)));
    }
  }

  Node* Append(std::unique_ptr<Node> n) {
    Node* p = n.get();
    Current()->children.push_back(std::move(n));
    return p;
  }

  void AddText(std::u16string text, bool skipNewline) {
    if (skipNewline) {
      size_t n = text.starts_with(u"\r\n")                            ? 2
                 : text.starts_with(u"\n") || text.starts_with(u"\r") ? 1
                                                                      : 0;
      text.erase(0, n);
    }
    if (text.empty())
      return;
    Node* parent;
    size_t at;
    if (IsTableContext(Current()->tag)) {
      // Text between rows and cells: white space is dropped, other text is
      // shown before the table, as the browsers did.
      if (std::all_of(text.begin(), text.end(), IsSpace))
        return;
      parent = open_[size_t(FindTable() - 1)];
      at = parent->children.size() - 1; // the open table is its parent's last child
    } else {
      Reopen();
      parent = Current();
      at = parent->children.size();
    }
    if (at > 0 && parent->children[at - 1]->tag == Tag::Text) {
      parent->children[at - 1]->text += text;
      return;
    }
    auto n = std::make_unique<Node>();
    n->tag = Tag::Text;
    n->text = std::move(text);
    parent->children.insert(parent->children.begin() + long(at), std::move(n));
  }

  void Start(Tag tag, const Token& t) {
    switch (tag) {
    case Tag::Html:
    case Tag::Head:
    case Tag::Meta:
    case Tag::Tbody:
    case Tag::Thead:
    case Tag::Tfoot:
    case Tag::Caption:
      return;
    case Tag::Body:
      if (doc_.body.empty())
        doc_.body = Attributes(t);
      return;
    case Tag::Title:
    case Tag::Script:
    case Tag::Style:
    case Tag::Textarea:
      rawOwner_ = tag;
      return;
    default:
      break;
    }
    if (IsTableContext(Current()->tag) && tag != Tag::Tr && tag != Tag::Td && tag != Tag::Th) {
      // Markup between rows shows nothing; a table there ends the open one.
      if (tag != Tag::Table)
        return;
      PopTo(FindTable(), false);
    }
    switch (tag) {
    case Tag::Td:
    case Tag::Th: {
      int table = FindTable();
      if (table < 0)
        return;
      for (int i = int(open_.size()) - 1; i > table; --i)
        if (open_[i]->tag == Tag::Tr) {
          PopTo(i + 1, false);
          break;
        }
      if (Current()->tag == Tag::Table)
        Push(Tag::Tr, {});
      break;
    }
    case Tag::Tr: {
      int table = FindTable();
      if (table < 0)
        return;
      PopTo(table + 1, false);
      break;
    }
    case Tag::Li:
      CloseIn(Tag::Li, Tag::Ul, Tag::Ol);
      break;
    case Tag::Dt:
    case Tag::Dd:
      CloseIn(Tag::Dt, Tag::Dl, Tag::Unknown);
      CloseIn(Tag::Dd, Tag::Dl, Tag::Unknown);
      break;
    case Tag::A:
    case Tag::Nobr:
      if (int i = FindInScope(tag); i > 0)
        PopTo(i, true);
      break;
    default:
      break;
    }
    if (ClosesParagraph(tag)) {
      if (int i = FindInScope(Tag::P); i > 0)
        PopTo(i, true);
      if (IsHeading(tag))
        if (int i = FindInScope(Tag::H1); i > 0)
          PopTo(i, true);
    }
    bool block = ClosesParagraph(tag) || tag == Tag::Table || tag == Tag::Td || tag == Tag::Th;
    if (!block)
      Reopen();
    if (tag == Tag::Table || tag == Tag::Td || tag == Tag::Th || tag == Tag::Tr)
      reopened_.clear(); // formatting does not reach into a table's cells
    if (!IsVoid(tag) && open_.size() >= (IsFormatting(tag) ? kMaxFormattingDepth : kMaxDepth))
      return;
    Push(tag, Attributes(t));
    if (tag == Tag::Img)
      for (const TokenAttribute& a : t.attributes)
        if (a.name == "alt")
          Current()->children.back()->text = Decode(a.value, false);
    if (block && !IsVoid(tag))
      Reopen();
    if (tag == Tag::Pre || tag == Tag::Listing || tag == Tag::Xmp)
      skipNewline_ = true;
  }

  void End(Tag tag, const Token& t) {
    switch (tag) {
    case Tag::Br:
      Start(tag, t);
      return;
    case Tag::P:
      if (int i = FindInScope(Tag::P); i > 0) {
        PopTo(i, true);
      } else {
        // A lone </p> still makes a paragraph break.
        Push(Tag::P, {});
        open_.pop_back();
      }
      return;
    case Tag::Td:
    case Tag::Th:
    case Tag::Tr:
    case Tag::Table: {
      int table = FindTable();
      for (int i = int(open_.size()) - 1; table >= 0 && i >= table; --i)
        if (open_[i]->tag == tag || (tag == Tag::Td && open_[i]->tag == Tag::Th) ||
            (tag == Tag::Th && open_[i]->tag == Tag::Td)) {
          PopTo(i, false);
          reopened_.clear();
          break;
        }
      return;
    }
    default:
      if (IsFormatting(tag) || ClosesParagraph(tag) || tag == Tag::Span || tag == Tag::Select) {
        if (int i = FindInScope(IsHeading(tag) ? Tag::H1 : tag); i > 0) {
          PopTo(i, true);
        } else {
          // Closing what a block cut short: it is not opened again.
          for (auto it = reopened_.rbegin(); it != reopened_.rend(); ++it)
            if ((*it)->tag == tag) {
              reopened_.erase(std::next(it).base());
              break;
            }
        }
      }
      return;
    }
  }

  int FindTable() const {
    for (int i = int(open_.size()) - 1; i > 0; --i)
      if (open_[i]->tag == Tag::Table)
        return i;
    return -1;
  }

  // Closes an open `tag` unless one of the stop tags (or a boundary) comes first.
  void CloseIn(Tag tag, Tag stop1, Tag stop2) {
    for (int i = int(open_.size()) - 1; i > 0; --i) {
      Tag t = open_[i]->tag;
      if (t == tag) {
        PopTo(i, true);
        return;
      }
      if (t == stop1 || t == stop2 || t == Tag::Dir || t == Tag::Menu || IsScopeBoundary(t))
        return;
    }
  }

  void Push(Tag tag, std::vector<Attribute> attributes) {
    auto n = std::make_unique<Node>();
    n->tag = tag;
    n->attributes = std::move(attributes);
    Node* p = Append(std::move(n));
    if (!IsVoid(tag))
      open_.push_back(p);
  }

  static std::vector<Attribute> Attributes(const Token& t) {
    std::vector<Attribute> list;
    list.reserve(t.attributes.size());
    for (const TokenAttribute& a : t.attributes)
      list.push_back({a.name, ResolveAsciiEntities(a.value)});
    return list;
  }

  Document& doc_;
  int codePage_;
  const Decoder& decode_;
  std::vector<Node*> open_;
  std::vector<Node*> reopened_; // formatting elements to open again
  Tag rawOwner_ = Tag::Unknown;
  bool skipNewline_ = false;
};

} // namespace

void ParseDocument(std::string_view bytes, int codePage, const Decoder& decode, Document& doc) {
  doc.codePage = codePage;
  TreeBuilder builder(doc, codePage, decode);
  Tokenizer tokens(bytes);
  Token t;
  while (tokens.Next(t))
    builder.Add(t);
}

} // namespace html
