#include "DialogDriver.h"

#include <cstring>
#include <vector>

namespace Scindora::Support {

namespace {

constexpr DWORD PollMs = 50;

struct TDialogSearch {
  HWND Owner;
  bool AnyOwner;
  std::vector<HWND> Found;
};

BOOL CALLBACK CollectDialog(HWND Wnd, LPARAM Data) {
  auto* Search = reinterpret_cast<TDialogSearch*>(Data);
  if (WindowClass(Wnd) == "#32770" && IsWindowVisible(Wnd) &&
      (Search->AnyOwner || GetWindow(Wnd, GW_OWNER) == Search->Owner))
    Search->Found.push_back(Wnd);
  return TRUE;
}

std::vector<HWND> ThreadDialogs(DWORD Thread, HWND Owner, bool AnyOwner) {
  TDialogSearch Search{Owner, AnyOwner, {}};
  EnumThreadWindows(Thread, &CollectDialog, reinterpret_cast<LPARAM>(&Search));
  return Search.Found;
}

struct TDescendantSearch {
  const char* ClassName;
  const char* Text;
  HWND Result;
};

BOOL CALLBACK MatchDescendant(HWND Wnd, LPARAM Data) {
  auto* Search = reinterpret_cast<TDescendantSearch*>(Data);
  if (WindowClass(Wnd) == Search->ClassName && (!Search->Text || WindowText(Wnd) == Search->Text)) {
    Search->Result = Wnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace


HWND FindDescendant(HWND Parent, const char* ClassName, const char* Text) {
  TDescendantSearch Search{ClassName, Text, nullptr};
  EnumChildWindows(Parent, &MatchDescendant, reinterpret_cast<LPARAM>(&Search));
  return Search.Result;
}

void Click(HWND Button) { SendTimeout(Button, BM_CLICK); }

TDialogDriver::TDialogDriver(HWND Owner, std::function<void(HWND)> Act, DWORD TimeoutMs)
    : FOwner(Owner), FUiThread(GetCurrentThreadId()) {
  FThread = std::thread([this, Act = std::move(Act), TimeoutMs] { Run(Act, TimeoutMs); });
}

TDialogDriver::~TDialogDriver() { Finish(); }

void TDialogDriver::Finish() {
  FStop = true;
  if (FThread.joinable()) FThread.join();
}

void TDialogDriver::Run(std::function<void(HWND)> Act, DWORD TimeoutMs) {
  HWND Dialog = nullptr;
  for (DWORD Waited = 0; !Dialog && !FStop && Waited < TimeoutMs; Waited += PollMs) {
    Sleep(PollMs);
    std::vector<HWND> Found = ThreadDialogs(FUiThread, FOwner, false);
    if (!Found.empty()) Dialog = Found.front();
  }
  if (Dialog) {
    FFound = true;
    Sleep(200);  // let the dialog finish filling its controls
    Act(Dialog);
    for (DWORD Waited = 0; IsWindow(Dialog) && Waited < TimeoutMs; Waited += PollMs) Sleep(PollMs);
    FDismissedByAct = !IsWindow(Dialog);
  }
  // Whatever is still up would hold the test's thread for good.
  for (HWND Left : ThreadDialogs(FUiThread, nullptr, true)) PostMessageA(Left, WM_COMMAND, IDCANCEL, 0);
}

}  // namespace Scindora::Support
