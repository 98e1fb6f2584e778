#include "TestProgram.h"

#include <string>

#include "TestWindows.h"

namespace Scindora::Support {

namespace {
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
  if (Pid == S->Pid && IsWindowVisible(Wnd) && WindowClass(Wnd) == S->ClassName && (!S->Title || WindowText(Wnd) == S->Title)) {
    S->Found = Wnd;
    return FALSE;
  }
  return TRUE;
}
}  // namespace

HWND WaitForWindow(DWORD Pid, const char* ClassName, const char* Title, DWORD TimeoutMs) {
  for (DWORD Waited = 0;; Waited += 50) {
    TWindowSearch Search{Pid, ClassName, Title};
    EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&Search));
    if (Search.Found || Waited >= TimeoutMs) return Search.Found;
    Sleep(50);
  }
}

TProgram::TProgram() {
  std::string Path = ProgramPath();
  if (Path.empty()) return;
  std::string Folder = Path.substr(0, Path.rfind('\\'));
  std::string CommandLine = "\"" + Path + "\"";
  STARTUPINFOA Startup{};
  Startup.cb = sizeof Startup;
  FStarted = CreateProcessA(Path.c_str(), CommandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, Folder.c_str(),
                            &Startup, &FInfo);
}

TProgram::~TProgram() {
  if (!FStarted) return;
  if (WaitForSingleObject(FInfo.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(FInfo.hProcess, 1);
    WaitForSingleObject(FInfo.hProcess, 5000);
  }
  CloseHandle(FInfo.hThread);
  CloseHandle(FInfo.hProcess);
}

DWORD TProgram::WaitForExit(DWORD TimeoutMs) const {
  if (WaitForSingleObject(FInfo.hProcess, TimeoutMs) != WAIT_OBJECT_0) return STILL_ACTIVE;
  DWORD Code = STILL_ACTIVE;
  GetExitCodeProcess(FInfo.hProcess, &Code);
  return Code;
}

}  // namespace Scindora::Support
