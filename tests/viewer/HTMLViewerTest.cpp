// The HTML control in a window of its own: loading, the link-click protocol,
// following links, selecting by dragging, and its window styles.
#include "BackBuffer.h"
#include "FileBytes.h"
#include "Forms.h"
#include "HTMLViewer.h"
#include "SysUtils.h"
#include <gtest/gtest.h>
#include <memory>

namespace {

// The control as the info window's description sets it up, its messages
// handed straight to it: the tests run without a display.
class TProbeViewer : public THTMLViewer {
public:
  explicit TProbeViewer(TComponent* owner) : THTMLViewer(owner) {
    SetBounds(0, 0, 323, 186);
    BorderStyle = THTMLBorderStyle::htNone;
    NoSelect = false;
    ScrollBars = TScrollStyle::ssNone;
    OnHotSpotClick = [this](TObject* sender, const std::string& SRC, bool& Handled) {
      EXPECT_EQ(sender, this);
      calls.push_back({SRC, Handled});
      Handled = answer;
    };
  }
  using THTMLViewer::CreateParams;
  using THTMLViewer::CreateParamsFor;
  using THTMLViewer::WndProc;

  struct Call {
    std::string src;
    bool handledOnEntry;
  };
  std::vector<Call> calls;
  bool answer = false;
};

// A folder of pages for one test; big.bmp (300 x 150) is a link-sized area.
class Pages {
public:
  Pages() {
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "klendo-viewer-" + std::to_string(::GetCurrentProcessId()) + "\\";
    ::CreateDirectoryA(folder_.c_str(), nullptr);
    for (const char* name : {"big.bmp", "sample.png"})
      Write(name, ReadFileBytes(std::string(KLENDO_PICTURES) + name).value_or(""));
  }
  ~Pages() {
    for (const std::string& f : files_)
      ::DeleteFileA((folder_ + f).c_str());
    ::RemoveDirectoryA(folder_.c_str());
  }
  std::string Write(const std::string& name, const std::string& text) {
    vcl::UniqueFile f(::CreateFileA((folder_ + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written;
    ::WriteFile(f.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    files_.push_back(name);
    return folder_ + name;
  }
  const std::string& Folder() const { return folder_; }

private:
  std::string folder_;
  std::vector<std::string> files_;
};

// A page whose top is one big link to target, with an anchor "down" far below.
std::string LinkPage(const std::string& target) {
  return "<html><body><a href=\"" + target +
         "\"><img src=\"big.bmp\" border=0></a><br><img src=\"big.bmp\"><br>"
         "<img src=\"big.bmp\"><br><a name=\"down\">down</a> here</body></html>";
}

class Viewer : public testing::Test {
protected:
  void ClickAt(int x, int y) {
    viewer.WndProc(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    viewer.WndProc(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  }
  void DragFrom(int x1, int y1, int x2, int y2) {
    viewer.WndProc(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x1, y1));
    viewer.WndProc(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM((x1 + x2) / 2, (y1 + y2) / 2));
    viewer.WndProc(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x2, y2));
    viewer.WndProc(WM_LBUTTONUP, 0, MAKELPARAM(x2, y2));
  }
  // The view as the window shows it, 0x00RRGGBB.
  std::vector<std::uint32_t> Render() {
    BackBuffer out(323, 186);
    viewer.PaintTo(out.dc(), RECT{0, 0, 323, 186});
    ::GdiFlush();
    return std::vector<std::uint32_t>(out.Bits(), out.Bits() + 323 * 186);
  }
  static bool Shows(const std::vector<std::uint32_t>& view, COLORREF color) {
    const std::uint32_t rgb = GetRValue(color) << 16 | GetGValue(color) << 8 | GetBValue(color);
    return std::find(view.begin(), view.end(), rgb) != view.end();
  }

  Pages pages;
  TProbeViewer viewer{nullptr};
};

TEST_F(Viewer, AMissingFileChangesNothing) {
  const std::string start = pages.Write("start.htm", LinkPage("second.htm"));
  viewer.LoadFromFile(start + "#down");
  EXPECT_EQ(viewer.CurrentFile(), start);
  const int top = viewer.ScrollTop();
  const std::vector<std::uint32_t> before = Render();
  const std::string missing = pages.Folder() + "missing.htm";
  try {
    viewer.LoadFromFile(missing + "#down");
    ADD_FAILURE() << "no exception";
  } catch (const EInOutError& e) {
    EXPECT_EQ(e.Message(), "Can't locate file: " + missing);
  }
  EXPECT_EQ(viewer.CurrentFile(), start);
  EXPECT_EQ(viewer.ScrollTop(), top);
  EXPECT_EQ(Render(), before);
}

TEST_F(Viewer, ALinkIsOfferedToTheHandlerThenFollowed) {
  pages.Write("second.htm", LinkPage("start.htm"));
  pages.Write("notes.txt", "not a page");
  struct Case {
    const char* target;
    bool handled;
    const char* shown; // the file shown afterwards
    bool scrolled;
  } cases[] = {
      {"second.htm", true, "start.htm", false}, // the handler dealt with it
      {"second.htm", false, "second.htm", false},
      {"SECOND.HTM#down", false, "SECOND.HTM", true},
      {"#down", false, "start.htm", true},
      {"start.htm#down", false, "start.htm", true}, // the current page: only moves
      {"#nowhere", false, "start.htm", false},
      {"notes.txt", false, "start.htm", false}, // neither page nor picture
      {"KONEC", false, "start.htm", false},
      {"sample.png", false, "sample.png", false}, // last: the view is looked at below
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.target);
    const std::string start = pages.Write("start.htm", LinkPage(c.target));
    viewer.LoadFromFile(start);
    ASSERT_EQ(viewer.ScrollTop(), 0);
    viewer.calls.clear();
    viewer.answer = c.handled;
    ClickAt(150, 80);
    ASSERT_EQ(viewer.calls.size(), 1u);
    EXPECT_EQ(viewer.calls[0].src, c.target) << "as the HREF gives it";
    EXPECT_FALSE(viewer.calls[0].handledOnEntry);
    EXPECT_EQ(AsciiUpperCase(viewer.CurrentFile()), AsciiUpperCase(pages.Folder() + c.shown));
    EXPECT_EQ(viewer.ScrollTop() > 0, c.scrolled);
  }
  // The picture alone: its red, green pixels side by side somewhere in the view.
  const std::vector<std::uint32_t> view = Render();
  bool found = false;
  for (std::size_t i = 0; i + 1 < view.size() && !found; ++i)
    found = view[i] == 0xFF0000 && view[i + 1] == 0x00FF00;
  EXPECT_TRUE(found);
}

TEST_F(Viewer, DraggingSelectsTextInsteadOfClicking) {
  const std::string start =
      pages.Write("start.htm", "<a href=\"second.htm\">Second page second page second page</a>");
  viewer.LoadFromFile(start);
  const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
  ASSERT_FALSE(Shows(Render(), highlight));
  DragFrom(12, 12, 200, 12);
  EXPECT_TRUE(viewer.calls.empty());
  EXPECT_TRUE(Shows(Render(), highlight)) << "the selection is shown";
  viewer.answer = true; // second.htm does not exist
  ClickAt(30, 12);      // a click without dragging clears it and is a click
  ASSERT_EQ(viewer.calls.size(), 1u);
  EXPECT_EQ(viewer.calls[0].src, "second.htm");
  EXPECT_FALSE(Shows(Render(), highlight));

  viewer.NoSelect = true;
  viewer.calls.clear();
  DragFrom(12, 12, 200, 12);
  EXPECT_EQ(viewer.calls.size(), 1u) << "nothing can be selected: the release is a click";
  EXPECT_FALSE(Shows(Render(), highlight));
}

// The bounds of what differs from the background at the view's corner.
RECT Content(const std::vector<std::uint32_t>& view) {
  RECT r{323, 186, -1, -1};
  for (int y = 0; y < 186; ++y)
    for (int x = 0; x < 323; ++x)
      if (view[y * 323 + x] != view[0]) {
        r.left = std::min<LONG>(r.left, x);
        r.top = std::min<LONG>(r.top, y);
        r.right = std::max<LONG>(r.right, x + 1);
        r.bottom = std::max<LONG>(r.bottom, y + 1);
      }
  return r;
}

TEST_F(Viewer, TheDefaultsShapeAPageThatSetsNothing) {
  const std::string page = pages.Write(
      "plain.htm",
      "<a href=\"plain.htm\">Odkaz</a> a text <img src=\"sample.png\" width=8 height=4>");
  viewer.LoadFromFile(page);
  const std::vector<std::uint32_t> view = Render();
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(view[0], static_cast<std::uint32_t>(GetRValue(face) << 16 | GetGValue(face) << 8 |
                                                GetBValue(face)));
  EXPECT_TRUE(Shows(view, ::GetSysColor(COLOR_BTNTEXT))) << "text colour";
  EXPECT_TRUE(Shows(view, RGB(0, 0, 255))) << "a blue link";
  EXPECT_TRUE(Shows(view, RGB(255, 0, 0))) << "pictures are shown";
  const RECT plain = Content(view);
  EXPECT_GE(plain.left, 10);
  EXPECT_LE(plain.left, 12);
  EXPECT_GE(plain.top, 5);
  EXPECT_LE(plain.top, 10);

  // Each setting changes what it should.
  viewer.MarginWidth = 40;
  viewer.MarginHeight = 30;
  viewer.DefFontSize = 24;
  viewer.ViewImages = false;
  viewer.DefHotSpotColor = clGreen;
  viewer.LoadFromFile(page);
  const std::vector<std::uint32_t> changed = Render();
  const RECT moved = Content(changed);
  EXPECT_GE(moved.left, 40);
  EXPECT_GE(moved.top, 30);
  EXPECT_GT(moved.bottom - moved.top, plain.bottom - plain.top) << "bigger text";
  EXPECT_FALSE(Shows(changed, RGB(255, 0, 0))) << "no pictures";
  EXPECT_TRUE(Shows(changed, RGB(0, 128, 0))) << "the link colour";
}

TEST_F(Viewer, AFollowedLinkTurnsPurple) {
  const std::string page = pages.Write("visit.htm", "<a href=\"visit.htm\">Tato stranka</a>");
  for (int remembered : {50, 0}) {
    SCOPED_TRACE(remembered);
    TProbeViewer v(nullptr);
    v.VisitedMaxCount = remembered;
    v.LoadFromFile(page);
    BackBuffer out(323, 186);
    auto render = [&] {
      v.PaintTo(out.dc(), RECT{0, 0, 323, 186});
      ::GdiFlush();
      return std::vector<std::uint32_t>(out.Bits(), out.Bits() + 323 * 186);
    };
    ASSERT_TRUE(Shows(render(), RGB(0, 0, 255)));
    v.WndProc(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 12));
    v.WndProc(WM_LBUTTONUP, 0, MAKELPARAM(20, 12));
    ASSERT_EQ(v.calls.size(), 1u);
    const std::vector<std::uint32_t> after = render();
    EXPECT_EQ(Shows(after, RGB(128, 0, 128)), remembered > 0);
    EXPECT_EQ(Shows(after, RGB(0, 0, 255)), remembered == 0);
  }
}

TEST_F(Viewer, FrameAndScrollBarsFollowTheSettings) {
  const std::string tall = pages.Write("tall.htm", LinkPage("x.htm"));
  struct Case {
    THTMLBorderStyle border;
    TScrollStyle bars;
    DWORD style;
  } cases[] = {
      {THTMLBorderStyle::htNone, TScrollStyle::ssNone, 0},
      {THTMLBorderStyle::htSingle, TScrollStyle::ssNone, WS_BORDER},
      {THTMLBorderStyle::htNone, TScrollStyle::ssBoth, WS_VSCROLL},
      {THTMLBorderStyle::htNone, TScrollStyle::ssVertical, WS_VSCROLL},
  };
  for (const Case& c : cases) {
    TProbeViewer v(nullptr);
    v.BorderStyle = c.border;
    v.ScrollBars = c.bars;
    v.LoadFromFile(tall + "#down");
    EXPECT_GT(v.ScrollTop(), 0) << "the view moves, with or without bars";
    TProbeViewer::CreateParams params;
    v.CreateParamsFor(params);
    EXPECT_EQ(params.style & (WS_BORDER | WS_VSCROLL | WS_HSCROLL), c.style);
  }
}

} // namespace
