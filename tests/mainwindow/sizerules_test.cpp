// The fragment size on the real main window: the presets list fills the size field, the field
// takes only digits and backspace as they are typed, and the split button refuses a size that
// is no whole number of at least 1 with its own dialog before anything else happens.
#include <gtest/gtest.h>

#include <cstring>

#include "DialogDriver.h"
#include "MainWindowHarness.h"
#include "SizeRules.h"
#include "SysUtils.h"

using namespace Scindora;
using namespace Scindora::Support;

namespace {

// --- the rules alone -----------------------------------------------------------------------

TEST(SizeKeyFilter, OnlyBackspaceAndDigitsPassEveryOtherByteBecomesCode15) {
  for (int Code = 0; Code < 256; ++Code) {
    char Key = static_cast<char>(Code);
    FilterSizeKey(Key);
    const bool Passes = Code == 8 || (Code >= '0' && Code <= '9');
    EXPECT_EQ(static_cast<unsigned char>(Key), Passes ? Code : 15) << "code " << Code;
  }
}

struct TSizeCase {
  const char* Text;
  bool Accepted;
};
const TSizeCase SizeCases[] = {
    {"1", true},           {"2147483647", true}, {"1457664", true}, {"+12", true},  {"0", false},
    {"000", false},        {"-5", false},        {"-0", false},     {"", false},    {"12 ", false},
    {"2147483648", false}, {"1,5", false},       {"1e3", false},    {"abc", false}, {"99999999999", false},
};

TEST(SizeCheck, AcceptsWholeNumbersFromOneToTheLargest32BitValue) {
  for (const TSizeCase& C : SizeCases) EXPECT_EQ(FragmentSizeAccepted(C.Text), C.Accepted) << '"' << C.Text << '"';
}

// The check and the split job convert with one routine, so they agree on every text.
TEST(SizeCheck, AgreesWithTheConversionTheSplitJobUses) {
  for (const TSizeCase& C : SizeCases) {
    bool Converts = true;
    int32_t Value = 0;
    try {
      Value = StrToInt(C.Text);
    } catch (const EConvertError&) {
      Converts = false;
    }
    EXPECT_EQ(FragmentSizeAccepted(C.Text), Converts && Value >= 1) << '"' << C.Text << '"';
  }
}

TEST(SizePresets, MediaPresetsHoldSizesTheCheckAccepts) {
  for (const TSizePreset& Row : SizePresets)
    if (Row.ReadOnly) EXPECT_TRUE(FragmentSizeAccepted(Row.SizeText)) << Row.ListText;
}

// --- on the window -------------------------------------------------------------------------

class SizeRules : public TMainWindowTest {
protected:
  HWND ComboEdit() { return FindWindowExA(MainForm->ComboBox1->Handle(), nullptr, "Edit", nullptr); }
  // What the presets rule governs, read back from the windows.
  struct TSizeState {
    std::string Size;
    bool ReadOnly;
    HWND Focus;
    std::string Label;
    bool operator==(const TSizeState&) const = default;
  };
  TSizeState State() {
    return {TextOf(MainForm->Edit3->Handle()), EditReadOnly(MainForm->Edit3), GetFocus(), MainForm->Label3->Caption()};
  }
};

TEST_F(SizeRules, PickingEachPresetFillsTheSizeFieldLocksItMovesTheFocusAndSetsTheLabel) {
  HWND Source = MainForm->Edit1->Handle(), Size = MainForm->Edit3->Handle();
  struct {
    int Index;
    TSizeState Expected;
  } const Cases[] = {
      {1, {"100431872", true, Source, "(95,7Mo)"}},
      {0, {"1457664", true, Source, "(1,38Mo)"}},
      {2, {"", false, Size, ""}},
      {1, {"100431872", true, Source, "(95,7Mo)"}},
      {2, {"", false, Size, ""}},
      {0, {"1457664", true, Source, "(1,38Mo)"}},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Index);
    MainForm->ControlBar1->SetFocus();
    PickPreset(C.Index);
    Pump();
    const TSizeState S = State();
    EXPECT_EQ(S.Size, C.Expected.Size);
    EXPECT_EQ(S.ReadOnly, C.Expected.ReadOnly);
    EXPECT_EQ(S.Focus, C.Expected.Focus);
    EXPECT_EQ(S.Label, C.Expected.Label);
  }
}

// Typed or pasted into the list's own field: only a text equal to an entry, case and all, counts.
TEST_F(SizeRules, AListTextThatIsNoEntryChangesNothing) {
  PickPreset(1);
  Pump();
  const TSizeState Before = State();
  for (const char* Text : {"autre", "Autre ", "Disquette", "disquette normale", "100431872", ""}) {
    SendMessageA(ComboEdit(), EM_SETSEL, 0, -1);
    SendMessageA(ComboEdit(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(Text));
    Pump();
    EXPECT_EQ(MainForm->ComboBox1->Text(), Text);
    EXPECT_EQ(State(), Before) << '"' << Text << '"';
  }
  // The same path with an entry's exact text applies it.
  SendMessageA(ComboEdit(), EM_SETSEL, 0, -1);
  SendMessageA(ComboEdit(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("Autre"));
  Pump();
  EXPECT_EQ(State(), (TSizeState{"", false, MainForm->Edit3->Handle(), ""}));
}

TEST_F(SizeRules, TypedKeysReachTheSizeFieldOnlyAsDigitsAndBackspace) {
  PickPreset(2);
  Pump();
  HWND Size = MainForm->Edit3->Handle();
  ASSERT_EQ(GetFocus(), Size);
  TypeChars(Size, "12a4");
  EXPECT_EQ(TextOf(Size), "124");
  TypeChars(Size, " -+.x\x16\x01\t\r");  // Ctrl+V and Ctrl+A among them
  EXPECT_EQ(TextOf(Size), "124");
  TypeChars(Size, "\b");
  EXPECT_EQ(TextOf(Size), "12");
  SendMessageA(Size, EM_SETSEL, 1, 1);
  TypeChars(Size, "\b9");
  EXPECT_EQ(TextOf(Size), "92");
}

// A media preset keeps the field read-only: typed digits do not change it.
TEST_F(SizeRules, AMediaPresetsSizeCannotBeTypedOver) {
  PickPreset(0);
  HWND Size = MainForm->Edit3->Handle();
  TypeChars(Size, "\b5");
  EXPECT_EQ(TextOf(Size), "1457664");
}

// The size check through the split button, with both paths given so the button can be used.
class SizeCheckOnWindow : public SizeRules {
protected:
  void SetUp() override {
    SizeRules::SetUp();
    AnswerFile("C:\\nulle\\part\\source.bin");
    MainForm->ToolButton3->Click();
    AnswerFolder("C:\\nulle\\part\\fragments");
    MainForm->ToolButton4->Click();
    ASSERT_TRUE(MainForm->ToolButton6->Enabled());
    PickPreset(2);
    DialogSeam().MessageDlg = [this](const std::string& Msg, TMsgDlgType Type, TMsgDlgButtons Buttons) -> std::optional<int> {
      Dialogs.push_back({Msg, Type, Buttons});
      return mrOk;
    };
  }
  struct TDialogSeen {
    std::string Msg;
    TMsgDlgType Type;
    TMsgDlgButtons Buttons;
  };
  std::vector<TDialogSeen> Dialogs;
};

TEST_F(SizeCheckOnWindow, RefusedSizesShowTheDialogThenSelectTheWholeFieldAndEndTheCommand) {
  for (const char* Text : {"0", "000", "-5", "2147483648", "", "12 ", "abc", " 7"}) {
    SCOPED_TRACE(std::string("\"") + Text + "\"");
    Dialogs.clear();
    Errors.clear();
    MainForm->Edit3->SetText(Text);
    MainForm->Edit1->SetFocus();
    MainForm->ProgressBar1->SetPosition(7);
    const int Max = MainForm->ProgressBar1->Max();

    ClickToolButton(MainForm->ToolButton6);
    Pump();

    ASSERT_EQ(Dialogs.size(), 1u);
    EXPECT_EQ(Dialogs[0].Msg, "Vous devez saisir une valeur numérique entière non formatée.");
    EXPECT_EQ(Dialogs[0].Type, mtError);
    EXPECT_EQ(Dialogs[0].Buttons, MsgDlgButtons({mbOK}));
    EXPECT_EQ(TextOf(MainForm->Edit3->Handle()), Text);
    EXPECT_EQ(EditSelection(MainForm->Edit3), std::make_pair(0, static_cast<int>(strlen(Text))));
    EXPECT_EQ(GetFocus(), MainForm->Edit3->Handle());
    // Nothing else: no split, no busy state left behind.
    EXPECT_TRUE(Errors.empty()) << Errors[0].Text;
    EXPECT_EQ(MainForm->ProgressBar1->Position(), 7);
    EXPECT_EQ(MainForm->ProgressBar1->Max(), Max);
    EXPECT_EQ(Screen->Cursor(), crDefault);
    for (TControl* C : InputControls()) EXPECT_TRUE(C->Enabled()) << C->Name();
    EXPECT_TRUE(MainForm->ComboBox1->Enabled());
    EXPECT_TRUE(MainForm->ToolButton6->Enabled());
  }
}

// An accepted size goes on to the split job, which here reports the missing source file.
TEST_F(SizeCheckOnWindow, AcceptedSizesGoOnToTheSplitJob) {
  for (const char* Text : {"1", "2147483647"}) {
    SCOPED_TRACE(Text);
    Dialogs.clear();
    Errors.clear();
    MainForm->Edit3->SetText(Text);
    ClickToolButton(MainForm->ToolButton6);
    Pump();
    EXPECT_TRUE(Dialogs.empty());
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0].Text, "Impossible d'ouvrir le fichier Source !");
  }
}

// "Autre" empties the field, so a split started at once is refused.
TEST_F(SizeCheckOnWindow, SplitRightAfterChoosingAutreIsRefused) {
  ClickToolButton(MainForm->ToolButton6);
  ASSERT_EQ(Dialogs.size(), 1u);
  EXPECT_TRUE(Errors.empty());
}

// The real dialog, dismissed by its own button: the field gets the focus back from it.
TEST_F(SizeCheckOnWindow, TheRealRefusalDialogIsAnErrorBoxAndTheFocusComesBackToTheField) {
  DialogSeam().MessageDlg = nullptr;
  MainForm->Edit3->SetText("0x");
  MainForm->Edit1->SetFocus();
  std::string Caption, Text;
  bool HasOk = false, HasCancel = true;
  TDialogDriver Driver(MainForm->Handle(), [&](HWND Box) {
    Caption = WindowText(Box);
    if (HWND Static = GetDlgItem(Box, 0xFFFF)) Text = WindowText(Static);
    HasOk = GetDlgItem(Box, IDOK) != nullptr;
    HasCancel = GetDlgItem(Box, IDCANCEL) != nullptr && IsWindowVisible(GetDlgItem(Box, IDCANCEL));
    Click(GetDlgItem(Box, IDOK));
  });
  ClickToolButton(MainForm->ToolButton6);
  Driver.Finish();
  Pump();
  ASSERT_TRUE(Driver.Found());
  EXPECT_TRUE(Driver.DismissedByAct());
  EXPECT_EQ(Caption, "Erreur");
  EXPECT_EQ(Text, "Vous devez saisir une valeur numérique entière non formatée.");
  EXPECT_TRUE(HasOk);
  EXPECT_FALSE(HasCancel);
  EXPECT_EQ(GetFocus(), MainForm->Edit3->Handle());
  EXPECT_EQ(EditSelection(MainForm->Edit3), std::make_pair(0, 2));
  EXPECT_TRUE(Errors.empty());
}

}  // namespace
