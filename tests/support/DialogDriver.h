// Works a real system dialog from a second thread while the test's thread sits in the modal
// call: finds the dialog, lets the test read and dismiss it, and never lets a test hang.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "TestWindows.h"

namespace Scindora::Support {

class TDialogDriver {
public:
  // Waits for a visible window of class "#32770" owned by Owner on the calling thread, then
  // runs Act on it from the driver's thread. If none shows within TimeoutMs, or the one found
  // is still up TimeoutMs later, every dialog of the calling thread is cancelled.
  TDialogDriver(HWND Owner, std::function<void(HWND Dialog)> Act, DWORD TimeoutMs = 10000);
  ~TDialogDriver();
  TDialogDriver(const TDialogDriver&) = delete;
  TDialogDriver& operator=(const TDialogDriver&) = delete;

  // Waits for the driver's thread; call once the modal call has returned (a dialog not found
  // by then is not waited for any longer).
  void Finish();
  bool Found() const { return FFound; }
  // False when the dialog had to be cancelled by force.
  bool DismissedByAct() const { return FDismissedByAct; }

private:
  void Run(std::function<void(HWND)> Act, DWORD TimeoutMs);

  HWND FOwner;
  DWORD FUiThread;
  std::atomic<bool> FFound{false};
  std::atomic<bool> FDismissedByAct{false};
  std::atomic<bool> FStop{false};
  std::thread FThread;
};

// The first descendant of Parent of class ClassName whose text is Text (any text when null).
HWND FindDescendant(HWND Parent, const char* ClassName, const char* Text = nullptr);
// Presses a button as a click would.
void Click(HWND Button);

}  // namespace Scindora::Support
