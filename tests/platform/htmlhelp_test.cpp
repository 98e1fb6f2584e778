#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "DialogDriver.h"
#include "HtmlHelp.h"

using namespace Scindora;
using namespace Scindora::Support;

namespace {

bool EndsWithNoCase(const std::string& S, const std::string& Tail) {
  return S.size() >= Tail.size() && lstrcmpiA(S.c_str() + S.size() - Tail.size(), Tail.c_str()) == 0;
}

std::string SystemFile(const char* Name) {
  char Dir[MAX_PATH] = "";
  GetSystemDirectoryA(Dir, MAX_PATH);
  return std::string(Dir) + "\\" + Name;
}

BOOL CALLBACK CollectWindow(HWND Wnd, LPARAM Data) {
  reinterpret_cast<std::vector<HWND>*>(Data)->push_back(Wnd);
  return TRUE;
}

std::vector<HWND> VisibleThreadWindows() {
  std::vector<HWND> All, Visible;
  EnumThreadWindows(GetCurrentThreadId(), &CollectWindow, reinterpret_cast<LPARAM>(&All));
  for (HWND Wnd : All)
    if (IsWindowVisible(Wnd)) Visible.push_back(Wnd);
  return Visible;
}

class HtmlHelpTest : public testing::Test {
protected:
  void TearDown() override { UnloadHtmlHelp(); }
};

TEST_F(HtmlHelpTest, StartUpFindsTheRegisteredControlAndItsEntryPoint) {
  const std::string Registered = RegistryDefaultPath(HKEY_CLASSES_ROOT, HtmlHelpControlKey);
  EXPECT_PRED2(EndsWithNoCase, Registered, "hhctrl.ocx");

  LoadHtmlHelp();
  EXPECT_TRUE(HtmlHelpAvailable());
  EXPECT_EQ(HtmlHelpControlFile(), Registered);

  UnloadHtmlHelp();
  EXPECT_FALSE(HtmlHelpAvailable());
  EXPECT_EQ(HtmlHelp(GetDesktopWindow(), "C:\\absent.chm", HH_DISPLAY_TOPIC, 0), nullptr);
}

// Start-up goes on without help when the registered file is missing or is not the control.
TEST_F(HtmlHelpTest, AMissingOrWrongControlLeavesHelpAbsent) {
  const std::string Files[] = {"", "C:\\nulle-part\\hhctrl.ocx", SystemFile("kernel32.dll")};
  for (const std::string& File : Files) {
    SCOPED_TRACE(File);
    EXPECT_FALSE(LoadHtmlHelp(File));
    EXPECT_FALSE(HtmlHelpAvailable());
    EXPECT_EQ(HtmlHelp(GetDesktopWindow(), "C:\\absent.chm", HH_DISPLAY_TOPIC, 0), nullptr);
  }
}

TEST_F(HtmlHelpTest, DisplayingAMissingHelpFileDoesNotCrash) {
  LoadHtmlHelp();
  ASSERT_TRUE(HtmlHelpAvailable());
  const std::vector<HWND> Before = VisibleThreadWindows();
  // Should the viewer answer with a message box, dismiss it rather than hang.
  TDialogDriver Driver(nullptr, [](HWND Box) { PostMessageA(Box, WM_COMMAND, IDOK, 0); }, 3000);
  HWND Viewer = HtmlHelp(GetDesktopWindow(), "C:\\nulle-part\\Scindora.chm", HH_DISPLAY_TOPIC, 0);
  Driver.Finish();
  if (Viewer) SendMessageA(Viewer, WM_CLOSE, 0, 0);
  HtmlHelp(nullptr, nullptr, HH_CLOSE_ALL, 0);
  EXPECT_EQ(VisibleThreadWindows(), Before);
}

// The help file that the build puts beside the program; empty when there is none yet.
std::string BuiltHelpFile() {
  const char* BuildDir = std::getenv("SCINDORA_BUILD_DIR");
  if (!BuildDir) return std::string();
  std::string Path = std::string(BuildDir) + "/app/Scindora.chm";
  // CTest hands over a Linux path; Wine shows the Linux root as drive Z:.
  if (Path[0] == '/') Path = "Z:" + Path;
  std::replace(Path.begin(), Path.end(), '/', '\\');
  return GetFileAttributesA(Path.c_str()) == INVALID_FILE_ATTRIBUTES ? std::string() : Path;
}

// The viewer runs the control's code: unloading must take its windows down first.
TEST_F(HtmlHelpTest, UnloadingClosesTheViewerFirst) {
  const std::string HelpFile = BuiltHelpFile();
  if (HelpFile.empty()) GTEST_SKIP() << "no Scindora.chm in the build";
  LoadHtmlHelp();
  ASSERT_TRUE(HtmlHelpAvailable());
  HWND Viewer = HtmlHelp(GetDesktopWindow(), HelpFile.c_str(), HH_DISPLAY_TOPIC, 0);
  ASSERT_NE(Viewer, nullptr);
  EXPECT_TRUE(IsWindowVisible(Viewer));
  EXPECT_EQ(GetWindow(Viewer, GW_OWNER), nullptr);  // the main window does not own it

  UnloadHtmlHelp();
  EXPECT_FALSE(IsWindow(Viewer));
  MSG Msg;
  while (PeekMessageA(&Msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&Msg);
}

// The registry value as the control's file: the string kinds the key may hold.
TEST(RegistryDefaultPath, ReadsStringsAndExpandsEnvironmentVariables) {
  const std::string Key = "Software\\Scindora-essai-" + std::to_string(GetCurrentProcessId());
  char Expanded[MAX_PATH] = "";
  ExpandEnvironmentStringsA("%SystemRoot%\\system32\\hhctrl.ocx", Expanded, MAX_PATH);
  const std::string Unterminated = "C:\\aide\\hhctrl.ocx";
  const DWORD Number = 7;
  struct TCase {
    const char* What;
    DWORD Type;
    std::string Bytes;
    std::string Expected;
  };
  const TCase Cases[] = {
      {"REG_SZ", REG_SZ, std::string("C:\\windows\\system32\\hhctrl.ocx") + '\0', "C:\\windows\\system32\\hhctrl.ocx"},
      {"REG_EXPAND_SZ", REG_EXPAND_SZ, std::string("%SystemRoot%\\system32\\hhctrl.ocx") + '\0', Expanded},
      {"no terminating NUL", REG_SZ, Unterminated, Unterminated},
      {"REG_DWORD", REG_DWORD, std::string(reinterpret_cast<const char*>(&Number), sizeof(Number)), ""},
  };
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.What);
    HKEY Written = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, Key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &Written, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(Written, nullptr, 0, C.Type, reinterpret_cast<const BYTE*>(C.Bytes.data()),
                   static_cast<DWORD>(C.Bytes.size()));
    RegCloseKey(Written);
    EXPECT_EQ(RegistryDefaultPath(HKEY_CURRENT_USER, Key), C.Expected);
    RegDeleteKeyA(HKEY_CURRENT_USER, Key.c_str());
  }
  EXPECT_EQ(RegistryDefaultPath(HKEY_CURRENT_USER, Key), "");
}

}  // namespace
