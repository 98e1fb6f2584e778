#include "Graphics.h"

#include "TypInfo.h"

namespace Scindora {

COLORREF ColorToRGB(TColor Color) {
  if ((Color & clSystemColor) == clSystemColor) return GetSysColor(Color & 0xFF);
  return static_cast<COLORREF>(Color) & 0xFFFFFF;
}

const std::vector<std::pair<const char*, int>>& ColorIdents() {
  static const std::vector<std::pair<const char*, int>> Names = {
      {"clBlack", clBlack},         {"clMaroon", clMaroon},       {"clGreen", clGreen},
      {"clNavy", clNavy},           {"clGray", clGray},           {"clSilver", clSilver},
      {"clRed", clRed},             {"clBlue", clBlue},           {"clFuchsia", clFuchsia},
      {"clWhite", clWhite},         {"clBtnFace", clBtnFace},     {"clWindow", clWindow},
      {"clWindowText", clWindowText}, {"clBtnText", clBtnText},   {"clBtnShadow", clBtnShadow},
      {"clBtnHighlight", clBtnHighlight}, {"clGrayText", clGrayText}, {"clHighlight", clHighlight},
      {"clNone", clNone}};
  return Names;
}

const TClassInfo& TGraphicsObject::StaticClass() {
  static const TClassInfo Info("TGraphicsObject", &TPersistent::StaticClass());
  return Info;
}

void TGraphicsObject::Changed() { OnChange(this); }

namespace {
const TIdentTable FontStyleNames = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
const TIdentTable PenStyleNames = {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"};
const TIdentTable BrushStyleNames = {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal", "bsBDiagonal", "bsCross", "bsDiagCross"};
const std::vector<std::pair<const char*, int>> CharsetNames = {
    {"ANSI_CHARSET", ANSI_CHARSET}, {"DEFAULT_CHARSET", DEFAULT_CHARSET}, {"SYMBOL_CHARSET", SYMBOL_CHARSET}};

template <class H>
void DropHandle(H& Handle) {
  if (Handle) DeleteObject(Handle);
  Handle = nullptr;
}
}  // namespace

// --- TFont ---------------------------------------------------------------------------------

const TClassInfo& TFont::StaticClass() {
  static const TClassInfo Info = [] {
    TClassInfo I("TFont", &TGraphicsObject::StaticClass());
    Published<TFont>(I)
        .IntIdent("Charset", &TFont::Charset, &TFont::SetCharset, CharsetNames, DEFAULT_CHARSET)
        .IntIdent("Color", &TFont::Color, &TFont::SetColor, ColorIdents(), clWindowText)
        .Int("Height", &TFont::Height, &TFont::SetHeight, -11)
        .String("Name", &TFont::Name, &TFont::SetName, std::string("MS Sans Serif"))
        .Set("Style", &TFont::Style, &TFont::SetStyle, FontStyleNames, 0u);
    return I;
  }();
  return Info;
}

TFont::TFont() = default;
TFont::~TFont() { DropHandle(FHandle); }

void TFont::Assign(const TPersistent& Source) {
  auto* F = dynamic_cast<const TFont*>(&Source);
  if (!F) return TPersistent::Assign(Source);
  FName = F->FName;
  FHeight = F->FHeight;
  FCharset = F->FCharset;
  FColor = F->FColor;
  FStyle = F->FStyle;
  Modified();
}

void TFont::Modified() {
  DropHandle(FHandle);
  Changed();
}

void TFont::SetName(const std::string& Value) {
  if (Value == FName) return;
  FName = Value;
  Modified();
}
void TFont::SetHeight(int Value) {
  if (Value == FHeight) return;
  FHeight = Value;
  Modified();
}
void TFont::SetCharset(int Value) {
  if (Value == FCharset) return;
  FCharset = Value;
  Modified();
}
void TFont::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  Changed();
}
void TFont::SetStyle(TFontStyles Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Modified();
}

int TFont::Size() const {
  HDC DC = GetDC(nullptr);
  int Ppi = GetDeviceCaps(DC, LOGPIXELSY);
  ReleaseDC(nullptr, DC);
  return -MulDiv(FHeight, 72, Ppi);
}

HFONT TFont::Handle() const {
  if (!FHandle) {
    LOGFONTA Lf{};
    Lf.lfHeight = FHeight;
    Lf.lfWeight = (FStyle & (1u << fsBold)) ? FW_BOLD : FW_NORMAL;
    Lf.lfItalic = (FStyle & (1u << fsItalic)) ? 1 : 0;
    Lf.lfUnderline = (FStyle & (1u << fsUnderline)) ? 1 : 0;
    Lf.lfStrikeOut = (FStyle & (1u << fsStrikeOut)) ? 1 : 0;
    Lf.lfCharSet = static_cast<BYTE>(FCharset);
    Lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynA(Lf.lfFaceName, FName.c_str(), LF_FACESIZE);
    FHandle = CreateFontIndirectA(&Lf);
  }
  return FHandle;
}

// --- TPen ----------------------------------------------------------------------------------

const TClassInfo& TPen::StaticClass() {
  static const TClassInfo Info = [] {
    TClassInfo I("TPen", &TGraphicsObject::StaticClass());
    Published<TPen>(I)
        .IntIdent("Color", &TPen::Color, &TPen::SetColor, ColorIdents(), clBlack)
        .Enum<TPenStyle>("Style", &TPen::Style, &TPen::SetStyle, PenStyleNames, psSolid)
        .Int("Width", &TPen::Width, &TPen::SetWidth, 1);
    return I;
  }();
  return Info;
}

TPen::~TPen() { DropHandle(FHandle); }

void TPen::Assign(const TPersistent& Source) {
  auto* P = dynamic_cast<const TPen*>(&Source);
  if (!P) return TPersistent::Assign(Source);
  FColor = P->FColor;
  FWidth = P->FWidth;
  FStyle = P->FStyle;
  Modified();
}

void TPen::Modified() {
  DropHandle(FHandle);
  Changed();
}
void TPen::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  Modified();
}
void TPen::SetWidth(int Value) {
  if (Value == FWidth) return;
  FWidth = Value;
  Modified();
}
void TPen::SetStyle(TPenStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Modified();
}

HPEN TPen::Handle() const {
  if (!FHandle) {
    static const int Styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
    FHandle = CreatePen(Styles[FStyle], FWidth, ColorToRGB(FColor));
  }
  return FHandle;
}

// --- TBrush --------------------------------------------------------------------------------

const TClassInfo& TBrush::StaticClass() {
  static const TClassInfo Info = [] {
    TClassInfo I("TBrush", &TGraphicsObject::StaticClass());
    Published<TBrush>(I)
        .IntIdent("Color", &TBrush::Color, &TBrush::SetColor, ColorIdents(), clWhite)
        .Enum<TBrushStyle>("Style", &TBrush::Style, &TBrush::SetStyle, BrushStyleNames, bsSolid);
    return I;
  }();
  return Info;
}

TBrush::~TBrush() { DropHandle(FHandle); }

void TBrush::Assign(const TPersistent& Source) {
  auto* B = dynamic_cast<const TBrush*>(&Source);
  if (!B) return TPersistent::Assign(Source);
  FColor = B->FColor;
  FStyle = B->FStyle;
  Modified();
}

void TBrush::Modified() {
  DropHandle(FHandle);
  Changed();
}
void TBrush::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  Modified();
}
void TBrush::SetStyle(TBrushStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Modified();
}

HBRUSH TBrush::Handle() const {
  if (!FHandle) {
    if (FStyle == bsClear) return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    if (FStyle == bsSolid) {
      FHandle = CreateSolidBrush(ColorToRGB(FColor));
    } else {
      static const int Hatches[] = {0, 0, HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL, HS_BDIAGONAL, HS_CROSS, HS_DIAGCROSS};
      FHandle = CreateHatchBrush(Hatches[FStyle], ColorToRGB(FColor));
    }
  }
  return FHandle;
}

// --- TCanvas -------------------------------------------------------------------------------

TCanvas::~TCanvas() { SetHandle(nullptr); }

void TCanvas::SetHandle(HDC DC) {
  if (FHandle && FSavedDC) RestoreDC(FHandle, FSavedDC);
  FHandle = DC;
  FSavedDC = DC ? SaveDC(DC) : 0;
}

void TCanvas::Select() {
  SelectObject(FHandle, FPen.Handle());
  SelectObject(FHandle, FBrush.Handle());
  SelectObject(FHandle, FFont.Handle());
  SetTextColor(FHandle, ColorToRGB(FFont.Color()));
  SetBkMode(FHandle, TRANSPARENT);
}

POINT TCanvas::PenPos() const {
  POINT P{};
  if (FHandle) GetCurrentPositionEx(FHandle, &P);
  return P;
}

void TCanvas::MoveTo(int X, int Y) {
  if (FHandle) MoveToEx(FHandle, X, Y, nullptr);
}

void TCanvas::LineTo(int X, int Y) {
  if (!FHandle) return;
  Select();
  ::LineTo(FHandle, X, Y);
}

void TCanvas::FillRect(const RECT& R) {
  if (FHandle) ::FillRect(FHandle, &R, FBrush.Handle());
}

void TCanvas::FrameRect(const RECT& R) {
  if (FHandle) ::FrameRect(FHandle, &R, FBrush.Handle());
}

void TCanvas::TextOut(int X, int Y, const std::string& Text) {
  if (!FHandle) return;
  Select();
  ::TextOutA(FHandle, X, Y, Text.c_str(), static_cast<int>(Text.size()));
}

SIZE TCanvas::TextExtent(const std::string& Text) {
  SIZE S{};
  HDC DC = FHandle ? FHandle : GetDC(nullptr);
  HGDIOBJ Old = SelectObject(DC, FFont.Handle());
  GetTextExtentPoint32A(DC, Text.c_str(), static_cast<int>(Text.size()), &S);
  SelectObject(DC, Old);
  if (!FHandle) ReleaseDC(nullptr, DC);
  return S;
}

void TCanvas::Draw(int X, int Y, HBITMAP Bitmap) {
  if (!FHandle || !Bitmap) return;
  BITMAP Bm{};
  GetObjectA(Bitmap, sizeof Bm, &Bm);
  HDC Mem = CreateCompatibleDC(FHandle);
  HGDIOBJ Old = SelectObject(Mem, Bitmap);
  BitBlt(FHandle, X, Y, Bm.bmWidth, Bm.bmHeight, Mem, 0, 0, SRCCOPY);
  SelectObject(Mem, Old);
  DeleteDC(Mem);
}

// --- TBitmap -------------------------------------------------------------------------------

const TClassInfo& TBitmap::StaticClass() {
  static const TClassInfo Info("TBitmap", &TPersistent::StaticClass());
  return Info;
}

TBitmap::~TBitmap() {
  if (FHandle) DeleteObject(FHandle);
}

void TBitmap::LoadFromResourceName(const std::string& Name) {
  HBITMAP Loaded = nullptr;
  if (!Name.empty()) {
    Loaded = static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), Name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!Loaded) throw EInvalidOperation("Ressource bitmap introuvable : " + Name);
  }
  if (FHandle) DeleteObject(FHandle);
  FHandle = Loaded;
  FResourceName = Name;
  FWidth = FHeight = FBitsPerPixel = 0;
  if (FHandle) {
    BITMAP Bm{};
    GetObjectA(FHandle, sizeof Bm, &Bm);
    FWidth = Bm.bmWidth;
    FHeight = Bm.bmHeight;
    FBitsPerPixel = Bm.bmBitsPixel;
  }
}

}  // namespace Scindora
