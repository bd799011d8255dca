#pragma once
// An HTML page as the display control shows it: parsed once from the file's
// bytes, laid out for a width, painted through a Canvas, and asked about
// links, anchors and text positions. Plain C++: no Windows headers.
#include "Canvas.h"
#include <compare>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace html {

// What the control's settings contribute to layout and painting. Colours are
// resolved (no system-colour indices).
struct PageSettings {
  std::string fontFace = "Times New Roman", preFontFace = "Courier New";
  int fontPoints = 12;
  int pixelsPerInch = 96;
  Color background = 0xC0C0C0, text = 0x000000;
  Color link = 0xFF0000, visitedLink = 0x800080; // blue, purple
  Color highlight = 0x800000, highlightText = 0xFFFFFF;
  int marginWidth = 10, marginHeight = 5;
  bool underlineLinks = true, viewImages = true;
};

// Turns bytes of the given Windows code page into UTF-16. The page itself
// decodes UTF-8 and UTF-16 and never calls the decoder for them.
using Decoder = std::function<std::u16string(std::string_view bytes, int codePage)>;

// Latin-1 decoding for builds without the system's code pages.
std::u16string DecodeLatin1(std::string_view bytes, int codePage);

// A place between two characters of the page's text, in reading order.
struct TextPosition {
  int offset = 0;
  bool operator==(const TextPosition&) const = default;
  auto operator<=>(const TextPosition&) const = default;
};

struct Document;
struct LayoutResult;

class Page {
public:
  Page(); // an empty page
  ~Page();
  Page(Page&&) noexcept;
  Page& operator=(Page&&) noexcept;

  // Parses the bytes; the charset comes from the page's declaration (or a
  // byte-order mark), else defaultCodePage. An empty decoder means Latin-1.
  static Page Parse(std::string_view bytes, int defaultCodePage, const Decoder& decode);
  // A page that shows one picture alone.
  static Page ForPicture(const std::string& src);

  // The code page the text was decoded with.
  int CodePage() const;
  const std::u16string& Title() const;
  // The body's bgcolor, else the default.
  Color Background(const PageSettings& settings) const;

  // Lays the page out for a client area of the given width. visited holds the
  // link targets (as written in HREF) to show in the visited colour.
  void Layout(int width, TextMeasurer& measurer, const PageSettings& settings,
              const std::set<std::string>& visited);
  // Of the last layout: the document's height and width (margins included).
  int Height() const;
  int Width() const;

  // Paints the part of the document inside clip; clip and all drawing are in
  // window coordinates, which are document coordinates minus scrollY. The
  // text in [selStart, selEnd) (either order) is shown highlighted.
  void Paint(Canvas& canvas, int scrollY, const Rect& clip, TextPosition selStart,
             TextPosition selEnd) const;

  // Hit-testing, in document coordinates. A link's HREF comes as written,
  // only references to ASCII characters ("&amp;") resolved.
  std::optional<std::string> LinkAt(int x, int y) const;
  // The top of the line with <a name=...> (or id=...); the name without "#",
  // matched exactly, else ignoring ASCII case.
  std::optional<int> AnchorTop(const std::string& name) const;
  // The character boundary nearest to the point.
  TextPosition PositionAt(int x, int y) const;
  bool HasText(TextPosition a, TextPosition b) const; // does [a, b) select any text
  // The selected text, lines separated by CR LF.
  std::u16string SelectedText(TextPosition a, TextPosition b) const;

private:
  std::unique_ptr<Document> doc_;
  std::unique_ptr<LayoutResult> layout_;
};

} // namespace html
