// Buttons we draw ourselves.
#pragma once

#include <windows.h>

#include "Controls.h"

namespace Scindora {

// A push button with no window: it never takes the focus. Looks pressed while the mouse,
// pressed on it, stays over it; clicks when released there.
class TSpeedButton : public TGraphicControl {
  SCINDORA_CLASS(TSpeedButton)
public:
  explicit TSpeedButton(TComponent* AOwner);

  // Flat: no frame until pressed.
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  // The pressed look, as the user sees it now.
  bool Pressed() const { return FPressed; }

  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;

protected:
  void Paint() override;
  void EnabledChanged() override;

private:
  bool Inside(int X, int Y) const { return X >= 0 && Y >= 0 && X < Width() && Y < Height(); }
  void SetPressed(bool Value);

  bool FFlat = false;
  bool FTracking = false;  // the left button went down on us and is not yet up
  bool FPressed = false;
};

void RegisterButtonsClasses();

}  // namespace Scindora
