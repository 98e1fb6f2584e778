// The application-wide error display: the text it shows, the box it shows it in, and an
// exception thrown by a handler deep inside a window procedure, after which the program
// goes on. One test puts up the real system message box and answers it through its button.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "FormData.h"
#include "FormDataParser.h"
#include "Forms.h"
#include "StdCtrls.h"
#include "TestWindows.h"

using namespace Scindora;
using namespace Scindora::Support;

namespace {

TEST(ExceptionDisplayText, AddsAFullStopOnlyAfterACharacterThatSortsAfterIt) {
  const std::pair<const char*, const char*> Cases[] = {
      {"Erreur d'écriture dans le flux", "Erreur d'écriture dans le flux."},  // a letter
      {"Taille 1457664", "Taille 1457664."},                                  // a digit
      {"Fractionnement annulé", "Fractionnement annulé."},                    // an accented letter
      {"Chemin C:", "Chemin C:."},                                            // ':' sorts after '.'
      {"Dossier /", "Dossier /."},                                            // and so does '/'
      {"Fractionnement annulé par l'utilisateur.", "Fractionnement annulé par l'utilisateur."},
      {"Impossible d'ouvrir le fichier Source !", "Impossible d'ouvrir le fichier Source !"},
      {"Le fichier \"a\"", "Le fichier \"a\""},
      {"(voir l'aide)", "(voir l'aide)"},
      {"l'", "l'"},
      {"fin ", "fin "},
      {"un, deux,", "un, deux,"},
      {"moins -", "moins -"},
      {"", ""},
  };
  for (auto [Message, Shown] : Cases) EXPECT_EQ(ExceptionDisplayText(Message), Shown) << Message;
}

struct TShown {
  std::string Text, Caption;
  UINT Flags;
};

// The main form of the test program, with a field and two buttons; the display is answered
// by the test unless a test puts up the real box.
class ErrorDisplay : public testing::Test {
protected:
  static void SetUpTestSuite() {
    Application->SetTitle("Scindora 1.0");
    Application->CreateForm(Form);
    Form->SetBounds(100, 100, 320, 200);
    Form->SetCaption("Scindora 1.0");
    Edit = new TEdit(Form);
    Edit->SetBounds(8, 8, 200, 21);
    Edit->SetParent(Form);
    Failing = new TButton(Form);
    Failing->SetBounds(8, 40, 90, 25);
    Failing->SetParent(Form);
    Counting = new TButton(Form);
    Counting->SetBounds(108, 40, 90, 25);
    Counting->SetParent(Form);
    Form->Show();
    Pump();
  }
  static void TearDownTestSuite() {
    delete Form;
    Form = nullptr;
  }
  void SetUp() override {
    Shown.clear();
    Application->OnShowMessage = [this](const std::string& Text, const std::string& Caption, UINT Flags) {
      Shown.push_back({Text, Caption, Flags});
    };
  }
  void TearDown() override { Application->OnShowMessage = nullptr; }

  static void Pump() {
    for (int I = 0; I < 5; ++I) {
      Application->ProcessMessages();
      Sleep(10);
    }
  }

  static TForm* Form;
  static TEdit* Edit;
  static TButton* Failing;
  static TButton* Counting;
  std::vector<TShown> Shown;
};
TForm* ErrorDisplay::Form = nullptr;
TEdit* ErrorDisplay::Edit = nullptr;
TButton* ErrorDisplay::Failing = nullptr;
TButton* ErrorDisplay::Counting = nullptr;

void ExpectErrorBox(const TShown& S, const std::string& Text) {
  EXPECT_EQ(S.Text, Text);
  EXPECT_EQ(S.Caption, "Scindora 1.0");
  EXPECT_EQ(S.Flags & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
  EXPECT_EQ(S.Flags & MB_TYPEMASK, static_cast<UINT>(MB_OK));
}

TEST_F(ErrorDisplay, ShowsTheMessageUnderTheApplicationTitleWithTheStopIcon) {
  Application->ShowException(EInOutError("Erreur d'écriture dans le flux", 112));
  Application->ShowException(EInvalidOperation("Fractionnement annulé par l'utilisateur."));
  Application->ShowException(Exception(""));
  ASSERT_EQ(Shown.size(), 3u);
  ExpectErrorBox(Shown[0], "Erreur d'écriture dans le flux.");
  ExpectErrorBox(Shown[1], "Fractionnement annulé par l'utilisateur.");
  ExpectErrorBox(Shown[2], "");
}

// A click handler fails inside the parent's window procedure, reached through a real button
// message: the display shows it, the mouse capture is given up, and the next message is
// handled as usual.
TEST_F(ErrorDisplay, FailureInAClickHandlerReachesTheDisplayAndTheProgramGoesOn) {
  int Clicks = 0;
  Failing->OnClick = [](TObject*) {
    SetCapture(Form->Handle());
    throw EInvalidOperation("Opération impossible");
  };
  Counting->OnClick = [&Clicks](TObject*) { ++Clicks; };
  PostMessageA(Failing->Handle(), BM_CLICK, 0, 0);
  Pump();
  ASSERT_EQ(Shown.size(), 1u);
  ExpectErrorBox(Shown[0], "Opération impossible.");
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_FALSE(Application->Terminated());

  PostMessageA(Counting->Handle(), BM_CLICK, 0, 0);
  Pump();
  EXPECT_EQ(Clicks, 1);
  EXPECT_EQ(Shown.size(), 1u);
  Failing->OnClick = nullptr;
  Counting->OnClick = nullptr;
}

// What a second thread sees of the real box while the test's thread sits in it.
struct TBoxSeen {
  bool Found = false;
  HWND Owner = nullptr;
  std::string Text;
  bool StopIcon = false;
  std::vector<std::string> Buttons;
  bool FormEnabled = true;
  bool Closed = false;
};

struct TSearch {
  HWND Found = nullptr;
};

BOOL CALLBACK FindBox(HWND Wnd, LPARAM L) {
  if (WindowClass(Wnd) == "#32770" && IsWindowVisible(Wnd) && WindowText(Wnd) == "Scindora 1.0") {
    reinterpret_cast<TSearch*>(L)->Found = Wnd;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK ReadChild(HWND Wnd, LPARAM L) {
  auto* Seen = reinterpret_cast<TBoxSeen*>(L);
  std::string Class = WindowClass(Wnd);
  LONG Style = GetWindowLongA(Wnd, GWL_STYLE);
  if (Class == "Static" && (Style & SS_TYPEMASK) == SS_ICON) {
    HICON Stop = LoadIconA(nullptr, IDI_HAND);
    DWORD_PTR Icon = 0;
    SendMessageTimeoutA(Wnd, STM_GETICON, 0, 0, SMTO_NORMAL, 2000, &Icon);
    Seen->StopIcon = Seen->StopIcon || (Icon && reinterpret_cast<HICON>(Icon) == Stop);
  } else if (Class == "Static" && IsWindowVisible(Wnd)) {
    Seen->Text += WindowText(Wnd);
  } else if (Class == "Button" && IsWindowVisible(Wnd)) {
    Seen->Buttons.push_back(WindowText(Wnd));
  }
  return TRUE;
}

TEST_F(ErrorDisplay, RealMessageBoxDisablesTheOtherWindowsUntilOkThenGivesTheFocusBack) {
  Application->OnShowMessage = nullptr;
  Edit->SetFocus();
  Pump();
  ASSERT_EQ(GetFocus(), Edit->Handle());

  TBoxSeen Seen;
  DWORD UiThread = GetCurrentThreadId();
  std::thread User([&] {
    TSearch Search;
    for (int I = 0; I < 200 && !Search.Found; ++I) {
      Sleep(25);
      EnumThreadWindows(UiThread, &FindBox, reinterpret_cast<LPARAM>(&Search));
    }
    if (!Search.Found) return;
    HWND Box = Search.Found;
    Sleep(100);  // let the box finish laying itself out
    Seen.Found = true;
    Seen.Owner = GetWindow(Box, GW_OWNER);
    Seen.FormEnabled = IsWindowEnabled(Form->Handle());
    EnumChildWindows(Box, &ReadChild, reinterpret_cast<LPARAM>(&Seen));
    DWORD_PTR Ignored;
    SendMessageTimeoutA(GetDlgItem(Box, IDOK), BM_CLICK, 0, 0, SMTO_NORMAL, 2000, &Ignored);
    for (int I = 0; I < 100 && IsWindow(Box); ++I) Sleep(20);
    Seen.Closed = !IsWindow(Box);
    // Never leave the test's thread in the box.
    if (IsWindow(Box)) PostMessageA(Box, WM_COMMAND, IDCANCEL, 0);
  });
  Application->ShowException(EInOutError("Erreur d'écriture dans le flux", 112));
  User.join();

  ASSERT_TRUE(Seen.Found) << "no box titled Scindora 1.0 came up";
  EXPECT_TRUE(Seen.Closed) << "OK did not close it";
  EXPECT_EQ(Seen.Text, "Erreur d'écriture dans le flux.");
  EXPECT_TRUE(Seen.StopIcon);
  EXPECT_EQ(Seen.Buttons.size(), 1u);
  EXPECT_EQ(Seen.Owner, Form->Handle());
  EXPECT_FALSE(Seen.FormEnabled);
  Pump();
  EXPECT_TRUE(IsWindowEnabled(Form->Handle()));
  EXPECT_EQ(GetActiveWindow(), Form->Handle());
  EXPECT_EQ(GetFocus(), Edit->Handle());
}

}  // namespace

// Form data laid out at another resolution than the screen's is scaled in proportion:
// positions, sizes and fonts, once (a font followed from the parent is not scaled again).
TEST(FormScaling, FormDataDesignedAtHalfTheScreenResolutionComesOutTwiceAsLarge) {
  const int Ppi = Screen->PixelsPerInch();
  ASSERT_EQ(Ppi % 2, 0);
  const std::string Data = "TForm Form1 {\n"
                           "    Width: 200\n    Height: 150\n"
                           "    Font: { Height: -11 Name: \"MS Sans Serif\" }\n"
                           "    PixelsPerInch: " + std::to_string(Ppi / 2) + "\n"
                           "    TEdit Edit1 { Left: 8 Top: 10 Width: 100 Height: 21 }\n"
                           "    TEdit Edit2 { Left: 8 Top: 40 Width: 100 Height: 21 Font: { Height: -8 } ParentFont: False }\n"
                           "}\n";
  TForm Form(nullptr);
  LoadForm(Form, ParseFormData(Data), TMethodTable());
  auto* Edit1 = FindComponentAs<TEdit>(Form, "Edit1");
  auto* Edit2 = FindComponentAs<TEdit>(Form, "Edit2");
  EXPECT_EQ(Form.Width(), 400);
  EXPECT_EQ(Form.Height(), 300);
  EXPECT_EQ(Form.Font().Height(), -22);
  EXPECT_EQ(Form.PixelsPerInch(), Ppi);
  EXPECT_EQ((std::vector<int>{Edit1->Left(), Edit1->Top(), Edit1->Width(), Edit1->Height()}),
            (std::vector<int>{16, 20, 200, 42}));
  EXPECT_EQ(Edit1->Font().Height(), -22);
  EXPECT_TRUE(Edit1->ParentFont());
  EXPECT_EQ(Edit2->Font().Height(), -16);
}
