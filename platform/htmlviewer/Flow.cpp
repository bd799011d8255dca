#include "Flow.h"
#include "Fonts.h"
#include <algorithm>

namespace html {
namespace {

bool IsBlank(char16_t c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

} // namespace

// Text pieces of one look that follow each other in the buffer join.
bool Flow::Joins(const Piece& a, const Piece& b) const {
  return a.kind == Piece::Kind::Text && b.kind == Piece::Kind::Text && a.font == b.font &&
         a.color == b.color && a.link == b.link && a.pos + a.length == b.pos;
}

void Flow::Append(std::vector<Piece>& list, const Piece& p) {
  if (!list.empty() && Joins(list.back(), p)) {
    list.back().length += p.length;
    list.back().width += p.width;
  } else {
    list.push_back(p);
  }
}

Flow::Flow(FontTable& fonts, LayoutResult& out, int l, int r, int top, bool measure)
    : measuring(measure), left(l), right(measure ? kUnlimited : r), fonts_(fonts), out_(out),
      containerLeft_(l), y_(top) {}

int Flow::Bottom() const {
  return std::max(y_, floatBottom_);
}

int Flow::LeftEdge(int y) const {
  int x = left;
  for (const Float& f : floats_)
    if (f.leftSide && f.top <= y && y < f.bottom)
      x = std::max(x, f.right);
  return x;
}

int Flow::RightEdge(int y) const {
  int x = right;
  for (const Float& f : floats_)
    if (!f.leftSide && f.top <= y && y < f.bottom)
      x = std::min(x, f.left);
  return x;
}

int Flow::BelowFloatsAt(int y) const {
  int next = y;
  for (const Float& f : floats_)
    if (f.top <= y && y < f.bottom && (next == y || f.bottom < next))
      next = f.bottom;
  return next;
}

int Flow::FitY(int width, int from) const {
  int y = std::max(y_, from);
  while (width > RightEdge(y) - LeftEdge(y)) {
    int next = BelowFloatsAt(y);
    if (next == y)
      break;
    y = next;
  }
  return y;
}

void Flow::StartContent() {
  if (started_)
    y_ += pending_;
  pending_ = 0;
  started_ = true;
  // Floats above the line no longer matter.
  std::erase_if(floats_, [this](const Float& f) { return f.bottom <= y_; });
}

void Flow::AddFloat(const Float& f) {
  floats_.push_back(f);
  floatTop_ = f.top;
  floatBottom_ = std::max(floatBottom_, f.bottom);
}

void Flow::Space(int pixels) {
  pending_ = std::max(pending_, pixels);
}

void Flow::Text(std::u16string_view text, const Style& style, int font) {
  for (char16_t c : text) {
    if (style.pre) {
      bool lf = c == '\n' && afterCr_;
      afterCr_ = c == '\r';
      if (lf)
        continue;
      if (c == '\n' || c == '\r') {
        Break(font);
      } else if (c == '\t') {
        for (int n = 8 - column_ % 8; n > 0; --n)
          AppendToWord(' ', style, font);
      } else {
        AppendToWord(c, style, font);
      }
      continue;
    }
    afterCr_ = false;
    if (!IsBlank(c)) {
      AppendToWord(c, style, font);
      continue;
    }
    if (collapse_)
      continue;
    collapse_ = true;
    if (style.noWrap) {
      AppendToWord(' ', style, font);
      collapse_ = true;
      continue;
    }
    // The blank joins the line; it is dropped again if the line ends here.
    CommitWord();
    Piece p = CharPiece(u' ', style, font);
    lineWidth_ += p.width;
    trailing_ = p.width;
    Append(line_, p);
  }
}

Piece Flow::CharPiece(char16_t c, const Style& style, int font) {
  Piece p;
  p.font = font;
  p.color = style.color;
  p.link = style.link;
  p.pos = int(chars_.size());
  p.length = 1;
  p.width = fonts_.CharWidth(font, c);
  p.ascent = fonts_.Metrics(font).ascent;
  p.descent = fonts_.Metrics(font).descent;
  chars_ += c;
  return p;
}

void Flow::AppendToWord(char16_t c, const Style& style, int font) {
  Piece p = CharPiece(c, style, font);
  Append(word_, p);
  wordWidth_ += p.width;
  wordHasContent_ = true;
  collapse_ = false;
  ++column_;
}

void Flow::BreakOpportunity() {
  CommitWord();
}

void Flow::Anchor(std::string name) {
  if (measuring)
    return;
  Piece p;
  p.kind = Piece::Kind::Anchor;
  p.pos = int(out_.anchors.size());
  out_.anchors.push_back({std::move(name), y_});
  word_.push_back(p);
}

void Flow::AddPicture(const Picture& picture, Piece piece, bool floating, bool floatLeft) {
  piece.kind = Piece::Kind::Picture;
  piece.pos = int(pictures_.size());
  pictures_.push_back(picture);
  if (floating && !measuring) {
    if (lineHasContent_ || wordHasContent_)
      deferred_.push_back({piece, floatLeft});
    else
      PlaceFloat(piece, floatLeft);
    return;
  }
  CommitWord();
  wordWidth_ = piece.width;
  word_.push_back(piece);
  wordHasContent_ = true;
  CommitWord();
  collapse_ = false;
}

void Flow::CommitWord() {
  if (word_.empty())
    return;
  if (wordHasContent_) {
    if (!lineHasContent_) {
      StartContent();
      if (!measuring)
        y_ = FitY(wordWidth_, y_);
    } else if (!measuring && lineWidth_ + wordWidth_ > RightEdge(y_) - LeftEdge(y_)) {
      FinishLine(-1);
      StartContent();
      y_ = FitY(wordWidth_, y_);
    }
    minWidth = std::max(minWidth, left - containerLeft_ + wordWidth_);
    lineHasContent_ = true;
    trailing_ = 0;
  }
  for (const Piece& p : word_)
    Append(line_, p);
  lineWidth_ += wordWidth_;
  word_.clear();
  wordWidth_ = 0;
  wordHasContent_ = false;
}

void Flow::Break(int font) {
  FlushLine(font);
}

void Flow::EndLine() {
  FlushLine(-1);
}

void Flow::Clear(bool leftSide, bool rightSide) {
  for (const Float& f : floats_)
    if (f.leftSide ? leftSide : rightSide)
      y_ = std::max(y_, f.bottom);
}

void Flow::FlushLine(int emptyFont) {
  CommitWord();
  FinishLine(emptyFont);
}

void Flow::FinishLine(int emptyFont) {
  if (trailing_ > 0) {
    for (auto it = line_.rbegin(); it != line_.rend(); ++it)
      if (it->kind == Piece::Kind::Text) {
        --it->length;
        it->width -= trailing_;
        break;
      }
    lineWidth_ -= trailing_;
    trailing_ = 0;
  }
  int a = 0, d = 0;
  if (lineHasContent_) {
    for (const Piece& p : line_)
      if (p.kind != Piece::Kind::Anchor && !p.topAligned) {
        a = std::max(a, p.ascent);
        d = std::max(d, p.descent);
      }
    for (const Marker& m : markers_) {
      a = std::max(a, fonts_.Metrics(m.font).ascent);
      d = std::max(d, fonts_.Metrics(m.font).descent);
    }
    for (const Piece& p : line_)
      if (p.topAligned)
        d = std::max(d, p.ascent + p.descent - a);
  } else if (emptyFont >= 0) {
    a = fonts_.Metrics(emptyFont).ascent;
    d = fonts_.Metrics(emptyFont).descent;
  }
  if (lineHasContent_ || emptyFont >= 0)
    StartContent();
  if (measuring) {
    if (lineHasContent_)
      maxWidth = std::max(maxWidth, left - containerLeft_ + lineWidth_);
  } else {
    int x0 = LeftEdge(y_), avail = RightEdge(y_) - x0;
    int x = x0 + (align == Align::Center  ? std::max(0, (avail - lineWidth_) / 2)
                  : align == Align::Right ? std::max(0, avail - lineWidth_)
                                          : 0);
    int bottom = y_ + a + d;
    if (lineHasContent_ || emptyFont >= 0)
      EmitMarkers(y_ + a);
    for (const Piece& p : line_) {
      switch (p.kind) {
      case Piece::Kind::Text: {
        if (p.length == 0)
          break;
        Item item;
        item.rect = {x, y_, x + p.width, bottom};
        item.baseline = y_ + a;
        item.color = p.color;
        item.offset = out_.textLength;
        out_.textLength += p.length;
        if (p.link >= 0)
          out_.linkAreas.push_back({item.rect, p.link});
        EmitText(item, std::u16string_view(chars_).substr(size_t(p.pos), size_t(p.length)), p.font);
        break;
      }
      case Piece::Kind::Picture:
        EmitPicture(p, x, p.topAligned ? y_ : y_ + a - p.ascent);
        break;
      case Piece::Kind::Anchor:
        out_.anchors[size_t(p.pos)].y = y_;
        break;
      }
      x += p.width;
    }
  }
  y_ += a + d;
  line_.clear();
  // What remains in the buffer is the word that goes on the next line.
  int keep = int(chars_.size());
  for (const Piece& p : word_)
    if (p.kind == Piece::Kind::Text)
      keep = std::min(keep, p.pos);
  chars_.erase(0, size_t(keep));
  for (Piece& p : word_)
    if (p.kind == Piece::Kind::Text)
      p.pos -= keep;
  lineWidth_ = 0;
  lineHasContent_ = false;
  collapse_ = true;
  column_ = 0;
  std::vector<Deferred> deferred;
  deferred.swap(deferred_);
  for (const Deferred& f : deferred)
    PlaceFloat(f.piece, f.leftSide);
}

void Flow::PlaceFloat(const Piece& piece, bool leftSide) {
  StartContent();
  int w = piece.width, h = piece.ascent + piece.descent;
  // A float goes no higher than the one before it.
  int y = FitY(w, floatTop_);
  int x = leftSide ? LeftEdge(y) : RightEdge(y) - w;
  EmitPicture(piece, x, y);
  AddFloat({x, x + w, y, y + h, leftSide});
}

void Flow::Block(LayoutResult::Mark from, int width, int height, Align blockAlign, bool floating) {
  FlushLine(-1);
  StartContent();
  int y = FitY(width, floating ? floatTop_ : y_);
  int x0 = LeftEdge(y), avail = RightEdge(y) - x0;
  int x =
      x0 + (blockAlign == Align::Center  ? std::max(0, (avail - width) / 2)
            : blockAlign == Align::Right ? (floating ? avail - width : std::max(0, avail - width))
                                         : 0);
  out_.Translate(from, out_.Here(), x, y);
  if (floating) {
    AddFloat({x, x + width, y, y + height, blockAlign != Align::Right});
    return;
  }
  if (!markers_.empty())
    EmitMarkers(y + fonts_.Metrics(markers_.front().font).ascent);
  y_ = y + height;
}

void Flow::MeasureBlock(int minimum, int maximum) {
  FlushLine(-1);
  minWidth = std::max(minWidth, left - containerLeft_ + minimum);
  maxWidth = std::max(maxWidth, left - containerLeft_ + maximum);
}

void Flow::EmitText(Item item, std::u16string_view text, int font) {
  item.kind = Item::Kind::Text;
  item.font = font;
  item.chars = int(out_.chars.size());
  item.length = int(text.size());
  item.xs = int(out_.xs.size());
  out_.chars += text;
  int x = 0;
  out_.xs.push_back(0);
  for (char16_t c : text)
    out_.xs.push_back(x += fonts_.CharWidth(font, c));
  Emit(item);
}

void Flow::EmitPicture(const Piece& piece, int x, int top) {
  const Picture& pic = pictures_[size_t(piece.pos)];
  Rect box{x + pic.hspace, top + pic.vspace, x + piece.width - pic.hspace,
           top + piece.ascent + piece.descent - pic.vspace};
  int b = pic.border;
  Item item;
  item.color = pic.borderColor;
  if (b > 0) {
    item.kind = Item::Kind::Fill;
    const Rect sides[4] = {{box.left, box.top, box.right, box.top + b},
                           {box.left, box.bottom - b, box.right, box.bottom},
                           {box.left, box.top + b, box.left + b, box.bottom - b},
                           {box.right - b, box.top + b, box.right, box.bottom - b}};
    for (const Rect& r : sides) {
      item.rect = r;
      Emit(item);
    }
  }
  Rect inner{box.left + b, box.top + b, box.right - b, box.bottom - b};
  item.rect = inner;
  if (pic.placeholder) {
    item.kind = Item::Kind::Frame;
    item.frameWidth = 1;
    item.sunken = true;
    Emit(item);
    const FontMetrics& m = fonts_.Metrics(pic.altFont);
    int w = pic.alt ? fonts_.TextWidth(pic.altFont, *pic.alt) : 0;
    if (w > 0 && w + 4 <= inner.Width() && m.Height() + 4 <= inner.Height()) {
      Item alt;
      alt.rect = {inner.left + 2, inner.top + 2, inner.left + 2 + w, inner.top + 2 + m.Height()};
      alt.baseline = inner.top + 2 + m.ascent;
      alt.color = pic.altColor;
      EmitText(alt, *pic.alt, pic.altFont);
    }
  } else {
    item.kind = Item::Kind::Picture;
    item.chars = pic.source;
    Emit(item);
  }
  if (piece.link >= 0)
    out_.linkAreas.push_back({box, piece.link});
}

void Flow::EmitMarkers(int baseline) {
  for (const Marker& m : markers_) {
    int em = out_.fonts[size_t(m.font)].pixelHeight;
    const FontMetrics& fm = fonts_.Metrics(m.font);
    Item item;
    item.color = m.color;
    if (m.shape == 3) {
      std::u16string_view text(m.text, size_t(m.length));
      int w = fonts_.TextWidth(m.font, text);
      item.rect = {m.x - em / 3 - w, baseline - fm.ascent, m.x - em / 3, baseline + fm.descent};
      item.baseline = baseline;
      EmitText(item, text, m.font);
      continue;
    }
    int s = std::max(3, em * 5 / 16);
    int x = m.x - em / 2 - s, top = baseline - em / 4 - s / 2;
    if (m.shape == 2) {
      item.kind = Item::Kind::Fill;
      item.rect = {x, top, x + s, top + s};
      Emit(item);
      continue;
    }
    // A disc, or a circle: the disc without the one a pixel smaller inside.
    item.kind = Item::Kind::Line;
    auto inside = [s](int i, int j, int d) {
      int u = 2 * i + 1 - s, v = 2 * j + 1 - s;
      return u * u + v * v <= d * d;
    };
    auto run = [&](int row, int from, int to) {
      if (from >= to)
        return;
      item.rect = {x + from, top + row, x + to, top + row};
      Emit(item);
    };
    for (int i = 0; i < s; ++i) {
      int a = 0;
      while (a < s / 2 && !inside(i, a, s))
        ++a;
      int c = s - a;
      if (m.shape == 1) {
        c = a;
        while (c < s / 2 && !inside(i, c, s - 2))
          ++c;
        if (c >= s / 2)
          c = s - a;
      }
      run(i, a, c);
      if (c < s - a)
        run(i, s - c, s - a);
    }
  }
  markers_.clear();
}

} // namespace html
