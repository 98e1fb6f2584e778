// The built program started from a test, as a user starts it, and looked at from outside.
#pragma once

#include <windows.h>

namespace Scindora::Support {

// A visible top-level window of process Pid of that class (and title, unless null), waited
// for up to TimeoutMs; nullptr when none came.
HWND WaitForWindow(DWORD Pid, const char* ClassName, const char* Title, DWORD TimeoutMs = 20000);

// The program, started with no arguments from its own folder; ended by force if a test
// leaves it running.
class TProgram {
public:
  TProgram();
  ~TProgram();
  TProgram(const TProgram&) = delete;
  TProgram& operator=(const TProgram&) = delete;

  bool Started() const { return FStarted; }
  DWORD Pid() const { return FInfo.dwProcessId; }
  // The exit code once it has ended within TimeoutMs, else STILL_ACTIVE.
  DWORD WaitForExit(DWORD TimeoutMs) const;
  // Its main window: our form's class, not a message box that shares the title.
  HWND MainWindow() const { return WaitForWindow(Pid(), "TMainForm", "Scindora 1.0"); }

private:
  bool FStarted = false;
  PROCESS_INFORMATION FInfo{};
};

}  // namespace Scindora::Support
