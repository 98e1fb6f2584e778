// The speed button as the source group holds it: a graphic control inside a group box,
// clicked with the mouse through its parent's window and read back from the screen.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "Buttons.h"
#include "FormData.h"
#include "FormDataParser.h"
#include "Forms.h"
#include "StdCtrls.h"
#include "TestWindows.h"

using namespace Scindora;
using namespace Scindora::Support;

namespace {

const char8_t* const SourceGroupForm = u8R"FORM(
TForm Form1 {
    Width: 433
    Height: 394
    Font: { Height: -11 Name: "MS Sans Serif" }
    TGroupBox GroupBox1 {
        Left: 8
        Top: 40
        Width: 409
        Height: 65
        Caption: "Fichier à fractionner : "
        TabOrder: 0
        TSpeedButton SpeedButton1 {
            Left: 368
            Top: 24
            Width: 25
            Height: 22
            Caption: "..."
            OnClick: ToolButton3Click
        }
        TEdit Edit1 {
            Left: 16
            Top: 24
            Width: 345
            Height: 21
            ReadOnly: True
            TabOrder: 0
        }
    }
}
)FORM";

void Pump() {
  MSG Msg;
  while (PeekMessageA(&Msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&Msg);
    DispatchMessageA(&Msg);
  }
}

class SpeedButtons : public testing::Test {
protected:
  void SetUp() override {
    RegisterStdCtrlsClasses();
    RegisterButtonsClasses();
    Form = std::make_unique<TForm>(nullptr);
    TMethodTable Methods;
    Methods.Publish("ToolButton3Click", std::function<void(TObject*)>([this](TObject*) { ++Clicks; }));
    LoadForm(*Form, ParseFormData(Utf8(SourceGroupForm)), Methods);
    Button = FindComponentAs<TSpeedButton>(*Form, "SpeedButton1");
    Group = FindComponentAs<TGroupBox>(*Form, "GroupBox1");
    Form->Show();
    Pump();
  }

  // A mouse message to the group box at a point of the button's own coordinates.
  void Mouse(UINT Msg, int X, int Y, WPARAM Keys = 0) {
    SendMessageA(Group->Handle(), Msg, Keys, MAKELPARAM(Button->Left() + X, Button->Top() + Y));
  }
  void ClickAt(int X, int Y) {
    Mouse(WM_LBUTTONDOWN, X, Y, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, X, Y);
  }

  COLORREF Pixel(int X, int Y) {
    UpdateWindow(Group->Handle());
    HDC DC = GetDC(Group->Handle());
    COLORREF C = GetPixel(DC, Button->Left() + X, Button->Top() + Y);
    ReleaseDC(Group->Handle(), DC);
    return C;
  }

  bool CaptionHas(COLORREF Color) {
    UpdateWindow(Group->Handle());
    HDC DC = GetDC(Group->Handle());
    bool Found = false;
    for (int Y = 4; Y < Button->Height() - 4 && !Found; ++Y)
      for (int X = 4; X < Button->Width() - 4 && !Found; ++X)
        Found = GetPixel(DC, Button->Left() + X, Button->Top() + Y) == Color;
    ReleaseDC(Group->Handle(), DC);
    return Found;
  }

  std::unique_ptr<TForm> Form;
  TSpeedButton* Button = nullptr;
  TGroupBox* Group = nullptr;
  int Clicks = 0;
};

TEST_F(SpeedButtons, ClickInsideFiresOnClickOnRelease) {
  Mouse(WM_LBUTTONDOWN, 12, 11, MK_LBUTTON);
  EXPECT_TRUE(Button->Pressed());
  EXPECT_EQ(Clicks, 0);
  Mouse(WM_LBUTTONUP, 12, 11);
  EXPECT_FALSE(Button->Pressed());
  EXPECT_EQ(Clicks, 1);
  ClickAt(0, 0);
  ClickAt(24, 21);
  EXPECT_EQ(Clicks, 3);
}

TEST_F(SpeedButtons, ReleasingOutsideClicksNothing) {
  Mouse(WM_LBUTTONDOWN, 12, 11, MK_LBUTTON);
  Mouse(WM_MOUSEMOVE, 40, 11, MK_LBUTTON);
  EXPECT_FALSE(Button->Pressed()) << "the pressed look follows the mouse";
  Mouse(WM_MOUSEMOVE, 5, 5, MK_LBUTTON);
  EXPECT_TRUE(Button->Pressed());
  Mouse(WM_MOUSEMOVE, 5, -30, MK_LBUTTON);
  Mouse(WM_LBUTTONUP, 5, -30);
  EXPECT_FALSE(Button->Pressed());
  EXPECT_EQ(Clicks, 0);
}

TEST_F(SpeedButtons, DisabledOrRightButtonClicksNothing) {
  SendMessageA(Group->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(Button->Left() + 5, Button->Top() + 5));
  SendMessageA(Group->Handle(), WM_RBUTTONUP, 0, MAKELPARAM(Button->Left() + 5, Button->Top() + 5));
  EXPECT_EQ(Clicks, 0);
  Button->SetEnabled(false);
  ClickAt(12, 11);
  EXPECT_FALSE(Button->Pressed());
  EXPECT_EQ(Clicks, 0);
  Button->SetEnabled(true);
  ClickAt(12, 11);
  EXPECT_EQ(Clicks, 1);
}

TEST_F(SpeedButtons, ClickLeavesTheFocusWhereItWas) {
  auto* Edit = FindComponentAs<TEdit>(*Form, "Edit1");
  Edit->SetFocus();
  ClickAt(12, 11);
  EXPECT_EQ(Clicks, 1);
  EXPECT_EQ(GetFocus(), Edit->Handle());
}

// The real mouse: the system's hit test must find the group box, not the window beneath.
TEST_F(SpeedButtons, SystemMouseClickReachesTheButtonInsideTheGroup) {
  SetForegroundWindow(Form->Handle());
  Pump();
  POINT P{Button->Left() + 12, Button->Top() + 11};
  ClientToScreen(Group->Handle(), &P);
  ASSERT_EQ(WindowFromPoint(P), Group->Handle());
  SetCursorPos(P.x, P.y);
  INPUT In[2] = {};
  In[0].type = In[1].type = INPUT_MOUSE;
  In[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  In[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ASSERT_EQ(SendInput(2, In, sizeof(INPUT)), 2u);
  for (int I = 0; I < 50 && Clicks == 0; ++I) {
    Pump();
    Sleep(10);
  }
  EXPECT_EQ(Clicks, 1);
}

TEST_F(SpeedButtons, LooksRaisedThenPressedWithItsCaptionCentred) {
  COLORREF Raised = Pixel(1, 1);
  EXPECT_TRUE(CaptionHas(RGB(0, 0, 0))) << "the dots of \"...\"";
  Mouse(WM_LBUTTONDOWN, 12, 11, MK_LBUTTON);
  COLORREF Sunken = Pixel(1, 1);
  EXPECT_NE(Raised, Sunken);
  Mouse(WM_LBUTTONUP, 12, 11);
  EXPECT_EQ(Pixel(1, 1), Raised);

  Button->SetEnabled(false);
  EXPECT_FALSE(CaptionHas(RGB(0, 0, 0)));
  EXPECT_TRUE(CaptionHas(GetSysColor(COLOR_BTNSHADOW)));
}

TEST(ButtonsRegistry, SpeedButtonIsKnownToFormData) {
  RegisterButtonsClasses();
  const TClassInfo* Class = FindClass("TSpeedButton");
  ASSERT_NE(Class, nullptr);
  std::unique_ptr<TComponent> C(Class->Create(nullptr));
  auto* B = dynamic_cast<TSpeedButton*>(C.get());
  ASSERT_NE(B, nullptr);
  EXPECT_FALSE(B->Flat());
  EXPECT_EQ(B->Width(), 23);
  EXPECT_EQ(B->Height(), 22);
}

}  // namespace
