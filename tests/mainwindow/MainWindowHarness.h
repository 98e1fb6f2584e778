// The real main window, built from its form data once per test program and shown, with the
// ways a user reaches its commands: tool buttons, the presets list, keys typed into a field.
// Modal dialogs are answered through the dialog seam; the error display is caught by its hook.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "Dialogs.h"
#include "_Scindora.h"

namespace Scindora::Support {

// Gives the message queue a few turns: focus changes land late under Wine.
inline void Pump(int Turns = 3) {
  for (int I = 0; I < Turns; ++I) {
    Application->ProcessMessages();
    Sleep(5);
  }
  Application->ProcessMessages();
}

// As the tool bar reports a click on one of its buttons to its parent.
inline void ClickToolButton(TToolButton* Button) {
  HWND Bar = Button->ToolBar()->Handle();
  TBBUTTON Info{};
  SendMessageA(Bar, TB_GETBUTTON, Button->Index(), reinterpret_cast<LPARAM>(&Info));
  SendMessageA(GetParent(Bar), WM_COMMAND, MAKEWPARAM(Info.idCommand, BN_CLICKED), reinterpret_cast<LPARAM>(Bar));
}

// The same click, queued: it runs in the next turn of a message pump, such as the split job's.
inline void PostToolButtonClick(TToolButton* Button) {
  HWND Bar = Button->ToolBar()->Handle();
  TBBUTTON Info{};
  SendMessageA(Bar, TB_GETBUTTON, Button->Index(), reinterpret_cast<LPARAM>(&Info));
  PostMessageA(GetParent(Bar), WM_COMMAND, MAKEWPARAM(Info.idCommand, BN_CLICKED), reinterpret_cast<LPARAM>(Bar));
}

// As a pick in the drop-down list: the selection moves, then the list tells its parent.
inline void PickPreset(int Index) {
  HWND Combo = MainForm->ComboBox1->Handle();
  SendMessageA(Combo, CB_SETCURSEL, Index, 0);
  SendMessageA(GetParent(Combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Combo), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(Combo));
}

// Characters as the keyboard sends them to a window.
inline void TypeChars(HWND Wnd, const std::string& Chars) {
  for (char C : Chars) SendMessageA(Wnd, WM_CHAR, static_cast<unsigned char>(C), 1);
}

inline std::string TextOf(HWND Wnd) {
  char Buffer[512] = {};
  GetWindowTextA(Wnd, Buffer, sizeof Buffer);
  return Buffer;
}

inline bool EditReadOnly(TEdit* Edit) { return GetWindowLongA(Edit->Handle(), GWL_STYLE) & ES_READONLY; }

inline std::pair<int, int> EditSelection(TEdit* Edit) {
  DWORD Start = 0, End = 0;
  SendMessageA(Edit->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&Start), reinterpret_cast<LPARAM>(&End));
  return {static_cast<int>(Start), static_cast<int>(End)};
}

// The six controls of the busy state, in its order.
inline std::vector<TControl*> InputControls() {
  return {MainForm->Edit1, MainForm->Edit2, MainForm->Edit3, MainForm->Label3, MainForm->SpeedButton1,
          MainForm->SpeedButton2};
}

// Watches the positions the progress bar's window is given, as the split job moves it between
// its message turns: what a watcher posts then is handled in the job's next turn.
class TProgressWatch {
public:
  explicit TProgressWatch(std::function<void(int Position)> OnPosition) : FOnPosition(std::move(OnPosition)) {
    SetWindowSubclass(MainForm->ProgressBar1->Handle(), &Proc, 1, reinterpret_cast<DWORD_PTR>(this));
  }
  ~TProgressWatch() { RemoveWindowSubclass(MainForm->ProgressBar1->Handle(), &Proc, 1); }
  TProgressWatch(const TProgressWatch&) = delete;
  TProgressWatch& operator=(const TProgressWatch&) = delete;

private:
  static LRESULT CALLBACK Proc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam, UINT_PTR, DWORD_PTR Ref) {
    if (Msg == PBM_SETPOS) reinterpret_cast<TProgressWatch*>(Ref)->FOnPosition(static_cast<int>(WParam));
    return DefSubclassProc(Wnd, Msg, WParam, LParam);
  }
  std::function<void(int)> FOnPosition;
};

// A message box the error display would have shown.
struct TShownError {
  std::string Text, Caption;
  UINT Flags;
};

class TMainWindowTest : public testing::Test {
protected:
  static void SetUpTestSuite() {
    Application->SetTitle("Scindora 1.0");
    Application->CreateForm(MainForm);
    MainForm->Show();
    SetForegroundWindow(MainForm->Handle());
    Pump();
  }
  static void TearDownTestSuite() {
    delete MainForm;
    MainForm = nullptr;
  }
  void SetUp() override {
    ASSERT_NE(MainForm, nullptr);
    Application->OnShowMessage = [this](const std::string& Text, const std::string& Caption, UINT Flags) {
      Errors.push_back({Text, Caption, Flags});
    };
    MainForm->ToolButton1Click(nullptr);
    Pump();
  }
  void TearDown() override {
    DialogSeam() = TDialogSeam();
    Application->OnShowMessage = nullptr;
  }

  // Answers the file dialog with Path, or cancels it when Path is empty.
  void AnswerFile(const std::string& Path) {
    DialogSeam().OpenFile = [Path](TOpenDialog& D) -> std::optional<bool> {
      if (Path.empty()) return false;
      D.SetFileName(Path);
      return true;
    };
  }
  void AnswerFolder(const std::string& Path) {
    DialogSeam().SelectDirectory = [Path](const std::string&, std::string& Dir) -> std::optional<bool> {
      if (Path.empty()) return false;
      Dir = Path;
      return true;
    };
  }

  std::vector<TShownError> Errors;
};

}  // namespace Scindora::Support
