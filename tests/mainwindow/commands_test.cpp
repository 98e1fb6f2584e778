// The main window's commands on the real window: reset, choosing the source file and the
// destination folder with the rule that enables the split button, and the split command with
// its busy state, from a real split of small files to a refused one shown by the error display.
#include <gtest/gtest.h>

#include "MainWindowHarness.h"
#include "TestFiles.h"

using namespace Scindora;
using namespace Scindora::Support;

namespace {

class Commands : public TMainWindowTest {
protected:
  void ChooseFile(const std::string& Path) {
    AnswerFile(Path);
    ClickToolButton(MainForm->ToolButton3);
  }
  void ChooseFolder(const std::string& Path) {
    AnswerFolder(Path);
    ClickToolButton(MainForm->ToolButton4);
  }
  bool SplitEnabled() { return MainForm->ToolButton6->Enabled(); }
};

// --- choosing the paths --------------------------------------------------------------------

// A step of choosing: which command, and the answer (empty: cancelled).
struct TChoice {
  bool File;
  const char* Answer;
};
struct TChoiceCase {
  const char* Name;
  std::vector<TChoice> Steps;
  bool SplitEnabledAfter;
};

TEST_F(Commands, TheSplitButtonIsEnabledOnceBothPathsAreChosenInEitherOrder) {
  const TChoiceCase Cases[] = {
      {"file only", {{true, "C:\\a\\source.bin"}}, false},
      {"folder only", {{false, "C:\\a\\out"}}, false},
      {"file then folder", {{true, "C:\\a\\source.bin"}, {false, "C:\\a\\out"}}, true},
      {"folder then file", {{false, "C:\\a\\out"}, {true, "C:\\a\\source.bin"}}, true},
      {"file cancelled, folder", {{true, ""}, {false, "C:\\a\\out"}}, false},
      {"both, then file cancelled", {{true, "C:\\a\\source.bin"}, {false, "C:\\a\\out"}, {true, ""}}, true},
      {"both, then folder cancelled", {{false, "C:\\a\\out"}, {true, "C:\\a\\source.bin"}, {false, ""}}, true},
  };
  for (const TChoiceCase& C : Cases) {
    SCOPED_TRACE(C.Name);
    MainForm->ToolButton1Click(nullptr);
    std::string Source, Folder;
    for (const TChoice& Step : C.Steps) {
      if (Step.File) {
        ChooseFile(Step.Answer);
        Source = Step.Answer;
      } else {
        ChooseFolder(Step.Answer);
        Folder = Step.Answer;
      }
      EXPECT_EQ(TextOf(MainForm->Edit1->Handle()), Source);
      EXPECT_EQ(TextOf(MainForm->Edit2->Handle()), Folder);
    }
    EXPECT_EQ(SplitEnabled(), C.SplitEnabledAfter);
  }
}

// The "..." buttons and the menu entries run the same commands as the tool buttons.
TEST_F(Commands, TheDotButtonsAndMenuEntriesChooseLikeTheToolButtons) {
  AnswerFile("C:\\b\\source.bin");
  MainForm->SpeedButton1->Click();
  EXPECT_EQ(MainForm->Edit1->Text(), "C:\\b\\source.bin");
  AnswerFolder("C:\\b\\out");
  MainForm->SpeedButton2->Click();
  EXPECT_EQ(MainForm->Edit2->Text(), "C:\\b\\out");
  EXPECT_TRUE(SplitEnabled());
  MainForm->ToolButton1Click(nullptr);
  AnswerFile("C:\\c\\source.bin");
  MainForm->Choisirunfichierfractionner1->Click();
  AnswerFolder("C:\\c\\out");
  MainForm->Choisirunrpertoirededestination1->Click();
  EXPECT_EQ(MainForm->Edit1->Text(), "C:\\c\\source.bin");
  EXPECT_EQ(MainForm->Edit2->Text(), "C:\\c\\out");
  EXPECT_TRUE(SplitEnabled());
}

TEST_F(Commands, TheFolderBrowserGetsItsCaptionAndTheFieldsFolderRecreatedFirst) {
  TTempFolder Temp;
  const std::string Chosen = Temp / "parti\\plus loin";
  ChooseFolder(Chosen);
  ASSERT_EQ(MainForm->Edit2->Text(), Chosen);
  RemoveTree(Temp / "parti");

  std::string Caption, Offered;
  bool ExistedWhenAsked = false;
  DialogSeam().SelectDirectory = [&](const std::string& C, std::string& Dir) -> std::optional<bool> {
    Caption = C;
    Offered = Dir;
    ExistedWhenAsked = FolderExists(Dir);
    return false;
  };
  ClickToolButton(MainForm->ToolButton4);
  EXPECT_EQ(Caption, "Sélectionner un dossier, vide si possible, dans lequel seront placés les fragments.");
  EXPECT_EQ(Offered, Chosen);
  EXPECT_TRUE(ExistedWhenAsked);
  EXPECT_EQ(MainForm->Edit2->Text(), "");  // cancelled

  // An empty field offers nothing and creates nothing.
  ClickToolButton(MainForm->ToolButton4);
  EXPECT_EQ(Offered, "");
}

// --- reset ---------------------------------------------------------------------------------

TEST_F(Commands, ResetAfterAutrePutsTheWindowBackAsItOpens) {
  ChooseFile("C:\\d\\source.bin");
  ChooseFolder("C:\\d\\out");
  PickPreset(2);
  MainForm->Edit3->SetText("4096");
  MainForm->ProgressBar1->SetPosition(5);
  ASSERT_TRUE(SplitEnabled());
  int PresetHandlerRuns = 0;
  TNotifyEvent Bound = MainForm->ComboBox1->OnChange;
  MainForm->ComboBox1->OnChange = [&](TObject*) { ++PresetHandlerRuns; };

  ClickToolButton(MainForm->ToolButton1);
  Pump();
  MainForm->ComboBox1->OnChange = Bound;

  EXPECT_EQ(TextOf(MainForm->Edit1->Handle()), "");
  EXPECT_EQ(TextOf(MainForm->Edit2->Handle()), "");
  EXPECT_EQ(TextOf(MainForm->Edit3->Handle()), "1457664");
  EXPECT_TRUE(EditReadOnly(MainForm->Edit3));
  EXPECT_EQ(SendMessageA(MainForm->ComboBox1->Handle(), CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(TextOf(MainForm->ComboBox1->Handle()), "Disquette normale");
  EXPECT_EQ(PresetHandlerRuns, 0);
  EXPECT_EQ(MainForm->Label3->Caption(), "(1,38Mo)");
  EXPECT_EQ(GetFocus(), MainForm->ControlBar1->Handle());
  EXPECT_EQ(MainForm->ProgressBar1->Position(), 0);
  EXPECT_EQ(SendMessageA(MainForm->ProgressBar1->Handle(), PBM_GETPOS, 0, 0), 0);
  EXPECT_FALSE(SplitEnabled());
}

// --- the split -----------------------------------------------------------------------------

// Real files in a temporary folder, chosen through the dialogs, with a typed fragment size.
class Split : public Commands {
protected:
  void Prepare(size_t SourceSize, const char* FragmentSize) {
    Bytes = PatternBytes(SourceSize);
    WriteFileBytes(Temp / "source.bin", Bytes);
    ChooseFile(Temp / "source.bin");
    ChooseFolder(Out);
    PickPreset(2);
    MainForm->Edit3->SetText(FragmentSize);
  }
  // What the window shows of the busy state, taken at one moment.
  struct TBusySnapshot {
    std::vector<bool> InputsEnabled;
    bool PresetsEnabled, SplitButtonEnabled;
    TCursor Cursor;
    int Position, Max;
  };
  static TBusySnapshot Snapshot() {
    TBusySnapshot S;
    for (TControl* C : InputControls()) S.InputsEnabled.push_back(C->Enabled());
    S.PresetsEnabled = MainForm->ComboBox1->Enabled();
    S.SplitButtonEnabled = MainForm->ToolButton6->Enabled();
    S.Cursor = Screen->Cursor();
    S.Position = MainForm->ProgressBar1->Position();
    S.Max = MainForm->ProgressBar1->Max();
    return S;
  }
  void ExpectIdleAfterSplit() {
    const TBusySnapshot S = Snapshot();
    EXPECT_EQ(S.InputsEnabled, std::vector<bool>(6, true));
    EXPECT_TRUE(S.PresetsEnabled);
    EXPECT_TRUE(S.SplitButtonEnabled);
    EXPECT_EQ(S.Cursor, crDefault);
    EXPECT_EQ(S.Position, S.Max);
    EXPECT_EQ(SendMessageA(MainForm->ProgressBar1->Handle(), PBM_GETPOS, 0, 0), S.Max);
  }

  TTempFolder Temp;
  std::string Out = Temp / "fragments";
  std::string Bytes;
};

TEST_F(Split, ASuccessfulSplitWritesTheFragmentsAndScriptAndShowsNothing) {
  Prepare(2500, "1000");
  ClickToolButton(MainForm->ToolButton6);
  Pump();

  EXPECT_TRUE(Errors.empty()) << Errors[0].Text;
  EXPECT_EQ(FolderNames(Out), (std::vector<std::string>{"00000000.frg", "00000001.frg", "00000002.frg", "RESTORE.BAT"}));
  EXPECT_EQ(ReadFileBytes(Out + "\\00000000.frg") + ReadFileBytes(Out + "\\00000001.frg") +
                ReadFileBytes(Out + "\\00000002.frg"),
            Bytes);
  EXPECT_EQ(MainForm->ProgressBar1->Max(), 3);
  ExpectIdleAfterSplit();
  EXPECT_EQ(MainForm->Edit1->Text(), Temp / "source.bin");
  EXPECT_EQ(MainForm->Edit2->Text(), Out);
  EXPECT_EQ(MainForm->Edit3->Text(), "1000");
}

// Seen from inside the job's message turns: a command queued before the split runs in its
// first turn, with the window busy. A second click on the split button queued there is
// ignored; were it not, it would start a split of its own and refuse the size now in the field.
TEST_F(Split, DuringASplitTheInputsAreBusyAndASecondSplitIsNotStarted) {
  Prepare(5000, "1000");
  const std::string Source = Temp / "source.bin";
  std::vector<TBusySnapshot> Seen;
  int Refusals = 0;
  DialogSeam().MessageDlg = [&](const std::string&, TMsgDlgType, TMsgDlgButtons) -> std::optional<int> {
    ++Refusals;
    return mrOk;
  };
  DialogSeam().OpenFile = [&](TOpenDialog& D) -> std::optional<bool> {
    Seen.push_back(Snapshot());
    MainForm->Edit3->SetText("0");
    PostToolButtonClick(MainForm->ToolButton6);
    D.SetFileName(Source);
    return true;
  };
  PostToolButtonClick(MainForm->ToolButton3);
  ClickToolButton(MainForm->ToolButton6);
  Pump();

  ASSERT_EQ(Seen.size(), 1u) << "the queued command ran in the job's turn";
  EXPECT_EQ(Seen[0].InputsEnabled, std::vector<bool>(6, false));
  EXPECT_FALSE(Seen[0].PresetsEnabled);
  EXPECT_TRUE(Seen[0].SplitButtonEnabled);
  EXPECT_EQ(Seen[0].Cursor, crHourGlass);
  EXPECT_EQ(Seen[0].Position, 0);
  EXPECT_EQ(Seen[0].Max, 6);
  EXPECT_EQ(Refusals, 0);
  EXPECT_TRUE(Errors.empty()) << Errors[0].Text;
  EXPECT_EQ(FolderNames(Out).size(), 6u);
  EXPECT_TRUE(FileExists(Out + "\\RESTORE.BAT"));
  ExpectIdleAfterSplit();

  // After the split the button starts a split again (and here refuses the size now in the field).
  ClickToolButton(MainForm->ToolButton6);
  EXPECT_EQ(Refusals, 1);
}

// The busy state ends, and the bar fills, before the error display shows the job's failure.
TEST_F(Split, AFailingSplitIsShownAfterTheWindowIsRestored) {
  Prepare(1000, "1000");
  MainForm->ProgressBar1->SetPosition(3);
  std::optional<TBusySnapshot> WhenShown;
  Application->OnShowMessage = [&](const std::string& Text, const std::string& Caption, UINT Flags) {
    Errors.push_back({Text, Caption, Flags});
    WhenShown = Snapshot();
  };
  ClickToolButton(MainForm->ToolButton6);
  Pump();

  ASSERT_EQ(Errors.size(), 1u);
  EXPECT_EQ(Errors[0].Text, "Taille du fichier correcte. Fractionnement inutile !");
  EXPECT_EQ(Errors[0].Caption, "Scindora 1.0");
  EXPECT_EQ(Errors[0].Flags, static_cast<UINT>(MB_OK | MB_ICONSTOP));
  ASSERT_TRUE(WhenShown);
  EXPECT_EQ(WhenShown->InputsEnabled, std::vector<bool>(6, true));
  EXPECT_TRUE(WhenShown->PresetsEnabled);
  EXPECT_EQ(WhenShown->Cursor, crDefault);
  EXPECT_EQ(WhenShown->Position, WhenShown->Max);
  ExpectIdleAfterSplit();
  EXPECT_FALSE(FolderExists(Out));
}

// Reset during a split: the split goes on with what it read; the button stays disabled after.
TEST_F(Split, ResetDuringASplitLeavesTheSplitButtonDisabledAfterIt) {
  Prepare(3000, "1000");
  PostToolButtonClick(MainForm->ToolButton1);
  ClickToolButton(MainForm->ToolButton6);
  Pump();
  EXPECT_TRUE(Errors.empty()) << Errors[0].Text;
  EXPECT_TRUE(FileExists(Out + "\\RESTORE.BAT"));
  EXPECT_EQ(MainForm->Edit1->Text(), "");
  EXPECT_FALSE(SplitEnabled());
  EXPECT_EQ(MainForm->ProgressBar1->Position(), MainForm->ProgressBar1->Max());
  for (TControl* C : InputControls()) EXPECT_TRUE(C->Enabled()) << C->Name();
  EXPECT_TRUE(MainForm->ComboBox1->Enabled());
}

}  // namespace
