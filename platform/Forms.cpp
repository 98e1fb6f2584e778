#include "Forms.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "FormData.h"
#include "Menus.h"

namespace Scindora {

TApplication* Application = new TApplication(nullptr);
TScreen* Screen = new TScreen(nullptr);

namespace {
const TIdentTable PositionNames = {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter"};
const TIdentTable BorderIconNames = {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"};
const TIdentTable BorderStyleNames = {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"};

bool Has(TBorderIcons Icons, TBorderIcon Icon) { return (Icons & (1u << Icon)) != 0; }

// Tab order across nested containers: each container's windowed children in TabOrder, depth first.
void CollectTabOrder(TWinControl& Container, std::vector<TWinControl*>& Out) {
  for (TWinControl* W : Container.TabList()) {
    Out.push_back(W);
    CollectTabOrder(*W, Out);
  }
}

}  // namespace

// --- Modal windows -------------------------------------------------------------------------

HWND ModalOwner() {
  HWND Active = GetActiveWindow();
  if (Active && GetWindowThreadProcessId(Active, nullptr) == GetCurrentThreadId()) return Active;
  TForm* Main = Application ? Application->MainForm() : nullptr;
  return Main && Main->HandleAllocated() ? Main->Handle() : nullptr;
}

TModalScope::TModalScope(HWND Owner) : FOwner(Owner), FActive(GetActiveWindow()), FFocus(GetFocus()) {
  EnumThreadWindows(GetCurrentThreadId(), &DisableOne, reinterpret_cast<LPARAM>(this));
}

TModalScope::~TModalScope() { Release(); }

void TModalScope::Release() {
  if (FReleased) return;
  FReleased = true;
  for (HWND Wnd : FDisabled)
    if (IsWindow(Wnd)) EnableWindow(Wnd, TRUE);
  if (FActive && IsWindow(FActive)) SetActiveWindow(FActive);
  if (FFocus && IsWindow(FFocus)) ::SetFocus(FFocus);
}

BOOL CALLBACK TModalScope::DisableOne(HWND Wnd, LPARAM Data) {
  auto* Self = reinterpret_cast<TModalScope*>(Data);
  if (Wnd != Self->FOwner && IsWindowVisible(Wnd) && IsWindowEnabled(Wnd)) {
    EnableWindow(Wnd, FALSE);
    Self->FDisabled.push_back(Wnd);
  }
  return TRUE;
}

// --- TForm ---------------------------------------------------------------------------------

const TClassInfo& TForm::StaticClass() {
  static const TClassInfo Info = [] {
    TClassInfo I("TForm", &TWinControl::StaticClass());
    Published<TForm>(I)
        .Component<TWinControl>("ActiveControl", &TForm::ActiveControl, &TForm::SetActiveControl)
        .Set("BorderIcons", &TForm::BorderIcons, &TForm::SetBorderIcons, BorderIconNames,
             (1u << biSystemMenu) | (1u << biMinimize) | (1u << biMaximize))
        .Enum<TFormBorderStyle>("BorderStyle", &TForm::BorderStyle, &TForm::SetBorderStyle, BorderStyleNames, bsSizeable)
        .String("Caption", &TForm::Caption, &TForm::SetCaption, std::nullopt)
        // The outer size (Width, Height) is what is stored; a client size is accepted on reading.
        .Int("ClientHeight", &TForm::ClientHeight, &TForm::SetClientHeight, std::nullopt)
        .NotStored()
        .Int("ClientWidth", &TForm::ClientWidth, &TForm::SetClientWidth, std::nullopt)
        .NotStored()
        .IntIdent("Color", &TForm::Color, &TForm::SetColor, ColorIdents(), clBtnFace)
        .Object("Font", [](TForm& Self) -> TPersistent& { return Self.Font(); })
        .String("Icon", &TForm::Icon, &TForm::SetIcon, std::string())
        .Component<TMainMenu>("Menu", &TForm::Menu, &TForm::SetMenu)
        .Bool("OldCreateOrder", &TForm::OldCreateOrder, &TForm::SetOldCreateOrder, std::nullopt)
        .Enum<TPosition>("Position", &TForm::Position, &TForm::SetPosition, PositionNames, poDesigned)
        .Bool("Scaled", &TForm::Scaled, &TForm::SetScaled, true)
        .Event("OnClose", &TForm::OnClose)
        .Event("OnCreate", &TForm::OnCreate)
        .Int("PixelsPerInch", &TForm::PixelsPerInch, &TForm::SetPixelsPerInch, std::nullopt)
        .Int("TextHeight", &TForm::TextHeight, &TForm::SetTextHeight, std::nullopt);
    return I;
  }();
  return Info;
}

TForm::TForm(TComponent* AOwner) : TWinControl(AOwner) {
  TControl::SetVisible(false);
  SetParentFont(false);
  SetParentColor(false);
  FWidth = 320;
  FHeight = 240;
}

TForm::~TForm() {
  if (Application && Application->MainForm() == this) {
    // The main form goes with the application's windows; nothing may point at it any more.
  }
  DestroyWnd();
  if (FIcon) DestroyIcon(FIcon);
  if (FSmallIcon) DestroyIcon(FSmallIcon);
}

void TForm::InitializeForm(const TMethodTable& Methods) {
  std::string ResName = ClassName();
  std::transform(ResName.begin(), ResName.end(), ResName.begin(), [](unsigned char C) { return std::toupper(C); });
  LoadFormFromResource(*this, ResName.c_str(), Methods);
  OnCreate(this);
}

void TForm::Loaded() {
  TWinControl::Loaded();
  int ScreenPpi = Screen->PixelsPerInch();
  if (FScaled && FPixelsPerInch > 0 && ScreenPpi != FPixelsPerInch) {
    ScaleBy(ScreenPpi, FPixelsPerInch);  // the form's own font too: it has no parent to follow
    FPixelsPerInch = ScreenPpi;
  }
}

// Before the window exists the frame comes from the styles the window will have.
RECT TForm::FrameMargins() const {
  TCreateParams Params;
  const_cast<TForm*>(this)->CreateParams(Params);
  RECT R{0, 0, 0, 0};
  AdjustWindowRectEx(&R, Params.Style, FMenu != nullptr, Params.ExStyle);
  return R;
}

int TForm::ClientWidth() const {
  if (HandleAllocated()) return TWinControl::ClientWidth();
  RECT M = FrameMargins();
  return Width() - (M.right - M.left);
}

int TForm::ClientHeight() const {
  if (HandleAllocated()) return TWinControl::ClientHeight();
  RECT M = FrameMargins();
  return Height() - (M.bottom - M.top);
}

void TForm::SetClientWidth(int Value) {
  if (HandleAllocated()) return TWinControl::SetClientWidth(Value);
  RECT M = FrameMargins();
  SetWidth(Value + (M.right - M.left));
}

void TForm::SetClientHeight(int Value) {
  if (HandleAllocated()) return TWinControl::SetClientHeight(Value);
  RECT M = FrameMargins();
  SetHeight(Value + (M.bottom - M.top));
}

void TForm::SetBorderIcons(TBorderIcons Value) {
  if (Value == FBorderIcons) return;
  FBorderIcons = Value;
  RecreateWnd();
}

void TForm::SetBorderStyle(TFormBorderStyle Value) {
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TForm::SetIcon(const std::string& ResourceName) {
  FIconName = ResourceName;
  if (FIcon) DestroyIcon(FIcon);
  if (FSmallIcon) DestroyIcon(FSmallIcon);
  FIcon = FSmallIcon = nullptr;
  if (HandleAllocated()) InitializeWnd();
}

void TForm::SetMenu(TMainMenu* Value) {
  FMenu = Value;
  if (HandleAllocated()) ::SetMenu(FHandle, FMenu ? FMenu->Handle() : nullptr);
  AlignControls();  // the menu bar takes its height from the client area
}

TWinControl* TForm::ActiveControl() const {
  TWinControl* Focused = FocusedControl();
  return Focused ? Focused : FActiveControl;
}

void TForm::SetActiveControl(TWinControl* Value) {
  FActiveControl = Value;
  if (Value && Visible() && HandleAllocated() && Value->CanFocus()) Value->SetFocus();
}

TWinControl* TForm::FocusedControl() const {
  HWND Focus = GetFocus();
  if (!Focus || !FHandle || (Focus != FHandle && !IsChild(FHandle, Focus))) return nullptr;
  for (HWND W = Focus; W && W != FHandle; W = GetParent(W))
    if (TWinControl* C = FromHandle(W)) return C;
  return nullptr;
}

void TForm::SelectNext(TWinControl* Current, bool Forward) {
  std::vector<TWinControl*> Order;
  CollectTabOrder(*this, Order);
  if (Order.empty()) return;
  int N = static_cast<int>(Order.size());
  int Start = static_cast<int>(std::find(Order.begin(), Order.end(), Current) - Order.begin());
  if (Start == N) Start = Forward ? -1 : N;
  for (int Step = 1; Step <= N; ++Step) {
    int I = ((Start + (Forward ? Step : -Step)) % N + N) % N;
    TWinControl* C = Order[I];
    if (C->TabStop() && C->CanFocus()) {
      C->SetFocus();
      return;
    }
  }
}

void TForm::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.Style = WS_CLIPCHILDREN | WS_CAPTION;
  Params.ExStyle = 0;
  switch (FBorderStyle) {
    case bsNone: Params.Style = WS_POPUP | WS_CLIPCHILDREN; break;
    case bsSingle: Params.Style |= WS_BORDER; break;
    case bsDialog: Params.Style |= WS_DLGFRAME; Params.ExStyle |= WS_EX_DLGMODALFRAME; break;
    case bsToolWindow: Params.ExStyle |= WS_EX_TOOLWINDOW; break;
    case bsSizeToolWin: Params.Style |= WS_THICKFRAME; Params.ExStyle |= WS_EX_TOOLWINDOW; break;
    default: Params.Style |= WS_THICKFRAME; break;
  }
  if (FBorderStyle != bsNone && Has(FBorderIcons, biSystemMenu)) {
    Params.Style |= WS_SYSMENU;
    if (FBorderStyle != bsDialog && FBorderStyle != bsToolWindow && FBorderStyle != bsSizeToolWin) {
      if (Has(FBorderIcons, biMinimize)) Params.Style |= WS_MINIMIZEBOX;
      if (Has(FBorderIcons, biMaximize)) Params.Style |= WS_MAXIMIZEBOX;
    }
  }
  if (!Enabled()) Params.Style |= WS_DISABLED;
  Params.ClassStyle = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
  // Forms other than the main one stay above it and share its taskbar button.
  TForm* Main = Application ? Application->MainForm() : nullptr;
  if (Main && Main != this && Main->HandleAllocated()) Params.WndParent = Main->Handle();
  else Params.WndParent = ParentWindow();
}

void TForm::CreateWnd() {
  TWinControl::CreateWnd();
  if (FMenu) ::SetMenu(FHandle, FMenu->Handle());
}

void TForm::InitializeWnd() {
  const char* Name = FIconName.empty() ? "MAINICON" : FIconName.c_str();
  HINSTANCE Instance = GetModuleHandleA(nullptr);
  if (!FIcon) FIcon = static_cast<HICON>(LoadImageA(Instance, Name, IMAGE_ICON, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
  if (!FSmallIcon) FSmallIcon = static_cast<HICON>(LoadImageA(Instance, Name, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
  if (FIcon) SendMessageA(FHandle, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(FIcon));
  if (FSmallIcon) SendMessageA(FHandle, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(FSmallIcon));
}

void TForm::CenterOnScreen() {
  RECT Work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &Work, 0);
  int L = Work.left + (Work.right - Work.left - Width()) / 2;
  int T = Work.top + (Work.bottom - Work.top - Height()) / 2;
  SetBounds(std::max<int>(L, Work.left), std::max<int>(T, Work.top), Width(), Height());
}

void TForm::SetVisible(bool Value) {
  if (Value == Visible()) return;
  TControl::SetVisible(Value);
  if (!Value) {
    if (HandleAllocated()) ShowWindow(FHandle, SW_HIDE);
    return;
  }
  HandleNeeded();
  if (!FShownOnce && FPosition == poScreenCenter) CenterOnScreen();
  int Show = SW_SHOW;
  if (!FShownOnce && Application->MainForm() == this) {
    // Honour the show command the program was started with.
    STARTUPINFOA Info{};
    Info.cb = sizeof(Info);
    GetStartupInfoA(&Info);
    if (Info.dwFlags & STARTF_USESHOWWINDOW) {
      switch (Info.wShowWindow) {
        case SW_SHOWMAXIMIZED: Show = SW_SHOWMAXIMIZED; break;
        case SW_SHOWMINNOACTIVE: Show = SW_SHOWMINNOACTIVE; break;
        case SW_SHOWMINIMIZED:
        case SW_MINIMIZE: Show = SW_SHOWMINIMIZED; break;
        default: break;
      }
    }
  }
  ShowWindow(FHandle, Show);
  if (!FShownOnce && FActiveControl && FActiveControl->CanFocus()) FActiveControl->SetFocus();
  FShownOnce = true;
}

void TForm::DoClose(TCloseAction& Action) { OnClose(this, Action); }

void TForm::Close() {
  if (FModal) {
    FModalResult = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction Action = caHide;
  DoClose(Action);
  if (Action == caNone) return;
  if (Application->MainForm() == this) {
    Application->Terminate();
  } else if (Action == caHide || Action == caFree) {
    Hide();
  } else if (Action == caMinimize) {
    ShowWindow(FHandle, SW_MINIMIZE);
  }
}

TModalResult TForm::ShowModal() {
  if (Visible() || FModal) throw EInvalidOperation("Impossible de rendre modale une fiche visible");
  HandleNeeded();
  TModalScope Others(FHandle);
  FModal = true;
  FModalResult = mrNone;
  try {
    Show();
    while (true) {
      Application->HandleMessage();
      if (Application->Terminated()) FModalResult = mrCancel;
      if (FModalResult != mrNone) {
        TCloseAction Action = caHide;
        if (CloseQuery()) DoClose(Action);
        else Action = caNone;
        if (Action != caNone || Application->Terminated()) break;
        FModalResult = mrNone;
      }
    }
  } catch (...) {
    Others.Release();
    FModal = false;
    Hide();
    throw;
  }
  // Enable the others before hiding, or the system activates some other program's window.
  Others.Release();
  FModal = false;
  Hide();
  return FModalResult;
}

void TForm::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FMenu) SetMenu(nullptr);
  if (AComponent == FActiveControl) FActiveControl = nullptr;
}

void TForm::WndProc(TMessage& M) {
  switch (M.Msg) {
    case WM_CLOSE:
      Close();
      return;
    case WM_COMMAND:
      if (M.LParam == 0 && HIWORD(M.WParam) == 0 && FMenu) {
        if (FMenu->DispatchCommand(LOWORD(M.WParam))) return;
      }
      break;
    case WM_ACTIVATE:
      if (LOWORD(M.WParam) == WA_INACTIVE) {
        if (TWinControl* C = FocusedControl()) FActiveControl = C;
      }
      break;
    case WM_SETFOCUS:
      if (FActiveControl && FActiveControl != this && FActiveControl->CanFocus()) {
        FActiveControl->SetFocus();
        return;
      }
      break;
    default:
      break;
  }
  TWinControl::WndProc(M);
}

// --- TApplication --------------------------------------------------------------------------

const TClassInfo& TApplication::StaticClass() {
  static const TClassInfo Info("TApplication", &TComponent::StaticClass());
  return Info;
}

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {}

TApplication::~TApplication() { FMainForm = nullptr; }

std::string TApplication::ExeName() const {
  char Path[MAX_PATH * 4];
  DWORD Len = GetModuleFileNameA(nullptr, Path, sizeof Path);
  return std::string(Path, Len);
}

void TApplication::Run() {
  if (FMainForm) FMainForm->Show();
  while (!FTerminated) HandleMessage();
}

bool TApplication::IsTabKey(MSG& Msg) {
  if (Msg.message != WM_KEYDOWN || Msg.wParam != VK_TAB) return false;
  if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
  HWND Root = GetAncestor(Msg.hwnd, GA_ROOT);
  auto* Form = dynamic_cast<TForm*>(TWinControl::FromHandle(Root));
  if (!Form) return false;
  Form->SelectNext(Form->FocusedControl(), GetKeyState(VK_SHIFT) >= 0);
  return true;
}

bool TApplication::ProcessMessage(MSG& Msg) {
  if (!PeekMessageA(&Msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (Msg.message == WM_QUIT) {
    FTerminated = true;
    return true;
  }
  try {
    if (!IsTabKey(Msg)) {
      TranslateMessage(&Msg);
      DispatchMessageA(&Msg);
    }
  } catch (...) {
    HandleException(this);
  }
  return true;
}

void TApplication::HandleMessage() {
  MSG Msg;
  if (!ProcessMessage(Msg)) WaitMessage();
}

void TApplication::ProcessMessages() {
  MSG Msg;
  while (ProcessMessage(Msg)) {
  }
}

void TApplication::Terminate() { PostQuitMessage(0); }

void TApplication::HandleException(TObject*) {
  if (HWND Capture = GetCapture()) SendMessageA(Capture, WM_CANCELMODE, 0, 0);
  try {
    throw;
  } catch (const Exception& E) {
    ShowException(E);
  } catch (const std::exception& E) {
    ShowException(Exception(E.what()));
  } catch (...) {
    ShowException(Exception("Erreur inattendue"));
  }
}

std::string ExceptionDisplayText(const std::string& Message) {
  if (!Message.empty() && static_cast<unsigned char>(Message.back()) > '.') return Message + ".";
  return Message;
}

void TApplication::ShowException(const Exception& E) {
  std::string Text = ExceptionDisplayText(E.Message());
  const UINT Flags = MB_OK | MB_ICONSTOP;
  if (OnShowMessage) {
    OnShowMessage(Text, FTitle, Flags);
    return;
  }
  HWND Owner = ModalOwner();
  TModalScope Others(Owner);  // the box disables its owner itself
  MessageBoxA(Owner, Text.c_str(), FTitle.c_str(), Flags);
}

// --- TScreen -------------------------------------------------------------------------------

const TClassInfo& TScreen::StaticClass() {
  static const TClassInfo Info("TScreen", &TComponent::StaticClass());
  return Info;
}

void TScreen::SetCursor(TCursor Value) {
  if (Value == FCursor) return;
  FCursor = Value;
  ::SetCursor(CursorHandle(Value));
  // Let the window under the mouse choose its own cursor again.
  POINT P;
  if (Value == crDefault && GetCursorPos(&P)) SetCursorPos(P.x, P.y);
}

int TScreen::PixelsPerInch() const {
  HDC DC = GetDC(nullptr);
  int Ppi = GetDeviceCaps(DC, LOGPIXELSY);
  ReleaseDC(nullptr, DC);
  return Ppi;
}

}  // namespace Scindora
