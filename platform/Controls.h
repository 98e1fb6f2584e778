// Controls: the common base of every visual component, windowed controls that own an HWND,
// and graphic controls that paint on their parent's surface.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "Classes.h"
#include "Graphics.h"
#include "TypInfo.h"

namespace Scindora {

class TWinControl;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crIBeam = -4;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crHandPoint = -21;
const std::vector<std::pair<const char*, int>>& CursorIdents();
HCURSOR CursorHandle(TCursor Cursor);

enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftStateBit { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle };
using TShiftState = uint32_t;

using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TEvent<TObject*, TShiftState, int, int>;
using TKeyPressEvent = TEvent<TObject*, char&>;

// A window message as our controls see it; Result goes back to the system.
struct TMessage {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  LRESULT Result;
};

class TControl : public TComponent {
  SCINDORA_CLASS(TControl)
public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* Value);
  void ReadChild(TComponent* Child) override;

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
  void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
  void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
  void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  RECT BoundsRect() const { return {FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
  virtual int ClientWidth() const { return FWidth; }
  virtual int ClientHeight() const { return FHeight; }
  virtual void SetClientWidth(int Value) { SetWidth(Value); }
  virtual void SetClientHeight(int Value) { SetHeight(Value); }

  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign Value);

  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool Value);
  bool Visible() const { return FVisible; }
  virtual void SetVisible(bool Value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible here and in every parent up to a shown window.
  bool Showing() const;

  // Caption and Text are one text, as on the platform.
  virtual std::string Text() const { return FText; }
  virtual void SetText(const std::string& Value);
  std::string Caption() const { return Text(); }
  void SetCaption(const std::string& Value) { SetText(Value); }

  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& Value) { FHint = Value; }
  bool ShowHint() const;
  void SetShowHint(bool Value);
  bool ParentShowHint() const { return FParentShowHint; }
  void SetParentShowHint(bool Value) { FParentShowHint = Value; }

  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value) { FCursor = Value; }
  TColor Color() const { return FColor; }
  virtual void SetColor(TColor Value);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool Value);
  TFont& Font() { return *FFont; }
  const TFont& Font() const { return *FFont; }
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool Value);

  TNotifyEvent OnClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;

  virtual void Click();
  virtual void Invalidate();
  void Repaint();
  // Scales position, size and font for another logical resolution.
  virtual void ScaleBy(int M, int D);

  // Mouse input, routed to graphic controls by their parent.
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);

protected:
  // Hooks for subclasses.
  virtual void BoundsChanged() {}
  virtual void EnabledChanged() { Invalidate(); }
  virtual void TextChanged() { Invalidate(); }
  virtual void FontChanged() { Invalidate(); }
  virtual void ParentFontChanged();
  virtual void ParentColorChanged();

  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  std::string FText;

private:
  TWinControl* FParent = nullptr;
  TAlign FAlign = alNone;
  bool FEnabled = true;
  bool FVisible = true;
  std::string FHint;
  bool FShowHint = false;
  bool FParentShowHint = true;
  TCursor FCursor = crDefault;
  TColor FColor = clBtnFace;
  bool FParentColor = true;
  std::unique_ptr<TFont> FFont;
  bool FParentFont = true;
  bool FSyncingFont = false;
  int FHelpType = 1;  // htContext
  std::string FHelpKeyword;
  int FHelpContext = 0;

  friend class TWinControl;
};

// Window class and styles a control's HWND is made with.
struct TCreateParams {
  std::string WinClassName;      // a system class (EDIT, BUTTON...) or one of ours
  bool SystemClass = false;      // true: subclass the system's class instead of registering
  DWORD Style = WS_CHILD | WS_CLIPSIBLINGS;
  DWORD ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
  HMENU Menu = nullptr;
  UINT ClassStyle = CS_DBLCLKS;
};

// A control with a window of its own. The object owns the HWND; the window knows its object
// through a window property, so notifications can be reflected back to the control that caused them.
class TWinControl : public TControl {
  SCINDORA_CLASS(TWinControl)
public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;

  static TWinControl* FromHandle(HWND Wnd);

  HWND Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  void HandleNeeded() { Handle(); }
  // Parent window for a control with no parent control (a form: its owner window).
  HWND ParentWindow() const { return FParentWindow; }
  void SetParentWindow(HWND Value) { FParentWindow = Value; }
  void Notification(TComponent* AComponent, TOperation Operation) override;

  // Children, in creation order; TabOrder orders the windowed ones among themselves.
  int ControlCount() const { return static_cast<int>(FControls.size()); }
  TControl* Controls(int Index) const { return FControls.at(Index); }
  std::vector<TComponent*> ChildrenToWrite() const override;
  void InsertControl(TControl* Control);
  void RemoveControl(TControl* Control);

  int TabOrder() const;
  void SetTabOrder(int Value);
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool Value);
  const std::vector<TWinControl*>& TabList() const { return FTabList; }

  virtual bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();

  TKeyPressEvent OnKeyPress;

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void SetVisible(bool Value) override;
  int ClientWidth() const override;
  int ClientHeight() const override;
  void SetClientWidth(int Value) override;
  void SetClientHeight(int Value) override;
  std::string Text() const override;
  void Invalidate() override;
  void ScaleBy(int M, int D) override;
  // Lays out the children that have an Align.
  void AlignControls();
  // The graphic child under a client point, or nullptr.
  TControl* ControlAtPos(POINT P) const;

  // Every message of this control's window arrives here.
  virtual void WndProc(TMessage& Message);
  // Answers a message the way the window's own class would.
  void DefaultHandler(TMessage& Message);
  LRESULT Perform(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);

protected:
  virtual void CreateParams(TCreateParams& Params);
  virtual void CreateWnd();
  // The HWND exists: push every stored property into it.
  virtual void InitializeWnd() {}
  virtual void DestroyWnd();
  void RecreateWnd();
  // Notifications reflected from the parent: WM_COMMAND's code, WM_NOTIFY's header.
  virtual void CNCommand(WORD NotifyCode, WORD Id) { (void)NotifyCode; (void)Id; }
  virtual LRESULT CNNotify(NMHDR& Header) { (void)Header; return 0; }
  // WM_CTLCOLOR* for this control; nullptr lets the system choose.
  virtual HBRUSH CtlColor(HDC DC);
  // Paints the graphic children on DC (a paint cycle of this window).
  void PaintControls(HDC DC, const RECT& Update);
  virtual void KeyPress(char& Key);

  void BoundsChanged() override;
  void EnabledChanged() override;
  void TextChanged() override;
  void FontChanged() override;
  void ParentFontChanged() override;
  void ParentColorChanged() override;

  HWND FHandle = nullptr;

private:
  static LRESULT CALLBACK StdWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
  static LRESULT CALLBACK SubclassProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam, UINT_PTR Id, DWORD_PTR Ref);
  void Dispatch(TMessage& Message);
  void HandleMouse(TMessage& Message);
  void ApplyFont();
  HBRUSH ColorBrush();

  std::vector<TControl*> FControls;
  std::vector<TComponent*> FNonVisual;  // components form data nested here that are no controls
  std::vector<TWinControl*> FTabList;
  HWND FParentWindow = nullptr;
  bool FTabStop = false;
  bool FSubclassed = false;
  bool FDestroying = false;
  TControl* FMouseControl = nullptr;  // graphic child that has the mouse captured
  HBRUSH FBrush = nullptr;
  TColor FBrushColor = clNone;

  friend class TControl;
};

// A control with no window: its parent paints it through Paint, on a canvas it hands over.
class TGraphicControl : public TControl {
  SCINDORA_CLASS(TGraphicControl)
public:
  explicit TGraphicControl(TComponent* AOwner);
  TCanvas& Canvas() { return FCanvas; }
  // Called by the parent's paint with the canvas ready, its origin at this control.
  void PaintOn(HDC DC);

protected:
  virtual void Paint() {}

private:
  TCanvas FCanvas;
};

// The string table of the alignment names, shared with form data.
const TIdentTable& AlignIdents();

// The properties most controls publish (Align, Color, Enabled, Font, ParentColor, ParentFont,
// ParentShowHint, ShowHint, Visible, OnClick, OnMouseDown/Move/Up); TControl itself publishes
// only position, size, cursor and hint, as some controls show no more than that.
template <class C>
void PublishControlBasics(Published<C>& P, TColor DefaultColor = clBtnFace) {
  P.template Enum<TAlign>("Align", &C::Align, &C::SetAlign, AlignIdents(), alNone)
      .IntIdent("Color", &C::Color, &C::SetColor, ColorIdents(), DefaultColor)
      .Bool("Enabled", &C::Enabled, &C::SetEnabled, true)
      .Object("Font", [](C& Self) -> TPersistent& { return Self.Font(); })
      .Bool("ParentColor", &C::ParentColor, &C::SetParentColor, true)
      .Bool("ParentFont", &C::ParentFont, &C::SetParentFont, true)
      .Bool("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint, true)
      .Bool("ShowHint", &C::ShowHint, &C::SetShowHint, false)
      .Bool("Visible", &C::Visible, &C::SetVisible, true)
      .Event("OnClick", &C::OnClick)
      .Event("OnMouseDown", &C::OnMouseDown)
      .Event("OnMouseMove", &C::OnMouseMove)
      .Event("OnMouseUp", &C::OnMouseUp);
}

}  // namespace Scindora
