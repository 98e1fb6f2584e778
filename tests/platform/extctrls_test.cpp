// The control bar that holds the tool bar, the About dialog's header image and the manifest
// component, on real forms.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "ExtCtrls.h"
#include "FormData.h"
#include "FormDataParser.h"
#include "Forms.h"
#include "StdCtrls.h"
#include "XPMan.h"

using namespace Scindora;

namespace {

void Pump() {
  MSG Msg;
  while (PeekMessageA(&Msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&Msg);
    DispatchMessageA(&Msg);
  }
}

void Load(TForm& Form, const std::string& Text) {
  RegisterStdCtrlsClasses();
  RegisterExtCtrlsClasses();
  RegisterXPManClasses();
  LoadForm(Form, ParseFormData(Text), TMethodTable());
}

// The main window's bar, stored too tall so that AutoSize shows; a button stands in for the
// tool bar as its one band.
const char* const BarForm = R"(
TForm Form1 {
    Width: 433
    Height: 394
    ActiveControl: ControlBar1
    TControlBar ControlBar1 {
        Left: 0
        Top: 0
        Width: 425
        Height: 50
        Align: alTop
        AutoSize: True
        BevelOuter: bvNone
        BevelKind: bkNone
        TabOrder: 0
        TButton Band {
            Left: 11
            Top: 2
            Width: 412
            Height: 22
            Caption: "Band"
            TabOrder: 0
        }
    }
    TEdit Edit1 {
        Left: 16
        Top: 64
        TabOrder: 1
    }
}
)";

class ControlBars : public testing::Test {
protected:
  void SetUp() override {
    Form = std::make_unique<TForm>(nullptr);
    Load(*Form, BarForm);
    Bar = FindComponentAs<TControlBar>(*Form, "ControlBar1");
    Band = FindComponentAs<TButton>(*Form, "Band");
  }

  std::unique_ptr<TForm> Form;
  TControlBar* Bar = nullptr;
  TButton* Band = nullptr;
};

TEST_F(ControlBars, HeightFollowsTheBandsAndWidthTheWindow) {
  EXPECT_EQ(Bar->Height(), 26);
  Form->Show();
  Pump();
  RECT R;
  GetWindowRect(Bar->Handle(), &R);
  EXPECT_EQ(R.bottom - R.top, 26);
  EXPECT_EQ(R.right - R.left, Form->ClientWidth());
  GetClientRect(Bar->Handle(), &R);
  EXPECT_EQ(R.bottom, 26) << "bkNone: no bevel takes room";

  Band->SetHeight(30);
  Bar->AdjustSize();
  EXPECT_EQ(Bar->Height(), 34);
  Bar->SetAutoSize(false);
  Band->SetHeight(22);
  Bar->AdjustSize();
  EXPECT_EQ(Bar->Height(), 34);
}

TEST_F(ControlBars, BevelsTakeRoomOutsideTheClientArea) {
  Form->HandleNeeded();
  Bar->SetBevelKind(bkTile);
  Bar->SetBevelOuter(bvLowered);  // and the inner one stays raised
  RECT R;
  GetClientRect(Bar->Handle(), &R);
  EXPECT_EQ(Bar->Height(), 30);
  EXPECT_EQ(R.bottom, 26);
  EXPECT_EQ(R.right, Bar->Width() - 4);
  Bar->SetBevelKind(bkNone);
  EXPECT_EQ(Bar->Height(), 26);
}

TEST_F(ControlBars, HoldsTheFocusAtStartButIsNoTabStop) {
  Form->Show();
  Pump();
  EXPECT_EQ(GetFocus(), Bar->Handle());
  EXPECT_FALSE(GetWindowLongA(Bar->Handle(), GWL_STYLE) & WS_TABSTOP);
  EXPECT_FALSE(Bar->TabStop());
  // The first Tab goes to the first field.
  Band->SetTabStop(false);
  Form->SelectNext(Form->FocusedControl(), true);
  EXPECT_EQ(GetFocus(), FindComponentAs<TEdit>(*Form, "Edit1")->Handle());
}

TEST_F(ControlBars, PaintsAGripLeftOfEachBand) {
  Form->Show();
  Pump();
  RedrawWindow(Bar->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  HDC DC = GetDC(Bar->Handle());
  COLORREF Light = GetSysColor(COLOR_BTNHIGHLIGHT), Shadow = GetSysColor(COLOR_BTNSHADOW);
  COLORREF Face = GetSysColor(COLOR_BTNFACE);
  int Lights = 0, Shadows = 0;
  for (int X = 0; X < 11; ++X) {
    COLORREF C = GetPixel(DC, X, 12);
    Lights += C == Light;
    Shadows += C == Shadow;
  }
  COLORREF Beside = GetPixel(DC, 0, 12);
  ReleaseDC(Bar->Handle(), DC);
  EXPECT_EQ(Lights, 2) << "two ridges";
  EXPECT_EQ(Shadows, 2);
  EXPECT_EQ(Beside, Face);
}

// --- TImage --------------------------------------------------------------------------------

// The About dialog's header: the program's 298 x 81 picture at -4, -4.
const char* const ImageForm = R"(
TForm Form1 {
    ClientWidth: 294
    ClientHeight: 268
    BorderStyle: bsDialog
    TImage Image1 {
        Left: -4
        Top: -4
        Width: 298
        Height: 81
        AutoSize: True
        Picture: "ABOUTHEADER"
    }
}
)";

COLORREF BitmapPixel(HBITMAP Bitmap, int X, int Y) {
  HDC Mem = CreateCompatibleDC(nullptr);
  HGDIOBJ Old = SelectObject(Mem, Bitmap);
  COLORREF C = GetPixel(Mem, X, Y);
  SelectObject(Mem, Old);
  DeleteDC(Mem);
  return C;
}

TEST(Images, HeaderPictureTakesItsSizeAndShowsFromMinusFour) {
  auto Form = std::make_unique<TForm>(nullptr);
  Load(*Form, ImageForm);
  auto* Image = FindComponentAs<TImage>(*Form, "Image1");
  EXPECT_EQ(Image->Picture(), "ABOUTHEADER");
  EXPECT_EQ(Image->Width(), 298);
  EXPECT_EQ(Image->Height(), 81);
  EXPECT_EQ(Image->Bitmap().BitsPerPixel(), 24);
  Form->Show();
  // Set again with the frame known: a client width read before the window exists is taken
  // as the outer width.
  Form->SetClientWidth(294);
  Form->SetClientHeight(268);
  Pump();
  UpdateWindow(Form->Handle());
  ASSERT_EQ(Form->ClientWidth(), 294);

  HBITMAP Bitmap = Image->Bitmap().Handle();
  HDC DC = GetDC(Form->Handle());
  struct {
    int X, Y;
  } Points[] = {{0, 0}, {293, 0}, {0, 76}, {293, 76}, {150, 40}};
  for (auto P : Points) {
    SCOPED_TRACE(std::to_string(P.X) + "," + std::to_string(P.Y));
    EXPECT_EQ(GetPixel(DC, P.X, P.Y), BitmapPixel(Bitmap, P.X + 4, P.Y + 4));
  }
  // Below the picture: the form's own colour.
  EXPECT_EQ(GetPixel(DC, 150, 78), GetSysColor(COLOR_BTNFACE));
  ReleaseDC(Form->Handle(), DC);
}

TEST(Images, WithoutAutoSizeOrPictureTheSizeStays) {
  TImage Image(nullptr);
  Image.SetBounds(0, 0, 10, 20);
  Image.SetPicture("ABOUTHEADER");
  EXPECT_EQ(Image.Width(), 10);
  EXPECT_EQ(Image.Height(), 20);
  Image.SetAutoSize(true);
  EXPECT_EQ(Image.Width(), 298);
  // An unknown resource is an error and leaves the picture as it was.
  EXPECT_THROW(Image.SetPicture("NOSUCHPICTURE"), EInvalidOperation);
  EXPECT_EQ(Image.Picture(), "ABOUTHEADER");
  EXPECT_FALSE(Image.Bitmap().Empty());
  Image.SetPicture("");
  EXPECT_TRUE(Image.Bitmap().Empty());
  EXPECT_EQ(Image.Width(), 298);
}

TEST(XPManifests, IsAComponentWithNothingToSet) {
  RegisterXPManClasses();
  const TClassInfo* Class = FindClass("TXPManifest");
  ASSERT_NE(Class, nullptr);
  EXPECT_TRUE(Class->Props.empty());
  TForm Form(nullptr);
  Load(Form, R"(
TForm Form1 {
    TXPManifest XPManifest1 {
        DesignLeft: 272
        DesignTop: 88
    }
}
)");
  auto* M = FindComponentAs<TXPManifest>(Form, "XPManifest1");
  EXPECT_EQ(M->DesignLeft(), 272);
}

}  // namespace
