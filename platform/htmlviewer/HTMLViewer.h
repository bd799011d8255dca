#pragma once
// The HTML display control: its stored settings, loading a page, painting it
// double-buffered, selecting text by dragging, and the link-click event with
// its Handled protocol.
#include "BackBuffer.h"
#include "Controls.h"
#include "FontCache.h"
#include "Graphics.h"
#include "Page.h"
#include "PictureCache.h"
#include <functional>
#include <set>
#include <string>
#include <vector>

enum class THTMLBorderStyle { htFocused, htNone, htSingle };
enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
// The members of htOptions, as bits.
enum THtmlViewerOption : unsigned {
  htOverLinksActive = 1,
  htNoLinkUnderline = 2,
  htPrintTableBackground = 4
};

// Sender, the link's target as its HREF gives it, Handled (False on entry).
using THotSpotClickEvent =
    std::function<void(TObject* Sender, const std::string& SRC, bool& Handled)>;

class THTMLViewer : public TWinControl {
public:
  static constexpr const char* ClassName = "THTMLViewer";
  explicit THTMLViewer(TComponent* AOwner);

  // Loads the HTML document at path; the text after the first "#" is a
  // position in the page. A missing file changes nothing and raises
  // EInOutError "Can't locate file: <path without its # part>".
  void LoadFromFile(const std::string& path);
  // The page or picture shown, without a "#" part; empty before the first load.
  const std::string& CurrentFile() const { return currentFile_; }
  // The top of the view within the document.
  int ScrollTop() const { return scrollY_; }
  // Draws the view as the window shows it into dc, whose (0, 0) is the
  // client area's corner; area is the part to draw.
  void PaintTo(HDC dc, const RECT& area);

  THotSpotClickEvent OnHotSpotClick;

  THTMLBorderStyle BorderStyle = THTMLBorderStyle::htFocused;
  int HistoryMaxCount = 0; // no history of pages is kept whatever its value
  std::string DefFontName = "Times New Roman";
  std::string DefPreFontName = "Courier New";
  bool NoSelect = true;
  TScrollStyle ScrollBars = TScrollStyle::ssBoth; // a horizontal bar is never needed
  int CharSet = DEFAULT_CHARSET;
  int PrintMarginLeft = 2, PrintMarginRight = 2, PrintMarginTop = 2, PrintMarginBottom = 2;
  TColor DefBackground = clBtnFace;
  TColor DefFontColor = clBtnText;
  int DefFontSize = 12;
  TColor DefHotSpotColor = clBlue;
  TColor DefVisitedLinkColor = clPurple;
  TColor DefOverLinkColor = clBlue;
  int VisitedMaxCount = 50;
  int ImageCacheCount = 5;
  int MarginWidth = 10, MarginHeight = 5;
  unsigned htOptions = htPrintTableBackground;
  bool ViewImages = true;

  void ReadProperty(const FormProperty& p, const TComponent& root) override;

protected:
  void CreateParamsFor(CreateParams& params) override;
  TColor BackgroundColor() const override { return DefBackground; }
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
  LRESULT WMPaint() override;
  void WMSize() override;

private:
  bool HasScrollBar() const;
  SIZE ClientSize();
  html::PageSettings Settings() const;
  void EnsureLayout();
  void ShowPage(html::Page page, const std::string& file, const std::string& position);
  void ScrollToPosition(const std::string& position);
  void ScrollTo(int y);
  void UpdateScrollBar();
  void Repaint();
  void Click(const std::string& target);
  void FollowLink(const std::string& target);
  void Visit(const std::string& target);
  html::TextPosition PositionAt(LPARAM lp) const;
  std::optional<std::string> LinkAt(int x, int y) const;

  void MouseDown(LPARAM lp);
  void MouseMove(LPARAM lp);
  void MouseUp(LPARAM lp);
  bool SetLinkCursor();
  void VScroll(WPARAM wp);

  html::Page page_;
  std::string currentFile_, folder_;
  bool laidOut_ = false;
  int layoutWidth_ = 0;
  int scrollY_ = 0;
  std::set<std::string> visited_;
  std::vector<std::string> visitedOrder_;
  bool mouseDown_ = false;
  html::TextPosition selStart_, selEnd_;
  BackBuffer buffer_;
  FontCache fonts_;
  PictureCache pictures_;
};
