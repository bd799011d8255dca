#pragma once
// Controls: those drawn by their parent, and those with a window of their own.
#include "Classes.h"
#include "Graphics.h"
#include <windows.h>
#include <vector>

class TWinControl;

enum class TAlign { alNone, alClient };

class TControl : public TComponent {
public:
  explicit TControl(TComponent* AOwner) : TComponent(AOwner) {}
  ~TControl() override;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }

  TAlign Align() const { return align_; }
  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);

  // Parent-drawn controls paint into their parent's DC in its client
  // coordinates; windowed controls paint themselves.
  virtual bool Windowed() const { return false; }
  virtual void Paint(HDC) {}

  void ReadProperty(const FormProperty& p, const TComponent& root) override;

protected:
  void Invalidate();

private:
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  TAlign align_ = TAlign::alNone;
  TWinControl* parent_ = nullptr;
  friend class TWinControl;
};

class TGraphicControl : public TControl {
public:
  using TControl::TControl;
};

// A control with a window of its own. The window keeps this object in
// GWLP_USERDATA, and messages reach the named handlers below.
class TWinControl : public TControl {
public:
  explicit TWinControl(TComponent* AOwner) : TControl(AOwner) {}
  ~TWinControl() override;

  bool Windowed() const override { return true; }
  // The window, created when first asked for.
  HWND Handle();
  bool HandleAllocated() const { return wnd_ != nullptr; }
  void SetBounds(int left, int top, int width, int height) override;

  void InsertControl(TControl* c);
  void RemoveControl(TControl* c);
  const std::vector<TControl*>& Controls() const { return controls_; }
  // Lays out the children aligned to the client area.
  void Realign();

protected:
  struct CreateParams {
    const char* className = "TWinControl";
    std::string caption;
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    DWORD exStyle = 0;
    int x = 0, y = 0, width = 0, height = 0;
    HWND parent = nullptr;
  };
  virtual void CreateParamsFor(CreateParams& params);
  virtual void CreateHandle();

  // Message handlers; each returns the message's result.
  virtual LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp);
  virtual LRESULT WMPaint();
  virtual LRESULT WMEraseBkgnd(HDC) { return 1; }
  virtual void WMSize() { Realign(); }
  LRESULT DefaultHandler(UINT msg, WPARAM wp, LPARAM lp);
  // Paints the client area: background, then the parent-drawn children.
  virtual void PaintWindow(HDC dc, const RECT& area);
  virtual TColor BackgroundColor() const { return clBtnFace; }

private:
  static LRESULT CALLBACK StaticWndProc(HWND, UINT, WPARAM, LPARAM);

  HWND wnd_ = nullptr;
  std::vector<TControl*> controls_;
};
