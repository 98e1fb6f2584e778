// The built program, started as a user starts it and worked from this separate process:
// its main window comes up, and closing the window or the quit command (from the menu by
// its hot keys, or from the tool bar) ends the program at once with exit code 0.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "TestProgram.h"
#include "TestWindows.h"

namespace {

using namespace Scindora::Support;

class Program : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_FALSE(ProgramPath().empty()) << "SCINDORA_BUILD_DIR is not set";
    ASSERT_TRUE(App.Started()) << ProgramPath() << ": error " << GetLastError();
    Main = App.MainWindow();
    ASSERT_NE(Main, nullptr) << "no main window came up";
  }

  TProgram App;
  HWND Main = nullptr;
};

TEST_F(Program, ShowsItsMainWindow) {
  EXPECT_TRUE(IsWindowVisible(Main));
  EXPECT_TRUE(IsWindowEnabled(Main));
  EXPECT_EQ(GetParent(Main), nullptr);
  EXPECT_EQ(GetWindow(Main, GW_OWNER), nullptr) << "a top-level window of its own, with its taskbar button";
  RECT R;
  GetWindowRect(Main, &R);
  EXPECT_EQ(R.right - R.left, 433);
  EXPECT_EQ(R.bottom - R.top, 394);
  EXPECT_EQ(App.WaitForExit(0), static_cast<DWORD>(STILL_ACTIVE));
}

// The close button and the window menu's close (or Alt+F4) both send the close message; the
// system command is how the window menu and Alt+F4 arrive.
TEST_F(Program, ClosingTheWindowEndsItAtOnceWithCodeZero) {
  PostMessageA(Main, WM_CLOSE, 0, 0);
  EXPECT_EQ(App.WaitForExit(5000), 0u);
}

TEST_F(Program, CloseFromTheWindowMenuEndsItWithCodeZero) {
  PostMessageA(Main, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(App.WaitForExit(5000), 0u);
}

// The quit command, as a keyboard user picks it from the menu: Alt+F, then Q.
TEST_F(Program, QuitFromTheFileMenuByItsHotKeysEndsItWithCodeZero) {
  PostMessageA(Main, WM_SYSCOMMAND, SC_KEYMENU, 'f');
  HWND Popup = WaitForWindow(App.Pid(), "#32768", nullptr, 5000);
  ASSERT_NE(Popup, nullptr) << "Alt+F opened no menu";
  PostMessageA(Popup, WM_CHAR, 'q', 0);
  EXPECT_EQ(App.WaitForExit(5000), 0u);
}

// The quit command from its tool button, clicked where the bar shows it (the ninth button,
// 139 to 162 across the bar).
TEST_F(Program, QuitFromTheToolBarEndsItWithCodeZero) {
  HWND Bar = FindWindowExA(FindWindowExA(Main, nullptr, "TControlBar", nullptr), nullptr, "ToolbarWindow32", nullptr);
  ASSERT_NE(Bar, nullptr);
  LPARAM At = MAKELPARAM(150, 11);
  PostMessageA(Bar, WM_MOUSEMOVE, 0, At);
  PostMessageA(Bar, WM_LBUTTONDOWN, MK_LBUTTON, At);
  PostMessageA(Bar, WM_LBUTTONUP, 0, At);
  EXPECT_EQ(App.WaitForExit(5000), 0u);
}

}  // namespace
