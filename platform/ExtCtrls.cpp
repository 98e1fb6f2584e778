#include "ExtCtrls.h"

#include <algorithm>

#include "TypInfo.h"

namespace Scindora {

namespace {
const TIdentTable BevelCutNames = {"bvNone", "bvLowered", "bvRaised", "bvSpace"};
const TIdentTable BevelKindNames = {"bkNone", "bkTile", "bkSoft", "bkFlat"};
// Space kept below the lowest band.
constexpr int BandMargin = 2;
}  // namespace

const TIdentTable& BevelCutIdents() { return BevelCutNames; }
const TIdentTable& BevelKindIdents() { return BevelKindNames; }

// --- TControlBar ---------------------------------------------------------------------------

const TClassInfo& TControlBar::StaticClass() {
  static const TClassInfo Info = [] {
    TClassInfo I("TControlBar", &TWinControl::StaticClass(),
                 [](TComponent* O) -> TComponent* { return new TControlBar(O); });
    Published<TControlBar> P(I);
    PublishControlBasics(P);
    P.Bool("AutoSize", &TControlBar::AutoSize, &TControlBar::SetAutoSize, false)
        .Enum<TBevelCut>("BevelInner", &TControlBar::BevelInner, &TControlBar::SetBevelInner, BevelCutNames, bvRaised)
        .Enum<TBevelCut>("BevelOuter", &TControlBar::BevelOuter, &TControlBar::SetBevelOuter, BevelCutNames, bvLowered)
        .Enum<TBevelKind>("BevelKind", &TControlBar::BevelKind, &TControlBar::SetBevelKind, BevelKindNames, bkTile);
    return I;
  }();
  return Info;
}

TControlBar::TControlBar(TComponent* AOwner) : TWinControl(AOwner) {
  FWidth = 100;
  FHeight = 50;
}

void TControlBar::SetAutoSize(bool Value) {
  if (Value == FAutoSize) return;
  FAutoSize = Value;
  AdjustSize();
}

void TControlBar::SetBevelInner(TBevelCut Value) {
  if (Value == FBevelInner) return;
  FBevelInner = Value;
  BevelChanged();
}

void TControlBar::SetBevelOuter(TBevelCut Value) {
  if (Value == FBevelOuter) return;
  FBevelOuter = Value;
  BevelChanged();
}

void TControlBar::SetBevelKind(TBevelKind Value) {
  if (Value == FBevelKind) return;
  FBevelKind = Value;
  BevelChanged();
}

int TControlBar::BevelWidth() const {
  if (FBevelKind == bkNone) return 0;
  return (FBevelOuter != bvNone ? 1 : 0) + (FBevelInner != bvNone ? 1 : 0);
}

void TControlBar::BevelChanged() {
  if (FHandle)
    SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  AdjustSize();
}

void TControlBar::AdjustSize() {
  if (!FAutoSize) return;
  int Bottom = -1;
  for (int I = 0; I < ControlCount(); ++I) {
    TControl* C = Controls(I);
    if (C->Visible()) Bottom = std::max(Bottom, C->Top() + C->Height());
  }
  if (Bottom < 0) return;  // no band: keep the height
  SetBounds(FLeft, FTop, FWidth, Bottom + BandMargin + 2 * BevelWidth());
}

void TControlBar::Loaded() {
  TWinControl::Loaded();
  AdjustSize();
}

void TControlBar::InitializeWnd() { AdjustSize(); }

void TControlBar::PaintGrips(HDC DC) {
  for (int I = 0; I < ControlCount(); ++I) {
    TControl* C = Controls(I);
    if (!C->Visible() || C->Left() < GripWidth) continue;
    // Two thin raised ridges just left of the band.
    int X = C->Left() - GripWidth;
    for (int Ridge = 0; Ridge < 2; ++Ridge) {
      RECT R{X + 1 + Ridge * 3, C->Top() + 1, X + 4 + Ridge * 3, C->Top() + C->Height() - 1};
      DrawEdge(DC, &R, BDR_RAISEDINNER, BF_RECT);
    }
  }
}

void TControlBar::PaintBevel() {
  int W = BevelWidth();
  if (!W) return;
  HDC DC = GetWindowDC(FHandle);
  RECT R;
  GetWindowRect(FHandle, &R);
  OffsetRect(&R, -R.left, -R.top);
  UINT Flags = BF_RECT | (FBevelKind == bkFlat ? BF_FLAT : FBevelKind == bkSoft ? BF_SOFT : 0);
  auto Cut = [&](TBevelCut C, UINT Raised, UINT Sunken) {
    if (C == bvNone) return;
    if (C == bvSpace) {
      FrameRect(DC, &R, GetSysColorBrush(COLOR_BTNFACE));
    } else {
      DrawEdge(DC, &R, C == bvRaised ? Raised : Sunken, Flags);
    }
    InflateRect(&R, -1, -1);
  };
  Cut(FBevelOuter, BDR_RAISEDOUTER, BDR_SUNKENOUTER);
  Cut(FBevelInner, BDR_RAISEDINNER, BDR_SUNKENINNER);
  ReleaseDC(FHandle, DC);
}

void TControlBar::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCCALCSIZE: {
      TWinControl::WndProc(Message);
      int W = BevelWidth();
      auto* R = reinterpret_cast<RECT*>(Message.LParam);  // the first rectangle either way
      InflateRect(R, -W, -W);
      return;
    }
    case WM_NCPAINT:
      TWinControl::WndProc(Message);
      PaintBevel();
      return;
    case WM_PAINT: {
      PAINTSTRUCT Ps;
      HDC DC = BeginPaint(FHandle, &Ps);
      PaintGrips(DC);
      PaintControls(DC, Ps.rcPaint);
      EndPaint(FHandle, &Ps);
      Message.Result = 0;
      return;
    }
    case WM_PARENTNOTIFY:
      // A band got its window (a tool bar may size itself then).
      TWinControl::WndProc(Message);
      if (LOWORD(Message.WParam) == WM_CREATE) AdjustSize();
      return;
    default:
      TWinControl::WndProc(Message);
  }
}

// --- TImage --------------------------------------------------------------------------------

const TClassInfo& TImage::StaticClass() {
  static const TClassInfo Info = [] {
    TClassInfo I("TImage", &TGraphicControl::StaticClass(), [](TComponent* O) -> TComponent* { return new TImage(O); });
    Published<TImage> P(I);
    PublishControlBasics(P);
    P.Bool("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize, false)
        .String("Picture", &TImage::Picture, &TImage::SetPicture, std::string());
    return I;
  }();
  return Info;
}

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner) {
  FWidth = 105;
  FHeight = 105;
}

void TImage::SetAutoSize(bool Value) {
  if (Value == FAutoSize) return;
  FAutoSize = Value;
  AdjustSize();
}

void TImage::SetPicture(const std::string& ResourceName) {
  if (ResourceName == FPicture.ResourceName()) return;
  FPicture.LoadFromResourceName(ResourceName);
  AdjustSize();
  Invalidate();
}

void TImage::AdjustSize() {
  if (FAutoSize && !FPicture.Empty()) SetBounds(FLeft, FTop, FPicture.Width(), FPicture.Height());
}

void TImage::Paint() {
  if (!FPicture.Empty()) Canvas().Draw(0, 0, FPicture.Handle());
}

void RegisterExtCtrlsClasses() {
  RegisterComponentClass(TControlBar::StaticClass());
  RegisterComponentClass(TImage::StaticClass());
}

}  // namespace Scindora
