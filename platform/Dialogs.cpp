#include "Dialogs.h"

#include <commdlg.h>
#include <objbase.h>
#include <shlobj.h>

#include <memory>
#include <vector>

#include "TypInfo.h"

namespace Scindora {

namespace {

// "Texte|*.ext|..." to the system's list of NUL-separated strings ending in two NULs.
std::string FilterList(const std::string& Filter) {
  std::string Result = Filter;
  for (char& C : Result)
    if (C == '|') C = '\0';
  Result.push_back('\0');
  Result.push_back('\0');
  return Result;
}

// The system appends the default extension to a typed name without one: a pattern such as
// "*.*" would give a name with wildcards, so only a plain extension is handed on.
std::string PlainExtension(const std::string& DefaultExt) {
  std::string Ext = DefaultExt;
  while (!Ext.empty() && Ext.front() == '.') Ext.erase(0, 1);
  if (Ext.find_first_of("*?") != std::string::npos) Ext.clear();
  return Ext;
}

// Room for the long paths the system allows, far beyond MAX_PATH.
constexpr size_t FileNameBufferSize = 32768;

}  // namespace

// --- TOpenDialog ---------------------------------------------------------------------------

const TClassInfo& TOpenDialog::StaticClass() {
  static const TClassInfo Info = [] {
    TClassInfo I("TOpenDialog", &TComponent::StaticClass(),
                 [](TComponent* Owner) -> TComponent* { return new TOpenDialog(Owner); });
    Published<TOpenDialog>(I)
        .String("DefaultExt", &TOpenDialog::DefaultExt, &TOpenDialog::SetDefaultExt, std::string())
        .String("FileName", &TOpenDialog::FileName, &TOpenDialog::SetFileName, std::string())
        .String("Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter, std::string())
        .String("InitialDir", &TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir, std::string())
        .String("Title", &TOpenDialog::Title, &TOpenDialog::SetTitle, std::string());
    return I;
  }();
  return Info;
}

TOpenDialog::TOpenDialog(TComponent* AOwner) : TComponent(AOwner) {}

bool TOpenDialog::Execute() {
  if (const auto& Hook = DialogSeam().OpenFile)
    if (std::optional<bool> Answer = Hook(*this)) return *Answer;

  const std::string Filters = FilterList(FFilter);
  const std::string Ext = PlainExtension(FDefaultExt);
  std::vector<char> File(FileNameBufferSize, '\0');
  FFileName.copy(File.data(), File.size() - 1);

  OPENFILENAMEA Ofn{};
  Ofn.lStructSize = sizeof(Ofn);
  Ofn.hwndOwner = ModalOwner();
  Ofn.lpstrFilter = FFilter.empty() ? nullptr : Filters.c_str();
  Ofn.nFilterIndex = 1;
  Ofn.lpstrFile = File.data();
  Ofn.nMaxFile = static_cast<DWORD>(File.size());
  Ofn.lpstrInitialDir = FInitialDir.empty() ? nullptr : FInitialDir.c_str();
  Ofn.lpstrTitle = FTitle.empty() ? nullptr : FTitle.c_str();
  Ofn.lpstrDefExt = Ext.empty() ? nullptr : Ext.c_str();
  // No OFN_FILEMUSTEXIST: a name typed for a file that does not exist is accepted as well.
  Ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING;

  bool Confirmed;
  {
    TModalScope Modal(Ofn.hwndOwner);
    Confirmed = GetOpenFileNameA(&Ofn) != FALSE;
  }
  if (Confirmed) FFileName = File.data();
  return Confirmed;
}

// --- MessageDlg ----------------------------------------------------------------------------

namespace {

UINT ButtonFlags(TMsgDlgButtons Buttons) {
  const TMsgDlgButtons Help = MsgDlgButtons({mbHelp});
  const UINT HelpFlag = (Buttons & Help) ? MB_HELP : 0;
  struct TSet {
    TMsgDlgButtons Buttons;
    UINT Flags;
  };
  static const TSet Sets[] = {
      {MsgDlgButtons({mbOK}), MB_OK},
      {MsgDlgButtons({mbOK, mbCancel}), MB_OKCANCEL},
      {MsgDlgButtons({mbYes, mbNo}), MB_YESNO},
      {MsgDlgButtons({mbYes, mbNo, mbCancel}), MB_YESNOCANCEL},
      {MsgDlgButtons({mbRetry, mbCancel}), MB_RETRYCANCEL},
      {MsgDlgButtons({mbAbort, mbRetry, mbIgnore}), MB_ABORTRETRYIGNORE},
  };
  for (const TSet& S : Sets)
    if (S.Buttons == (Buttons & ~Help)) return S.Flags | HelpFlag;
  throw EInvalidOperation("Combinaison de boutons non prise en charge par la boîte de message");
}

UINT IconFlags(TMsgDlgType Type) {
  switch (Type) {
    case mtWarning: return MB_ICONWARNING;
    case mtError: return MB_ICONERROR;
    case mtInformation: return MB_ICONINFORMATION;
    case mtConfirmation: return MB_ICONQUESTION;
    case mtCustom: break;
  }
  return 0;
}

std::string DialogCaption(TMsgDlgType Type) {
  switch (Type) {
    case mtWarning: return "Avertissement";
    case mtError: return "Erreur";
    case mtInformation: return "Information";
    case mtConfirmation: return "Confirmation";
    case mtCustom: break;
  }
  return Application ? Application->Title() : std::string();
}

}  // namespace

int MessageDlg(const std::string& Msg, TMsgDlgType Type, TMsgDlgButtons Buttons, int HelpCtx) {
  (void)HelpCtx;
  const UINT Flags = ButtonFlags(Buttons) | IconFlags(Type);
  if (const auto& Hook = DialogSeam().MessageDlg)
    if (std::optional<int> Answer = Hook(Msg, Type, Buttons)) return *Answer;

  const std::string Caption = DialogCaption(Type);
  HWND Owner = ModalOwner();
  TModalScope Modal(Owner);
  // The MessageBox answers IDOK, IDCANCEL... are the mr values.
  return MessageBoxA(Owner, Msg.c_str(), Caption.c_str(), Flags);
}

// --- SelectDirectory -----------------------------------------------------------------------

namespace {

// Balances a successful CoInitializeEx of this thread; the browser needs COM.
class TComScope {
public:
  TComScope() : FInitialized(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~TComScope() {
    if (FInitialized) CoUninitialize();
  }
  TComScope(const TComScope&) = delete;
  TComScope& operator=(const TComScope&) = delete;

private:
  bool FInitialized;
};

// An item ID list that the shell allocated for us.
struct TPidlFree {
  void operator()(ITEMIDLIST* P) const { CoTaskMemFree(P); }
};
using TPidl = std::unique_ptr<ITEMIDLIST, TPidlFree>;

TPidl FolderPidl(const std::string& Path) {
  if (Path.empty()) return nullptr;
  const int Count = MultiByteToWideChar(CP_ACP, 0, Path.c_str(), -1, nullptr, 0);
  if (Count <= 0) return nullptr;
  std::wstring Wide(static_cast<size_t>(Count), L'\0');
  MultiByteToWideChar(CP_ACP, 0, Path.c_str(), -1, Wide.data(), Count);
  PIDLIST_ABSOLUTE Pidl = nullptr;
  if (FAILED(SHParseDisplayName(Wide.c_str(), nullptr, &Pidl, 0, nullptr))) return nullptr;
  return TPidl(Pidl);
}

// Wine's browser finds the folder to pre-select by comparing raw item IDs, which carry each
// folder's access date; the first read of a folder written to since its last read moves that
// date on (relatime), so a destination after a split, or a folder just made, would be missed.
// One read of every folder on the path beforehand settles the dates.
void SettleAccessDates(const std::string& Folder) {
  for (size_t End = 2; End <= Folder.size(); ++End) {
    if (End < Folder.size() && Folder[End] != '\\') continue;
    const std::string Pattern = Folder.substr(0, End) + "\\*";
    WIN32_FIND_DATAA Data;
    HANDLE Find = FindFirstFileA(Pattern.c_str(), &Data);
    if (Find != INVALID_HANDLE_VALUE) FindClose(Find);
  }
}

// Pre-selects the folder once the browser's tree is filled.
int CALLBACK BrowseCallback(HWND Wnd, UINT Msg, LPARAM, LPARAM Data) {
  if (Msg == BFFM_INITIALIZED) {
    const auto* Folder = reinterpret_cast<const std::string*>(Data);
    if (!Folder->empty() && DirectoryExists(*Folder))
      SendMessageA(Wnd, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(Folder->c_str()));
  }
  return 0;
}

}  // namespace

bool SelectDirectory(const std::string& Caption, const std::string& Root, std::string& Directory) {
  if (const auto& Hook = DialogSeam().SelectDirectory)
    if (std::optional<bool> Answer = Hook(Caption, Directory)) return *Answer;

  TComScope Com;
  const TPidl RootPidl = FolderPidl(Root);
  const std::string Preselect = Directory;
  if (!Preselect.empty() && DirectoryExists(Preselect)) SettleAccessDates(Preselect);
  char DisplayName[MAX_PATH] = "";

  BROWSEINFOA Info{};
  Info.hwndOwner = ModalOwner();
  Info.pidlRoot = RootPidl.get();
  Info.pszDisplayName = DisplayName;
  Info.lpszTitle = Caption.c_str();
  Info.ulFlags = BIF_RETURNONLYFSDIRS;
  Info.lpfn = &BrowseCallback;
  Info.lParam = reinterpret_cast<LPARAM>(&Preselect);

  TPidl Chosen;
  {
    TModalScope Modal(Info.hwndOwner);
    Chosen.reset(SHBrowseForFolderA(&Info));
  }
  if (!Chosen) return false;
  char Path[MAX_PATH] = "";
  // A choice with no file-system path (the flag should prevent it) counts as none.
  if (!SHGetPathFromIDListA(Chosen.get(), Path)) return false;
  Directory = Path;
  // A folder comes without a closing backslash, a drive's root with one ("C:\"), as Windows
  // gives them; Wine's shell adds one to every folder.
  if (Directory.size() > 3 && Directory.back() == '\\') Directory.pop_back();
  return true;
}

// --- Seam and registration -----------------------------------------------------------------

TDialogSeam& DialogSeam() {
  static TDialogSeam Seam;
  return Seam;
}

void RegisterDialogsClasses() { RegisterComponentClass(TOpenDialog::StaticClass()); }

}  // namespace Scindora
