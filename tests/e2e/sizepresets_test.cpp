// The built program worked from outside as a user would before choosing any path: the size
// starts at the floppy preset, the split button does nothing yet, and picking "Autre" leaves
// a size field that takes only digits.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "DialogDriver.h"
#include "TestProgram.h"
#include "TestWindows.h"

namespace {

using namespace Scindora::Support;

class SizePresets : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_FALSE(ProgramPath().empty()) << "SCINDORA_BUILD_DIR is not set";
    ASSERT_TRUE(App.Started());
    Main = App.MainWindow();
    ASSERT_NE(Main, nullptr) << "no main window came up";
    Combo = FindDescendant(Main, "ComboBox");
    ASSERT_NE(Combo, nullptr);
    // The size field shares its group box with the presets list.
    Size = FindWindowExA(GetParent(Combo), nullptr, "Edit", nullptr);
    ASSERT_NE(Size, nullptr);
  }
  bool SizeReadOnly() { return GetWindowLongA(Size, GWL_STYLE) & ES_READONLY; }
  // As a pick in the drop-down list: the selection moves, then the list tells its parent.
  void Pick(int Index) {
    SendTimeout(Combo, CB_SETCURSEL, Index);
    SendTimeout(GetParent(Combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Combo), CBN_SELCHANGE),
                reinterpret_cast<LPARAM>(Combo));
  }

  TProgram App;
  HWND Main = nullptr, Combo = nullptr, Size = nullptr;
};

TEST_F(SizePresets, StartsAtTheFloppyPresetWithTheSplitButtonDoingNothing) {
  EXPECT_EQ(WindowText(Combo), "Disquette normale");
  EXPECT_EQ(SendTimeout(Combo, CB_GETCURSEL), 0);
  EXPECT_EQ(WindowText(Size), "1457664");
  EXPECT_TRUE(SizeReadOnly());
  // The split button, the sixth on the bar (85 to 108 across it): a split would fail at once
  // here, with no paths chosen, and show its error box.
  HWND Bar = FindDescendant(Main, "ToolbarWindow32");
  ASSERT_NE(Bar, nullptr);
  LPARAM At = MAKELPARAM(96, 11);
  PostMessageA(Bar, WM_MOUSEMOVE, 0, At);
  PostMessageA(Bar, WM_LBUTTONDOWN, MK_LBUTTON, At);
  PostMessageA(Bar, WM_LBUTTONUP, 0, At);
  EXPECT_EQ(WaitForWindow(App.Pid(), "#32770", nullptr, 1500), nullptr) << "the split button ran a split";
}

TEST_F(SizePresets, AutreLeavesAnEmptyFieldThatTakesOnlyDigitsAndAMediaPresetLocksItAgain) {
  Pick(2);
  EXPECT_EQ(WindowText(Size), "");
  EXPECT_FALSE(SizeReadOnly());
  for (char C : std::string("12a4")) PostMessageA(Size, WM_CHAR, static_cast<unsigned char>(C), 1);
  for (int Waited = 0; Waited < 2000 && WindowText(Size).size() < 3; Waited += 20) Sleep(20);
  Sleep(100);  // a fourth character, had the letter passed, would be in by now too
  EXPECT_EQ(WindowText(Size), "124");
  Pick(1);
  EXPECT_EQ(WindowText(Size), "100431872");
  EXPECT_TRUE(SizeReadOnly());
}

}  // namespace
