// The About box and its dialog: the component's texts, the memory figure's formatting, and the
// real dialog shown by Execute, read and dismissed through its own controls from a timer of
// the test's thread while the modal loop runs.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <functional>
#include <regex>
#include <stdexcept>
#include <string>
#include <vector>

#include "About.h"
#include "DialogDriver.h"
#include "TestWindows.h"

using namespace Scindora;
using namespace Scindora::Support;

namespace {

TEST(AboutBox, ANewOneHasEmptyNameAndVersionAndTheDefaultNotice) {
  TAboutBox Box(nullptr);
  EXPECT_EQ(Box.ProductName(), "");
  EXPECT_EQ(Box.Version(), "");
  EXPECT_EQ(Box.Copyright(), "© 2026 Les auteurs de Scindora");
  EXPECT_EQ(Box.Copyright().size(), 30u) << "one byte per character in the ANSI code page";
}

TEST(AboutBox, EachTextKeepsItsFirstHundredCharacters) {
  using TSetter = void (TAboutBox::*)(const std::string&);
  using TGetter = const std::string& (TAboutBox::*)() const;
  struct {
    const char* Name;
    TSetter Set;
    TGetter Get;
  } Props[] = {{"ProductName", &TAboutBox::SetProductName, &TAboutBox::ProductName},
               {"Version", &TAboutBox::SetVersion, &TAboutBox::Version},
               {"Copyright", &TAboutBox::SetCopyright, &TAboutBox::Copyright}};
  std::string Long;
  for (int I = 0; I < 150; ++I) Long += static_cast<char>('a' + I % 26);
  const struct {
    size_t Length, Kept;
  } Cases[] = {{150, 100}, {101, 100}, {100, 100}, {99, 99}, {0, 0}};
  for (const auto& P : Props)
    for (const auto& C : Cases) {
      SCOPED_TRACE(std::string(P.Name) + " of " + std::to_string(C.Length));
      TAboutBox Box(nullptr);
      (Box.*P.Set)(Long.substr(0, C.Length));
      EXPECT_EQ((Box.*P.Get)(), Long.substr(0, C.Kept));
    }
}

TEST(AboutMemoryFigure, KilobytesRoundToTheNearestAndGroupByThree) {
  const struct {
    uint32_t Bytes;
    const char* Separator;
    const char* Shown;
  } Cases[] = {
      {536330240, " ", "523 760 Ko"},
      {536330240, "\xA0", "523\xA0" "760 Ko"},
      {536330240, ",", "523,760 Ko"},
      {4294967295u, " ", "4 194 304 Ko"},  // the largest the record holds; .999 rounds up
      {1024 * 999, ".", "999 Ko"},
      {1024 * 1000, ".", "1.000 Ko"},
      {1536, " ", "2 Ko"},  // a half rounds up
      {1535, " ", "1 Ko"},
      {0, " ", "0 Ko"},
  };
  for (const auto& C : Cases) EXPECT_EQ(FormatKilobytes(C.Bytes, C.Separator), C.Shown) << C.Bytes;
}

// --- The real dialog -----------------------------------------------------------------------

BOOL CALLBACK MatchAbout(HWND Wnd, LPARAM Data) {
  if (WindowClass(Wnd) != "TFAbout" || !IsWindowVisible(Wnd)) return TRUE;
  *reinterpret_cast<HWND*>(Data) = Wnd;
  return FALSE;
}

// The visible About dialog of this thread, or nullptr.
TFAbout* ShownDialog() {
  HWND Found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), &MatchAbout, reinterpret_cast<LPARAM>(&Found));
  return Found ? dynamic_cast<TFAbout*>(TWinControl::FromHandle(Found)) : nullptr;
}

// While alive, looks for the About dialog on a timer of this thread (so the checks run inside
// the modal loop, on the dialog's own thread) and hands each new one to Act, which closes it.
// A dialog still up ten seconds later is closed by force, so no test can hang.
class TDialogWatch {
public:
  explicit TDialogWatch(std::function<void(TFAbout&)> Act) : FAct(std::move(Act)) {
    Current = this;
    FTimer = SetTimer(nullptr, 0, 50, &Tick);
  }
  ~TDialogWatch() {
    KillTimer(nullptr, FTimer);
    Current = nullptr;
  }
  TDialogWatch(const TDialogWatch&) = delete;
  TDialogWatch& operator=(const TDialogWatch&) = delete;

  int Seen() const { return FSeen; }
  bool Forced() const { return FForced; }

private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    TDialogWatch* Self = Current;
    if (!Self || Self->FBusy) return;
    TFAbout* Dialog = ShownDialog();
    if (!Dialog) return;
    HWND Wnd = Dialog->Handle();
    if (Wnd != Self->FLast) {
      Self->FLast = Wnd;
      Self->FSince = GetTickCount();
      ++Self->FSeen;
      Self->FBusy = true;
      Self->FAct(*Dialog);
      Self->FBusy = false;
    } else if (GetTickCount() - Self->FSince > 10000) {
      Self->FForced = true;
      PostMessageA(Wnd, WM_CLOSE, 0, 0);
    }
  }

  static inline TDialogWatch* Current = nullptr;
  std::function<void(TFAbout&)> FAct;
  UINT_PTR FTimer = 0;
  HWND FLast = nullptr;
  DWORD FSince = 0;
  int FSeen = 0;
  bool FBusy = false;
  bool FForced = false;
};

// Lets every pending paint of the dialog run, the second paints that the lines' first paint asks for included.
void SettlePaints(HWND Wnd) {
  for (int I = 0; I < 4; ++I) RedrawWindow(Wnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

class AboutDialog : public testing::Test {
protected:
  void SetUp() override {
    AboutSeam().Beep = [this](unsigned Type) { Beeps.push_back(Type); };
    Box.SetProductName("Scindora");
    Box.SetVersion("Version 1.0");
    Box.SetCopyright("© 2026 Équipe Scindora, France");
    Owned = Application->ComponentCount();
  }
  void TearDown() override { AboutSeam() = {}; }

  TAboutBox Box{nullptr};
  std::vector<unsigned> Beeps;
  int Owned = 0;
};

TEST_F(AboutDialog, ShowsTheTextsAndMemoryLinesInAFixedDialogAndClosesThroughItsButton) {
  struct {
    std::string Caption, Class, Name, Version, Copyright, PhysMem, PhysRes;
    bool Bold = false, Modal = false, Centred = false;
    RECT Client{};
    LONG Style = 0;
    int LineHeights[2] = {};
    COLORREF Separator[2][3] = {};   // y = 162 and 163, at x = 86, 183, 280
    COLORREF Around[2] = {};         // y = 161 and 164
    COLORREF PastTheEnd[2] = {};     // x = 282
    std::vector<std::string> Placeholders;
  } Seen;
  MEMORYSTATUS Memory{};
  Memory.dwLength = sizeof(Memory);
  GlobalMemoryStatus(&Memory);

  {
    TDialogWatch Watch([&](TFAbout& D) {
      HWND Wnd = D.Handle();
      SettlePaints(Wnd);
      Seen.Caption = WindowText(Wnd);
      Seen.Class = WindowClass(Wnd);
      Seen.Name = D.Label1->Caption();
      Seen.Bold = (D.Label1->Font().Style() & (1u << fsBold)) != 0;
      Seen.Version = D.Label2->Caption();
      Seen.Copyright = D.Label3->Caption();
      Seen.PhysMem = D.lblPhysMem->Caption();
      Seen.PhysRes = D.lblPhysRes->Caption();
      Seen.Modal = D.Modal();
      GetClientRect(Wnd, &Seen.Client);
      Seen.Style = GetWindowLongA(Wnd, GWL_STYLE);
      Seen.LineHeights[0] = D.Line1->Height();
      Seen.LineHeights[1] = D.Line2->Height();
      RECT Outer, Work;
      GetWindowRect(Wnd, &Outer);
      SystemParametersInfoA(SPI_GETWORKAREA, 0, &Work, 0);
      Seen.Centred = std::abs((Outer.left + Outer.right) - (Work.left + Work.right)) <= 1 &&
                     std::abs((Outer.top + Outer.bottom) - (Work.top + Work.bottom)) <= 1;
      HDC DC = GetDC(Wnd);
      const int Xs[3] = {86, 183, 280};
      for (int Row = 0; Row < 2; ++Row) {
        for (int I = 0; I < 3; ++I) Seen.Separator[Row][I] = GetPixel(DC, Xs[I], 162 + Row);
        Seen.Around[Row] = GetPixel(DC, 183, Row == 0 ? 161 : 164);
        Seen.PastTheEnd[Row] = GetPixel(DC, 282, 162 + Row);
      }
      ReleaseDC(Wnd, DC);
      for (TLabel* L : {D.Label1, D.Label2, D.Label3, D.lblPhysMem, D.lblPhysRes})
        if (L->Caption() == L->Name()) Seen.Placeholders.push_back(L->Name());
      Click(D.Button1->Handle());
    });
    Box.Execute();
    EXPECT_EQ(Watch.Seen(), 1);
    EXPECT_FALSE(Watch.Forced()) << "the OK button did not close the dialog";
  }

  EXPECT_EQ(Seen.Caption, "A propos de...");
  EXPECT_EQ(Seen.Class, "TFAbout");
  EXPECT_TRUE(Seen.Modal);
  EXPECT_TRUE(Seen.Centred);
  EXPECT_EQ(Seen.Name, "Scindora");
  EXPECT_TRUE(Seen.Bold);
  EXPECT_EQ(Seen.Version, "Version 1.0");
  EXPECT_EQ(Seen.Copyright, "© 2026 Équipe Scindora, France");
  EXPECT_TRUE(Seen.Placeholders.empty()) << Seen.Placeholders.front();

  EXPECT_EQ(Seen.PhysMem, "Mémoire physique totale : " + FormatKilobytes(Memory.dwTotalPhys, LocaleThousandSeparator()));
  std::smatch Match;
  ASSERT_TRUE(std::regex_match(Seen.PhysRes, Match, std::regex("Ressources système {6}: (\\d{1,3})% libre\\."))) << Seen.PhysRes;
  EXPECT_LE(std::stoi(Match[1]), 100);

  EXPECT_EQ(Seen.Client.right, 294);
  EXPECT_EQ(Seen.Client.bottom, 268);
  EXPECT_TRUE(Seen.Style & WS_SYSMENU);
  EXPECT_FALSE(Seen.Style & WS_THICKFRAME) << "resizable";
  EXPECT_FALSE(Seen.Style & WS_MINIMIZEBOX);
  EXPECT_FALSE(Seen.Style & WS_MAXIMIZEBOX);

  // The etched separator: black over white, from x = 86, on the dialog's own colour.
  EXPECT_EQ(Seen.LineHeights[0], 10);
  EXPECT_EQ(Seen.LineHeights[1], 10);
  const COLORREF Face = GetSysColor(COLOR_BTNFACE);
  for (int I = 0; I < 3; ++I) {
    EXPECT_EQ(Seen.Separator[0][I], RGB(0, 0, 0)) << I;
    EXPECT_EQ(Seen.Separator[1][I], RGB(255, 255, 255)) << I;
  }
  EXPECT_EQ(Seen.Around[0], Face);
  EXPECT_EQ(Seen.Around[1], Face);
  EXPECT_EQ(Seen.PastTheEnd[0], Face);
  EXPECT_EQ(Seen.PastTheEnd[1], Face);

  EXPECT_EQ(Beeps, std::vector<unsigned>{0});
  EXPECT_EQ(Application->ComponentCount(), Owned) << "the dialog is destroyed";
  EXPECT_EQ(ShownDialog(), nullptr);
}

TEST_F(AboutDialog, EachCallShowsANewDialogWithOneBeep_TheCloseBoxClosesItToo) {
  TAboutBox Fresh(nullptr);
  std::vector<std::string> Names;
  {
    TDialogWatch Watch([&](TFAbout& D) {
      Names.push_back(D.Label1->Caption() + "|" + D.Label2->Caption());
      if (Names.size() == 1) Click(D.Button1->Handle());
      else PostMessageA(D.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);  // the title bar's close box
    });
    Fresh.Execute();
    EXPECT_EQ(Beeps.size(), 1u);
    EXPECT_EQ(Application->ComponentCount(), Owned);
    Fresh.SetProductName("Autre");
    Fresh.Execute();
    EXPECT_EQ(Watch.Seen(), 2);
    EXPECT_FALSE(Watch.Forced());
  }
  // A new box shows empty product and version lines; a change shows at the next call.
  EXPECT_EQ(Names, (std::vector<std::string>{"|", "Autre|"}));
  EXPECT_EQ(Beeps, (std::vector<unsigned>{0, 0}));
  EXPECT_EQ(Application->ComponentCount(), Owned);
}

TEST_F(AboutDialog, ADialogThatCannotBeBuiltBeepsAndShowsNothing) {
  AboutSeam().Constructing = [] { throw EInvalidOperation("Ressource introuvable : TFABOUT"); };
  TDialogWatch Watch([](TFAbout& D) { D.Close(); });
  EXPECT_NO_THROW(Box.Execute());
  EXPECT_EQ(Beeps, std::vector<unsigned>{0});
  EXPECT_EQ(Watch.Seen(), 0);
  EXPECT_EQ(Application->ComponentCount(), Owned);
}

TEST_F(AboutDialog, AFailureOfAnotherKindPassesOnWithoutABeep) {
  AboutSeam().Constructing = [] { throw std::runtime_error("not ours"); };
  EXPECT_THROW(Box.Execute(), std::runtime_error);
  EXPECT_TRUE(Beeps.empty());
  EXPECT_EQ(Application->ComponentCount(), Owned);
}

}  // namespace
