#pragma once
// Forms built from stored descriptions, the application object that owns
// them and runs the message loop, and the screen.
#include "Controls.h"
#include "Graphics.h"
#include <exception>
#include <new>
#include <string>

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsToolWindow };
enum class TWindowState { wsNormal, wsMaximized };
enum class TPosition { poDesigned, poScreenCenter };

class TForm : public TWinControl {
public:
  // className names the window class and the stored description (an RCDATA
  // resource of that name) that AfterConstruction reads.
  TForm(TComponent* AOwner, const char* className);

  const char* FormClassName() const { return className_; }
  // Reads the stored description, then runs OnCreate; an exception that
  // leaves OnCreate goes to the application's error report.
  void AfterConstruction();
  // Reads a description given as text (AfterConstruction reads the resource).
  void ReadDescription(std::string_view text);

  void Show();
  // The main form ends the application, any other form hides.
  void Close();
  // Paints the invalid part of the window at once, when the window exists.
  void Update();

  const std::string& Caption() const { return caption_; }
  TColor Color() const { return color_; }
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  TWindowState WindowState() const { return windowState_; }
  TPosition Position() const { return position_; }
  int ClientWidth() const { return clientWidth_; }
  int ClientHeight() const { return clientHeight_; }
  const TFont& Font() const { return font_; }
  TNotifyEvent OnCreate, OnActivate;

  void ReadProperty(const FormProperty& p, const TComponent& root) override;

protected:
  void CreateParamsFor(CreateParams& params) override;
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
  TColor BackgroundColor() const override { return color_; }

private:
  const char* className_;
  std::string caption_;
  TColor color_ = clBtnFace;
  TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
  TWindowState windowState_ = TWindowState::wsNormal;
  TPosition position_ = TPosition::poDesigned;
  int clientWidth_ = 0, clientHeight_ = 0;
  TFont font_;
};

class TApplication : public TComponent {
public:
  TApplication();
  ~TApplication() override;

  // The application's own window: it owns the forms and carries the
  // program's taskbar button.
  HWND Handle() const { return handle_; }
  const std::string& Title() const { return title_; }
  TForm* MainForm() const { return mainForm_; }

  void Initialize() {}
  // Creates a form owned by the application; the first one becomes the main
  // form. The reference is set before the form's constructor runs.
  template <class F> void CreateForm(F*& reference) {
    void* memory = ::operator new(sizeof(F));
    reference = static_cast<F*>(memory);
    F* form;
    try {
      form = new (memory) F(this);
    } catch (...) {
      reference = nullptr;
      ::operator delete(memory);
      throw;
    }
    if (!mainForm_)
      mainForm_ = form;
    form->AfterConstruction();
  }
  // Shows the main form and dispatches messages until Terminate.
  void Run();
  void Terminate() { ::PostQuitMessage(0); }
  // The standard error report: the message (with a full stop), the title,
  // a stop icon and OK.
  // Never throws: it is called from catch blocks in window procedures.
  void HandleException(const std::exception& e) noexcept;

private:
  static LRESULT CALLBACK WndProc(HWND, UINT, WPARAM, LPARAM);
  HWND handle_ = nullptr;
  std::string title_;
  TForm* mainForm_ = nullptr;
};

class TScreen : public TComponent {
public:
  TScreen() : TComponent(nullptr) {}
  int Width() const { return ::GetSystemMetrics(SM_CXSCREEN); }
  int Height() const { return ::GetSystemMetrics(SM_CYSCREEN); }
};

extern TApplication* Application;
extern TScreen* Screen;

// The platform's start-up and finalisation: Application and Screen exist for
// the lifetime of this object.
class VclStartup {
public:
  VclStartup();
  ~VclStartup();
  VclStartup(const VclStartup&) = delete;
  VclStartup& operator=(const VclStartup&) = delete;
};
