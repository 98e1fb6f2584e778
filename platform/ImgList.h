// Image lists: a strip of equally sized glyphs with a transparency mask, shared by the
// controls that show them (tool bars).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "Classes.h"
#include "Graphics.h"

namespace Scindora {

// Wraps an image list: https://learn.microsoft.com/windows/win32/controls/image-lists
// The component owns the HIMAGELIST. It is made on first use from the stored properties:
// Bitmap names a bitmap resource cut into Width-wide glyphs; with Masked, pixels of the
// strip's key colour (clFuchsia) become transparent.
class TImageList : public TComponent {
  SCINDORA_CLASS(TImageList)
public:
  explicit TImageList(TComponent* AOwner);
  ~TImageList() override;

  int Width() const { return FWidth; }
  void SetWidth(int Value);
  int Height() const { return FHeight; }
  void SetHeight(int Value);
  bool Masked() const { return FMasked; }
  void SetMasked(bool Value);
  const std::string& Bitmap() const { return FBitmapName; }
  void SetBitmap(const std::string& ResourceName);

  HIMAGELIST Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  int Count();

  // Adds the glyphs of Image (its width cut into Width-wide pieces); with Masked, MaskColor
  // marks the transparent pixels. Returns the index of the first glyph added.
  int AddMasked(HBITMAP Image, TColor MaskColor);
  void Clear();

  void Draw(HDC DC, int X, int Y, int Index, bool Enabled = true);
  void Draw(TCanvas& Canvas, int X, int Y, int Index, bool Enabled = true);

  // Controls showing the list hear of every change of its glyphs or handle.
  void RegisterChanges(const void* Client, std::function<void()> Fn);
  void UnRegisterChanges(const void* Client);

private:
  void Rebuild();
  int AddStrip(HBITMAP Image, TColor MaskColor);
  void Change();
  void FreeHandle();

  int FWidth = 16;
  int FHeight = 16;
  bool FMasked = true;
  std::string FBitmapName;
  HIMAGELIST FHandle = nullptr;
  std::vector<std::pair<const void*, std::function<void()>>> FClients;
};

void RegisterImgListClasses();

}  // namespace Scindora
