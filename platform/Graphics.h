// Colours, fonts, pens, brushes, bitmaps and the canvas that graphic controls paint on.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "Classes.h"

namespace Scindora {

// A colour: an RGB value, or a system colour (the high byte set, the low byte its index).
using TColor = int32_t;
constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000);
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clNavy = 0x800000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clBtnFace = clSystemColor | COLOR_BTNFACE;
constexpr TColor clWindow = clSystemColor | COLOR_WINDOW;
constexpr TColor clWindowText = clSystemColor | COLOR_WINDOWTEXT;
constexpr TColor clBtnText = clSystemColor | COLOR_BTNTEXT;
constexpr TColor clBtnShadow = clSystemColor | COLOR_BTNSHADOW;
constexpr TColor clBtnHighlight = clSystemColor | COLOR_BTNHIGHLIGHT;
constexpr TColor clGrayText = clSystemColor | COLOR_GRAYTEXT;
constexpr TColor clHighlight = clSystemColor | COLOR_HIGHLIGHT;
constexpr TColor clNone = 0x1FFFFFFF;

COLORREF ColorToRGB(TColor Color);
// The colour names form data may use.
const std::vector<std::pair<const char*, int>>& ColorIdents();

// Keeps one GDI object of a graphics attribute; made on first use, dropped when it changes.
class TGraphicsObject : public TPersistent {
  SCINDORA_CLASS(TGraphicsObject)
public:
  TNotifyEvent OnChange;

protected:
  void Changed();
};

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = uint32_t;  // bit i: TFontStyle i

class TFont : public TGraphicsObject {
  SCINDORA_CLASS(TFont)
public:
  TFont();
  ~TFont() override;
  TFont(const TFont&) = delete;
  TFont& operator=(const TFont&) = delete;
  void Assign(const TPersistent& Source) override;

  const std::string& Name() const { return FName; }
  void SetName(const std::string& Value);
  int Height() const { return FHeight; }
  void SetHeight(int Value);
  int Size() const;  // points at the screen's resolution
  int Charset() const { return FCharset; }
  void SetCharset(int Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles Value);
  HFONT Handle() const;

private:
  void Modified();

  std::string FName = "MS Sans Serif";
  int FHeight = -11;
  int FCharset = DEFAULT_CHARSET;
  TColor FColor = clWindowText;
  TFontStyles FStyle = 0;
  mutable HFONT FHandle = nullptr;
};

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

class TPen : public TGraphicsObject {
  SCINDORA_CLASS(TPen)
public:
  TPen() = default;
  ~TPen() override;
  TPen(const TPen&) = delete;
  TPen& operator=(const TPen&) = delete;
  void Assign(const TPersistent& Source) override;

  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  int Width() const { return FWidth; }
  void SetWidth(int Value);
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle Value);
  HPEN Handle() const;

private:
  void Modified();

  TColor FColor = clBlack;
  int FWidth = 1;
  TPenStyle FStyle = psSolid;
  mutable HPEN FHandle = nullptr;
};

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TBrush : public TGraphicsObject {
  SCINDORA_CLASS(TBrush)
public:
  TBrush() = default;
  ~TBrush() override;
  TBrush(const TBrush&) = delete;
  TBrush& operator=(const TBrush&) = delete;
  void Assign(const TPersistent& Source) override;

  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle Value);
  HBRUSH Handle() const;

private:
  void Modified();

  TColor FColor = clWhite;
  TBrushStyle FStyle = bsSolid;
  mutable HBRUSH FHandle = nullptr;
};

// Drawing on a device context that someone else owns (a paint cycle's, usually).
class TCanvas {
public:
  TCanvas() = default;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;
  ~TCanvas();

  HDC Handle() const { return FHandle; }
  // Attaches to a DC (nullptr detaches) and restores the DC's state on detach.
  void SetHandle(HDC DC);

  TPen& Pen() { return FPen; }
  TBrush& Brush() { return FBrush; }
  TFont& Font() { return FFont; }
  POINT PenPos() const;

  void MoveTo(int X, int Y);
  void LineTo(int X, int Y);
  void FillRect(const RECT& R);
  void FrameRect(const RECT& R);
  void TextOut(int X, int Y, const std::string& Text);
  SIZE TextExtent(const std::string& Text);
  void Draw(int X, int Y, HBITMAP Bitmap);

private:
  void Select();

  HDC FHandle = nullptr;
  int FSavedDC = 0;
  TPen FPen;
  TBrush FBrush;
  TFont FFont;
};

// A device-independent bitmap loaded from the program's resources.
class TBitmap : public TPersistent {
  SCINDORA_CLASS(TBitmap)
public:
  TBitmap() = default;
  ~TBitmap() override;
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  // The resource name it was loaded from; form data stores that name.
  const std::string& ResourceName() const { return FResourceName; }
  void LoadFromResourceName(const std::string& Name);
  HBITMAP Handle() const { return FHandle; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  int BitsPerPixel() const { return FBitsPerPixel; }
  bool Empty() const { return FHandle == nullptr; }

private:
  std::string FResourceName;
  HBITMAP FHandle = nullptr;
  int FWidth = 0;
  int FHeight = 0;
  int FBitsPerPixel = 0;
};

}  // namespace Scindora
