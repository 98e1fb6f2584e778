#include "Lines.h"

#include <algorithm>

#include "TypInfo.h"

namespace Scindora {

namespace {
const TIdentTable LineTypeNames = {"ltCustom", "ltHorizontal", "ltVertical",   "ltTop",         "ltBottom",
                                   "ltLeft",   "ltRight",      "ltUpDiagonal", "ltDownDiagonal"};
const TIdentTable DragModeNames = {"dmManual", "dmAutomatic"};

// A new control's side, and the thin side of a line that leaves a centred kind.
constexpr int DefaultSide = 65;
// A centred line's thin side is this many times its pen width.
constexpr int ThicknessPerPenWidth = 10;
}  // namespace

const TClassInfo& TLine::StaticClass() {
  static const TClassInfo Info = [] {
    TClassInfo I("TLine", &TGraphicControl::StaticClass(), [](TComponent* O) -> TComponent* { return new TLine(O); });
    Published<TLine>(I)
        .Object("Brush", [](TLine& Self) -> TPersistent& { return Self.Brush(); })
        .IntIdent("DragCursor", &TLine::DragCursor, &TLine::SetDragCursor, CursorIdents(), crDrag)
        .Enum<TDragMode>("DragMode", &TLine::DragMode, &TLine::SetDragMode, DragModeNames, dmManual)
        // Defaults other than a new control's size: 100 wide or 10 high is left out.
        .Int("Height", &TLine::Height, &TLine::SetHeight, 10)
        .Object("Pen", [](TLine& Self) -> TPersistent& { return Self.Pen(); })
        .Int("FromX", &TLine::FromX, &TLine::SetFromX, std::nullopt)
        .Int("ToX", &TLine::ToX, &TLine::SetToX, std::nullopt)
        .Int("FromY", &TLine::FromY, &TLine::SetFromY, std::nullopt)
        .Int("ToY", &TLine::ToY, &TLine::SetToY, std::nullopt)
        .Enum<TLineType>("Line", &TLine::Line, &TLine::SetLine, LineTypeNames, std::nullopt)
        .Int("Width", &TLine::Width, &TLine::SetWidth, 100)
        .Event("OnMouseDown", &TLine::OnMouseDown)
        .Event("OnMouseMove", &TLine::OnMouseMove)
        .Event("OnMouseUp", &TLine::OnMouseUp);
    return I;
  }();
  return Info;
}

TLine::TLine(TComponent* AOwner)
    : TGraphicControl(AOwner), FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>()) {
  FBrush->OnChange = [this](TObject* Sender) { StyleChanged(Sender); };
  FPen->OnChange = [this](TObject* Sender) { StyleChanged(Sender); };
  SetWidth(DefaultSide);
  SetHeight(DefaultSide);
  SetFromX(0);
  SetFromY(0);
  SetToX(35);
  SetToY(35);
}

TLine::~TLine() {
  FPen.reset();
  FBrush.reset();
}

void TLine::StyleChanged(TObject*) { Invalidate(); }

// Repaints even when the value is unchanged.
void TLine::SetEndPoint(int& Field, int Value) {
  if (FLine != ltCustom) return;
  Field = Value;
  Invalidate();
}

void TLine::SetLine(TLineType Value) {
  if (Value == FLine) return;
  const int W = Width(), H = Height();
  if (FLine == ltHorizontal) {
    switch (Value) {
      case ltVertical: SetWidth(H); SetHeight(W); break;
      case ltTop:
      case ltBottom:
      case ltUpDiagonal:
      case ltDownDiagonal: SetHeight(DefaultSide); break;
      case ltLeft:
      case ltRight: SetHeight(W); SetWidth(DefaultSide); break;
      default: break;
    }
  } else if (FLine == ltVertical) {
    switch (Value) {
      case ltHorizontal: SetHeight(W); SetWidth(H); break;
      case ltTop:
      case ltBottom: SetWidth(H); SetHeight(DefaultSide); break;
      case ltLeft:
      case ltRight:
      case ltUpDiagonal:
      case ltDownDiagonal: SetWidth(DefaultSide); break;
      default: break;
    }
  }
  FLine = Value;
  Invalidate();
}

// Points come from the size the control has when the paint begins; a resize here makes the
// parent paint again, and that paint settles on the new size.
void TLine::Paint() {
  Canvas().Pen().Assign(*FPen);
  Canvas().Brush().Assign(*FBrush);
  const int R = Width() - 1;
  const int B = Height() - 1;
  switch (FLine) {
    case ltCustom:
      if (FToX < 0) FToX = 0;
      if (FFromX < 0) FFromX = 0;
      if (FToX > R || FFromX > R) SetWidth(std::max(FToX, FFromX) + 1);
      if (FToY < 0) FToY = 0;
      if (FFromY < 0) FFromY = 0;
      if (FToY > B || FFromY > B) SetHeight(std::max(FToY, FFromY) + 1);
      break;
    case ltHorizontal:
      FFromX = 0, FFromY = B / 2, FToX = R, FToY = B / 2;
      SetHeight(FPen->Width() * ThicknessPerPenWidth);
      break;
    case ltVertical:
      FFromX = R / 2, FFromY = 0, FToX = R / 2, FToY = B;
      SetWidth(FPen->Width() * ThicknessPerPenWidth);
      break;
    case ltTop: FFromX = 0, FFromY = 0, FToX = R, FToY = 0; break;
    case ltBottom: FFromX = 0, FFromY = B, FToX = R, FToY = B; break;
    case ltLeft: FFromX = 0, FFromY = 0, FToX = 0, FToY = B; break;
    case ltRight: FFromX = R, FFromY = 0, FToX = R, FToY = B; break;
    case ltUpDiagonal: FFromX = 0, FFromY = B, FToX = R, FToY = 0; break;
    case ltDownDiagonal: FFromX = 0, FFromY = 0, FToX = R, FToY = B; break;
  }
  Canvas().MoveTo(FFromX, FFromY);
  Canvas().LineTo(FToX, FToY);
}

void RegisterLinesClasses() { RegisterComponentClass(TLine::StaticClass()); }

}  // namespace Scindora
