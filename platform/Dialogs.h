// The system's modal dialogs: the open-file dialog component, the message dialog and the
// shell's folder browser, with the one seam through which tests answer them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>

#include "Forms.h"

namespace Scindora {

// The open-file dialog as a non-visual component of a form.
// https://learn.microsoft.com/windows/win32/api/commdlg/nf-commdlg-getopenfilenamea
class TOpenDialog : public TComponent {
  SCINDORA_CLASS(TOpenDialog)
public:
  explicit TOpenDialog(TComponent* AOwner);

  const std::string& DefaultExt() const { return FDefaultExt; }
  void SetDefaultExt(const std::string& Value) { FDefaultExt = Value; }
  // The chosen file's full path once Execute has returned true.
  const std::string& FileName() const { return FFileName; }
  void SetFileName(const std::string& Value) { FFileName = Value; }
  // Pairs of description and pattern, all separated by '|': "Tous fichiers (*.*)|*.*".
  const std::string& Filter() const { return FFilter; }
  void SetFilter(const std::string& Value) { FFilter = Value; }
  const std::string& InitialDir() const { return FInitialDir; }
  void SetInitialDir(const std::string& Value) { FInitialDir = Value; }
  const std::string& Title() const { return FTitle; }
  void SetTitle(const std::string& Value) { FTitle = Value; }

  // Shows the dialog modally, owned by the active window; true when the user confirmed a file.
  // The file need not exist.
  bool Execute();

private:
  std::string FDefaultExt;
  std::string FFileName;
  std::string FFilter;
  std::string FInitialDir;
  std::string FTitle;
};

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };
using TMsgDlgButtons = uint32_t;  // bit i: TMsgDlgBtn i

constexpr TMsgDlgButtons MsgDlgButtons(std::initializer_list<TMsgDlgBtn> Buttons) {
  TMsgDlgButtons Result = 0;
  for (TMsgDlgBtn B : Buttons) Result |= 1u << B;
  return Result;
}

// The answers of a message dialog beside Forms.h's mrNone, mrOk and mrCancel.
constexpr TModalResult mrAbort = IDABORT;
constexpr TModalResult mrRetry = IDRETRY;
constexpr TModalResult mrIgnore = IDIGNORE;
constexpr TModalResult mrYes = IDYES;
constexpr TModalResult mrNo = IDNO;

// A modal message box owned by the active window, captioned after its type ("Erreur" for
// mtError, the application title for mtCustom) with the type's icon. Buttons must be one of the
// system's sets: OK, OK Cancel, Yes No, Yes No Cancel, Retry Cancel, Abort Retry Ignore, each
// optionally with mbHelp; any other set raises EInvalidOperation. Returns the button's mr value.
// HelpCtx is accepted for the familiar signature; there are no context-sensitive topics.
// https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-messageboxa
int MessageDlg(const std::string& Msg, TMsgDlgType Type, TMsgDlgButtons Buttons, int HelpCtx);

// The shell's folder browser, limited to file-system folders, with Caption above the tree,
// rooted at Root (empty: the desktop) and pre-selecting Directory when that folder exists.
// True with the chosen path in Directory when confirmed; false, Directory unchanged, otherwise.
// https://learn.microsoft.com/windows/win32/api/shlobj_core/nf-shlobj_core-shbrowseforfoldera
bool SelectDirectory(const std::string& Caption, const std::string& Root, std::string& Directory);

// Tests' seam for the modal dialogs above. A hook that is set and returns a value answers in
// place of the real dialog; one that returns nullopt lets the real dialog show.
struct TDialogSeam {
  std::function<std::optional<bool>(TOpenDialog& Dialog)> OpenFile;
  std::function<std::optional<bool>(const std::string& Caption, std::string& Directory)> SelectDirectory;
  std::function<std::optional<int>(const std::string& Msg, TMsgDlgType Type, TMsgDlgButtons Buttons)> MessageDlg;
};
TDialogSeam& DialogSeam();

void RegisterDialogsClasses();

}  // namespace Scindora
