// Forms, the application object with its message loop and error display, and the screen.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "Controls.h"

namespace Scindora {

class TMainMenu;

enum TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = TEvent<TObject*, TCloseAction&>;

enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = uint32_t;  // bit i: TBorderIcon i
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = IDOK;
constexpr TModalResult mrCancel = IDCANCEL;

class TForm : public TWinControl {
  SCINDORA_CLASS(TForm)
public:
  explicit TForm(TComponent* AOwner);
  ~TForm() override;

  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition Value) { FPosition = Value; }
  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons Value);
  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle Value);
  // The icon, by resource name (empty: the program's main icon).
  const std::string& Icon() const { return FIconName; }
  void SetIcon(const std::string& ResourceName);
  TMainMenu* Menu() const { return FMenu; }
  void SetMenu(TMainMenu* Value);
  TWinControl* ActiveControl() const;
  void SetActiveControl(TWinControl* Value);
  bool OldCreateOrder() const { return FOldCreateOrder; }
  void SetOldCreateOrder(bool Value) { FOldCreateOrder = Value; }
  // Design resolution of the form data; the form scales when the screen's differs.
  int PixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int Value) { FPixelsPerInch = Value; }
  int TextHeight() const { return FTextHeight; }
  void SetTextHeight(int Value) { FTextHeight = Value; }
  bool Scaled() const { return FScaled; }
  void SetScaled(bool Value) { FScaled = Value; }

  TCloseEvent OnClose;
  TNotifyEvent OnCreate;

  void Close();
  TModalResult ShowModal();
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }
  bool Modal() const { return FModal; }

  void WndProc(TMessage& Message) override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  int ClientWidth() const override;
  int ClientHeight() const override;
  void SetClientWidth(int Value) override;
  void SetClientHeight(int Value) override;

  // Puts the focus on the next (or previous) tab stop after Current, wrapping round.
  void SelectNext(TWinControl* Current, bool Forward);
  // The control of this form that has the focus, or nullptr.
  TWinControl* FocusedControl() const;

protected:
  // Loads this form's form data (the resource named after its class) and runs OnCreate.
  // Derived forms call it from their constructor once their handlers are published.
  void InitializeForm(const class TMethodTable& Methods);
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void InitializeWnd() override;
  virtual bool CloseQuery() { return true; }
  void DoClose(TCloseAction& Action);

public:
  void SetVisible(bool Value) override;

private:
  void CenterOnScreen();
  // The frame (and menu bar) around the client area for this form's styles.
  RECT FrameMargins() const;

  TPosition FPosition = poDesigned;
  TBorderIcons FBorderIcons = (1u << biSystemMenu) | (1u << biMinimize) | (1u << biMaximize);
  TFormBorderStyle FBorderStyle = bsSizeable;
  std::string FIconName;
  HICON FIcon = nullptr;
  HICON FSmallIcon = nullptr;
  TMainMenu* FMenu = nullptr;
  TWinControl* FActiveControl = nullptr;
  bool FOldCreateOrder = false;
  int FPixelsPerInch = 96;
  int FTextHeight = 13;
  bool FScaled = true;
  bool FShownOnce = false;
  TModalResult FModalResult = mrNone;
  bool FModal = false;
};

class TApplication : public TComponent {
  SCINDORA_CLASS(TApplication)
public:
  explicit TApplication(TComponent* AOwner);
  ~TApplication() override;

  const std::string& Title() const { return FTitle; }
  void SetTitle(const std::string& Value) { FTitle = Value; }
  std::string ExeName() const;
  TForm* MainForm() const { return FMainForm; }
  bool Terminated() const { return FTerminated; }

  void Initialize() {}
  // Stores the new form in Reference before its constructor runs, as form data may need it.
  template <class T>
  void CreateForm(T*& Reference) {
    Reference = static_cast<T*>(::operator new(sizeof(T)));
    try {
      new (Reference) T(this);
    } catch (...) {
      ::operator delete(Reference);
      Reference = nullptr;
      throw;
    }
    if (!FMainForm) {
      FMainForm = Reference;
      FMainForm->HandleNeeded();
    }
  }
  void Run();
  void ProcessMessages();
  void HandleMessage();
  void Terminate();
  // The error display: cancels any mouse capture and shows the exception.
  void HandleException(TObject* Sender);
  void ShowException(const Exception& E);
  // Hook for tests: when set, replaces the message box of ShowException.
  std::function<void(const std::string& Text, const std::string& Caption, UINT Flags)> OnShowMessage;

private:
  bool ProcessMessage(MSG& Msg);
  bool IsTabKey(MSG& Msg);

  std::string FTitle;
  TForm* FMainForm = nullptr;
  bool FTerminated = false;
};

// The whole application's cursor: anything but crDefault overrides every control's.
class TScreen : public TComponent {
  SCINDORA_CLASS(TScreen)
public:
  explicit TScreen(TComponent* AOwner) : TComponent(AOwner) {}
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  int PixelsPerInch() const;

private:
  TCursor FCursor = crDefault;
};

// What a modal window or system dialog owns: this thread's active window, else the main form.
HWND ModalOwner();

// While a modal window is up, the thread's other windows (all but Owner, which a system
// dialog disables itself) are disabled; Release, or the end of the scope, enables them
// again and gives activation and focus back.
class TModalScope {
public:
  explicit TModalScope(HWND Owner);
  ~TModalScope();
  TModalScope(const TModalScope&) = delete;
  TModalScope& operator=(const TModalScope&) = delete;
  void Release();

private:
  static BOOL CALLBACK DisableOne(HWND Wnd, LPARAM Data);

  HWND FOwner;
  HWND FActive;
  HWND FFocus;
  std::vector<HWND> FDisabled;
  bool FReleased = false;
};

extern TApplication* Application;
extern TScreen* Screen;

// The text ShowException shows: a "." appended when the message ends in a character that
// sorts after it.
std::string ExceptionDisplayText(const std::string& Message);

}  // namespace Scindora
