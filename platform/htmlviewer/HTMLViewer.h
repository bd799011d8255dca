#pragma once
// The HTML display control: its stored settings, loading a page, and the
// link-click event with its Handled protocol.
#include "Controls.h"
#include "Graphics.h"
#include <functional>
#include <string>

enum class THTMLBorderStyle { htFocused, htNone, htSingle };
enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// Sender, the link's target as its HREF gives it, Handled (False on entry).
using THotSpotClickEvent =
    std::function<void(TObject* Sender, const std::string& SRC, bool& Handled)>;

class THTMLViewer : public TWinControl {
public:
  static constexpr const char* ClassName = "THTMLViewer";
  explicit THTMLViewer(TComponent* AOwner) : TWinControl(AOwner) {}

  // Loads the HTML document at path; the text after the first "#" is a
  // position in the page. A missing file changes nothing and raises
  // EInOutError "Can't locate file: <path without its # part>".
  void LoadFromFile(const std::string& path);
  const std::string& CurrentFile() const { return currentFile_; }

  THotSpotClickEvent OnHotSpotClick;

  THTMLBorderStyle BorderStyle = THTMLBorderStyle::htFocused;
  int HistoryMaxCount = 0;
  std::string DefFontName = "Times New Roman";
  std::string DefPreFontName = "Courier New";
  bool NoSelect = true;
  TScrollStyle ScrollBars = TScrollStyle::ssBoth;
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
  bool ViewImages = true;

  void ReadProperty(const FormProperty& p, const TComponent& root) override;

protected:
  void CreateParamsFor(CreateParams& params) override;
  TColor BackgroundColor() const override { return DefBackground; }

private:
  std::string currentFile_;
  std::string source_;
};
