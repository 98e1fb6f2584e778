// Extra controls: the control bar that holds tool bars, and the image.
#pragma once

#include <windows.h>

#include <string>

#include "Controls.h"
#include "Graphics.h"

namespace Scindora {

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum TBevelKind { bkNone, bkTile, bkSoft, bkFlat };

const TIdentTable& BevelCutIdents();
const TIdentTable& BevelKindIdents();

// A panel for tool bars: each child is a band with a grip at its left. It can hold the focus
// (a window may start with it focused, so no field shows a caret) but is no tab stop. Bevels,
// when BevelKind is not bkNone, are drawn outside the client area.
class TControlBar : public TWinControl {
  SCINDORA_CLASS(TControlBar)
public:
  explicit TControlBar(TComponent* AOwner);

  // Height follows the bands: the lowest child's bottom plus a margin.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  TBevelCut BevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut Value);
  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut Value);
  TBevelKind BevelKind() const { return FBevelKind; }
  void SetBevelKind(TBevelKind Value);

  // With AutoSize, fits the height to the children; call it after moving one.
  void AdjustSize();
  void Loaded() override;
  void WndProc(TMessage& Message) override;

  // Width of the grip drawn left of each band.
  static constexpr int GripWidth = 9;

protected:
  void InitializeWnd() override;

private:
  // Pixels of bevel on each edge.
  int BevelWidth() const;
  void BevelChanged();
  void PaintGrips(HDC DC);
  void PaintBevel();

  bool FAutoSize = false;
  TBevelCut FBevelInner = bvRaised;
  TBevelCut FBevelOuter = bvLowered;
  TBevelKind FBevelKind = bkTile;
};

// A bitmap from the program's resources, painted at the control's top-left. It may sit at a
// negative position, so that only part of it shows.
class TImage : public TGraphicControl {
  SCINDORA_CLASS(TImage)
public:
  explicit TImage(TComponent* AOwner);

  // Takes the bitmap's size.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  // The picture, by the name of its bitmap resource ("" for none).
  const std::string& Picture() const { return FPicture.ResourceName(); }
  void SetPicture(const std::string& ResourceName);
  const TBitmap& Bitmap() const { return FPicture; }

protected:
  void Paint() override;

private:
  void AdjustSize();

  bool FAutoSize = false;
  TBitmap FPicture;
};

void RegisterExtCtrlsClasses();

}  // namespace Scindora
