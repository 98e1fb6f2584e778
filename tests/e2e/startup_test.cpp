// The built program, started as a user starts it and worked from this separate process:
// its main window comes up, its menus open by their hot keys, and closing the window ends
// the program at once with exit code 0.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

std::string ProgramPath() {
  const char* BuildDir = std::getenv("SCINDORA_BUILD_DIR");
  if (!BuildDir) return std::string();
  std::string Path = std::string(BuildDir) + "/app/Scindora.exe";
  // CTest hands over a Linux path; Wine shows the Linux root as drive Z:.
  if (Path[0] == '/') Path = "Z:" + Path;
  std::replace(Path.begin(), Path.end(), '/', '\\');
  return Path;
}

std::string ClassOf(HWND Wnd) {
  char Buffer[64] = "";
  GetClassNameA(Wnd, Buffer, sizeof Buffer);
  return Buffer;
}

std::string TextOf(HWND Wnd) {
  char Buffer[256] = "";
  DWORD_PTR Ignored;
  SendMessageTimeoutA(Wnd, WM_GETTEXT, sizeof Buffer, reinterpret_cast<LPARAM>(Buffer), SMTO_ABORTIFHUNG, 2000, &Ignored);
  return Buffer;
}

struct TWindowSearch {
  DWORD Pid;
  const char* ClassName;
  const char* Title;  // nullptr: any
  HWND Found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND Wnd, LPARAM L) {
  auto* S = reinterpret_cast<TWindowSearch*>(L);
  DWORD Pid = 0;
  GetWindowThreadProcessId(Wnd, &Pid);
  if (Pid == S->Pid && IsWindowVisible(Wnd) && ClassOf(Wnd) == S->ClassName && (!S->Title || TextOf(Wnd) == S->Title)) {
    S->Found = Wnd;
    return FALSE;
  }
  return TRUE;
}

// A visible top-level window of the process, waited for up to TimeoutMs.
HWND WaitForWindow(DWORD Pid, const char* ClassName, const char* Title, DWORD TimeoutMs = 20000) {
  for (DWORD Waited = 0;; Waited += 50) {
    TWindowSearch Search{Pid, ClassName, Title};
    EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&Search));
    if (Search.Found || Waited >= TimeoutMs) return Search.Found;
    Sleep(50);
  }
}

bool WaitGone(DWORD Pid, const char* ClassName, DWORD TimeoutMs = 5000) {
  for (DWORD Waited = 0; Waited < TimeoutMs; Waited += 50) {
    TWindowSearch Search{Pid, ClassName, nullptr};
    EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&Search));
    if (!Search.Found) return true;
    Sleep(50);
  }
  return false;
}

bool InMenuMode(HWND Wnd) {
  GUITHREADINFO Info{};
  Info.cbSize = sizeof Info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(Wnd, nullptr), &Info) && (Info.flags & GUI_INMENUMODE);
}

// Presses Escape until the window's thread has left its menu loop (an Escape that arrives
// while the loop is still settling may be taken for the level just closed).
bool EscapeMenuMode(HWND Wnd, DWORD TimeoutMs = 5000) {
  for (DWORD Waited = 0; Waited < TimeoutMs; Waited += 250) {
    if (!InMenuMode(Wnd)) return true;
    PostMessageA(Wnd, WM_KEYDOWN, VK_ESCAPE, 0);
    Sleep(250);
  }
  return !InMenuMode(Wnd);
}

// The program, started with no arguments; ended by force if a test leaves it running.
class TProgram {
public:
  TProgram() {
    std::string Path = ProgramPath();
    if (Path.empty()) return;
    std::string Folder = Path.substr(0, Path.rfind('\\'));
    std::string CommandLine = "\"" + Path + "\"";
    STARTUPINFOA Startup{};
    Startup.cb = sizeof Startup;
    FStarted = CreateProcessA(Path.c_str(), CommandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, Folder.c_str(),
                              &Startup, &FInfo);
  }
  ~TProgram() {
    if (!FStarted) return;
    if (WaitForSingleObject(FInfo.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(FInfo.hProcess, 1);
      WaitForSingleObject(FInfo.hProcess, 5000);
    }
    CloseHandle(FInfo.hThread);
    CloseHandle(FInfo.hProcess);
  }
  TProgram(const TProgram&) = delete;
  TProgram& operator=(const TProgram&) = delete;

  bool Started() const { return FStarted; }
  DWORD Pid() const { return FInfo.dwProcessId; }
  // The exit code once it has ended within TimeoutMs, else STILL_ACTIVE.
  DWORD WaitForExit(DWORD TimeoutMs) const {
    if (WaitForSingleObject(FInfo.hProcess, TimeoutMs) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD Code = STILL_ACTIVE;
    GetExitCodeProcess(FInfo.hProcess, &Code);
    return Code;
  }
  // Its main window: our form's class, not a message box that shares the title.
  HWND MainWindow() const { return WaitForWindow(Pid(), "TMainForm", "Scindora 1.0"); }

private:
  bool FStarted = false;
  PROCESS_INFORMATION FInfo{};
};

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

// A keyboard user's Alt+F opens the file menu; Escape backs out of it and the program goes on.
// (A menu's entries cannot be read from another process under Wine: the popup is all we see.)
TEST_F(Program, FileMenuOpensByItsHotKeyAndEscapeLeavesIt) {
  PostMessageA(Main, WM_SYSCOMMAND, SC_KEYMENU, 'f');
  HWND Popup = WaitForWindow(App.Pid(), "#32768", nullptr, 5000);
  ASSERT_NE(Popup, nullptr) << "Alt+F opened no menu";
  // The first Escape closes the popup, the next leaves the menu bar.
  PostMessageA(Popup, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(WaitGone(App.Pid(), "#32768"));
  EXPECT_TRUE(EscapeMenuMode(Main));
  // No error box came up on the way.
  EXPECT_EQ(WaitForWindow(App.Pid(), "#32770", nullptr, 0), nullptr);
  PostMessageA(Main, WM_CLOSE, 0, 0);
  EXPECT_EQ(App.WaitForExit(5000), 0u);
}

}  // namespace
