// The line control: one straight line inside its own rectangle, between two end points it
// keeps or tied to the rectangle (centred, along an edge, along a diagonal).
#pragma once

#include <cstdint>
#include <memory>

#include "Controls.h"
#include "Graphics.h"

namespace Scindora {

enum TLineType : uint8_t {
  ltCustom,
  ltHorizontal,
  ltVertical,
  ltTop,
  ltBottom,
  ltLeft,
  ltRight,
  ltUpDiagonal,
  ltDownDiagonal
};

// Only stored: the platform has no drag and drop, so the mode changes nothing.
enum TDragMode : uint8_t { dmManual, dmAutomatic };

class TLine : public TGraphicControl {
  SCINDORA_CLASS(TLine)
public:
  explicit TLine(TComponent* AOwner);
  ~TLine() override;

  TBrush& Brush() { return *FBrush; }
  const TBrush& Brush() const { return *FBrush; }
  // Copies Value's attributes; Value stays the caller's.
  void SetBrush(const TBrush& Value) { FBrush->Assign(Value); }
  TPen& Pen() { return *FPen; }
  const TPen& Pen() const { return *FPen; }
  void SetPen(const TPen& Value) { FPen->Assign(Value); }

  TCursor DragCursor() const { return FDragCursor; }
  void SetDragCursor(TCursor Value) { FDragCursor = Value; }
  TDragMode DragMode() const { return FDragMode; }
  void SetDragMode(TDragMode Value) { FDragMode = Value; }

  // The end points belong to the caller only under ltCustom; other kinds ignore writes and
  // each paint overwrites them with the line it draws.
  int FromX() const { return FFromX; }
  void SetFromX(int Value) { SetEndPoint(FFromX, Value); }
  int ToX() const { return FToX; }
  void SetToX(int Value) { SetEndPoint(FToX, Value); }
  int FromY() const { return FFromY; }
  void SetFromY(int Value) { SetEndPoint(FFromY, Value); }
  int ToY() const { return FToY; }
  void SetToY(int Value) { SetEndPoint(FToY, Value); }

  TLineType Line() const { return FLine; }
  void SetLine(TLineType Value);

  // OnChange of the pen and the brush.
  void StyleChanged(TObject* Sender);

protected:
  void Paint() override;

private:
  void SetEndPoint(int& Field, int Value);

  TLineType FLine = ltCustom;
  std::unique_ptr<TPen> FPen;
  std::unique_ptr<TBrush> FBrush;
  int FFromX = 0;
  int FToX = 0;
  int FFromY = 0;
  int FToY = 0;
  TCursor FDragCursor = crDrag;
  TDragMode FDragMode = dmManual;
};

void RegisterLinesClasses();

}  // namespace Scindora
