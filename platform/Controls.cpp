#include "Controls.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <set>

#include "Forms.h"

namespace Scindora {

namespace {
const char* const ObjectProp = "Scindora.Control";

const TIdentTable HelpTypeNames = {"htKeyword", "htContext"};

bool IntersectsUpdate(const RECT& Bounds, const RECT& Update) {
  RECT Dummy;
  return IntersectRect(&Dummy, &Bounds, &Update) != 0;
}
}  // namespace

const TIdentTable& AlignIdents() {
  static const TIdentTable Names = {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"};
  return Names;
}

const std::vector<std::pair<const char*, int>>& CursorIdents() {
  static const std::vector<std::pair<const char*, int>> Names = {
      {"crDefault", crDefault}, {"crArrow", crArrow},   {"crIBeam", crIBeam},
      {"crHourGlass", crHourGlass}, {"crDrag", crDrag}, {"crHandPoint", crHandPoint}};
  return Names;
}

HCURSOR CursorHandle(TCursor Cursor) {
  LPCSTR Id = IDC_ARROW;
  switch (Cursor) {
    case crIBeam: Id = IDC_IBEAM; break;
    case crHourGlass: Id = IDC_WAIT; break;
    case crHandPoint: Id = IDC_HAND; break;
    default: break;
  }
  return LoadCursorA(nullptr, Id);
}

// --- TControl ------------------------------------------------------------------------------

const TClassInfo& TControl::StaticClass() {
  static const TClassInfo Info = [] {
    TClassInfo I("TControl", &TComponent::StaticClass());
    Published<TControl>(I)
        .Int("Left", &TControl::Left, &TControl::SetLeft, std::nullopt)
        .Int("Top", &TControl::Top, &TControl::SetTop, std::nullopt)
        .Int("Width", &TControl::Width, &TControl::SetWidth, std::nullopt)
        .Int("Height", &TControl::Height, &TControl::SetHeight, std::nullopt)
        .IntIdent("Cursor", &TControl::Cursor, &TControl::SetCursor, CursorIdents(), crDefault)
        .String("Hint", &TControl::Hint, &TControl::SetHint, std::string())
        .Enum<int>("HelpType", [](const TControl& C) { return C.FHelpType; },
                   [](TControl& C, int V) { C.FHelpType = V; }, HelpTypeNames, 1)
        .String("HelpKeyword", [](const TControl& C) { return C.FHelpKeyword; },
                [](TControl& C, const std::string& V) { C.FHelpKeyword = V; }, std::string())
        .Int("HelpContext", [](const TControl& C) { return C.FHelpContext; },
             [](TControl& C, int V) { C.FHelpContext = V; }, 0);
    return I;
  }();
  return Info;
}

TControl::TControl(TComponent* AOwner) : TComponent(AOwner), FFont(std::make_unique<TFont>()) {
  FFont->OnChange = [this](TObject*) {
    if (!FSyncingFont) FParentFont = false;
    FontChanged();
  };
}

TControl::~TControl() {
  if (FParent) FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* Value) {
  if (Value == FParent) return;
  if (FParent) FParent->RemoveControl(this);
  if (Value) Value->InsertControl(this);
}

void TControl::ReadChild(TComponent* Child) {
  auto* Win = dynamic_cast<TWinControl*>(this);
  if (!Win) return TComponent::ReadChild(Child);
  if (auto* Control = dynamic_cast<TControl*>(Child))
    Control->SetParent(Win);
  else
    Win->FNonVisual.push_back(Child);  // a menu, a dialog: kept in the form data's order
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  Invalidate();
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
  BoundsChanged();
  Invalidate();
  if (FParent && FAlign != alNone) FParent->AlignControls();
}

void TControl::SetAlign(TAlign Value) {
  if (Value == FAlign) return;
  FAlign = Value;
  if (FParent) FParent->AlignControls();
}

void TControl::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  EnabledChanged();
}

void TControl::SetVisible(bool Value) {
  if (Value == FVisible) return;
  if (!Value) Invalidate();
  FVisible = Value;
  if (Value) Invalidate();
  if (FParent && FAlign != alNone) FParent->AlignControls();
}

bool TControl::Showing() const {
  if (!FVisible) return false;
  return FParent ? FParent->Showing() : true;
}

void TControl::SetText(const std::string& Value) {
  if (Value == Text()) return;
  FText = Value;
  TextChanged();
}

bool TControl::ShowHint() const { return FShowHint; }

void TControl::SetShowHint(bool Value) {
  FShowHint = Value;
  FParentShowHint = false;
}

void TControl::SetColor(TColor Value) {
  FParentColor = false;
  if (Value == FColor) return;
  FColor = Value;
  Invalidate();
}

void TControl::SetParentColor(bool Value) {
  if (Value == FParentColor) return;
  FParentColor = Value;
  if (Value) ParentColorChanged();
}

void TControl::SetParentFont(bool Value) {
  if (Value == FParentFont) return;
  FParentFont = Value;
  if (Value) ParentFontChanged();
}

void TControl::ParentFontChanged() {
  if (!FParentFont || !FParent) return;
  FSyncingFont = true;
  FFont->Assign(FParent->Font());
  FSyncingFont = false;
}

void TControl::ParentColorChanged() {
  if (!FParentColor || !FParent) return;
  if (FColor != FParent->Color()) {
    FColor = FParent->Color();
    Invalidate();
  }
}

void TControl::Click() { OnClick(this); }

void TControl::Invalidate() {
  if (FParent && FParent->HandleAllocated() && FVisible) {
    RECT R = BoundsRect();
    InvalidateRect(FParent->FHandle, &R, TRUE);
  }
}

void TControl::Repaint() {
  Invalidate();
  if (FParent && FParent->HandleAllocated()) UpdateWindow(FParent->FHandle);
}

void TControl::ScaleBy(int M, int D) {
  SetBounds(MulDiv(FLeft, M, D), MulDiv(FTop, M, D), MulDiv(FWidth, M, D), MulDiv(FHeight, M, D));
  if (!FParentFont) FFont->SetHeight(MulDiv(FFont->Height(), M, D));
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  OnMouseDown(this, Button, Shift, X, Y);
}
void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  OnMouseUp(this, Button, Shift, X, Y);
}
void TControl::MouseMove(TShiftState Shift, int X, int Y) { OnMouseMove(this, Shift, X, Y); }

// --- TWinControl ---------------------------------------------------------------------------

const TClassInfo& TWinControl::StaticClass() {
  static const TClassInfo Info = [] {
    TClassInfo I("TWinControl", &TControl::StaticClass());
    Published<TWinControl>(I)
        .Int("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder, std::nullopt)
        .Bool("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, false);
    return I;
  }();
  return Info;
}

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl() {
  FDestroying = true;
  // Children that belong to another owner stay alive but lose their parent.
  while (!FControls.empty()) FControls.back()->SetParent(nullptr);
  DestroyWnd();
  if (FBrush) DeleteObject(FBrush);
}

TWinControl* TWinControl::FromHandle(HWND Wnd) {
  return Wnd ? static_cast<TWinControl*>(GetPropA(Wnd, ObjectProp)) : nullptr;
}

HWND TWinControl::Handle() {
  if (!FHandle) CreateWnd();
  return FHandle;
}

void TWinControl::CreateParams(TCreateParams& Params) {
  Params.WinClassName = ClassName();
  Params.Style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  if (Visible()) Params.Style |= WS_VISIBLE;
  if (FTabStop) Params.Style |= WS_TABSTOP;
  if (!Enabled()) Params.Style |= WS_DISABLED;
  Params.X = FLeft;
  Params.Y = FTop;
  Params.Width = FWidth;
  Params.Height = FHeight;
}

void TWinControl::CreateWnd() {
  TCreateParams Params;
  CreateParams(Params);
  HWND ParentWnd = Parent() ? Parent()->Handle() : FParentWindow;
  if (Params.Style & WS_CHILD) {
    if (!ParentWnd) throw EInvalidOperation("Le contrôle '" + Name() + "' n'a pas de fenêtre parente");
  }
  Params.WndParent = ParentWnd;
  HINSTANCE Instance = GetModuleHandleA(nullptr);
  if (!Params.SystemClass) {
    WNDCLASSEXA Existing{sizeof(WNDCLASSEXA)};
    if (!GetClassInfoExA(Instance, Params.WinClassName.c_str(), &Existing)) {
      WNDCLASSEXA Class{sizeof(WNDCLASSEXA)};
      Class.style = Params.ClassStyle;
      Class.lpfnWndProc = &TWinControl::StdWndProc;
      Class.hInstance = Instance;
      Class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
      Class.lpszClassName = Params.WinClassName.c_str();
      if (!RegisterClassExA(&Class)) throw EInvalidOperation("Impossible d'enregistrer la classe " + Params.WinClassName);
    }
  }
  HWND Wnd = CreateWindowExA(Params.ExStyle, Params.WinClassName.c_str(), FText.c_str(), Params.Style, Params.X,
                             Params.Y, Params.Width, Params.Height, Params.WndParent, Params.Menu, Instance, this);
  if (!Wnd) throw EInvalidOperation("Impossible de créer la fenêtre du contrôle '" + Name() + "'");
  if (Params.SystemClass) {
    FHandle = Wnd;
    SetPropA(Wnd, ObjectProp, this);
    SetWindowSubclass(Wnd, &TWinControl::SubclassProc, 1, reinterpret_cast<DWORD_PTR>(this));
    FSubclassed = true;
  }
  ApplyFont();
  InitializeWnd();
  // Windows follow tab order in Z order, so the system's own navigation agrees with ours.
  for (TWinControl* Child : FTabList) Child->HandleNeeded();
  AlignControls();
}

void TWinControl::DestroyWnd() {
  if (!FHandle) return;
  HWND Wnd = FHandle;
  for (TControl* C : FControls)
    if (auto* W = dynamic_cast<TWinControl*>(C)) W->DestroyWnd();
  if (FSubclassed) RemoveWindowSubclass(Wnd, &TWinControl::SubclassProc, 1);
  RemovePropA(Wnd, ObjectProp);
  FHandle = nullptr;
  FSubclassed = false;
  DestroyWindow(Wnd);
}

void TWinControl::RecreateWnd() {
  if (!FHandle) return;
  DestroyWnd();
  CreateWnd();
}

LRESULT CALLBACK TWinControl::StdWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  auto* Self = FromHandle(Wnd);
  if (!Self && Msg == WM_NCCREATE) {
    auto* Create = reinterpret_cast<CREATESTRUCTA*>(LParam);
    Self = static_cast<TWinControl*>(Create->lpCreateParams);
    Self->FHandle = Wnd;
    SetPropA(Wnd, ObjectProp, Self);
  }
  if (!Self) return DefWindowProcA(Wnd, Msg, WParam, LParam);
  TMessage M{Msg, WParam, LParam, 0};
  Self->Dispatch(M);
  return M.Result;
}

LRESULT CALLBACK TWinControl::SubclassProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam, UINT_PTR, DWORD_PTR Ref) {
  auto* Self = reinterpret_cast<TWinControl*>(Ref);
  if (Self->FHandle != Wnd) return DefSubclassProc(Wnd, Msg, WParam, LParam);
  TMessage M{Msg, WParam, LParam, 0};
  Self->Dispatch(M);
  return M.Result;
}

// Nothing thrown by a handler may cross into the system's frames.
void TWinControl::Dispatch(TMessage& Message) {
  try {
    WndProc(Message);
  } catch (...) {
    Application->HandleException(this);
  }
}

void TWinControl::DefaultHandler(TMessage& Message) {
  if (!FHandle) return;
  Message.Result = FSubclassed ? DefSubclassProc(FHandle, Message.Msg, Message.WParam, Message.LParam)
                               : DefWindowProcA(FHandle, Message.Msg, Message.WParam, Message.LParam);
}

LRESULT TWinControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
  TMessage M{Msg, WParam, LParam, 0};
  WndProc(M);
  return M.Result;
}

HBRUSH TWinControl::ColorBrush() {
  if (!FBrush || FBrushColor != Color()) {
    if (FBrush) DeleteObject(FBrush);
    FBrush = CreateSolidBrush(ColorToRGB(Color()));
    FBrushColor = Color();
  }
  return FBrush;
}

HBRUSH TWinControl::CtlColor(HDC) { return nullptr; }

void TWinControl::WndProc(TMessage& M) {
  switch (M.Msg) {
    case WM_COMMAND:
      if (M.LParam) {
        if (auto* Child = FromHandle(reinterpret_cast<HWND>(M.LParam))) {
          Child->CNCommand(HIWORD(M.WParam), LOWORD(M.WParam));
          return;
        }
      }
      break;
    case WM_NOTIFY: {
      auto* Header = reinterpret_cast<NMHDR*>(M.LParam);
      TWinControl* Child = FromHandle(Header->hwndFrom);
      // Tool tips speak for the control that owns them.
      if (!Child) Child = FromHandle(GetParent(Header->hwndFrom));
      if (Child && Child != this) {
        M.Result = Child->CNNotify(*Header);
        return;
      }
      break;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      if (auto* Child = FromHandle(reinterpret_cast<HWND>(M.LParam))) {
        if (HBRUSH Brush = Child->CtlColor(reinterpret_cast<HDC>(M.WParam))) {
          M.Result = reinterpret_cast<LRESULT>(Brush);
          return;
        }
      }
      break;
    case WM_ERASEBKGND:
      if (!FSubclassed) {
        RECT R;
        GetClientRect(FHandle, &R);
        FillRect(reinterpret_cast<HDC>(M.WParam), &R, ColorBrush());
        M.Result = 1;
        return;
      }
      break;
    case WM_PAINT:
      if (!FSubclassed) {
        PAINTSTRUCT Ps;
        HDC DC = BeginPaint(FHandle, &Ps);
        PaintControls(DC, Ps.rcPaint);
        EndPaint(FHandle, &Ps);
        return;
      } else {
        RECT Update{};
        bool Any = GetUpdateRect(FHandle, &Update, FALSE);
        DefaultHandler(M);
        if (Any && std::any_of(FControls.begin(), FControls.end(),
                               [](TControl* C) { return dynamic_cast<TGraphicControl*>(C); })) {
          HDC DC = GetDC(FHandle);
          PaintControls(DC, Update);
          ReleaseDC(FHandle, DC);
        }
        return;
      }
    case WM_SIZE:
      if (!FSubclassed) {
        RECT R;
        GetWindowRect(FHandle, &R);
        FWidth = R.right - R.left;
        FHeight = R.bottom - R.top;
        AlignControls();
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MOUSEMOVE:
      HandleMouse(M);
      return;
    case WM_CANCELMODE:
      FMouseControl = nullptr;
      break;
    case WM_SETCURSOR:
      if (Screen && Screen->Cursor() != crDefault) {
        ::SetCursor(CursorHandle(Screen->Cursor()));
        M.Result = TRUE;
        return;
      }
      if (LOWORD(M.LParam) == HTCLIENT && Cursor() != crDefault &&
          reinterpret_cast<HWND>(M.WParam) == FHandle) {
        ::SetCursor(CursorHandle(Cursor()));
        M.Result = TRUE;
        return;
      }
      break;
    case WM_CHAR: {
      char Key = static_cast<char>(M.WParam);
      KeyPress(Key);
      if (Key == 0) return;
      M.WParam = static_cast<unsigned char>(Key);
      break;
    }
    default:
      break;
  }
  DefaultHandler(M);
}

void TWinControl::HandleMouse(TMessage& M) {
  POINT P{GET_X_LPARAM(M.LParam), GET_Y_LPARAM(M.LParam)};
  TControl* Target = FMouseControl ? FMouseControl : ControlAtPos(P);
  if (!Target || !Target->Enabled()) {
    DefaultHandler(M);
    return;
  }
  TShiftState Shift = 0;
  if (M.WParam & MK_SHIFT) Shift |= 1u << ssShift;
  if (M.WParam & MK_CONTROL) Shift |= 1u << ssCtrl;
  if (M.WParam & MK_LBUTTON) Shift |= 1u << ssLeft;
  if (M.WParam & MK_RBUTTON) Shift |= 1u << ssRight;
  int X = P.x - Target->Left(), Y = P.y - Target->Top();
  switch (M.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
      FMouseControl = Target;
      SetCapture(FHandle);
      Target->MouseDown(M.Msg == WM_RBUTTONDOWN ? mbRight : mbLeft, Shift, X, Y);
      break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
      FMouseControl = nullptr;
      if (GetCapture() == FHandle) ReleaseCapture();
      Target->MouseUp(M.Msg == WM_RBUTTONUP ? mbRight : mbLeft, Shift, X, Y);
      break;
    default:
      Target->MouseMove(Shift, X, Y);
      break;
  }
  M.Result = 0;
}

TControl* TWinControl::ControlAtPos(POINT P) const {
  for (auto It = FControls.rbegin(); It != FControls.rend(); ++It) {
    TControl* C = *It;
    if (!dynamic_cast<TGraphicControl*>(C) || !C->Visible()) continue;
    RECT R = C->BoundsRect();
    if (PtInRect(&R, P)) return C;
  }
  return nullptr;
}

void TWinControl::PaintControls(HDC DC, const RECT& Update) {
  for (TControl* C : FControls) {
    auto* G = dynamic_cast<TGraphicControl*>(C);
    if (!G || !G->Visible() || !IntersectsUpdate(G->BoundsRect(), Update)) continue;
    int Saved = SaveDC(DC);
    IntersectClipRect(DC, G->Left(), G->Top(), G->Left() + G->Width(), G->Top() + G->Height());
    SetViewportOrgEx(DC, G->Left(), G->Top(), nullptr);
    G->PaintOn(DC);
    RestoreDC(DC, Saved);
  }
}

void TWinControl::KeyPress(char& Key) { OnKeyPress(this, Key); }

std::vector<TComponent*> TWinControl::ChildrenToWrite() const {
  std::vector<TComponent*> Result(FControls.begin(), FControls.end());
  Result.insert(Result.end(), FNonVisual.begin(), FNonVisual.end());
  return Result;
}

void TWinControl::Notification(TComponent* AComponent, TOperation Operation) {
  TControl::Notification(AComponent, Operation);
  if (Operation == opRemove)
    FNonVisual.erase(std::remove(FNonVisual.begin(), FNonVisual.end(), AComponent), FNonVisual.end());
}

void TWinControl::InsertControl(TControl* Control) {
  FControls.push_back(Control);
  Control->FParent = this;
  if (auto* W = dynamic_cast<TWinControl*>(Control)) FTabList.push_back(W);
  Control->ParentFontChanged();
  Control->ParentColorChanged();
  if (auto* W = dynamic_cast<TWinControl*>(Control); W && FHandle) W->HandleNeeded();
  if (Control->Align() != alNone) AlignControls();
  Control->Invalidate();
}

void TWinControl::RemoveControl(TControl* Control) {
  Control->Invalidate();
  if (auto* W = dynamic_cast<TWinControl*>(Control)) {
    W->DestroyWnd();
    FTabList.erase(std::remove(FTabList.begin(), FTabList.end(), W), FTabList.end());
  }
  FControls.erase(std::remove(FControls.begin(), FControls.end(), Control), FControls.end());
  if (FMouseControl == Control) FMouseControl = nullptr;
  Control->FParent = nullptr;
  if (!FDestroying && Control->Align() != alNone) AlignControls();
}

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& List = Parent()->FTabList;
  return static_cast<int>(std::find(List.begin(), List.end(), this) - List.begin());
}

void TWinControl::SetTabOrder(int Value) {
  if (!Parent()) return;
  auto& List = Parent()->FTabList;
  List.erase(std::remove(List.begin(), List.end(), this), List.end());
  Value = std::clamp(Value, 0, static_cast<int>(List.size()));
  List.insert(List.begin() + Value, this);
  if (FHandle) {
    HWND After = Value == 0 ? HWND_TOP : List[Value - 1]->FHandle;
    if (After) SetWindowPos(FHandle, After, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void TWinControl::SetTabStop(bool Value) {
  if (Value == FTabStop) return;
  FTabStop = Value;
  if (FHandle) {
    LONG Style = GetWindowLongA(FHandle, GWL_STYLE);
    SetWindowLongA(FHandle, GWL_STYLE, Value ? (Style | WS_TABSTOP) : (Style & ~WS_TABSTOP));
  }
}

bool TWinControl::CanFocus() const {
  for (const TControl* C = this; C; C = C->Parent())
    if (!C->Visible() || !C->Enabled()) return false;
  return true;
}

bool TWinControl::Focused() const {
  HWND Focus = GetFocus();
  return FHandle && Focus && (Focus == FHandle || IsChild(FHandle, Focus));
}

void TWinControl::SetFocus() { ::SetFocus(Handle()); }

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  bool Same = ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight;
  TControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (!Same && FHandle) {
    MoveWindow(FHandle, FLeft, FTop, FWidth, FHeight, TRUE);
    AlignControls();
  }
}

int TWinControl::ClientWidth() const {
  if (!FHandle) return FWidth;
  RECT R;
  GetClientRect(FHandle, &R);
  return R.right;
}

int TWinControl::ClientHeight() const {
  if (!FHandle) return FHeight;
  RECT R;
  GetClientRect(FHandle, &R);
  return R.bottom;
}

void TWinControl::SetClientWidth(int Value) { SetWidth(FWidth - ClientWidth() + Value); }
void TWinControl::SetClientHeight(int Value) { SetHeight(FHeight - ClientHeight() + Value); }

std::string TWinControl::Text() const {
  if (!FHandle) return FText;
  int Len = GetWindowTextLengthA(FHandle);
  std::string S(Len + 1, '\0');
  Len = GetWindowTextA(FHandle, S.data(), Len + 1);
  S.resize(std::max(Len, 0));
  return S;
}

void TWinControl::Invalidate() {
  if (FHandle) InvalidateRect(FHandle, nullptr, TRUE);
}

void TWinControl::ScaleBy(int M, int D) {
  TControl::ScaleBy(M, D);
  for (TControl* C : std::vector<TControl*>(FControls)) C->ScaleBy(M, D);
}

void TWinControl::AlignControls() {
  RECT Client{0, 0, ClientWidth(), ClientHeight()};
  for (TControl* C : std::vector<TControl*>(FControls)) {
    if (!C->Visible() || C->Align() == alNone) continue;
    int L = C->Left(), T = C->Top(), W = C->Width(), H = C->Height();
    switch (C->Align()) {
      case alTop: L = Client.left; T = Client.top; W = Client.right - Client.left; Client.top += H; break;
      case alBottom: L = Client.left; T = Client.bottom - H; W = Client.right - Client.left; Client.bottom -= H; break;
      case alLeft: L = Client.left; T = Client.top; H = Client.bottom - Client.top; Client.left += W; break;
      case alRight: L = Client.right - W; T = Client.top; H = Client.bottom - Client.top; Client.right -= W; break;
      case alClient: L = Client.left; T = Client.top; W = Client.right - Client.left; H = Client.bottom - Client.top; break;
      default: break;
    }
    // Moving an aligned child must not re-enter this loop.
    C->TControl::SetBounds(C->Left(), C->Top(), C->Width(), C->Height());
    if (L != C->Left() || T != C->Top() || W != C->Width() || H != C->Height()) {
      TAlign Saved = C->FAlign;
      C->FAlign = alNone;
      C->SetBounds(L, T, W, H);
      C->FAlign = Saved;
    }
  }
}

void TWinControl::BoundsChanged() {}

void TWinControl::EnabledChanged() {
  if (FHandle) EnableWindow(FHandle, Enabled());
}

void TWinControl::TextChanged() {
  if (FHandle) SetWindowTextA(FHandle, FText.c_str());
}

void TWinControl::ApplyFont() {
  if (FHandle) SendMessageA(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
}

void TWinControl::FontChanged() {
  ApplyFont();
  for (TControl* C : FControls) C->ParentFontChanged();
}

void TWinControl::ParentFontChanged() { TControl::ParentFontChanged(); }

void TWinControl::ParentColorChanged() {
  TControl::ParentColorChanged();
  for (TControl* C : FControls) C->ParentColorChanged();
}

void TWinControl::SetVisible(bool Value) {
  TControl::SetVisible(Value);
  if (FHandle) ShowWindow(FHandle, Value ? SW_SHOWNA : SW_HIDE);
}

// --- TGraphicControl -----------------------------------------------------------------------

const TClassInfo& TGraphicControl::StaticClass() {
  static const TClassInfo Info("TGraphicControl", &TControl::StaticClass());
  return Info;
}

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner) {}

void TGraphicControl::PaintOn(HDC DC) {
  FCanvas.SetHandle(DC);
  FCanvas.Font().Assign(Font());
  try {
    Paint();
  } catch (...) {
    FCanvas.SetHandle(nullptr);
    throw;
  }
  FCanvas.SetHandle(nullptr);
}

}  // namespace Scindora
