// Closing the main window while a split of many fragments runs: the close is handled in the
// job's message turn, the job stops before its next fragment and the error display shows the
// cancellation; the program is then asked to end. A program of its own, since the request
// to end cannot be taken back.
#include <gtest/gtest.h>

#include "MainWindowHarness.h"
#include "TestFiles.h"

using namespace Scindora;
using namespace Scindora::Support;

namespace {

class SplitClose : public TMainWindowTest {};

TEST_F(SplitClose, ClosingTheWindowDuringASplitCancelsItAfterTheFragmentsWrittenSoFar) {
  TTempFolder Temp;
  const std::string Source = Temp / "source.bin", Out = Temp / "fragments";
  const std::string Bytes = PatternBytes(10 * 4096);
  WriteFileBytes(Source, Bytes);
  AnswerFile(Source);
  ClickToolButton(MainForm->ToolButton3);
  AnswerFolder(Out);
  ClickToolButton(MainForm->ToolButton4);
  PickPreset(2);
  MainForm->Edit3->SetText("4096");

  // Posted while the third fragment (index 2) is written, the close is handled in the next turn.
  bool Closed = false;
  TProgressWatch Watch([&](int Position) {
    if (Position == 3 && !Closed) Closed = PostMessageA(MainForm->Handle(), WM_CLOSE, 0, 0);
  });
  std::vector<bool> EnabledWhenShown;
  bool BarFullWhenShown = false;
  Application->OnShowMessage = [&](const std::string& Text, const std::string& Caption, UINT Flags) {
    Errors.push_back({Text, Caption, Flags});
    for (TControl* C : InputControls()) EnabledWhenShown.push_back(C->Enabled());
    BarFullWhenShown = MainForm->ProgressBar1->Position() == MainForm->ProgressBar1->Max();
  };
  ClickToolButton(MainForm->ToolButton6);

  ASSERT_EQ(Errors.size(), 1u);
  EXPECT_EQ(Errors[0].Text, "Fractionnement annulé par l'utilisateur.");
  EXPECT_EQ(Errors[0].Caption, "Scindora 1.0");
  EXPECT_EQ(EnabledWhenShown, std::vector<bool>(6, true));
  EXPECT_TRUE(BarFullWhenShown);
  EXPECT_TRUE(Application->Terminated());
  EXPECT_EQ(Screen->Cursor(), crDefault);
  EXPECT_EQ(FolderNames(Out), (std::vector<std::string>{"00000000.frg", "00000001.frg", "00000002.frg"}));
  for (int I = 0; I < 3; ++I)
    EXPECT_EQ(ReadFileBytes(Out + "\\0000000" + std::to_string(I) + ".frg"), Bytes.substr(I * 4096, 4096));
  EXPECT_TRUE(IsWindow(MainForm->Handle())) << "the window stays until the loop ends";
}

}  // namespace
