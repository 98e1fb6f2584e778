#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <dlgs.h>

#include <memory>
#include <string>
#include <vector>

#include "DialogDriver.h"
#include "Dialogs.h"
#include "FormData.h"
#include "FormDataParser.h"
#include "Forms.h"
#include "TestFiles.h"
#include "TypInfo.h"

using namespace Scindora;
using namespace Scindora::Support;

namespace {

const char* const SizeMessage = "Vous devez saisir une valeur numérique entière non formatée.";
const char* const FolderCaption =
    "Sélectionner un dossier, vide si possible, dans lequel seront placés les fragments.";

bool SamePath(const std::string& A, const std::string& B) { return lstrcmpiA(A.c_str(), B.c_str()) == 0; }

void PumpMessages() {
  MSG Msg;
  while (PeekMessageA(&Msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&Msg);
    DispatchMessageA(&Msg);
  }
}

// The seam is cleared after each test.
class DialogSeamTest : public testing::Test {
protected:
  void TearDown() override { DialogSeam() = TDialogSeam(); }
};

// A shown, active form that the real dialogs belong to.
class RealDialogTest : public DialogSeamTest {
protected:
  void SetUp() override {
    Form = std::make_unique<TForm>(nullptr);
    Form->SetCaption("Essai des dialogues");
    Form->SetBounds(100, 100, 400, 300);
    Form->Show();
    SetForegroundWindow(Form->Handle());
    SetActiveWindow(Form->Handle());
    PumpMessages();
    ASSERT_EQ(GetActiveWindow(), Form->Handle());
  }
  void TearDown() override {
    Form.reset();
    PumpMessages();
    DialogSeamTest::TearDown();
  }

  std::unique_ptr<TForm> Form;
};

// --- The seam ------------------------------------------------------------------------------

TEST_F(DialogSeamTest, AnswersTheOpenDialogWithAFileOrACancel) {
  TOpenDialog Dialog(nullptr);
  Dialog.SetTitle("Séléctionner le fichier");
  Dialog.SetFileName("C:\\avant.txt");
  std::string SeenTitle;
  DialogSeam().OpenFile = [&](TOpenDialog& D) -> std::optional<bool> {
    SeenTitle = D.Title();
    D.SetFileName("C:\\données\\source.bin");
    return true;
  };
  EXPECT_TRUE(Dialog.Execute());
  EXPECT_EQ(SeenTitle, "Séléctionner le fichier");
  EXPECT_EQ(Dialog.FileName(), "C:\\données\\source.bin");

  DialogSeam().OpenFile = [](TOpenDialog&) -> std::optional<bool> { return false; };
  EXPECT_FALSE(Dialog.Execute());
  EXPECT_EQ(Dialog.FileName(), "C:\\données\\source.bin");  // a cancel leaves the last name
}

TEST_F(DialogSeamTest, AnswersTheFolderBrowserWithAFolderOrACancel) {
  std::string SeenCaption, SeenFolder;
  DialogSeam().SelectDirectory = [&](const std::string& Caption, std::string& Dir) -> std::optional<bool> {
    SeenCaption = Caption;
    SeenFolder = Dir;
    Dir = "D:\\Fragments";
    return true;
  };
  std::string Folder = "C:\\Avant";
  EXPECT_TRUE(SelectDirectory(FolderCaption, "", Folder));
  EXPECT_EQ(SeenCaption, FolderCaption);
  EXPECT_EQ(SeenFolder, "C:\\Avant");  // the folder to pre-select reaches the browser
  EXPECT_EQ(Folder, "D:\\Fragments");

  DialogSeam().SelectDirectory = [](const std::string&, std::string&) -> std::optional<bool> { return false; };
  EXPECT_FALSE(SelectDirectory(FolderCaption, "", Folder));
  EXPECT_EQ(Folder, "D:\\Fragments");
}

TEST_F(DialogSeamTest, AnswersTheMessageDialog) {
  std::string SeenMessage;
  TMsgDlgType SeenType = mtCustom;
  TMsgDlgButtons SeenButtons = 0;
  DialogSeam().MessageDlg = [&](const std::string& Msg, TMsgDlgType Type, TMsgDlgButtons Buttons) -> std::optional<int> {
    SeenMessage = Msg;
    SeenType = Type;
    SeenButtons = Buttons;
    return mrOk;
  };
  EXPECT_EQ(MessageDlg(SizeMessage, mtError, MsgDlgButtons({mbOK}), 0), mrOk);
  EXPECT_EQ(SeenMessage, SizeMessage);
  EXPECT_EQ(SeenType, mtError);
  EXPECT_EQ(SeenButtons, MsgDlgButtons({mbOK}));
}

// The message box offers fixed sets of buttons; any other set is refused rather than shown
// with buttons the caller did not ask for.
TEST_F(DialogSeamTest, MessageDialogTakesOnlyTheSystemsButtonSets) {
  struct TCase {
    TMsgDlgButtons Buttons;
    bool Accepted;
  };
  const TCase Cases[] = {
      {MsgDlgButtons({mbOK}), true},
      {MsgDlgButtons({mbOK, mbCancel}), true},
      {MsgDlgButtons({mbYes, mbNo}), true},
      {MsgDlgButtons({mbYes, mbNo, mbCancel}), true},
      {MsgDlgButtons({mbRetry, mbCancel}), true},
      {MsgDlgButtons({mbAbort, mbRetry, mbIgnore}), true},
      {MsgDlgButtons({mbOK, mbHelp}), true},
      {0, false},
      {MsgDlgButtons({mbHelp}), false},
      {MsgDlgButtons({mbYes}), false},
      {MsgDlgButtons({mbOK, mbYes}), false},
      {MsgDlgButtons({mbYes, mbNo, mbAll}), false},
  };
  DialogSeam().MessageDlg = [](const std::string&, TMsgDlgType, TMsgDlgButtons) -> std::optional<int> { return mrOk; };
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.Buttons);
    if (C.Accepted)
      EXPECT_EQ(MessageDlg("?", mtConfirmation, C.Buttons, 0), mrOk);
    else
      EXPECT_THROW(MessageDlg("?", mtConfirmation, C.Buttons, 0), EInvalidOperation);
  }
}

// --- The real dialogs ----------------------------------------------------------------------

struct TSeenMessageBox {
  HWND Owner = nullptr;
  bool OwnerEnabled = true;
  std::string Caption;
  std::string Text;
  bool StopIcon = false;
  std::vector<std::string> Buttons;
};

BOOL CALLBACK ReadMessageBoxChild(HWND Wnd, LPARAM Data) {
  auto* Seen = reinterpret_cast<TSeenMessageBox*>(Data);
  const std::string Class = WindowClass(Wnd);
  if (Class == "Button" && IsWindowVisible(Wnd)) Seen->Buttons.push_back(WindowText(Wnd));
  if (Class == "Static" && (GetWindowLongA(Wnd, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
    Seen->StopIcon = reinterpret_cast<HICON>(SendTimeout(Wnd, STM_GETICON)) == LoadIconA(nullptr, IDI_HAND);
  if (Class == "Static" && GetDlgCtrlID(Wnd) == 0xFFFF) Seen->Text = WindowText(Wnd);
  return TRUE;
}

TEST_F(RealDialogTest, MessageDialogShowsTheErrorAndClosesWithItsOkButton) {
  TSeenMessageBox Seen;
  TDialogDriver Driver(Form->Handle(), [&](HWND Box) {
    Seen.Owner = GetWindow(Box, GW_OWNER);
    Seen.OwnerEnabled = IsWindowEnabled(Seen.Owner);
    Seen.Caption = WindowText(Box);
    EnumChildWindows(Box, &ReadMessageBoxChild, reinterpret_cast<LPARAM>(&Seen));
    Click(GetDlgItem(Box, IDOK));
  });
  const int Result = MessageDlg(SizeMessage, mtError, MsgDlgButtons({mbOK}), 0);
  Driver.Finish();

  ASSERT_TRUE(Driver.Found());
  EXPECT_TRUE(Driver.DismissedByAct());
  EXPECT_EQ(Result, mrOk);
  EXPECT_EQ(Seen.Owner, Form->Handle());
  EXPECT_FALSE(Seen.OwnerEnabled);
  EXPECT_EQ(Seen.Caption, "Erreur");
  EXPECT_EQ(Seen.Text, SizeMessage);
  EXPECT_TRUE(Seen.StopIcon);
  EXPECT_EQ(Seen.Buttons, std::vector<std::string>{"OK"});
  EXPECT_TRUE(IsWindowEnabled(Form->Handle()));
}

// The file name box of the Explorer-style dialog: an edit inside the combo box cmb13, or the
// plain edit edt1 of older templates.
HWND FileNameEdit(HWND Dialog) {
  if (HWND Combo = GetDlgItem(Dialog, cmb13)) {
    if (WindowClass(Combo) == "Edit") return Combo;
    if (HWND Edit = FindDescendant(Combo, "Edit")) return Edit;
  }
  return GetDlgItem(Dialog, edt1);
}

TEST_F(RealDialogTest, OpenDialogAcceptsATypedNameOfAFileThatDoesNotExist) {
  TTempFolder Folder;
  TOpenDialog Dialog(nullptr);
  Dialog.SetTitle("Séléctionner le fichier");
  Dialog.SetFilter("Tous fichiers (*.*)|*.*");
  Dialog.SetDefaultExt("*.*");
  Dialog.SetInitialDir(Folder.Path());
  bool SeamAsked = false;
  DialogSeam().OpenFile = [&](TOpenDialog&) -> std::optional<bool> {
    SeamAsked = true;
    return std::nullopt;  // no answer: the real dialog shows
  };

  std::string Title, FilterText, ReadOnlyBox;
  bool ReadOnlyVisible = true;
  TDialogDriver Driver(Form->Handle(), [&](HWND Box) {
    Title = WindowText(Box);
    FilterText = WindowText(GetDlgItem(Box, cmb1));
    ReadOnlyVisible = IsWindowVisible(GetDlgItem(Box, chx1));
    HWND Edit = FileNameEdit(Box);
    SendTimeout(Edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("nouveau fichier"));
    Click(GetDlgItem(Box, IDOK));
  });
  const bool Confirmed = Dialog.Execute();
  Driver.Finish();

  ASSERT_TRUE(Driver.Found());
  EXPECT_TRUE(Driver.DismissedByAct());
  EXPECT_TRUE(SeamAsked);
  EXPECT_EQ(Title, "Séléctionner le fichier");
  EXPECT_EQ(FilterText, "Tous fichiers (*.*)");
  EXPECT_FALSE(ReadOnlyVisible);
  EXPECT_TRUE(Confirmed);
  // The full path, and no pattern of DefaultExt glued to it.
  EXPECT_PRED2(SamePath, Dialog.FileName(), Folder / "nouveau fichier");
  EXPECT_FALSE(FileExists(Dialog.FileName()));
}

struct TSeenBrowser {
  std::string Caption;
  std::string Selected;
  bool OtherFormEnabled = true;
};

std::string SelectedTreeItem(HWND Tree) {
  char Text[MAX_PATH] = "";
  TVITEMA Item{};
  Item.mask = TVIF_TEXT;
  Item.hItem = reinterpret_cast<HTREEITEM>(SendTimeout(Tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
  Item.pszText = Text;
  Item.cchTextMax = sizeof(Text);
  if (!Item.hItem || !SendTimeout(Tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&Item))) return {};
  return Text;
}

// Dates a folder's last access and last write an hour back: a folder written to since it was
// last read, as the destination folder is after a split.
void WrittenSinceRead(const std::string& Folder) {
  HANDLE Handle = CreateFileA(Folder.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  ASSERT_NE(Handle, INVALID_HANDLE_VALUE);
  FILETIME Now;
  GetSystemTimeAsFileTime(&Now);
  ULARGE_INTEGER Time{{Now.dwLowDateTime, Now.dwHighDateTime}};
  Time.QuadPart -= 3600ull * 10000000ull;
  const FILETIME HourAgo{Time.LowPart, Time.HighPart};
  EXPECT_TRUE(SetFileTime(Handle, nullptr, &HourAgo, &HourAgo));
  CloseHandle(Handle);
}

TEST_F(RealDialogTest, FolderBrowserPreselectsTheFolderAndReturnsItOnOk) {
  TTempFolder Temp;
  const std::string Fragments = Temp / "Fragments";
  ASSERT_TRUE(ForceDirectories(Fragments));
  WrittenSinceRead(Temp.Path());
  WrittenSinceRead(Fragments);
  // A second window of the program: modal means it cannot be used meanwhile.
  TForm Other(nullptr);
  Other.SetBounds(520, 100, 200, 150);
  Other.Show();
  SetActiveWindow(Form->Handle());
  PumpMessages();

  TSeenBrowser Seen;
  TDialogDriver Driver(Form->Handle(), [&](HWND Box) {
    if (HWND Caption = FindDescendant(Box, "Static", FolderCaption)) Seen.Caption = WindowText(Caption);
    Seen.Selected = SelectedTreeItem(FindDescendant(Box, WC_TREEVIEWA));
    Seen.OtherFormEnabled = IsWindowEnabled(Other.Handle());
    Click(GetDlgItem(Box, IDOK));
  });
  std::string Folder = Fragments;
  const bool Confirmed = SelectDirectory(FolderCaption, "", Folder);
  Driver.Finish();

  ASSERT_TRUE(Driver.Found());
  EXPECT_TRUE(Driver.DismissedByAct());
  EXPECT_EQ(Seen.Caption, FolderCaption);
  EXPECT_EQ(Seen.Selected, "Fragments");
  EXPECT_FALSE(Seen.OtherFormEnabled);
  EXPECT_TRUE(IsWindowEnabled(Other.Handle()));
  EXPECT_TRUE(Confirmed);
  EXPECT_PRED2(SamePath, Folder, Fragments);
}

// --- Form data -----------------------------------------------------------------------------

TEST(OpenDialogFormData, ReadsAndWritesItsSettings) {
  RegisterDialogsClasses();
  const char8_t* Text = u8R"(
TForm Form1 {
    TOpenDialog ChooseFile {
        DefaultExt: "*.*"
        Filter: "Tous fichiers (*.*)|*.*"
        Title: "Séléctionner le fichier"
        DesignLeft: 176
        DesignTop: 88
    }
}
)";
  TForm Form(nullptr);
  LoadForm(Form, ParseFormData(reinterpret_cast<const char*>(Text)), TMethodTable());
  auto* Dialog = FindComponentAs<TOpenDialog>(Form, "ChooseFile");
  EXPECT_EQ(Dialog->Title(), "Séléctionner le fichier");
  EXPECT_EQ(Dialog->Filter(), "Tous fichiers (*.*)|*.*");
  EXPECT_EQ(Dialog->DefaultExt(), "*.*");
  EXPECT_EQ(Dialog->FileName(), "");

  std::vector<std::string> Written;
  for (const TFormProperty& P : WriteProperties(*Dialog)) Written.push_back(P.Name);
  EXPECT_EQ(Written, (std::vector<std::string>{"DesignLeft", "DesignTop", "DefaultExt", "Filter", "Title"}));
}

}  // namespace
