#include "Forms.h"
#include "Environment.h"
#include "ErrorReport.h"
#include "FormDescription.h"
#include "SysUtils.h"

TApplication* Application = nullptr;
TScreen* Screen = nullptr;

VclStartup::VclStartup() {
  Screen = new TScreen;
  Application = new TApplication;
}

VclStartup::~VclStartup() {
  delete Application;
  Application = nullptr;
  delete Screen;
  Screen = nullptr;
}

// ---- TForm

TForm::TForm(TComponent* AOwner, const char* className)
    : TWinControl(AOwner), className_(className) {}

void TForm::AfterConstruction() {
  HMODULE module = ::GetModuleHandleA(nullptr);
  HRSRC info = ::FindResourceA(module, className_, MAKEINTRESOURCEA(10)); // RT_RCDATA
  HGLOBAL data = info ? ::LoadResource(module, info) : nullptr;
  if (!data)
    throw EReadError(std::string("Resource ") + className_ + " not found");
  ReadDescription(std::string_view(static_cast<const char*>(::LockResource(data)),
                                   ::SizeofResource(module, info)));
  try {
    if (OnCreate)
      OnCreate(this);
  } catch (const std::exception& e) {
    Application->HandleException(e);
  }
}

namespace {

// Properties first, then the nested components, each created through the
// root's published field and placed on the nearest windowed control.
void ReadComponent(TComponent& c, const FormObject& o, TComponent& root, TWinControl* parent) {
  for (const FormProperty& p : o.properties)
    c.ReadProperty(p, root);
  auto* self = dynamic_cast<TWinControl*>(&c);
  for (const FormObject& childObject : o.children) {
    TComponent* child = root.CreateChild(childObject);
    child->SetName(childObject.name);
    if (auto* control = dynamic_cast<TControl*>(child))
      control->SetParent(self ? self : parent);
    ReadComponent(*child, childObject, root, self ? self : parent);
  }
}

} // namespace

void TForm::ReadDescription(std::string_view text) {
  FormObject o = ParseFormDescription(text);
  if (o.className != className_)
    throw EReadError("Description of " + o.className + " read for " + className_);
  SetName(o.name);
  ReadComponent(*this, o, *this, nullptr);
}

void TForm::ReadProperty(const FormProperty& p, const TComponent& root) {
  auto event = [&](TNotifyEvent& e) {
    e = root.FindMethod<TNotifyEvent>(AsIdent(p));
    if (!e)
      throw EReadError("Invalid property value of " + p.name + ": no method " + p.value.text);
  };
  auto pick = [&](auto& field, std::initializer_list<std::pair<const char*, int>> names) {
    for (auto& [n, v] : names)
      if (AsIdent(p) == n) {
        field = static_cast<std::remove_reference_t<decltype(field)>>(v);
        return;
      }
    throw EReadError("Invalid property value of " + p.name + ": " + p.value.text);
  };
  const std::string& n = p.name;
  if (n == "Caption")
    caption_ = AsString(p);
  else if (n == "Color")
    color_ = ReadColor(p);
  else if (n == "ClientWidth")
    clientWidth_ = static_cast<int>(AsInteger(p));
  else if (n == "ClientHeight")
    clientHeight_ = static_cast<int>(AsInteger(p));
  else if (n == "BorderStyle")
    pick(borderStyle_, {{"bsNone", 0}, {"bsSingle", 1}, {"bsSizeable", 2}, {"bsToolWindow", 3}});
  else if (n == "WindowState")
    pick(windowState_, {{"wsNormal", 0}, {"wsMaximized", 1}});
  else if (n == "Position")
    pick(position_, {{"poDesigned", 0}, {"poScreenCenter", 1}});
  else if (n == "OnCreate")
    event(OnCreate);
  else if (n == "OnActivate")
    event(OnActivate);
  else if (n.starts_with("Font."))
    font_.ReadProperty(n.substr(5), p);
  else if (n == "Scaled" || n == "OldCreateOrder") {
    // Forms are never rescaled, and OnCreate always runs after reading.
    if (AsBoolean(p))
      throw EReadError("Property " + n + " = True is not supported");
  } else if (n == "PixelsPerInch" || n == "TextHeight")
    AsInteger(p); // design-time font metrics; no rescaling uses them
  else
    TWinControl::ReadProperty(p, root);
}

namespace {

DWORD StyleOf(TFormBorderStyle b) {
  switch (b) {
  case TFormBorderStyle::bsNone:
    return WS_POPUP;
  case TFormBorderStyle::bsSingle:
    return WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  case TFormBorderStyle::bsToolWindow:
    return WS_CAPTION | WS_SYSMENU;
  case TFormBorderStyle::bsSizeable:
    break;
  }
  return WS_OVERLAPPEDWINDOW;
}

bool FillsScreen(const TForm& f) {
  return f.WindowState() == TWindowState::wsMaximized &&
         f.BorderStyle() == TFormBorderStyle::bsNone;
}

} // namespace

void TForm::CreateParamsFor(CreateParams& params) {
  params.className = className_;
  params.caption = caption_;
  params.style = StyleOf(borderStyle_) | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  params.exStyle = borderStyle_ == TFormBorderStyle::bsToolWindow ? WS_EX_TOOLWINDOW : 0;
  params.parent = Application->Handle(); // the owner, not a parent
  RECT r{0, 0, clientWidth_, clientHeight_};
  ::AdjustWindowRectEx(&r, params.style, FALSE, params.exStyle);
  params.width = r.right - r.left;
  params.height = r.bottom - r.top;
  params.x = Left();
  params.y = Top();
  if (position_ == TPosition::poScreenCenter) {
    params.x = (Screen->Width() - params.width) / 2;
    params.y = (Screen->Height() - params.height) / 2;
  }
  // Without a window manager nobody maximises a popup window: it is created
  // at the size it is shown at.
  if (FillsScreen(*this)) {
    params.x = params.y = 0;
    params.width = Screen->Width();
    params.height = Screen->Height();
  }
  TControl::SetBounds(params.x, params.y, params.width, params.height);
}

void TForm::Show() {
  HWND wnd = Handle();
  if (windowState_ == TWindowState::wsMaximized) {
    ::ShowWindow(wnd, SW_SHOWMAXIMIZED);
    if (FillsScreen(*this))
      ::SetWindowPos(wnd, nullptr, 0, 0, Screen->Width(), Screen->Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    ::ShowWindow(wnd, SW_SHOWNORMAL);
  }
}

void TForm::Close() {
  if (Application->MainForm() == this)
    Application->Terminate();
  else if (HandleAllocated())
    ::ShowWindow(Handle(), SW_HIDE);
}

void TForm::Update() {
  if (HandleAllocated())
    ::UpdateWindow(Handle());
}

LRESULT TForm::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
  case WM_CLOSE:
    Close();
    return 0;
  case WM_ACTIVATE:
    if (LOWORD(wp) != WA_INACTIVE && OnActivate)
      OnActivate(this);
    return DefaultHandler(msg, wp, lp);
  case WM_MOVE:
  case WM_SIZE: {
    RECT r;
    ::GetWindowRect(Handle(), &r);
    TControl::SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    return TWinControl::WndProc(msg, wp, lp);
  }
  default:
    return TWinControl::WndProc(msg, wp, lp);
  }
}

// ---- TApplication

TApplication::TApplication() : TComponent(nullptr), title_(ApplicationTitleOf(ExeFileName())) {
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  WNDCLASSA wc{};
  wc.lpfnWndProc = WndProc;
  wc.hInstance = instance;
  wc.hIcon = ::LoadIconA(instance, "MAINICON");
  wc.lpszClassName = "TApplication";
  ::RegisterClassA(&wc);
  // Zero-sized and centred, as it only carries the taskbar button. No
  // caption or frame: Windows would add WS_EX_WINDOWEDGE to whatever extended
  // style the program gives it.
  handle_ = ::CreateWindowExA(
      0, wc.lpszClassName, title_.c_str(), WS_POPUP | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
      ::GetSystemMetrics(SM_CXSCREEN) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr,
      nullptr, instance, nullptr);
}

TApplication::~TApplication() {
  // The forms go first, while their owner window still exists.
  while (ComponentCount() > 0)
    delete Components(ComponentCount() - 1);
  if (handle_)
    ::DestroyWindow(handle_);
}

LRESULT CALLBACK TApplication::WndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_CLOSE && Application && Application->mainForm_) {
    Application->mainForm_->Close();
    return 0;
  }
  return ::DefWindowProcA(wnd, msg, wp, lp);
}

void TApplication::Run() {
  if (mainForm_) {
    ::ShowWindow(handle_, SW_SHOWNOACTIVATE);
    mainForm_->Show();
  }
  MSG msg;
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

void TApplication::HandleException(const std::exception& e) noexcept {
  std::string text = ErrorReportText(e.what());
  ::MessageBoxA(handle_, text.c_str(), title_.c_str(), MB_OK | MB_ICONSTOP);
}
