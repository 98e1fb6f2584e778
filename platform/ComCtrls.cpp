#include "ComCtrls.h"

#include <algorithm>

#include "ImgList.h"
#include "TypInfo.h"

namespace Scindora {

const TIdentTable& EdgeStyleIdents() {
  static const TIdentTable Names = {"esNone", "esRaised", "esLowered"};
  return Names;
}

const TIdentTable& EdgeBorderIdents() {
  static const TIdentTable Names = {"ebLeft", "ebTop", "ebRight", "ebBottom"};
  return Names;
}

const TIdentTable& ToolButtonStyleIdents() {
  static const TIdentTable Names = {"tbsButton", "tbsSeparator"};
  return Names;
}

namespace {

// ShowHint as the user sees it: taken from the parent as long as ParentShowHint says so.
bool EffectiveShowHint(const TControl* C) {
  for (; C; C = C->Parent())
    if (!C->ParentShowHint() || !C->Parent()) return C->ShowHint();
  return false;
}

constexpr int DefaultSeparatorWidth = 8;

// The common control classes exist once the library has registered them.
void NeedCommonControls() {
  static const bool Done = [] {
    INITCOMMONCONTROLSEX Init{sizeof(Init), ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
    return InitCommonControlsEx(&Init) != FALSE;
  }();
  (void)Done;
}

}  // namespace

// --- TProgressBar --------------------------------------------------------------------------

const TClassInfo& TProgressBar::StaticClass() {
  static const TClassInfo Info = [] {
    TClassInfo I("TProgressBar", &TWinControl::StaticClass(),
                 [](TComponent* O) -> TComponent* { return new TProgressBar(O); });
    Published<TProgressBar>(I)
        .Enum<TAlign>("Align", &TControl::Align, &TControl::SetAlign, AlignIdents(), alNone)
        .Bool("Enabled", &TControl::Enabled, &TControl::SetEnabled, true)
        .Bool("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint, true)
        .Bool("ShowHint", &TControl::ShowHint, &TControl::SetShowHint, false)
        .Bool("Visible", &TControl::Visible, &TControl::SetVisible, true)
        .Int("Min", &TProgressRange::Min, &TProgressRange::SetMin, 0)
        .Int("Max", &TProgressRange::Max, &TProgressRange::SetMax, 100)
        .Int("Position", &TProgressRange::Position, &TProgressRange::SetPosition, 0)
        .Int("Step", &TProgressRange::Step, &TProgressRange::SetStep, 10);
    return I;
  }();
  return Info;
}

TProgressBar::TProgressBar(TComponent* AOwner) : TWinControl(AOwner) {
  FWidth = 150;
  FHeight = 16;
}

void TProgressBar::CreateParams(TCreateParams& Params) {
  NeedCommonControls();
  TWinControl::CreateParams(Params);
  Params.WinClassName = PROGRESS_CLASSA;
  Params.SystemClass = true;
}

void TProgressBar::InitializeWnd() { PushRange(); }

void TProgressBar::Changed() {
  if (HandleAllocated()) PushRange();
}

// Range first, so the position is never clamped to the old one.
void TProgressBar::PushRange() {
  SendMessageA(FHandle, PBM_SETRANGE32, static_cast<WPARAM>(Min()), static_cast<LPARAM>(Max()));
  SendMessageA(FHandle, PBM_SETSTEP, static_cast<WPARAM>(Step()), 0);
  SendMessageA(FHandle, PBM_SETPOS, static_cast<WPARAM>(Position()), 0);
}

// --- TToolButton ---------------------------------------------------------------------------

const TClassInfo& TToolButton::StaticClass() {
  static const TClassInfo Info = [] {
    TClassInfo I("TToolButton", &TControl::StaticClass(),
                 [](TComponent* O) -> TComponent* { return new TToolButton(O); });
    Published<TToolButton>(I)
        .String("Caption", &TControl::Caption, &TControl::SetCaption, std::nullopt)
        .Bool("Enabled", &TControl::Enabled, &TControl::SetEnabled, true)
        .Int("ImageIndex", &TToolButton::ImageIndex, &TToolButton::SetImageIndex, -1)
        .Bool("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint, true)
        .Bool("ShowHint", &TControl::ShowHint, &TControl::SetShowHint, false)
        .Enum<TToolButtonStyle>("Style", &TToolButton::Style, &TToolButton::SetStyle, ToolButtonStyleIdents(),
                                tbsButton)
        .Bool("Visible", &TControl::Visible, &TControl::SetVisible, true)
        .Event("OnClick", &TToolButton::OnClick);
    return I;
  }();
  return Info;
}

TToolButton::TToolButton(TComponent* AOwner) : TControl(AOwner) {
  FWidth = 23;
  FHeight = 22;
}

TToolButton::~TToolButton() {
  // Leave through our own SetParent, so the bar drops the native button too.
  SetParent(nullptr);
}

TToolBar* TToolButton::ToolBar() const { return dynamic_cast<TToolBar*>(Parent()); }

int TToolButton::Index() const {
  TToolBar* Bar = ToolBar();
  if (!Bar) return -1;
  auto List = Bar->Buttons();
  auto It = std::find(List.begin(), List.end(), this);
  return It == List.end() ? -1 : static_cast<int>(It - List.begin());
}

// A button's caption follows its name until someone sets another one.
void TToolButton::SetName(const std::string& Value) {
  bool Follow = FText == Name();
  TControl::SetName(Value);
  if (Follow) SetCaption(Value);
}

void TToolButton::SetParent(TWinControl* Value) {
  TToolBar* Old = ToolBar();
  TControl::SetParent(Value);
  if (Old && Old != ToolBar()) Old->ButtonsChanged();
  if (TToolBar* Bar = ToolBar()) Bar->ButtonsChanged();
}

// The bar decides where a button goes; only a separator's width is the caller's to choose.
void TToolButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TToolBar* Bar = ToolBar();
  if (!Bar) {
    TControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    return;
  }
  // Moving it passes the width it has; a width of its own is one that differs.
  if (AWidth > 0 && AWidth != FWidth) {
    FSeparatorWidth = AWidth;
    if (FStyle == tbsSeparator) Bar->ButtonsChanged();
  }
}

void TToolButton::Place(int ALeft, int ATop, int AWidth, int AHeight) {
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
}

void TToolButton::SetVisible(bool Value) {
  if (Value == Visible()) return;
  TControl::SetVisible(Value);
  if (TToolBar* Bar = ToolBar()) Bar->ButtonsChanged();
}

void TToolButton::SetStyle(TToolButtonStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  if (TToolBar* Bar = ToolBar()) Bar->ButtonsChanged();
}

void TToolButton::SetImageIndex(int Value) {
  if (Value == FImageIndex) return;
  FImageIndex = Value;
  if (TToolBar* Bar = ToolBar()) Bar->UpdateButton(this);
}

void TToolButton::EnabledChanged() {
  if (TToolBar* Bar = ToolBar()) Bar->UpdateButton(this);
}

void TToolButton::TextChanged() {
  if (TToolBar* Bar = ToolBar(); Bar && Bar->ShowCaptions()) Bar->ButtonsChanged();
}

// --- TToolBar ------------------------------------------------------------------------------

const TClassInfo& TToolBar::StaticClass() {
  static const TClassInfo Info = [] {
    TClassInfo I("TToolBar", &TWinControl::StaticClass(),
                 [](TComponent* O) -> TComponent* { return new TToolBar(O); });
    Published<TToolBar> P(I);
    PublishControlBasics(P);
    P.Int("ButtonHeight", &TToolBar::ButtonHeight, &TToolBar::SetButtonHeight, 22)
        .Int("ButtonWidth", &TToolBar::ButtonWidth, &TToolBar::SetButtonWidth, 23)
        .String("Caption", &TControl::Caption, &TControl::SetCaption, std::string())
        .Set("EdgeBorders", &TToolBar::EdgeBorders, &TToolBar::SetEdgeBorders, EdgeBorderIdents(), 1u << ebTop)
        .Enum<TEdgeStyle>("EdgeInner", &TToolBar::EdgeInner, &TToolBar::SetEdgeInner, EdgeStyleIdents(), esRaised)
        .Enum<TEdgeStyle>("EdgeOuter", &TToolBar::EdgeOuter, &TToolBar::SetEdgeOuter, EdgeStyleIdents(), esLowered)
        .Bool("Flat", &TToolBar::Flat, &TToolBar::SetFlat, false)
        .Component<TImageList>("Images", &TToolBar::Images, &TToolBar::SetImages)
        .Bool("ShowCaptions", &TToolBar::ShowCaptions, &TToolBar::SetShowCaptions, false);
    return I;
  }();
  return Info;
}

TToolBar::TToolBar(TComponent* AOwner) : TWinControl(AOwner) {
  FWidth = 150;
  FHeight = 29;
}

TToolBar::~TToolBar() {
  if (FImages) FImages->UnRegisterChanges(this);
}

std::vector<TToolButton*> TToolBar::Buttons() const {
  std::vector<TToolButton*> Result;
  for (int I = 0; I < ControlCount(); ++I)
    if (auto* B = dynamic_cast<TToolButton*>(Controls(I))) Result.push_back(B);
  return Result;
}

TToolButton* TToolBar::ButtonForCommand(int Command) const {
  auto List = Buttons();
  return Command >= 1 && Command <= static_cast<int>(List.size()) ? List[Command - 1] : nullptr;
}

void TToolBar::SetButtonWidth(int Value) {
  if (Value == FButtonWidth) return;
  FButtonWidth = Value;
  ButtonsChanged();
}

void TToolBar::SetButtonHeight(int Value) {
  if (Value == FButtonHeight) return;
  FButtonHeight = Value;
  ButtonsChanged();
}

void TToolBar::SetEdgeBorders(TEdgeBorders Value) {
  if (Value == FEdgeBorders) return;
  FEdgeBorders = Value;
  FrameChanged();
}

void TToolBar::SetEdgeInner(TEdgeStyle Value) {
  if (Value == FEdgeInner) return;
  FEdgeInner = Value;
  FrameChanged();
}

void TToolBar::SetEdgeOuter(TEdgeStyle Value) {
  if (Value == FEdgeOuter) return;
  FEdgeOuter = Value;
  FrameChanged();
}

void TToolBar::SetFlat(bool Value) {
  if (Value == FFlat) return;
  FFlat = Value;
  if (!FHandle) return;
  LRESULT Style = SendMessageA(FHandle, TB_GETSTYLE, 0, 0);
  SendMessageA(FHandle, TB_SETSTYLE, 0, Value ? (Style | TBSTYLE_FLAT) : (Style & ~TBSTYLE_FLAT));
  Invalidate();
}

void TToolBar::SetImages(TImageList* Value) {
  if (Value == FImages) return;
  if (FImages) FImages->UnRegisterChanges(this);
  FImages = Value;
  if (FImages) FImages->RegisterChanges(this, [this] { UpdateButtons(); });
  UpdateButtons();
}

void TToolBar::SetShowCaptions(bool Value) {
  if (Value == FShowCaptions) return;
  FShowCaptions = Value;
  ButtonsChanged();
}

void TToolBar::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  // The list is on its way out: its change links are gone already.
  if (Operation == opRemove && AComponent == FImages) {
    FImages = nullptr;
    UpdateButtons();
  }
}

void TToolBar::CreateParams(TCreateParams& Params) {
  NeedCommonControls();
  TWinControl::CreateParams(Params);
  Params.WinClassName = TOOLBARCLASSNAMEA;
  Params.SystemClass = true;
  // The bar keeps the size and place it is given: our own layout decides them.
  Params.Style |= CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN | TBSTYLE_TOOLTIPS;
  if (FFlat) Params.Style |= TBSTYLE_FLAT;
}

void TToolBar::InitializeWnd() {
  SendMessageA(FHandle, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  FrameChanged();
  ButtonsChanged();
}

void TToolBar::ButtonsChanged() {
  LayoutButtons();
  UpdateButtons();
}

void TToolBar::LayoutButtons() {
  int X = 0;
  for (TToolButton* B : Buttons()) {
    int W = B->FStyle == tbsSeparator ? (B->FSeparatorWidth > 0 ? B->FSeparatorWidth : DefaultSeparatorWidth)
                                      : FButtonWidth;
    B->Place(X, 0, W, FButtonHeight);
    if (B->Visible()) X += W;
  }
}

// Native buttons are made again from ours whenever the set of buttons changes.
void TToolBar::UpdateButtons() {
  // The image list may be made here and tell us so; this pass shows it anyway.
  if (!FHandle || FUpdating) return;
  struct TGuard {
    int& Count;
    explicit TGuard(int& C) : Count(C) { ++Count; }
    ~TGuard() { --Count; }
  } Guard(FUpdating);
  HIMAGELIST Glyphs = FImages ? FImages->Handle() : nullptr;
  SendMessageA(FHandle, WM_SETREDRAW, FALSE, 0);
  while (SendMessageA(FHandle, TB_BUTTONCOUNT, 0, 0) > 0) SendMessageA(FHandle, TB_DELETEBUTTON, 0, 0);
  SendMessageA(FHandle, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(Glyphs));
  int GlyphW = FImages ? FImages->Width() : 16, GlyphH = FImages ? FImages->Height() : 16;
  SendMessageA(FHandle, TB_SETBITMAPSIZE, 0, MAKELPARAM(GlyphW, GlyphH));
  SendMessageA(FHandle, TB_SETBUTTONSIZE, 0, MAKELPARAM(FButtonWidth, FButtonHeight));

  auto Ours = Buttons();
  std::vector<std::string> Captions;
  Captions.reserve(Ours.size());  // the native buttons point into it until they are added
  std::vector<TBBUTTON> Native;
  for (size_t I = 0; I < Ours.size(); ++I) {
    TToolButton* B = Ours[I];
    TBBUTTON N{};
    N.idCommand = static_cast<int>(I + 1);
    N.fsState = static_cast<BYTE>((B->Enabled() ? TBSTATE_ENABLED : 0) | (B->Visible() ? 0 : TBSTATE_HIDDEN));
    N.iString = -1;
    if (B->FStyle == tbsSeparator) {
      // A separator's bitmap index is its width.
      N.fsStyle = BTNS_SEP;
      N.iBitmap = B->Width();
    } else {
      N.fsStyle = BTNS_BUTTON;
      N.iBitmap = B->FImageIndex >= 0 ? B->FImageIndex : I_IMAGENONE;
      if (FShowCaptions) {
        Captions.push_back(B->Caption());
        N.iString = reinterpret_cast<INT_PTR>(Captions.back().c_str());
      }
    }
    Native.push_back(N);
  }
  if (!Native.empty()) SendMessageA(FHandle, TB_ADDBUTTONSA, Native.size(), reinterpret_cast<LPARAM>(Native.data()));
  SendMessageA(FHandle, TB_SETBUTTONSIZE, 0, MAKELPARAM(FButtonWidth, FButtonHeight));
  SendMessageA(FHandle, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(FHandle, nullptr, TRUE);
}

void TToolBar::UpdateButton(TToolButton* Button) {
  int Index = Button->Index();
  if (!FHandle || Index < 0) return;
  WPARAM Id = static_cast<WPARAM>(Index + 1);
  SendMessageA(FHandle, TB_ENABLEBUTTON, Id, MAKELPARAM(Button->Enabled() ? TRUE : FALSE, 0));
  if (Button->FStyle != tbsSeparator)
    SendMessageA(FHandle, TB_CHANGEBITMAP, Id, MAKELPARAM(Button->FImageIndex >= 0 ? Button->FImageIndex : I_IMAGENONE, 0));
}

int TToolBar::EdgeWidth() const { return (FEdgeInner != esNone ? 1 : 0) + (FEdgeOuter != esNone ? 1 : 0); }

void TToolBar::FrameChanged() {
  if (FHandle)
    SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TToolBar::CNCommand(WORD NotifyCode, WORD Id) {
  if (NotifyCode != BN_CLICKED) return;
  TToolButton* Button = ButtonForCommand(Id);
  if (Button && Button->Enabled() && Button->FStyle != tbsSeparator) Button->Click();
}

bool TToolBar::AnswerToolTip(NMHDR& Header) {
  if (Header.code != TTN_GETDISPINFOA && Header.code != TTN_GETDISPINFOW) return false;
  TToolButton* Button = ButtonForCommand(static_cast<int>(Header.idFrom));
  FTipText.clear();
  if (Button && Button->FStyle != tbsSeparator && EffectiveShowHint(Button)) FTipText = Button->Hint();
  // The tooltip copies the text at once; the buffer only has to outlive this message.
  if (Header.code == TTN_GETDISPINFOA) {
    auto& Info = reinterpret_cast<NMTTDISPINFOA&>(Header);
    Info.hinst = nullptr;
    Info.szText[0] = '\0';
    Info.lpszText = FTipText.data();
  } else {
    auto& Info = reinterpret_cast<NMTTDISPINFOW&>(Header);
    int Len = MultiByteToWideChar(CP_ACP, 0, FTipText.c_str(), -1, nullptr, 0);
    FTipTextW.assign(std::max(Len, 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, FTipText.c_str(), -1, FTipTextW.data(), Len);
    Info.hinst = nullptr;
    Info.szText[0] = L'\0';
    Info.lpszText = FTipTextW.data();
  }
  return true;
}

void TToolBar::WndProc(TMessage& M) {
  switch (M.Msg) {
    case WM_NOTIFY: {
      // Our tooltip asks the bar, which would pass the request on to its parent; the
      // parent cannot tell it from its own tooltips' requests, so the bar answers here.
      auto* Header = reinterpret_cast<NMHDR*>(M.LParam);
      HWND Tips = FHandle ? reinterpret_cast<HWND>(SendMessageA(FHandle, TB_GETTOOLTIPS, 0, 0)) : nullptr;
      if (Tips && Header->hwndFrom == Tips && AnswerToolTip(*Header)) {
        M.Result = 0;
        return;
      }
      break;
    }
    case WM_NCCALCSIZE: {
      DefaultHandler(M);
      int E = EdgeWidth();
      if (E == 0) return;
      RECT& R = M.WParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(M.LParam)->rgrc[0] : *reinterpret_cast<RECT*>(M.LParam);
      if (FEdgeBorders & (1u << ebLeft)) R.left += E;
      if (FEdgeBorders & (1u << ebTop)) R.top += E;
      if (FEdgeBorders & (1u << ebRight)) R.right -= E;
      if (FEdgeBorders & (1u << ebBottom)) R.bottom -= E;
      return;
    }
    case WM_NCPAINT: {
      DefaultHandler(M);
      if (EdgeWidth() == 0 || FEdgeBorders == 0) return;
      UINT Edge = 0;
      if (FEdgeOuter == esRaised) Edge |= BDR_RAISEDOUTER;
      if (FEdgeOuter == esLowered) Edge |= BDR_SUNKENOUTER;
      if (FEdgeInner == esRaised) Edge |= BDR_RAISEDINNER;
      if (FEdgeInner == esLowered) Edge |= BDR_SUNKENINNER;
      UINT Sides = 0;
      if (FEdgeBorders & (1u << ebLeft)) Sides |= BF_LEFT;
      if (FEdgeBorders & (1u << ebTop)) Sides |= BF_TOP;
      if (FEdgeBorders & (1u << ebRight)) Sides |= BF_RIGHT;
      if (FEdgeBorders & (1u << ebBottom)) Sides |= BF_BOTTOM;
      RECT R;
      GetWindowRect(FHandle, &R);
      OffsetRect(&R, -R.left, -R.top);
      HDC DC = GetWindowDC(FHandle);
      DrawEdge(DC, &R, Edge, Sides);
      ReleaseDC(FHandle, DC);
      return;
    }
    default:
      break;
  }
  TWinControl::WndProc(M);
}

// --- TStatusBar ----------------------------------------------------------------------------

namespace {

// Form data keeps the panels as a list of blocks, one per panel.
class TPanelsProp : public TPropInfo {
public:
  TPanelsProp() : TPropInfo("Panels") {}
  void Read(TObject& Instance, const TFormValue& Value, TFormReader& Reader) const override {
    if (Value.Kind != TFormValue::vkList) RaiseBadValue(Name(), Value);
    auto& Bar = dynamic_cast<TStatusBar&>(Instance);
    Bar.ClearPanels();
    for (const TFormValue& Item : Value.Items) {
      if (Item.Kind != TFormValue::vkBlock) RaiseBadValue(Name(), Item);
      ReadProperties(Bar.AddPanel(), Item.Props, Reader);
    }
  }
  std::optional<TFormValue> Write(const TObject& Instance) const override {
    const auto& Bar = dynamic_cast<const TStatusBar&>(Instance);
    if (Bar.PanelCount() == 0) return std::nullopt;
    std::vector<TFormValue> Items;
    for (int I = 0; I < Bar.PanelCount(); ++I) Items.push_back(TFormValue::Block(WriteProperties(Bar.Panels(I))));
    return TFormValue::List(std::move(Items));
  }
};

}  // namespace

const TClassInfo& TStatusPanel::StaticClass() {
  static const TClassInfo Info = [] {
    TClassInfo I("TStatusPanel", &TPersistent::StaticClass());
    Published<TStatusPanel>(I)
        .String("Text", &TStatusPanel::Text, &TStatusPanel::SetText, std::string())
        .Int("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth, 50);
    return I;
  }();
  return Info;
}

void TStatusPanel::Assign(const TPersistent& Source) {
  auto* Other = dynamic_cast<const TStatusPanel*>(&Source);
  if (!Other) return TPersistent::Assign(Source);
  FWidth = Other->FWidth;
  FText = Other->FText;
  if (FStatusBar) FStatusBar->UpdatePanels();
}

void TStatusPanel::SetWidth(int Value) {
  if (Value == FWidth) return;
  FWidth = Value;
  if (FStatusBar) FStatusBar->UpdatePanels();
}

void TStatusPanel::SetText(const std::string& Value) {
  if (Value == FText) return;
  FText = Value;
  if (FStatusBar) FStatusBar->UpdatePanels();
}

const TClassInfo& TStatusBar::StaticClass() {
  static const TClassInfo Info = [] {
    TClassInfo I("TStatusBar", &TWinControl::StaticClass(),
                 [](TComponent* O) -> TComponent* { return new TStatusBar(O); });
    // Align and ParentFont differ from most controls' defaults.
    Published<TStatusBar>(I)
        .Enum<TAlign>("Align", &TControl::Align, &TControl::SetAlign, AlignIdents(), alBottom)
        .IntIdent("Color", &TControl::Color, &TControl::SetColor, ColorIdents(), clBtnFace)
        .Bool("Enabled", &TControl::Enabled, &TControl::SetEnabled, true)
        .Object("Font", [](TStatusBar& Self) -> TPersistent& { return Self.Font(); })
        .Bool("ParentColor", &TControl::ParentColor, &TControl::SetParentColor, true)
        .Bool("ParentFont", &TControl::ParentFont, &TControl::SetParentFont, false)
        .Bool("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint, true)
        .Bool("ShowHint", &TControl::ShowHint, &TControl::SetShowHint, false)
        .Bool("Visible", &TControl::Visible, &TControl::SetVisible, true)
        .Bool("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip, true)
        .Event("OnClick", &TStatusBar::OnClick);
    I.Props.push_back(std::make_unique<TPanelsProp>());
    return I;
  }();
  return Info;
}

TStatusBar::TStatusBar(TComponent* AOwner) : TWinControl(AOwner) {
  FWidth = 150;
  FHeight = 19;
  SetAlign(alBottom);
  NONCLIENTMETRICSA Metrics{};
  Metrics.cbSize = sizeof(Metrics);
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(Metrics), &Metrics, 0)) {
    const LOGFONTA& F = Metrics.lfStatusFont;
    Font().SetName(F.lfFaceName);
    Font().SetHeight(F.lfHeight);
    Font().SetCharset(F.lfCharSet);
    TFontStyles Style = 0;
    if (F.lfWeight >= FW_BOLD) Style |= 1u << fsBold;
    if (F.lfItalic) Style |= 1u << fsItalic;
    if (F.lfUnderline) Style |= 1u << fsUnderline;
    if (F.lfStrikeOut) Style |= 1u << fsStrikeOut;
    Font().SetStyle(Style);
  }
  SetParentFont(false);
}

TStatusPanel& TStatusBar::AddPanel() {
  FPanels.push_back(std::make_unique<TStatusPanel>(this));
  UpdatePanels();
  return *FPanels.back();
}

void TStatusBar::ClearPanels() {
  if (FPanels.empty()) return;
  FPanels.clear();
  UpdatePanels();
}

void TStatusBar::SetSizeGrip(bool Value) {
  if (Value == FSizeGrip) return;
  FSizeGrip = Value;
  RecreateWnd();
}

void TStatusBar::ScaleBy(int M, int D) {
  TWinControl::ScaleBy(M, D);
  for (auto& P : FPanels) P->SetWidth(MulDiv(P->Width(), M, D));
}

void TStatusBar::CreateParams(TCreateParams& Params) {
  NeedCommonControls();
  TWinControl::CreateParams(Params);
  Params.WinClassName = STATUSCLASSNAMEA;
  Params.SystemClass = true;
  // Align places the bar, not the control itself.
  Params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE;
  if (FSizeGrip) Params.Style |= SBARS_SIZEGRIP;
}

void TStatusBar::InitializeWnd() { UpdatePanels(); }

// Each part ends where the widths so far add up to; the last one runs to the right end (-1).
void TStatusBar::UpdatePanels() {
  if (!FHandle) return;
  int Count = std::max(PanelCount(), 1);
  std::vector<int> Edges(Count);
  int X = 0;
  for (int I = 0; I < Count; ++I) {
    X += I < PanelCount() ? FPanels[I]->Width() : 0;
    Edges[I] = I == Count - 1 ? -1 : X;
  }
  SendMessageA(FHandle, SB_SETPARTS, Count, reinterpret_cast<LPARAM>(Edges.data()));
  for (int I = 0; I < Count; ++I) {
    const char* Text = I < PanelCount() ? FPanels[I]->Text().c_str() : "";
    SendMessageA(FHandle, SB_SETTEXTA, I, reinterpret_cast<LPARAM>(Text));
  }
}

void RegisterComCtrlsClasses() {
  RegisterComponentClass(TProgressBar::StaticClass());
  RegisterComponentClass(TToolBar::StaticClass());
  RegisterComponentClass(TToolButton::StaticClass());
  RegisterComponentClass(TStatusBar::StaticClass());
}

}  // namespace Scindora
