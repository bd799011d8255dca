#include "HTMLViewer.h"
#include "FormDescription.h"
#include "Handle.h"
#include "SysUtils.h"

void THTMLViewer::LoadFromFile(const std::string& path) {
  std::string file = path.substr(0, path.find('#'));
  vcl::UniqueFile f(::CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!f)
    throw EInOutError("Can't locate file: " + file);
  std::string text;
  char buffer[4096];
  DWORD got;
  while (::ReadFile(f.get(), buffer, sizeof buffer, &got, nullptr) && got > 0)
    text.append(buffer, got);
  source_ = std::move(text);
  currentFile_ = file;
  if (HandleAllocated())
    ::InvalidateRect(Handle(), nullptr, TRUE);
}

void THTMLViewer::CreateParamsFor(CreateParams& params) {
  TWinControl::CreateParamsFor(params);
  params.className = ClassName;
  if (BorderStyle == THTMLBorderStyle::htSingle)
    params.style |= WS_BORDER;
}

void THTMLViewer::ReadProperty(const FormProperty& p, const TComponent& root) {
  const std::string& n = p.name;
  auto integer = [&] { return static_cast<int>(AsInteger(p)); };
  if (n == "BorderStyle") {
    const std::string& v = AsIdent(p);
    if (v == "htNone")
      BorderStyle = THTMLBorderStyle::htNone;
    else if (v == "htSingle")
      BorderStyle = THTMLBorderStyle::htSingle;
    else if (v == "htFocused")
      BorderStyle = THTMLBorderStyle::htFocused;
    else
      throw EReadError("Invalid property value of " + n + ": " + v);
  } else if (n == "ScrollBars") {
    const std::string& v = AsIdent(p);
    if (v == "ssNone")
      ScrollBars = TScrollStyle::ssNone;
    else if (v == "ssHorizontal")
      ScrollBars = TScrollStyle::ssHorizontal;
    else if (v == "ssVertical")
      ScrollBars = TScrollStyle::ssVertical;
    else if (v == "ssBoth")
      ScrollBars = TScrollStyle::ssBoth;
    else
      throw EReadError("Invalid property value of " + n + ": " + v);
  } else if (n == "HistoryMaxCount")
    HistoryMaxCount = integer();
  else if (n == "DefFontName")
    DefFontName = AsString(p);
  else if (n == "DefPreFontName")
    DefPreFontName = AsString(p);
  else if (n == "NoSelect")
    NoSelect = AsBoolean(p);
  else if (n == "CharSet")
    CharSet = p.value.kind == FormValue::Kind::Integer ? integer()
              : AsIdent(p) == "DEFAULT_CHARSET"        ? DEFAULT_CHARSET
                                                       : throw EReadError("Invalid CharSet");
  else if (n == "PrintMarginLeft")
    PrintMarginLeft = integer();
  else if (n == "PrintMarginRight")
    PrintMarginRight = integer();
  else if (n == "PrintMarginTop")
    PrintMarginTop = integer();
  else if (n == "PrintMarginBottom")
    PrintMarginBottom = integer();
  else if (n == "OnHotSpotClick") {
    OnHotSpotClick = root.FindMethod<THotSpotClickEvent>(AsIdent(p));
    if (!OnHotSpotClick)
      throw EReadError("Invalid property value of " + n + ": no method " + p.value.text);
  } else
    TWinControl::ReadProperty(p, root);
}
