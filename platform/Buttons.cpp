#include "Buttons.h"

#include "TypInfo.h"

namespace Scindora {

const TClassInfo& TSpeedButton::StaticClass() {
  static const TClassInfo Info = [] {
    TClassInfo I("TSpeedButton", &TGraphicControl::StaticClass(),
                 [](TComponent* O) -> TComponent* { return new TSpeedButton(O); });
    Published<TSpeedButton> P(I);
    PublishControlBasics(P);
    P.String("Caption", &TSpeedButton::Caption, &TSpeedButton::SetCaption, std::string())
        .Bool("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat, false);
    return I;
  }();
  return Info;
}

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner) {
  FWidth = 23;
  FHeight = 22;
}

void TSpeedButton::SetFlat(bool Value) {
  if (Value == FFlat) return;
  FFlat = Value;
  Invalidate();
}

void TSpeedButton::SetPressed(bool Value) {
  if (Value == FPressed) return;
  FPressed = Value;
  Invalidate();
}

void TSpeedButton::EnabledChanged() {
  if (!Enabled()) {
    FTracking = false;
    FPressed = false;
  }
  TGraphicControl::EnabledChanged();
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Enabled()) return;
  FTracking = true;
  SetPressed(true);
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (FTracking) SetPressed(Inside(X, Y));
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft || !FTracking) return;
  FTracking = false;
  SetPressed(false);
  // The click may disable or even hide us: nothing of ours is touched after it.
  if (Inside(X, Y)) Click();
}

void TSpeedButton::Paint() {
  HDC DC = Canvas().Handle();
  RECT R{0, 0, Width(), Height()};
  if (FFlat) {
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(R);
    if (FPressed) DrawEdge(DC, &R, BDR_SUNKENOUTER, BF_RECT);
  } else {
    DrawFrameControl(DC, &R, DFC_BUTTON, DFCS_BUTTONPUSH | (FPressed ? DFCS_PUSHED : 0));
  }
  std::string T = Caption();
  if (T.empty()) return;
  SelectObject(DC, Canvas().Font().Handle());
  SetBkMode(DC, TRANSPARENT);
  if (FPressed) OffsetRect(&R, 1, 1);
  const UINT Flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  if (Enabled()) {
    SetTextColor(DC, ColorToRGB(Font().Color()));
    DrawTextA(DC, T.c_str(), static_cast<int>(T.size()), &R, Flags);
    return;
  }
  // Disabled: embossed, as the system greys a button's text.
  OffsetRect(&R, 1, 1);
  SetTextColor(DC, ColorToRGB(clBtnHighlight));
  DrawTextA(DC, T.c_str(), static_cast<int>(T.size()), &R, Flags);
  OffsetRect(&R, -1, -1);
  SetTextColor(DC, ColorToRGB(clBtnShadow));
  DrawTextA(DC, T.c_str(), static_cast<int>(T.size()), &R, Flags);
}

void RegisterButtonsClasses() { RegisterComponentClass(TSpeedButton::StaticClass()); }

}  // namespace Scindora
