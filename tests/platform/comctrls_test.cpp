#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "ComCtrls.h"
#include "FormData.h"
#include "FormDataParser.h"
#include "FormDataWriter.h"
#include "Forms.h"
#include "ImgList.h"
#include "TestWindows.h"

using namespace Scindora;
using namespace Scindora::Support;

namespace {

// The tool bar, status bar and progress bar of the main window, laid out as its form data
// lays them out, on a form of their own.
const char8_t* const BarsForm = u8R"(
TForm Form1 {
    Width: 433
    Height: 394
    TToolBar ToolBar1 {
        Left: 11
        Top: 2
        Width: 412
        Height: 22
        Caption: "ToolBar1"
        EdgeInner: esNone
        EdgeOuter: esNone
        Flat: True
        Images: ImageList1
        TToolButton ToolButton1 {
            Left: 0
            Top: 0
            Hint: "Réinitialiser l'application"
            Caption: "ToolButton1"
            ImageIndex: 0
            ParentShowHint: False
            ShowHint: True
            OnClick: ButtonClick
        }
        TToolButton ToolButton2 {
            Left: 23
            Top: 0
            Width: 8
            Caption: "ToolButton2"
            ImageIndex: 1
            Style: tbsSeparator
        }
        TToolButton ToolButton3 {
            Left: 31
            Top: 0
            Hint: "Choix du fichier à fractionner"
            Caption: "ToolButton3"
            ImageIndex: 1
            ParentShowHint: False
            ShowHint: True
            OnClick: ButtonClick
        }
        TToolButton ToolButton4 {
            Left: 54
            Top: 0
            Hint: "Choix du répertoire de destination des fragments"
            Caption: "ToolButton4"
            ImageIndex: 2
            ParentShowHint: False
            ShowHint: True
            OnClick: ButtonClick
        }
        TToolButton ToolButton5 {
            Left: 77
            Top: 0
            Width: 8
            Caption: "ToolButton5"
            ImageIndex: 3
            Style: tbsSeparator
        }
        TToolButton ToolButton6 {
            Left: 85
            Top: 0
            Hint: "Fractionner le fichier séléctionné"
            Caption: "ToolButton6"
            Enabled: False
            ImageIndex: 3
            ParentShowHint: False
            ShowHint: True
            OnClick: ButtonClick
        }
        TToolButton ToolButton7 {
            Left: 108
            Top: 0
            Width: 8
            Caption: "ToolButton7"
            ImageIndex: 4
            Style: tbsSeparator
        }
        TToolButton ToolButton8 {
            Left: 116
            Top: 0
            Hint: "Aide de l'application"
            Caption: "ToolButton8"
            ImageIndex: 4
            ParentShowHint: False
            ShowHint: True
            OnClick: ButtonClick
        }
        TToolButton ToolButton9 {
            Left: 139
            Top: 0
            Hint: "Quitter l'application"
            Caption: "ToolButton9"
            ImageIndex: 5
            ParentShowHint: False
            ShowHint: True
            OnClick: ButtonClick
        }
    }
    TStatusBar StatusBar1 {
        Left: 0
        Top: 321
        Width: 425
        Height: 19
        Panels: [{ Width: 50 Text: "Une notice d'une ligne" }]
    }
    TProgressBar ProgressBar1 {
        Left: 16
        Top: 264
        Width: 377
        Height: 17
        TabOrder: 2
    }
}
)";

// The form's non-visual image list, which the bar refers to by name. It holds the program's
// glyphs and is made only when the bar first asks for it.
TImageList* AddImageList(TForm& Form) {
  auto* List = new TImageList(&Form);
  List->SetName("ImageList1");
  List->SetBitmap("GLYPHS");
  return List;
}

class Bars : public testing::Test {
protected:
  void SetUp() override {
    RegisterComCtrlsClasses();
    RegisterImgListClasses();
    Form = std::make_unique<TForm>(nullptr);
    Images = AddImageList(*Form);
    TMethodTable Methods;
    Methods.Publish("ButtonClick", std::function<void(TObject*)>([this](TObject* Sender) {
                      Clicked.push_back(dynamic_cast<TComponent*>(Sender)->Name());
                    }));
    LoadForm(*Form, ParseFormData(Utf8(BarsForm)), Methods);
    Form->HandleNeeded();
    ToolBar = FindComponentAs<TToolBar>(*Form, "ToolBar1");
    StatusBar = FindComponentAs<TStatusBar>(*Form, "StatusBar1");
    ProgressBar = FindComponentAs<TProgressBar>(*Form, "ProgressBar1");
  }

  LRESULT Tb(UINT Msg, WPARAM W = 0, LPARAM L = 0) { return SendMessageA(ToolBar->Handle(), Msg, W, L); }
  LRESULT Sb(UINT Msg, WPARAM W = 0, LPARAM L = 0) { return SendMessageA(StatusBar->Handle(), Msg, W, L); }
  LRESULT Pb(UINT Msg, WPARAM W = 0, LPARAM L = 0) { return SendMessageA(ProgressBar->Handle(), Msg, W, L); }

  int CommandAt(int Index) {
    TBBUTTON B{};
    EXPECT_TRUE(Tb(TB_GETBUTTON, Index, reinterpret_cast<LPARAM>(&B)));
    return B.idCommand;
  }

  // What the bar's tooltip shows for the button at Index.
  std::string TipText(int Index) {
    HWND Tips = reinterpret_cast<HWND>(Tb(TB_GETTOOLTIPS));
    EXPECT_NE(Tips, nullptr);
    char Buffer[256] = "";
    TTTOOLINFOA Info{};
    Info.cbSize = sizeof(Info);
    Info.hwnd = ToolBar->Handle();
    Info.uId = CommandAt(Index);
    Info.lpszText = Buffer;
    SendMessageA(Tips, TTM_GETTEXTA, sizeof(Buffer), reinterpret_cast<LPARAM>(&Info));
    return Info.lpszText ? Info.lpszText : "";
  }

  std::unique_ptr<TForm> Form;
  TToolBar* ToolBar = nullptr;
  TStatusBar* StatusBar = nullptr;
  TProgressBar* ProgressBar = nullptr;
  TImageList* Images = nullptr;
  std::vector<std::string> Clicked;
};

struct TButtonCase {
  const char* Name;
  int Left;
  int Width;
  bool Separator;
  bool Enabled;
  int ImageIndex;
  const char* Hint;  // as its tooltip shows it
};

const TButtonCase ButtonCases[] = {
    {"ToolButton1", 0, 23, false, true, 0, "Réinitialiser l'application"},
    {"ToolButton2", 23, 8, true, true, 1, ""},
    {"ToolButton3", 31, 23, false, true, 1, "Choix du fichier à fractionner"},
    {"ToolButton4", 54, 23, false, true, 2, "Choix du répertoire de destination des fragments"},
    {"ToolButton5", 77, 8, true, true, 3, ""},
    {"ToolButton6", 85, 23, false, false, 3, "Fractionner le fichier séléctionné"},
    {"ToolButton7", 108, 8, true, true, 4, ""},
    {"ToolButton8", 116, 23, false, true, 4, "Aide de l'application"},
    {"ToolButton9", 139, 23, false, true, 5, "Quitter l'application"},
};

TEST_F(Bars, ToolBarMakesOneNativeButtonPerToolButtonInOrder) {
  ASSERT_EQ(Tb(TB_BUTTONCOUNT), 9);
  ASSERT_EQ(ToolBar->ButtonCount(), 9);
  EXPECT_EQ(reinterpret_cast<HIMAGELIST>(Tb(TB_GETIMAGELIST)), Images->Handle());
  EXPECT_EQ(Images->Count(), 6);
  for (int I = 0; I < 9; ++I) {
    const TButtonCase& Case = ButtonCases[I];
    SCOPED_TRACE(Case.Name);
    TToolButton* Button = ToolBar->ButtonAt(I);
    EXPECT_EQ(Button->Name(), Case.Name);
    EXPECT_EQ(Button->Caption(), Case.Name);
    EXPECT_EQ(Button->Index(), I);

    RECT R{};
    ASSERT_TRUE(Tb(TB_GETITEMRECT, I, reinterpret_cast<LPARAM>(&R)));
    EXPECT_EQ(R.left, Case.Left);
    EXPECT_EQ(R.top, 0);
    EXPECT_EQ(R.right - R.left, Case.Width);
    if (!Case.Separator) EXPECT_EQ(R.bottom - R.top, 22);
    // Our own idea of the layout agrees with the native one.
    EXPECT_EQ(Button->Left(), Case.Left);
    EXPECT_EQ(Button->Top(), 0);
    EXPECT_EQ(Button->Width(), Case.Width);

    TBBUTTON B{};
    ASSERT_TRUE(Tb(TB_GETBUTTON, I, reinterpret_cast<LPARAM>(&B)));
    EXPECT_EQ((B.fsStyle & BTNS_SEP) != 0, Case.Separator);
    if (!Case.Separator) {
      EXPECT_EQ(B.iBitmap, Case.ImageIndex);
      EXPECT_EQ(Tb(TB_ISBUTTONENABLED, B.idCommand) != 0, Case.Enabled);
    }
    EXPECT_EQ(TipText(I), Case.Hint);
  }
}

TEST_F(Bars, ToolBarIsFlatWithoutEdgesAndShowsNoCaptions) {
  LONG Style = GetWindowLongA(ToolBar->Handle(), GWL_STYLE);
  EXPECT_TRUE(Style & TBSTYLE_FLAT);
  EXPECT_TRUE(Style & TBSTYLE_TOOLTIPS);
  EXPECT_FALSE(Style & WS_TABSTOP);
  RECT Window, Client;
  GetWindowRect(ToolBar->Handle(), &Window);
  GetClientRect(ToolBar->Handle(), &Client);
  EXPECT_EQ(Window.right - Window.left, 412);
  EXPECT_EQ(Window.bottom - Window.top, 22);
  EXPECT_EQ(Client.bottom, 22);  // esNone: no edge takes room
  char Text[64] = "";
  EXPECT_EQ(Tb(TB_GETBUTTONTEXTA, CommandAt(0), reinterpret_cast<LPARAM>(Text)), -1);
}

TEST_F(Bars, DefaultEdgesTakeTwoPixelsAtTheTop) {
  ToolBar->SetEdgeInner(esRaised);
  ToolBar->SetEdgeOuter(esLowered);
  RECT Client;
  GetClientRect(ToolBar->Handle(), &Client);
  EXPECT_EQ(Client.bottom, 20);
  EXPECT_EQ(Client.right, 412);
}

TEST_F(Bars, ButtonEnabledStateReachesTheNativeButton) {
  TToolButton* Split = FindComponentAs<TToolButton>(*Form, "ToolButton6");
  int Id = CommandAt(5);
  EXPECT_FALSE(Tb(TB_ISBUTTONENABLED, Id));
  Split->SetEnabled(true);
  EXPECT_TRUE(Tb(TB_ISBUTTONENABLED, Id));
  Split->SetEnabled(false);
  EXPECT_FALSE(Tb(TB_ISBUTTONENABLED, Id));
}

TEST_F(Bars, ToolBarCommandClicksTheButtonItStandsFor) {
  // As the bar reports a click to its parent.
  for (int Index : {0, 2, 3, 7, 8}) {
    Clicked.clear();
    SendMessageA(Form->Handle(), WM_COMMAND, MAKEWPARAM(CommandAt(Index), BN_CLICKED),
                 reinterpret_cast<LPARAM>(ToolBar->Handle()));
    ASSERT_EQ(Clicked.size(), 1u);
    EXPECT_EQ(Clicked[0], ButtonCases[Index].Name);
  }
  // A disabled button, a separator and an unknown command click nothing.
  Clicked.clear();
  for (int Id : {CommandAt(5), CommandAt(1), 0, 99})
    SendMessageA(Form->Handle(), WM_COMMAND, MAKEWPARAM(Id, BN_CLICKED), reinterpret_cast<LPARAM>(ToolBar->Handle()));
  EXPECT_TRUE(Clicked.empty());
}

TEST_F(Bars, MouseClickOnAButtonFiresItsOnClick) {
  Form->Show();
  auto ClickAt = [this](int Index) {
    RECT R{};
    Tb(TB_GETITEMRECT, Index, reinterpret_cast<LPARAM>(&R));
    LPARAM P = MAKELPARAM((R.left + R.right) / 2, (R.top + R.bottom) / 2);
    Tb(WM_MOUSEMOVE, 0, P);
    Tb(WM_LBUTTONDOWN, MK_LBUTTON, P);
    Tb(WM_LBUTTONUP, 0, P);
  };
  ClickAt(3);
  ASSERT_EQ(Clicked.size(), 1u);
  EXPECT_EQ(Clicked[0], "ToolButton4");
  Clicked.clear();
  ClickAt(5);  // disabled
  EXPECT_TRUE(Clicked.empty());
}

TEST_F(Bars, TooltipTextFollowsShowHint) {
  TToolButton* Reset = ToolBar->ButtonAt(0);
  Reset->SetShowHint(false);
  EXPECT_EQ(TipText(0), "");
  // ParentShowHint takes the bar's setting.
  Reset->SetParentShowHint(true);
  ToolBar->SetShowHint(true);
  EXPECT_EQ(TipText(0), "Réinitialiser l'application");
}

TEST_F(Bars, AnsiTooltipRequestIsAnsweredWithTheHint) {
  // The request in its single-byte form, as the tooltip sends it to the bar.
  NMTTDISPINFOA Info{};
  Info.hdr.hwndFrom = reinterpret_cast<HWND>(Tb(TB_GETTOOLTIPS));
  Info.hdr.idFrom = CommandAt(3);
  Info.hdr.code = TTN_GETDISPINFOA;
  Tb(WM_NOTIFY, Info.hdr.idFrom, reinterpret_cast<LPARAM>(&Info));
  ASSERT_NE(Info.lpszText, nullptr);
  EXPECT_STREQ(Info.lpszText, "Choix du répertoire de destination des fragments");
}

TEST_F(Bars, ButtonsAddedOrRemovedLaterAreLaidOutAgain) {
  auto* Extra = new TToolButton(Form.get());
  Extra->SetName("ToolButton10");
  Extra->SetParent(ToolBar);
  EXPECT_EQ(Extra->Caption(), "ToolButton10");
  ASSERT_EQ(Tb(TB_BUTTONCOUNT), 10);
  RECT R{};
  Tb(TB_GETITEMRECT, 9, reinterpret_cast<LPARAM>(&R));
  EXPECT_EQ(R.left, 162);
  EXPECT_EQ(Extra->Left(), 162);
  delete FindComponentAs<TToolButton>(*Form, "ToolButton2");
  ASSERT_EQ(Tb(TB_BUTTONCOUNT), 9);
  Tb(TB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&R));
  EXPECT_EQ(R.left, 23);
  EXPECT_EQ(Extra->Left(), 154);
  // The commands still lead to the right buttons.
  SendMessageA(Form->Handle(), WM_COMMAND, MAKEWPARAM(CommandAt(8), BN_CLICKED),
               reinterpret_cast<LPARAM>(ToolBar->Handle()));
  ASSERT_EQ(Clicked.size(), 0u);  // ToolButton10 has no handler
  SendMessageA(Form->Handle(), WM_COMMAND, MAKEWPARAM(CommandAt(7), BN_CLICKED),
               reinterpret_cast<LPARAM>(ToolBar->Handle()));
  ASSERT_EQ(Clicked.size(), 1u);
  EXPECT_EQ(Clicked[0], "ToolButton9");
}

TEST_F(Bars, HiddenButtonTakesNoRoom) {
  ToolBar->ButtonAt(0)->Hide();
  RECT R{};
  Tb(TB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&R));
  EXPECT_EQ(R.left, 8);
  EXPECT_EQ(ToolBar->ButtonAt(2)->Left(), 8);
  ToolBar->ButtonAt(0)->Show();
  Tb(TB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&R));
  EXPECT_EQ(R.left, 31);
}

TEST_F(Bars, CaptionsShowWhenAskedFor) {
  ToolBar->SetShowCaptions(true);
  char Text[64] = "";
  Tb(TB_GETBUTTONTEXTA, CommandAt(2), reinterpret_cast<LPARAM>(Text));
  EXPECT_STREQ(Text, "ToolButton3");
  ToolBar->ButtonAt(2)->SetCaption("Ouvrir");
  Tb(TB_GETBUTTONTEXTA, CommandAt(2), reinterpret_cast<LPARAM>(Text));
  EXPECT_STREQ(Text, "Ouvrir");
}

TEST_F(Bars, ImageListGoingAwayLeavesTheBarWithoutImages) {
  delete Images;
  EXPECT_EQ(ToolBar->Images(), nullptr);
  EXPECT_EQ(Tb(TB_GETIMAGELIST), 0);
}

TEST_F(Bars, StatusBarHasOnePanelStretchedToTheRightEnd) {
  ASSERT_EQ(Sb(SB_GETPARTS), 1);
  int Edges[4] = {};
  Sb(SB_GETPARTS, 4, reinterpret_cast<LPARAM>(Edges));
  EXPECT_EQ(Edges[0], -1);
  char Text[128] = "";
  Sb(SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(Text));
  EXPECT_STREQ(Text, "Une notice d'une ligne");
  EXPECT_TRUE(GetWindowLongA(StatusBar->Handle(), GWL_STYLE) & SBARS_SIZEGRIP);
  // Aligned to the bottom of the client area, across its whole width.
  RECT Client, Bar;
  GetClientRect(Form->Handle(), &Client);
  GetWindowRect(StatusBar->Handle(), &Bar);
  MapWindowPoints(nullptr, Form->Handle(), reinterpret_cast<POINT*>(&Bar), 2);
  EXPECT_EQ(Bar.bottom, Client.bottom);
  EXPECT_EQ(Bar.top, Client.bottom - 19);
  EXPECT_EQ(Bar.left, 0);
  EXPECT_EQ(Bar.right, Client.right);
}

TEST_F(Bars, StatusBarPartsEndWhereTheWidthsAddUp) {
  StatusBar->Panels(0).SetWidth(80);
  TStatusPanel& Second = StatusBar->AddPanel();
  Second.SetWidth(30);
  Second.SetText("deux");
  StatusBar->AddPanel().SetText("trois");
  ASSERT_EQ(Sb(SB_GETPARTS), 3);
  int Edges[3] = {};
  Sb(SB_GETPARTS, 3, reinterpret_cast<LPARAM>(Edges));
  EXPECT_EQ(Edges[0], 80);
  EXPECT_EQ(Edges[1], 110);
  EXPECT_EQ(Edges[2], -1);
  char Text[64] = "";
  Sb(SB_GETTEXTA, 2, reinterpret_cast<LPARAM>(Text));
  EXPECT_STREQ(Text, "trois");
}

TEST_F(Bars, StatusBarKeepsTheSystemStatusFontWhenTheFormFontChanges) {
  NONCLIENTMETRICSA Metrics{};
  Metrics.cbSize = sizeof(Metrics);
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(Metrics), &Metrics, 0));
  Form->Font().SetName("Arial");
  Form->Font().SetHeight(-20);
  EXPECT_FALSE(StatusBar->ParentFont());
  EXPECT_EQ(StatusBar->Font().Name(), Metrics.lfStatusFont.lfFaceName);
  EXPECT_EQ(ToolBar->Font().Name(), "Arial");
  LOGFONTA Shown{};
  auto Font = reinterpret_cast<HFONT>(Sb(WM_GETFONT));
  ASSERT_NE(Font, nullptr);
  GetObjectA(Font, sizeof(Shown), &Shown);
  EXPECT_STREQ(Shown.lfFaceName, Metrics.lfStatusFont.lfFaceName);
  EXPECT_EQ(Shown.lfHeight, Metrics.lfStatusFont.lfHeight);
}

TEST_F(Bars, ProgressBarStartsAtZeroOfZeroToHundredStepTen) {
  PBRANGE Range{};
  Pb(PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&Range));
  EXPECT_EQ(Range.iLow, 0);
  EXPECT_EQ(Range.iHigh, 100);
  EXPECT_EQ(Pb(PBM_GETPOS), 0);
  EXPECT_EQ(ProgressBar->Step(), 10);
  EXPECT_FALSE(GetWindowLongA(ProgressBar->Handle(), GWL_STYLE) & WS_TABSTOP);
}

TEST_F(Bars, ProgressBarValuesReachTheNativeControl) {
  // The split job's protocol: Min, Step, Position, then Max; StepIt, then Position := Max.
  ProgressBar->SetMin(0);
  ProgressBar->SetStep(1);
  ProgressBar->SetPosition(0);
  ProgressBar->SetMax(2147483647);
  PBRANGE Range{};
  Pb(PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&Range));
  EXPECT_EQ(Range.iHigh, 2147483647);
  ProgressBar->SetMax(4);
  ProgressBar->StepIt();
  EXPECT_EQ(Pb(PBM_GETPOS), 1);
  ProgressBar->StepIt();
  EXPECT_EQ(Pb(PBM_GETPOS), 2);
  ProgressBar->SetPosition(ProgressBar->Max());
  EXPECT_EQ(Pb(PBM_GETPOS), 4);
  Pb(PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&Range));
  EXPECT_EQ(Range.iLow, 0);
  EXPECT_EQ(Range.iHigh, 4);
  // A step pushed before the window exists is there once it does.
  EXPECT_EQ(Pb(PBM_GETSTEP), 1);
}

TEST_F(Bars, ProgressBarMaxOutsideTheRangeIsRefusedAndChangesNothing) {
  ProgressBar->SetMax(50);
  ProgressBar->SetPosition(20);
  for (int64_t Bad : {int64_t(-1), int64_t(2147483648LL), int64_t(5000000000LL)}) {
    SCOPED_TRACE(Bad);
    try {
      ProgressBar->SetMax(Bad);
      ADD_FAILURE() << "no exception";
    } catch (const EInvalidOperation& E) {
      EXPECT_EQ(E.Message(), "Propriété TProgressBar hors limites");
    }
    PBRANGE Range{};
    Pb(PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&Range));
    EXPECT_EQ(Range.iHigh, 50);
    EXPECT_EQ(Pb(PBM_GETPOS), 20);
  }
}

TEST(ProgressBar, ValuesSetBeforeTheWindowExistsAreShownByIt) {
  RegisterComCtrlsClasses();
  TForm Form(nullptr);
  auto* Bar = new TProgressBar(&Form);
  Bar->SetParent(&Form);
  Bar->SetMax(7);
  Bar->SetPosition(5);
  Bar->SetStep(2);
  Form.HandleNeeded();
  EXPECT_EQ(SendMessageA(Bar->Handle(), PBM_GETPOS, 0, 0), 5);
  EXPECT_EQ(SendMessageA(Bar->Handle(), PBM_GETRANGE, FALSE, 0), 7);
  EXPECT_EQ(SendMessageA(Bar->Handle(), PBM_GETSTEP, 0, 0), 2);
}

TEST(ComCtrlsFormData, WritesBackWhatItReads) {
  RegisterComCtrlsClasses();
  RegisterImgListClasses();
  TMethodTable Methods;
  Methods.Publish("ButtonClick", std::function<void(TObject*)>([](TObject*) {}));
  TFormObject Tree = ParseFormData(Utf8(BarsForm));
  TForm First(nullptr);
  AddImageList(First);
  LoadForm(First, Tree, Methods);
  std::string Text = WriteFormData(ComponentToTree(First));
  EXPECT_NE(Text.find("Panels: ["), std::string::npos) << Text;
  EXPECT_NE(Text.find("Style: tbsSeparator"), std::string::npos) << Text;
  TForm Second(nullptr);
  AddImageList(Second);
  LoadForm(Second, ParseFormData(Text), Methods);
  EXPECT_EQ(ComponentToTree(Second), ComponentToTree(First));
  auto* Bar = FindComponentAs<TStatusBar>(Second, "StatusBar1");
  ASSERT_EQ(Bar->PanelCount(), 1);
  EXPECT_EQ(Bar->Panels(0).Width(), 50);
  EXPECT_EQ(Bar->Panels(0).Text(), "Une notice d'une ligne");
  EXPECT_EQ(FindComponentAs<TToolBar>(Second, "ToolBar1")->Images(), FindComponentAs<TImageList>(Second, "ImageList1"));
}

TEST(ComCtrlsFormData, PanelsMustBeAListOfBlocks) {
  RegisterComCtrlsClasses();
  const char* Cases[] = {
      "TForm F { TStatusBar S { Panels: 3 } }",
      "TForm F { TStatusBar S { Panels: [3] } }",
      "TForm F { TStatusBar S { Panels: [{ Colour: 3 }] } }",
  };
  for (const char* Text : Cases) {
    SCOPED_TRACE(Text);
    TForm Form(nullptr);
    EXPECT_THROW(LoadForm(Form, ParseFormData(Text), TMethodTable()), EFormDataError);
  }
}

}  // namespace
