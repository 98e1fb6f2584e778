#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "ImgList.h"

using namespace Scindora;

namespace {

constexpr COLORREF Key = RGB(255, 0, 255);
constexpr COLORREF Paper = RGB(0, 128, 128);

// Glyph i of a strip: key colour all round, a 6 x 6 square of its own colour at (5, 5).
COLORREF GlyphColour(int I) { return RGB(40 * I, 200 - 30 * I, 60); }

// A 24-bit strip of Count glyphs of Size x Size, as the program's glyph resource is made.
HBITMAP MakeStrip(int Count, int Size) {
  BITMAPINFO Info{};
  Info.bmiHeader.biSize = sizeof(Info.bmiHeader);
  Info.bmiHeader.biWidth = Count * Size;
  Info.bmiHeader.biHeight = Size;
  Info.bmiHeader.biPlanes = 1;
  Info.bmiHeader.biBitCount = 24;
  void* Bits = nullptr;
  HBITMAP Strip = CreateDIBSection(nullptr, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
  HDC DC = CreateCompatibleDC(nullptr);
  HGDIOBJ Old = SelectObject(DC, Strip);
  HBRUSH KeyBrush = CreateSolidBrush(Key);
  RECT All{0, 0, Count * Size, Size};
  FillRect(DC, &All, KeyBrush);
  DeleteObject(KeyBrush);
  for (int I = 0; I < Count; ++I) {
    HBRUSH B = CreateSolidBrush(GlyphColour(I));
    RECT Square{I * Size + 5, 5, I * Size + 11, 11};
    FillRect(DC, &Square, B);
    DeleteObject(B);
  }
  SelectObject(DC, Old);
  DeleteDC(DC);
  return Strip;
}

// A 32 x 32 surface filled with Paper to draw glyphs on.
class TSurface {
public:
  TSurface() {
    HDC Screen = GetDC(nullptr);
    FDC = CreateCompatibleDC(Screen);
    FBitmap = CreateCompatibleBitmap(Screen, 32, 32);
    ReleaseDC(nullptr, Screen);
    FOld = SelectObject(FDC, FBitmap);
    HBRUSH B = CreateSolidBrush(Paper);
    RECT R{0, 0, 32, 32};
    FillRect(FDC, &R, B);
    DeleteObject(B);
  }
  ~TSurface() {
    SelectObject(FDC, FOld);
    DeleteObject(FBitmap);
    DeleteDC(FDC);
  }
  HDC DC() const { return FDC; }
  COLORREF At(int X, int Y) const { return GetPixel(FDC, X, Y); }

private:
  HDC FDC;
  HBITMAP FBitmap;
  HGDIOBJ FOld;
};

TEST(ImageList, DefaultsAreSixteenSquareAndMasked) {
  TImageList List(nullptr);
  EXPECT_EQ(List.Width(), 16);
  EXPECT_EQ(List.Height(), 16);
  EXPECT_TRUE(List.Masked());
  EXPECT_EQ(List.Bitmap(), "");
  EXPECT_FALSE(List.HandleAllocated());
  EXPECT_EQ(List.Count(), 0);
  int W = 0, H = 0;
  ASSERT_TRUE(ImageList_GetIconSize(List.Handle(), &W, &H));
  EXPECT_EQ(W, 16);
  EXPECT_EQ(H, 16);
}

TEST(ImageList, StripIsCutIntoGlyphsAndTheKeyColourIsTransparent) {
  TImageList List(nullptr);
  HBITMAP Strip = MakeStrip(6, 16);
  EXPECT_EQ(List.AddMasked(Strip, clFuchsia), 0);
  DeleteObject(Strip);
  ASSERT_EQ(List.Count(), 6);
  for (int I : {0, 3, 5}) {
    SCOPED_TRACE(I);
    TSurface S;
    List.Draw(S.DC(), 8, 8, I);
    EXPECT_EQ(S.At(8 + 7, 8 + 7), GlyphColour(I));  // inside the square
    EXPECT_EQ(S.At(8 + 1, 8 + 1), Paper);           // key colour: the paper shows
    EXPECT_EQ(S.At(8 + 15, 8 + 15), Paper);
  }
}

TEST(ImageList, UnmaskedListDrawsTheKeyColour) {
  TImageList List(nullptr);
  List.SetMasked(false);
  HBITMAP Strip = MakeStrip(2, 16);
  List.AddMasked(Strip, clFuchsia);
  DeleteObject(Strip);
  TSurface S;
  List.Draw(S.DC(), 0, 0, 1);
  EXPECT_EQ(S.At(1, 1), Key);
  EXPECT_EQ(S.At(7, 7), GlyphColour(1));
}

TEST(ImageList, DisabledGlyphIsGreyedAndKeepsTheBackground) {
  TImageList List(nullptr);
  HBITMAP Strip = MakeStrip(1, 16);
  List.AddMasked(Strip, clFuchsia);
  DeleteObject(Strip);
  TSurface S;
  List.Draw(S.DC(), 0, 0, 0, false);
  EXPECT_EQ(S.At(1, 1), Paper);
  COLORREF Inside = S.At(7, 7);
  EXPECT_NE(Inside, GlyphColour(0));
  EXPECT_NE(Inside, Paper);
}

TEST(ImageList, IndexOutsideTheListDrawsNothing) {
  TImageList List(nullptr);
  HBITMAP Strip = MakeStrip(2, 16);
  List.AddMasked(Strip, clFuchsia);
  DeleteObject(Strip);
  TSurface S;
  for (int Index : {-1, 2, 100}) List.Draw(S.DC(), 0, 0, Index);
  for (int P : {1, 7, 15}) EXPECT_EQ(S.At(P, P), Paper);
}

TEST(ImageList, ProgramGlyphsAreSixMaskedGlyphs) {
  TImageList List(nullptr);
  List.SetBitmap("GLYPHS");
  ASSERT_EQ(List.Count(), 6);
  for (int I = 0; I < 6; ++I) {
    SCOPED_TRACE(I);
    TSurface S;
    List.Draw(S.DC(), 0, 0, I);
    int Shown = 0;
    for (int Y = 0; Y < 16; ++Y)
      for (int X = 0; X < 16; ++X) Shown += S.At(X, Y) != Paper;
    // Each glyph has a drawing and a transparent surround.
    EXPECT_GT(Shown, 0);
    EXPECT_LT(Shown, 256);
    EXPECT_EQ(S.At(20, 20), Paper);
  }
}

TEST(ImageList, MissingBitmapResourceRaisesAndLeavesNoHalfMadeList) {
  TImageList List(nullptr);
  List.SetBitmap("NOSUCHSTRIP");
  try {
    List.Handle();
    FAIL() << "no exception";
  } catch (const EInvalidOperation& E) {
    EXPECT_EQ(E.Message(), "Ressource bitmap introuvable : NOSUCHSTRIP");
  }
  EXPECT_FALSE(List.HandleAllocated());
  List.SetBitmap("");
  EXPECT_EQ(List.Count(), 0);
}

TEST(ImageList, NewSizeMakesTheListAgainAndTellsItsClients) {
  TImageList List(nullptr);
  HBITMAP Strip = MakeStrip(2, 16);
  List.AddMasked(Strip, clFuchsia);
  DeleteObject(Strip);
  int Heard = 0;
  int Client = 0;
  List.RegisterChanges(&Client, [&] { ++Heard; });
  List.SetWidth(32);
  EXPECT_EQ(Heard, 1);
  int W = 0, H = 0;
  ImageList_GetIconSize(List.Handle(), &W, &H);
  EXPECT_EQ(W, 32);
  EXPECT_EQ(H, 16);
  EXPECT_EQ(List.Count(), 0);
  List.SetWidth(32);  // no change, no news
  EXPECT_EQ(Heard, 1);
  List.UnRegisterChanges(&Client);
  List.SetHeight(8);
  EXPECT_EQ(Heard, 1);
  EXPECT_THROW(List.SetWidth(0), EInvalidOperation);
}

}  // namespace
