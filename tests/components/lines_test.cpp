// The line control: who owns the end points under each kind, the sizes a kind change and a
// paint give, the points each kind draws, repaints, and what form data keeps of it. Paints go
// to a memory surface through the same entry the parent's paint uses.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "FormData.h"
#include "FormDataParser.h"
#include "FormDataWriter.h"
#include "Lines.h"

using namespace Scindora;

namespace {

// Counts the repaints the control asks for.
class TCountingLine : public TLine {
public:
  using TLine::TLine;
  void Invalidate() override {
    ++Invalidations;
    TLine::Invalidate();
  }
  int Invalidations = 0;
};

// A white 400 x 400 bitmap to paint lines on.
class TSurface {
public:
  TSurface() {
    HDC Screen = GetDC(nullptr);
    FDC = CreateCompatibleDC(Screen);
    FBitmap = CreateCompatibleBitmap(Screen, Side, Side);
    ReleaseDC(nullptr, Screen);
    FOld = SelectObject(FDC, FBitmap);
  }
  ~TSurface() {
    SelectObject(FDC, FOld);
    DeleteObject(FBitmap);
    DeleteDC(FDC);
  }
  TSurface(const TSurface&) = delete;
  TSurface& operator=(const TSurface&) = delete;

  void Paint(TLine& Line) {
    RECT All{0, 0, Side, Side};
    FillRect(FDC, &All, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    Line.PaintOn(FDC);
  }
  COLORREF Pixel(int X, int Y) const { return GetPixel(FDC, X, Y); }

private:
  static constexpr int Side = 400;
  HDC FDC;
  HBITMAP FBitmap;
  HGDIOBJ FOld;
};

struct TPoints {
  int FromX, FromY, ToX, ToY;
  bool operator==(const TPoints&) const = default;
};

std::ostream& operator<<(std::ostream& Out, const TPoints& P) {
  return Out << "(" << P.FromX << ", " << P.FromY << ")-(" << P.ToX << ", " << P.ToY << ")";
}

TPoints Points(const TLine& L) { return {L.FromX(), L.FromY(), L.ToX(), L.ToY()}; }

const char* KindName(TLineType Kind) {
  static const char* const Names[] = {"ltCustom", "ltHorizontal", "ltVertical",   "ltTop",         "ltBottom",
                                      "ltLeft",   "ltRight",      "ltUpDiagonal", "ltDownDiagonal"};
  return Names[Kind];
}

class Lines : public testing::Test {
protected:
  void SetUp() override { RegisterLinesClasses(); }
  // A control of Kind at W x H, set up in the order form data would: size first.
  static std::unique_ptr<TCountingLine> Make(TLineType Kind, int W, int H) {
    auto L = std::make_unique<TCountingLine>(nullptr);
    L->SetBounds(0, 0, W, H);
    L->SetLine(Kind);
    L->Invalidations = 0;
    return L;
  }
  TSurface Surface;
};

TEST_F(Lines, ANewControlIsCustom65Square_DrawingFromTheOriginTo35) {
  TLine L(nullptr);
  EXPECT_EQ(L.Width(), 65);
  EXPECT_EQ(L.Height(), 65);
  EXPECT_EQ(L.Line(), ltCustom);
  EXPECT_EQ(Points(L), (TPoints{0, 0, 35, 35}));
  EXPECT_EQ(L.Pen().Color(), clBlack);
  EXPECT_EQ(L.Pen().Width(), 1);
  EXPECT_EQ(L.Pen().Style(), psSolid);
  EXPECT_EQ(L.DragCursor(), crDrag);
  EXPECT_EQ(L.DragMode(), dmManual);

  Surface.Paint(L);
  EXPECT_EQ(Points(L), (TPoints{0, 0, 35, 35}));
  EXPECT_EQ(L.Width(), 65);
  EXPECT_EQ(Surface.Pixel(0, 0), RGB(0, 0, 0));
  EXPECT_EQ(Surface.Pixel(20, 20), RGB(0, 0, 0));
  EXPECT_EQ(Surface.Pixel(34, 34), RGB(0, 0, 0));
  EXPECT_EQ(Surface.Pixel(36, 36), RGB(255, 255, 255));
  EXPECT_EQ(Surface.Pixel(20, 21), RGB(255, 255, 255));
}

TEST_F(Lines, EndPointWritesAreIgnoredUnlessCustomAndThePaintOverwritesThem) {
  auto L = Make(ltTop, 65, 65);
  L->SetFromX(20);
  L->SetToY(30);
  EXPECT_EQ(Points(*L), (TPoints{0, 0, 35, 35}));
  EXPECT_EQ(L->Invalidations, 0);
  Surface.Paint(*L);
  EXPECT_EQ(Points(*L), (TPoints{0, 0, 64, 0}));
}

TEST_F(Lines, CustomPointsAreClampedAtZeroAndGrowTheControlAtTheNextPaint) {
  struct {
    const char* Name;
    TPoints Written;
    TPoints AfterPaint;
    int Width, Height;
  } Cases[] = {
      {"ToX beyond the width", {0, 0, 100, 35}, {0, 0, 100, 35}, 101, 65},
      {"ToX inside", {0, 0, 10, 35}, {0, 0, 10, 35}, 65, 65},
      {"FromY negative", {0, -5, 35, 35}, {0, 0, 35, 35}, 65, 65},
      {"every one negative", {-1, -2, -3, -4}, {0, 0, 0, 0}, 65, 65},
      {"FromX and FromY beyond", {80, 70, 3, 3}, {80, 70, 3, 3}, 81, 71},
      {"exactly the last pixel", {64, 64, 0, 0}, {64, 64, 0, 0}, 65, 65},
      {"never shrinks", {0, 0, 1, 1}, {0, 0, 1, 1}, 65, 65},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    TLine L(nullptr);
    L.SetFromX(C.Written.FromX);
    L.SetFromY(C.Written.FromY);
    L.SetToX(C.Written.ToX);
    L.SetToY(C.Written.ToY);
    EXPECT_EQ(Points(L), C.Written) << "stored as given until a paint";
    EXPECT_EQ(L.Width(), 65);
    Surface.Paint(L);
    EXPECT_EQ(Points(L), C.AfterPaint);
    EXPECT_EQ(L.Width(), C.Width);
    EXPECT_EQ(L.Height(), C.Height);
  }
}

TEST_F(Lines, WritingTheSameKindRepaintsNothingButTheSameEndPointDoes) {
  auto L = Make(ltCustom, 65, 65);
  L->SetLine(ltCustom);
  EXPECT_EQ(L->Invalidations, 0);
  L->SetFromX(L->FromX());
  EXPECT_GE(L->Invalidations, 1);

  auto H = Make(ltHorizontal, 196, 10);
  H->SetLine(ltHorizontal);
  EXPECT_EQ(H->Invalidations, 0);
  EXPECT_EQ(H->Width(), 196);
  EXPECT_EQ(H->Height(), 10);
  H->SetLine(ltTop);
  EXPECT_GE(H->Invalidations, 1);
}

TEST_F(Lines, APenOrBrushChangeRepaints_WritingAPenCopiesItsAttributes) {
  auto L = Make(ltCustom, 65, 65);
  L->Pen().SetColor(clWhite);
  EXPECT_GE(L->Invalidations, 1);
  L->Invalidations = 0;
  L->Brush().SetColor(clRed);
  EXPECT_GE(L->Invalidations, 1);

  TPen Other;
  Other.SetColor(clBlue);
  Other.SetWidth(4);
  Other.SetStyle(psDot);
  L->Invalidations = 0;
  L->SetPen(Other);
  EXPECT_GE(L->Invalidations, 1);
  EXPECT_NE(&L->Pen(), &Other);
  EXPECT_EQ(L->Pen().Color(), clBlue);
  EXPECT_EQ(L->Pen().Width(), 4);
  EXPECT_EQ(L->Pen().Style(), psDot);
  // The caller's pen stays its own: changing it later does not reach the control.
  Other.SetColor(clGreen);
  EXPECT_EQ(L->Pen().Color(), clBlue);

  TBrush Fill;
  Fill.SetColor(clNavy);
  L->SetBrush(Fill);
  EXPECT_EQ(L->Brush().Color(), clNavy);
}

TEST_F(Lines, EachKindDrawsItsPointsFromTheSizeAtTheStartOfThePaint) {
  struct {
    TLineType Kind;
    TPoints Drawn;
    int Width, Height;  // after the paint
  } Cases[] = {
      {ltTop, {0, 0, 99, 0}, 100, 50},
      {ltBottom, {0, 49, 99, 49}, 100, 50},
      {ltLeft, {0, 0, 0, 49}, 100, 50},
      {ltRight, {99, 0, 99, 49}, 100, 50},
      {ltUpDiagonal, {0, 49, 99, 0}, 100, 50},
      {ltDownDiagonal, {0, 0, 99, 49}, 100, 50},
      // The centred kinds draw at the middle of the old size and set the thin side.
      {ltHorizontal, {0, 24, 99, 24}, 100, 10},
      {ltVertical, {49, 0, 49, 49}, 10, 50},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(KindName(C.Kind));
    auto L = Make(C.Kind, 100, 50);
    Surface.Paint(*L);
    EXPECT_EQ(Points(*L), C.Drawn);
    EXPECT_EQ(L->Width(), C.Width);
    EXPECT_EQ(L->Height(), C.Height);
    // The line is on the surface where the points say (its first pixel).
    EXPECT_EQ(Surface.Pixel(C.Drawn.FromX, C.Drawn.FromY), RGB(0, 0, 0));
  }
}

TEST_F(Lines, AHorizontalLineSettlesAtMidHeightOfTenPixelsAfterTwoPaints) {
  auto L = Make(ltCustom, 196, 65);
  L->SetLine(ltHorizontal);
  EXPECT_EQ(L->Width(), 196);
  EXPECT_EQ(L->Height(), 65) << "nothing resizes until it paints";

  L->Invalidations = 0;
  Surface.Paint(*L);
  EXPECT_EQ(Points(*L), (TPoints{0, 32, 195, 32}));
  EXPECT_EQ(L->Height(), 10);
  EXPECT_GE(L->Invalidations, 1) << "the resize asks for the paint that settles it";

  L->Invalidations = 0;
  Surface.Paint(*L);
  EXPECT_EQ(Points(*L), (TPoints{0, 4, 195, 4}));
  EXPECT_EQ(L->Height(), 10);
  EXPECT_EQ(L->Invalidations, 0) << "the same size again brings no further paint";
  EXPECT_EQ(Surface.Pixel(0, 4), RGB(0, 0, 0));
  EXPECT_EQ(Surface.Pixel(194, 4), RGB(0, 0, 0));
  EXPECT_EQ(Surface.Pixel(100, 3), RGB(255, 255, 255));
  EXPECT_EQ(Surface.Pixel(100, 5), RGB(255, 255, 255));
}

TEST_F(Lines, TheCentredKindsAreTenTimesThePenWidthThick) {
  struct {
    TLineType Kind;
    int PenWidth;
    int Thin;    // the thin side after the first paint
    int Middle;  // where the second paint draws, across the thin side
  } Cases[] = {
      {ltHorizontal, 3, 30, 14},
      {ltHorizontal, 1, 10, 4},
      {ltHorizontal, 0, 0, 0},
      {ltVertical, 3, 30, 14},
      {ltVertical, 0, 0, 0},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(std::string(KindName(C.Kind)) + ", pen " + std::to_string(C.PenWidth));
    auto L = Make(C.Kind, 196, 196);
    L->Pen().SetWidth(C.PenWidth);
    Surface.Paint(*L);
    Surface.Paint(*L);
    if (C.Kind == ltHorizontal) {
      EXPECT_EQ(L->Height(), C.Thin);
      EXPECT_EQ(L->Width(), 196);
      EXPECT_EQ(Points(*L), (TPoints{0, C.Middle, 195, C.Middle}));
    } else {
      EXPECT_EQ(L->Width(), C.Thin);
      EXPECT_EQ(L->Height(), 196);
      EXPECT_EQ(Points(*L), (TPoints{C.Middle, 0, C.Middle, 195}));
    }
  }
}

TEST_F(Lines, LeavingACentredKindResizesByTheTable) {
  struct {
    TLineType From;
    int W, H;
    TLineType To;
    int NewW, NewH;
  } Cases[] = {
      {ltHorizontal, 196, 10, ltVertical, 10, 196},
      {ltHorizontal, 196, 10, ltTop, 196, 65},
      {ltHorizontal, 196, 10, ltBottom, 196, 65},
      {ltHorizontal, 196, 10, ltUpDiagonal, 196, 65},
      {ltHorizontal, 196, 10, ltDownDiagonal, 196, 65},
      {ltHorizontal, 196, 10, ltLeft, 65, 196},
      {ltHorizontal, 196, 10, ltRight, 65, 196},
      {ltHorizontal, 196, 10, ltCustom, 196, 10},
      {ltVertical, 10, 196, ltHorizontal, 196, 10},
      {ltVertical, 10, 196, ltTop, 196, 65},
      {ltVertical, 10, 196, ltBottom, 196, 65},
      {ltVertical, 10, 196, ltLeft, 65, 196},
      {ltVertical, 10, 196, ltRight, 65, 196},
      {ltVertical, 10, 196, ltUpDiagonal, 65, 196},
      {ltVertical, 10, 196, ltDownDiagonal, 65, 196},
      {ltVertical, 10, 196, ltCustom, 10, 196},
      // Only the centred kinds resize when left.
      {ltTop, 100, 50, ltHorizontal, 100, 50},
      {ltLeft, 100, 50, ltVertical, 100, 50},
      {ltCustom, 100, 50, ltDownDiagonal, 100, 50},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(std::string(KindName(C.From)) + " -> " + KindName(C.To));
    auto L = Make(C.From, C.W, C.H);
    L->SetLine(C.To);
    EXPECT_EQ(L->Line(), C.To);
    EXPECT_EQ(L->Width(), C.NewW);
    EXPECT_EQ(L->Height(), C.NewH);
    EXPECT_GE(L->Invalidations, 1);
  }
}

TEST_F(Lines, AHorizontalLineTurnedVerticalDrawsDownItsMiddle) {
  auto L = Make(ltHorizontal, 196, 10);
  L->SetLine(ltVertical);
  Surface.Paint(*L);
  EXPECT_EQ(Points(*L), (TPoints{4, 0, 4, 195}));
  EXPECT_EQ(L->Width(), 10);
  EXPECT_EQ(L->Height(), 196);
}

TEST_F(Lines, TurnedCustomItKeepsItsSizeAndTheLineLastDrawnThenTakesWrites) {
  auto L = Make(ltHorizontal, 196, 10);
  Surface.Paint(*L);
  L->SetLine(ltCustom);
  EXPECT_EQ(L->Width(), 196);
  EXPECT_EQ(L->Height(), 10);
  EXPECT_EQ(Points(*L), (TPoints{0, 4, 195, 4}));
  L->SetToY(9);
  L->SetFromX(10);
  EXPECT_EQ(Points(*L), (TPoints{10, 4, 195, 9}));
  Surface.Paint(*L);
  EXPECT_EQ(Points(*L), (TPoints{10, 4, 195, 9}));
  EXPECT_EQ(L->Height(), 10);
}

// --- Form data -----------------------------------------------------------------------------

class LinesFormData : public Lines {
protected:
  void Load(const std::string& Text) { LoadForm(Root, ParseFormData(Text), Methods); }
  TLine* Line(const char* Name) { return FindComponentAs<TLine>(Root, Name); }
  static std::string Written(const TLine& L) { return WriteFormData(ComponentToTree(L)); }

  TWinControl Root{nullptr};
  TMethodTable Methods;
};

TEST_F(LinesFormData, ASizeEqualToTheStreamDefaultIsLeftOutAndLoadsAs65) {
  auto* L = new TLine(&Root);
  L->SetName("Line1");
  L->SetParent(&Root);
  L->SetBounds(86, 158, 100, 10);
  EXPECT_EQ(Written(*L),
            "TLine Line1 {\n"
            "    Left: 86\n"
            "    Top: 158\n"
            "    FromX: 0\n"
            "    ToX: 35\n"
            "    FromY: 0\n"
            "    ToY: 35\n"
            "    Line: ltCustom\n"
            "}\n");

  TWinControl Again(nullptr);
  LoadForm(Again, ParseFormData("TWinControl Again {\n" + Written(*L) + "}\n"), Methods);
  auto* Loaded = FindComponentAs<TLine>(Again, "Line1");
  EXPECT_EQ(Loaded->Left(), 86);
  EXPECT_EQ(Loaded->Width(), 65);
  EXPECT_EQ(Loaded->Height(), 65);
}

// The About dialog's lower separator line, as its form data stores it.
TEST_F(LinesFormData, EveryPropertyReadsInItsOrderAndWritesBackTheSameText) {
  const std::string Text =
      "TWinControl Root {\n"
      "    Left: 0\n"
      "    Top: 0\n"
      "    Width: 0\n"
      "    Height: 0\n"
      "    TLine Line2 {\n"
      "        Tag: 3\n"
      "        Left: 86\n"
      "        Top: 159\n"
      "        Width: 196\n"
      "        Hint: \"s\xC3\xA9parateur\"\n"
      "        Brush: {\n"
      "            Color: clRed\n"
      "        }\n"
      "        DragCursor: crArrow\n"
      "        DragMode: dmAutomatic\n"
      "        Pen: {\n"
      "            Color: clWhite\n"
      "        }\n"
      "        FromX: 0\n"
      "        ToX: 195\n"
      "        FromY: 4\n"
      "        ToY: 4\n"
      "        Line: ltHorizontal\n"
      "    }\n"
      "}\n";
  Load(Text);
  TLine* L = Line("Line2");
  EXPECT_EQ(L->Tag(), 3);
  EXPECT_EQ(L->Width(), 196);
  EXPECT_EQ(L->Height(), 65) << "no height stored: the constructor's";
  EXPECT_EQ(L->Brush().Color(), clRed);
  EXPECT_EQ(L->DragCursor(), crArrow);
  EXPECT_EQ(L->DragMode(), dmAutomatic);
  EXPECT_EQ(L->Pen().Color(), clWhite);
  EXPECT_EQ(L->Line(), ltHorizontal);
  EXPECT_EQ(Points(*L), (TPoints{0, 4, 195, 4})) << "read while the control was still custom";

  // The height is 65 until a paint sets it; written now, it would be stored. Paint first.
  Surface.Paint(*L);
  EXPECT_EQ(L->Height(), 10);
  Surface.Paint(*L);
  EXPECT_EQ(ComponentToTree(*L), ParseFormData(Text).Children.at(0));
}

TEST_F(LinesFormData, EndPointsListedAfterTheKindAreIgnored) {
  Load(
      "TWinControl Root {\n"
      "    TLine Line1 {\n"
      "        Line: ltTop\n"
      "        FromX: 10\n"
      "        ToX: 20\n"
      "    }\n"
      "}\n");
  EXPECT_EQ(Points(*Line("Line1")), (TPoints{0, 0, 35, 35}));
}

TEST_F(LinesFormData, AnUnknownKindIsALoadErrorNamingItsLine) {
  try {
    Load(
        "TWinControl Root {\n"
        "    TLine Line1 {\n"
        "        Line: ltSideways\n"
        "    }\n"
        "}\n");
    FAIL() << "loaded";
  } catch (const EFormDataError& E) {
    EXPECT_EQ(E.Line(), 3);
  }
}

}  // namespace
