#pragma once
// The flow of one container (the page, a table cell): inline content is
// gathered into words, words into lines broken at blanks within the width,
// lines stacked with the vertical space blocks ask for, around floating
// pictures and tables. A measuring flow has unlimited width and produces
// nothing but the narrowest and widest widths its content can take.
#include "DisplayList.h"
#include "Style.h"
#include <string>
#include <vector>

namespace html {

class FontTable;

struct Picture {
  int source = 0; // index into LayoutResult::sources
  int width = 0, height = 0, border = 0, hspace = 0, vspace = 0;
  Color borderColor = 0;
  bool placeholder = false; // no picture: a sunken frame, with the ALT text if it fits
  const std::u16string* alt = nullptr;
  int altFont = 0;
  Color altColor = 0;
};

struct Piece {
  enum class Kind : std::uint8_t { Text, Picture, Anchor };
  Kind kind = Kind::Text;
  bool topAligned = false; // a picture aligned to the top of its line
  int font = 0;
  Color color = 0;
  int link = -1;
  int width = 0, ascent = 0, descent = 0;
  // Text: its characters in the line's buffer; Picture: index of the
  // picture; Anchor: index into LayoutResult::anchors.
  int pos = 0, length = 0;
};

// A list item's bullet or number, drawn on its first line.
struct Marker {
  int x = 0;     // the item's content edge
  int shape = 0; // 0 disc, 1 circle, 2 square, 3 the text
  char16_t text[24] = {};
  int length = 0;
  int font = 0;
  Color color = 0;
};

constexpr int kUnlimited = 1 << 24;

class Flow {
public:
  Flow(FontTable& fonts, LayoutResult& out, int left, int right, int top, bool measuring);

  const bool measuring;
  int left, right; // the content edges; blocks move them
  Align align = Align::Left;
  int minWidth = 0, maxWidth = 0; // of a measuring flow

  int Y() const { return y_; }
  int Bottom() const; // below the last line and every float

  void Text(std::u16string_view text, const Style& style, int font);
  void BreakOpportunity();
  void Anchor(std::string name);
  // A picture in the line, or floating at the left or right edge.
  void AddPicture(const Picture& picture, Piece piece, bool floating, bool floatLeft);
  // <br>: ends the line; an empty line gets the font's height.
  void Break(int font);
  void Clear(bool leftSide, bool rightSide);
  // Ends the current line, as every block boundary does.
  void EndLine();
  // Vertical space before the next content; spaces meeting collapse to the
  // largest, and none is kept at the top of the container.
  void Space(int pixels);
  void SetMarker(const Marker& marker) {
    if (!measuring)
      markers_.push_back(marker);
  }
  bool HasMarker() const { return !markers_.empty(); }
  // A block laid out at the origin since `from`, `width` by `height`: placed
  // below the current line by alignment, or floating (tables).
  void Block(LayoutResult::Mark from, int width, int height, Align blockAlign, bool floating);
  // What a measuring flow learns of a block it does not lay out.
  void MeasureBlock(int minimum, int maximum);

private:
  struct Float {
    int left, right, top, bottom;
    bool leftSide;
  };
  struct Deferred {
    Piece piece;
    bool leftSide;
  };
  bool Joins(const Piece& a, const Piece& b) const;
  void Append(std::vector<Piece>& list, const Piece& p);
  // One character as a piece of its own; the character joins the text.
  Piece CharPiece(char16_t c, const Style& style, int font);
  void AppendToWord(char16_t c, const Style& style, int font);
  void CommitWord();
  void FlushLine(int emptyFont);  // commits the word, then ends the line
  void FinishLine(int emptyFont); // ends the line as it is
  void StartContent();
  int LeftEdge(int y) const;
  int RightEdge(int y) const;
  int BelowFloatsAt(int y) const;      // the next y where a float ends, or y
  int FitY(int width, int from) const; // the first y from here where width fits
  void AddFloat(const Float& f);
  void PlaceFloat(const Piece& piece, bool leftSide);
  void EmitPicture(const Piece& piece, int x, int top);
  void EmitMarkers(int baseline);
  void Emit(const Item& item) { out_.items.push_back(item); }
  void EmitText(Item item, std::u16string_view text, int font);

  FontTable& fonts_;
  LayoutResult& out_;
  int containerLeft_;
  int y_;
  int pending_ = 0;
  bool started_ = false;
  std::vector<Piece> line_, word_;
  std::u16string chars_; // of the line, then of the word
  std::vector<Picture> pictures_;
  int lineWidth_ = 0, wordWidth_ = 0, trailing_ = 0;
  bool lineHasContent_ = false, wordHasContent_ = false;
  bool collapse_ = true; // at a line start or after a blank: blanks vanish
  bool afterCr_ = false;
  int column_ = 0;            // preformatted characters on the line, for tabs
  std::vector<Float> floats_; // those still beside or below the line
  int floatTop_ = 0, floatBottom_ = 0;
  std::vector<Deferred> deferred_;
  std::vector<Marker> markers_;
};

} // namespace html
