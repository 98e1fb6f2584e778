// The real main window, built from its form data once for the whole suite and shown: what the
// user sees is read back from the live windows (places, texts, states, tab order, tooltips,
// menu, frame), the fixed size is put to the test, and the form writes itself back as data
// that reads in again unchanged.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "FormData.h"
#include "FormDataParser.h"
#include "FormDataWriter.h"
#include "_Scindora.h"
#include "TestWindows.h"

using namespace Scindora;
using namespace Scindora::Support;

namespace {

// Gives the message queue a few turns: some effects (focus, X events under Wine) land late.
void Pump(int Turns = 5) {
  for (int I = 0; I < Turns; ++I) {
    Application->ProcessMessages();
    Sleep(10);
  }
  Application->ProcessMessages();
}

// A window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND Wnd) {
  RECT R;
  GetWindowRect(Wnd, &R);
  MapWindowPoints(nullptr, GetParent(Wnd), reinterpret_cast<POINT*>(&R), 2);
  return R;
}

SIZE OuterSize(HWND Wnd) {
  RECT R;
  GetWindowRect(Wnd, &R);
  return {R.right - R.left, R.bottom - R.top};
}

TComponent* Part(const std::string& Name) { return MainForm->FindComponent(Name); }
template <class T>
T* PartAs(const std::string& Name) {
  return FindComponentAs<T>(*MainForm, Name);
}
HWND Wnd(const std::string& Name) { return PartAs<TWinControl>(Name)->Handle(); }

class MainFormTest : public testing::Test {
protected:
  static void SetUpTestSuite() {
    Application->SetTitle("Scindora 1.0");
    Application->CreateForm(MainForm);
    MainForm->Show();
    Pump();
    InitialFocus = GetFocus();
  }
  static void TearDownTestSuite() {
    delete MainForm;
    MainForm = nullptr;
  }
  void SetUp() override { ASSERT_NE(MainForm, nullptr); }

  static HWND InitialFocus;
};
HWND MainFormTest::InitialFocus = nullptr;

// --- the form data, written back --------------------------------------------------------------

// Answers nothing: Normalized gives plain values only.
class TNoReader : public TFormReader {
public:
  const std::any* FindMethod(const std::string&) const override { return nullptr; }
  TComponent* FindComponent(const std::string&) const override { return nullptr; }
  void AddFixup(std::function<void()>) override {}
};

// What the writer makes of a form data value: given to a fresh object of the class and
// written back, so a value equal to the class's default comes out as nothing, and so does a
// default inside a block. Values that need the whole form (references, handlers) stay as
// they are.
std::optional<TFormValue> Normalized(const std::string& ClassName, const TFormProperty& Prop) {
  std::unique_ptr<TComponent> Fresh;
  if (ClassName == "TMainForm") Fresh = std::make_unique<TForm>(nullptr);
  else if (const TClassInfo* Info = FindClass(ClassName); Info && Info->Create) Fresh.reset(Info->Create(nullptr));
  const TPropInfo* P = Fresh ? Fresh->ClassType().FindProp(Prop.Name) : nullptr;
  if (!P) return Prop.Value;
  TNoReader Reader;
  try {
    P->Read(*Fresh, Prop.Value, Reader);
  } catch (const Exception&) {
    return Prop.Value;
  }
  return P->Write(*Fresh);
}

const TFormProperty* FindProp(const TFormObject& Obj, const std::string& Name) {
  for (const TFormProperty& P : Obj.Props)
    if (P.Name == Name) return &P;
  return nullptr;
}

std::string Show(const std::optional<TFormValue>& V) {
  return V ? WriteFormData({"T", "X", {{"Value", *V, 0}}, {}, 0}) : "(left out)";
}

// Values the running window decides for itself: the centred position, the labels' extents
// in the font the system has, the combo box's height, the status bar held at the bottom of
// whatever client area the system's frame leaves.
bool LiveDerived(const std::string& Component, const std::string& Prop) {
  static const std::pair<const char*, const char*> List[] = {
      {"MainForm", "Left"},     {"MainForm", "Top"},     {"Label1", "Width"},     {"Label1", "Height"},
      {"Label2", "Width"},      {"Label2", "Height"},    {"Label3", "Width"},     {"Label3", "Height"},
      {"ComboBox1", "Height"},  {"ComboBox1", "ItemHeight"}, {"StatusBar1", "Top"},
  };
  for (auto [C, P] : List)
    if (Component == C && Prop == P) return true;
  return false;
}

// Every entry of the form data comes back in the same place with the same class, and each
// of its values is written back as it reads, or left out as the class's default.
void ExpectWrittenMatches(const TFormObject& Source, const TFormObject& Written) {
  SCOPED_TRACE(Source.Name);
  EXPECT_EQ(Written.ClassName, Source.ClassName);
  EXPECT_EQ(Written.Name, Source.Name);
  for (const TFormProperty& P : Source.Props) {
    if (LiveDerived(Source.Name, P.Name)) continue;
    const TFormProperty* W = FindProp(Written, P.Name);
    std::optional<TFormValue> Expected = Normalized(Source.ClassName, P);
    if (W && W->Value == P.Value) continue;
    EXPECT_EQ(Show(W ? std::optional(W->Value) : std::nullopt), Show(Expected)) << P.Name;
  }
  ASSERT_EQ(Written.Children.size(), Source.Children.size());
  for (size_t I = 0; I < Source.Children.size(); ++I) ExpectWrittenMatches(Source.Children[I], Written.Children[I]);
}

TEST_F(MainFormTest, FormDataWrittenBackKeepsEveryValueOfTheResource) {
  TFormObject Source = ParseFormData(LoadFormResource("TMAINFORM"));
  ExpectWrittenMatches(Source, ParseFormData(WriteFormData(ComponentToTree(*MainForm))));
}

std::vector<std::string> Lines(const std::string& Text) {
  std::vector<std::string> Result;
  size_t Start = 0;
  for (size_t End; (End = Text.find('\n', Start)) != std::string::npos; Start = End + 1)
    Result.push_back(Text.substr(Start, End - Start));
  return Result;
}

// The lines where two texts part, each as "- before" and "+ after"; empty when they agree.
std::string ChangedLines(const std::string& Before, const std::string& After) {
  std::vector<std::string> A = Lines(Before), B = Lines(After);
  std::string Result;
  for (size_t I = 0; I < std::max(A.size(), B.size()); ++I) {
    std::string X = I < A.size() ? A[I] : "", Y = I < B.size() ? B[I] : "";
    if (X != Y) Result += "line " + std::to_string(I + 1) + ":\n- " + X + "\n+ " + Y + "\n";
  }
  return Result;
}

// Read the written text into a second form and write that again: the same text.
TEST_F(MainFormTest, FormDataWrittenBackReadsInAgainUnchanged) {
  std::string Text = WriteFormData(ComponentToTree(*MainForm));
  TMethodTable Methods;
  Methods.Publish("FormClose", std::function<void(TObject*, TCloseAction&)>([](TObject*, TCloseAction&) {}));
  for (const char* Click : {"ToolButton1Click", "ToolButton3Click", "ToolButton4Click", "ToolButton6Click",
                            "ToolButton8Click", "ToolButton9Click", "ComboBox1Change", "Aproposde1Click"})
    Methods.Publish(Click, std::function<void(TObject*)>([](TObject*) {}));
  Methods.Publish("Edit3KeyPress", std::function<void(TObject*, char&)>([](TObject*, char&) {}));
  TFormObject Tree = ParseFormData(Text);
  Tree.ClassName = "TForm";  // the same published properties, without the main window's own loading
  TForm Copy(nullptr);
  LoadForm(Copy, Tree, Methods);
  Copy.HandleNeeded();  // as the original: laid out in a real window, menu bar included
  TFormObject Again = ComponentToTree(Copy);
  Again.ClassName = "TMainForm";
  EXPECT_EQ(ChangedLines(Text, WriteFormData(Again)), "");
}

// --- layout and initial state, read from the live windows -------------------------------------

TEST_F(MainFormTest, WindowFrameCaptionAndOuterSize) {
  HWND Form = MainForm->Handle();
  EXPECT_TRUE(IsWindowVisible(Form));
  EXPECT_EQ(WindowClass(Form), "TMainForm");
  EXPECT_EQ(WindowText(Form), "Scindora 1.0");
  LONG Style = GetWindowLongA(Form, GWL_STYLE);
  EXPECT_TRUE(Style & WS_SYSMENU);
  EXPECT_TRUE(Style & WS_MINIMIZEBOX);
  EXPECT_FALSE(Style & WS_MAXIMIZEBOX);
  EXPECT_TRUE(Style & WS_THICKFRAME) << "the border stays sizeable";
  ASSERT_EQ(Screen->PixelsPerInch(), 96) << "the sizes below are for 96 dpi";
  SIZE S = OuterSize(Form);
  EXPECT_EQ(S.cx, 433);
  EXPECT_EQ(S.cy, 394);
  EXPECT_NE(SendMessageA(Form, WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(SendMessageA(Form, WM_GETICON, ICON_SMALL, 0), 0);
}

TEST_F(MainFormTest, CentredOnTheScreenWhenFirstShown) {
  RECT Work, R;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &Work, 0);
  GetWindowRect(MainForm->Handle(), &R);
  EXPECT_NEAR(R.left - Work.left, Work.right - R.right, 1);
  EXPECT_NEAR(R.top - Work.top, Work.bottom - R.bottom, 1);
}

// The outer size is the form data's; the client area is what the system's frame, title bar
// and menu bar leave of it (425 x 340 with the design system's metrics). The status bar
// keeps to its bottom edge.
TEST_F(MainFormTest, ClientAreaIsWhatTheFrameLeavesWithTheStatusBarAtItsBottom) {
  HWND Form = MainForm->Handle();
  RECT Frame{0, 0, 0, 0};
  AdjustWindowRectEx(&Frame, GetWindowLongA(Form, GWL_STYLE), TRUE, GetWindowLongA(Form, GWL_EXSTYLE));
  RECT Client;
  GetClientRect(Form, &Client);
  EXPECT_EQ(Client.right, 425);
  EXPECT_EQ(Client.bottom, 394 - (Frame.bottom - Frame.top));
  RECT Bar = RectInParent(Wnd("StatusBar1"));
  EXPECT_EQ(Bar.left, 0);
  EXPECT_EQ(Bar.right, 425);
  EXPECT_EQ(Bar.bottom, Client.bottom);
  EXPECT_EQ(Bar.bottom - Bar.top, 19);
  EXPECT_LE(RectInParent(Wnd("GroupBox3")).bottom, Bar.top);
}

struct TPlace {
  const char* Name;
  const char* Parent;  // nullptr: the window
  int Left, Top, Width, Height;
};

TEST_F(MainFormTest, WindowedControlsSitWhereTheLayoutPutsThem) {
  const TPlace Places[] = {
      {"ControlBar1", nullptr, 0, 0, 425, 26},      {"ToolBar1", "ControlBar1", 11, 2, 412, 22},
      {"GroupBox1", nullptr, 8, 40, 409, 65},
      {"Edit1", "GroupBox1", 16, 24, 345, 21},      {"GroupBox2", nullptr, 8, 112, 409, 65},
      {"Edit2", "GroupBox2", 16, 24, 345, 21},      {"GroupBox3", nullptr, 8, 256, 409, 57},
      {"ProgressBar1", "GroupBox3", 16, 24, 377, 17}, {"GroupBox4", nullptr, 8, 184, 409, 65},
      {"ComboBox1", "GroupBox4", 56, 24, 145, 21},  {"Edit3", "GroupBox4", 224, 24, 73, 21},
      // The status bar: see the client area test.
  };
  for (const TPlace& P : Places) {
    SCOPED_TRACE(P.Name);
    HWND W = Wnd(P.Name);
    EXPECT_EQ(GetParent(W), P.Parent ? Wnd(P.Parent) : MainForm->Handle());
    EXPECT_TRUE(IsWindowVisible(W));
    RECT R = RectInParent(W);
    EXPECT_EQ(R.left, P.Left);
    EXPECT_EQ(R.top, P.Top);
    EXPECT_EQ(R.right - R.left, P.Width);
    // A combo box's closed height is the system's, from its font: 21 with the design
    // system's font, a pixel less with Wine's stand-in for it.
    int Slack = std::string(P.Name) == "ComboBox1" ? 1 : 0;
    EXPECT_NEAR(R.bottom - R.top, P.Height, Slack);
  }
}

TEST_F(MainFormTest, SpeedButtonsAndLabelsSitWhereTheLayoutPutsThem) {
  const TPlace Buttons[] = {{"SpeedButton1", "GroupBox1", 368, 24, 25, 22}, {"SpeedButton2", "GroupBox2", 368, 24, 25, 22}};
  for (const TPlace& P : Buttons) {
    SCOPED_TRACE(P.Name);
    auto* B = PartAs<TSpeedButton>(P.Name);
    EXPECT_EQ(B->Parent(), Part(P.Parent));
    EXPECT_EQ(B->Caption(), "...");
    EXPECT_TRUE(B->Enabled());
    EXPECT_EQ(B->Left(), P.Left);
    EXPECT_EQ(B->Top(), P.Top);
    EXPECT_EQ(B->Width(), P.Width);
    EXPECT_EQ(B->Height(), P.Height);
  }
  // Labels take their caption's size; each must end before what follows it on the line.
  struct TLabelCase {
    const char* Name;
    int Left;
    const char* Caption;
    int EndsBefore;
  };
  const TLabelCase Labels[] = {{"Label2", 16, "Type : ", 56}, {"Label1", 304, "octets", 336}, {"Label3", 336, "(1,38Mo)", 409}};
  for (const TLabelCase& C : Labels) {
    SCOPED_TRACE(C.Name);
    auto* L = PartAs<TLabel>(C.Name);
    EXPECT_EQ(L->Parent(), Part("GroupBox4"));
    EXPECT_EQ(L->Caption(), C.Caption);
    EXPECT_EQ(L->Left(), C.Left);
    EXPECT_EQ(L->Top(), 28);
    EXPECT_GT(L->Height(), 0);
    EXPECT_GT(L->Width(), 0);
    EXPECT_LE(L->Left() + L->Width(), C.EndsBefore);
  }
}

TEST_F(MainFormTest, GroupCaptionsAndFieldTexts) {
  const std::pair<const char*, const char*> Texts[] = {
      {"GroupBox1", "Fichier à fractionner : "},
      {"GroupBox2", "Répertoire de destination : "},
      {"GroupBox3", "Progression du fractionnement : "},
      {"GroupBox4", "Taille des fractions à obtenir : "},
      {"Edit1", ""},
      {"Edit2", ""},
      {"Edit3", "1457664"},
      {"ComboBox1", "Disquette normale"},
  };
  for (auto [Name, Text] : Texts) EXPECT_EQ(WindowText(Wnd(Name)), Text) << Name;
}

TEST_F(MainFormTest, FieldsReadOnlyAndEnabled) {
  for (const char* Name : {"Edit1", "Edit2", "Edit3"}) {
    EXPECT_TRUE(GetWindowLongA(Wnd(Name), GWL_STYLE) & ES_READONLY) << Name;
    EXPECT_EQ(PartAs<TEdit>(Name)->MaxLength(), 0) << Name << ": no length limit";
  }
  for (const char* Name : {"ControlBar1", "ToolBar1", "StatusBar1", "GroupBox1", "Edit1", "GroupBox2", "Edit2",
                           "GroupBox3", "ProgressBar1", "GroupBox4", "ComboBox1", "Edit3"})
    EXPECT_TRUE(IsWindowEnabled(Wnd(Name))) << Name;
  EXPECT_TRUE(IsWindowEnabled(MainForm->Handle()));
}

TEST_F(MainFormTest, PresetListOnTheFloppyAndProgressAtZero) {
  HWND Combo = Wnd("ComboBox1");
  EXPECT_EQ(GetWindowLongA(Combo, GWL_STYLE) & 3, CBS_DROPDOWN);
  ASSERT_EQ(SendMessageA(Combo, CB_GETCOUNT, 0, 0), 3);
  const char* Items[] = {"Disquette normale", "Disquette Zip100", "Autre"};
  for (int I = 0; I < 3; ++I) {
    char Buffer[64] = "";
    SendMessageA(Combo, CB_GETLBTEXT, I, reinterpret_cast<LPARAM>(Buffer));
    EXPECT_STREQ(Buffer, Items[I]);
  }
  EXPECT_EQ(SendMessageA(Combo, CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(PartAs<TComboBox>("ComboBox1")->ItemIndex(), 0);

  HWND Bar = Wnd("ProgressBar1");
  EXPECT_EQ(SendMessageA(Bar, PBM_GETRANGE, TRUE, 0), 0);
  EXPECT_EQ(SendMessageA(Bar, PBM_GETRANGE, FALSE, 0), 100);
  EXPECT_EQ(SendMessageA(Bar, PBM_GETPOS, 0, 0), 0);
}

TEST_F(MainFormTest, StatusBarShowsOneStretchedPartWithTheNoticeAndAGrip) {
  HWND Bar = Wnd("StatusBar1");
  EXPECT_TRUE(GetWindowLongA(Bar, GWL_STYLE) & SBARS_SIZEGRIP);
  int Edges[4] = {};
  ASSERT_EQ(SendMessageA(Bar, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(Edges)), 1);
  EXPECT_EQ(Edges[0], -1) << "the only part runs to the bar's right end";
  char Text[256] = "";
  SendMessageA(Bar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(Text));
  EXPECT_NE(std::string(Text), "");
  EXPECT_EQ(std::string(Text), PartAs<TStatusBar>("StatusBar1")->Panels(0).Text());
}

// --- tool bar ---------------------------------------------------------------------------------

struct TToolCase {
  const char* Name;
  int Left;
  bool Separator;
  int Image;
  const char* Hint;
  bool Enabled;
};
const TToolCase ToolCases[] = {
    {"ToolButton1", 0, false, 0, "Réinitialiser l'application", true},
    {"ToolButton2", 23, true, 0, "", true},
    {"ToolButton3", 31, false, 1, "Choix du fichier à fractionner", true},
    {"ToolButton4", 54, false, 2, "Choix du répertoire de destination des fragments", true},
    {"ToolButton5", 77, true, 0, "", true},
    {"ToolButton6", 85, false, 3, "Fractionner le fichier séléctionné", false},
    {"ToolButton7", 108, true, 0, "", true},
    {"ToolButton8", 116, false, 4, "Aide de l'application", true},
    {"ToolButton9", 139, false, 5, "Quitter l'application", true},
};

TEST_F(MainFormTest, ToolBarHoldsNineButtonsInPlaceWithTheirGlyphsAndStates) {
  HWND Bar = Wnd("ToolBar1");
  ASSERT_EQ(SendMessageA(Bar, TB_BUTTONCOUNT, 0, 0), 9);
  for (int I = 0; I < 9; ++I) {
    const TToolCase& C = ToolCases[I];
    SCOPED_TRACE(C.Name);
    auto* B = PartAs<TToolButton>(C.Name);
    EXPECT_EQ(B->Index(), I);
    TBBUTTON N{};
    ASSERT_TRUE(SendMessageA(Bar, TB_GETBUTTON, I, reinterpret_cast<LPARAM>(&N)));
    EXPECT_EQ((N.fsStyle & BTNS_SEP) != 0, C.Separator);
    RECT R{};
    ASSERT_TRUE(SendMessageA(Bar, TB_GETITEMRECT, I, reinterpret_cast<LPARAM>(&R)));
    EXPECT_EQ(R.left, C.Left);
    EXPECT_EQ(R.top, 0);
    EXPECT_EQ(R.right - R.left, C.Separator ? 8 : 23);
    if (!C.Separator) {
      EXPECT_EQ(N.iBitmap, C.Image);
      EXPECT_EQ(R.bottom - R.top, 22);
      EXPECT_EQ(SendMessageA(Bar, TB_ISBUTTONENABLED, N.idCommand, 0) != 0, C.Enabled);
    }
  }
}

// What the bar's tooltip shows for each button: the bar is asked as the tooltip asks it.
std::string TipText(HWND Bar, int Command) {
  HWND Tips = reinterpret_cast<HWND>(SendMessageA(Bar, TB_GETTOOLTIPS, 0, 0));
  NMTTDISPINFOA Info{};
  Info.hdr.hwndFrom = Tips;
  Info.hdr.idFrom = static_cast<UINT_PTR>(Command);
  Info.hdr.code = TTN_GETDISPINFOA;
  SendMessageA(Bar, WM_NOTIFY, static_cast<WPARAM>(Command), reinterpret_cast<LPARAM>(&Info));
  if (Info.lpszText && !IS_INTRESOURCE(Info.lpszText)) return Info.lpszText;
  return Info.szText;
}

TEST_F(MainFormTest, OnlyTheSixButtonsShowHints) {
  HWND Bar = Wnd("ToolBar1");
  ASSERT_NE(SendMessageA(Bar, TB_GETTOOLTIPS, 0, 0), 0);
  for (int I = 0; I < 9; ++I) {
    const TToolCase& C = ToolCases[I];
    TBBUTTON N{};
    SendMessageA(Bar, TB_GETBUTTON, I, reinterpret_cast<LPARAM>(&N));
    EXPECT_EQ(TipText(Bar, N.idCommand), C.Hint) << C.Name;
    EXPECT_EQ(PartAs<TToolButton>(C.Name)->ShowHint(), !C.Separator) << C.Name;
  }
  for (int I = 0; I < MainForm->ComponentCount(); ++I) {
    auto* Control = dynamic_cast<TControl*>(MainForm->Components(I));
    if (!Control || dynamic_cast<TToolButton*>(Control)) continue;
    EXPECT_FALSE(Control->ShowHint()) << Control->Name();
    EXPECT_EQ(Control->Hint(), "") << Control->Name();
  }
}

// --- menu -------------------------------------------------------------------------------------

// One line per entry: its text as the menu shows it, "-" for a separator.
std::vector<std::string> MenuLines(HMENU Menu) {
  std::vector<std::string> Lines;
  for (int I = 0; I < GetMenuItemCount(Menu); ++I) {
    MENUITEMINFOA Info{};
    Info.cbSize = sizeof Info;
    Info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_BITMAP | MIIM_CHECKMARKS;
    GetMenuItemInfoA(Menu, I, TRUE, &Info);
    if (Info.fType & MFT_SEPARATOR) {
      Lines.push_back("-");
      continue;
    }
    char Text[128] = "";
    GetMenuStringA(Menu, I, Text, sizeof Text, MF_BYPOSITION);
    std::string Line = Text;
    // No entry has a shortcut, an image or a check mark, and none is greyed.
    if (Info.fState & (MFS_CHECKED | MFS_DISABLED)) Line += " [state]";
    if (Info.hbmpItem || Info.hbmpChecked || Info.hbmpUnchecked) Line += " [image]";
    Lines.push_back(Line);
  }
  return Lines;
}

TEST_F(MainFormTest, MenuBarEntriesWithTheirHotKeys) {
  HMENU Bar = GetMenu(MainForm->Handle());
  ASSERT_NE(Bar, nullptr);
  EXPECT_EQ(MenuLines(Bar), (std::vector<std::string>{"&Fichier", "&Aide"}));
  EXPECT_EQ(MenuLines(GetSubMenu(Bar, 0)),
            (std::vector<std::string>{"&Nouveau fractionnement", "-", "&Choisir un fichier à fractionner",
                                      "C&hoisir un répertoire de destination", "-", "&Quitter"}));
  EXPECT_EQ(MenuLines(GetSubMenu(Bar, 1)),
            (std::vector<std::string>{"&Rubriques de l'aide", "-", "A &propos de..."}));
}

// --- focus and tab order ----------------------------------------------------------------------

TEST_F(MainFormTest, ControlBarHoldsTheFocusAfterShowSoNoFieldHasTheCaret) {
  EXPECT_EQ(InitialFocus, Wnd("ControlBar1"));
  EXPECT_FALSE(GetWindowLongA(Wnd("ControlBar1"), GWL_STYLE) & WS_TABSTOP);
}

void PressTab() {
  HWND Focus = GetFocus();
  ASSERT_NE(Focus, nullptr);
  PostMessageA(Focus, WM_KEYDOWN, VK_TAB, 0x000F0001);
  PostMessageA(Focus, WM_KEYUP, VK_TAB, 0xC00F0001);
  Pump();
}

TEST_F(MainFormTest, TabMovesThroughTheFourFieldsAndWrapsRound) {
  PartAs<TWinControl>("ControlBar1")->SetFocus();
  Pump();
  ASSERT_EQ(GetFocus(), Wnd("ControlBar1"));
  HWND Combo = Wnd("ComboBox1");
  const std::pair<const char*, bool> Order[] = {{"Edit1", false}, {"Edit2", false}, {"ComboBox1", true}, {"Edit3", false}, {"Edit1", false}};
  for (auto [Name, InComboEdit] : Order) {
    PressTab();
    HWND Focus = GetFocus();
    if (InComboEdit) {
      EXPECT_EQ(GetParent(Focus), Combo) << "the combo box's edit field";
      EXPECT_EQ(WindowClass(Focus), "Edit");
    } else {
      EXPECT_EQ(Focus, Wnd(Name)) << Name;
    }
  }
}

TEST_F(MainFormTest, ReadOnlyFieldLetsTheUserSelectAndCopy) {
  HWND Edit = Wnd("Edit3");
  SetFocus(Edit);
  Pump();
  ASSERT_EQ(GetFocus(), Edit);
  SendMessageA(Edit, EM_SETSEL, 0, -1);
  SendMessageA(Edit, WM_COPY, 0, 0);
  ASSERT_TRUE(OpenClipboard(MainForm->Handle()));
  HANDLE Data = GetClipboardData(CF_TEXT);
  std::string Copied = Data ? static_cast<const char*>(GlobalLock(Data)) : "";
  if (Data) GlobalUnlock(Data);
  CloseClipboard();
  EXPECT_EQ(Copied, "1457664");
  SendMessageA(Edit, WM_CHAR, 'x', 0);
  EXPECT_EQ(WindowText(Edit), "1457664");
}

// --- fixed size -------------------------------------------------------------------------------

TEST_F(MainFormTest, SizingLimitsAreTheCurrentSize) {
  MINMAXINFO Info{};
  Info.ptMaxTrackSize = {5000, 5000};
  SendMessageA(MainForm->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&Info));
  EXPECT_EQ(Info.ptMinTrackSize.x, 433);
  EXPECT_EQ(Info.ptMinTrackSize.y, 394);
  EXPECT_EQ(Info.ptMaxTrackSize.x, 433);
  EXPECT_EQ(Info.ptMaxTrackSize.y, 394);
}

void MouseInput(DWORD Flags, int X = 0, int Y = 0) {
  INPUT In{};
  In.type = INPUT_MOUSE;
  In.mi.dwFlags = Flags;
  if (Flags & MOUSEEVENTF_ABSOLUTE) {
    In.mi.dx = MulDiv(X, 65536, GetSystemMetrics(SM_CXSCREEN));
    In.mi.dy = MulDiv(Y, 65536, GetSystemMetrics(SM_CYSCREEN));
  }
  SendInput(1, &In, sizeof In);
}

// The user drags a border, a corner or the status bar's grip with the mouse: the system's
// own sizing loop, which asks the window for its limits.
TEST_F(MainFormTest, DraggingBordersCornersAndTheGripLeavesTheSize) {
  HWND Form = MainForm->Handle();
  SetForegroundWindow(Form);
  Pump();
  enum TFrom { fCorner, fRight, fTopLeft, fGrip };
  struct TDrag {
    const char* What;
    TFrom From;
    int Hit, DX, DY;
  };
  const TDrag Drags[] = {
      {"bottom-right corner", fCorner, HTBOTTOMRIGHT, 100, 75},
      {"right border", fRight, HTRIGHT, -80, 0},
      {"top-left corner", fTopLeft, HTTOPLEFT, -60, -40},
      {"status bar grip", fGrip, HTBOTTOMRIGHT, 90, 60},
  };
  for (const TDrag& D : Drags) {
    SCOPED_TRACE(D.What);
    RECT R, Grip;
    GetWindowRect(Form, &R);
    GetWindowRect(Wnd("StatusBar1"), &Grip);
    HWND Target = D.From == fGrip ? Wnd("StatusBar1") : Form;  // the window that answers the hit test
    POINT From = D.From == fCorner    ? POINT{R.right - 2, R.bottom - 2}
                 : D.From == fRight   ? POINT{R.right - 2, (R.top + R.bottom) / 2}
                 : D.From == fTopLeft ? POINT{R.left + 1, R.top + 1}
                                      : POINT{Grip.right - 4, Grip.bottom - 4};
    ASSERT_EQ(SendMessageA(Target, WM_NCHITTEST, 0, MAKELPARAM(From.x, From.y)), D.Hit);
    MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, From.x, From.y);
    Pump();
    MouseInput(MOUSEEVENTF_LEFTDOWN);
    // The loop runs inside the press's dispatch; the drag and the release come from outside.
    std::atomic<bool> Released{false};
    std::thread User([&] {
      Sleep(200);
      for (int Step = 1; Step <= 5; ++Step) {
        MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, From.x + D.DX * Step / 5, From.y + D.DY * Step / 5);
        Sleep(30);
      }
      MouseInput(MOUSEEVENTF_LEFTUP);
      Released = true;
    });
    while (!Released) Pump(1);
    User.join();
    Pump();
    RECT After;
    GetWindowRect(Form, &After);
    EXPECT_EQ(After.right - After.left, 433);
    EXPECT_EQ(After.bottom - After.top, 394);
  }
}

TEST_F(MainFormTest, MinimizeThenRestoreGivesTheSameSizeAndPlace) {
  HWND Form = MainForm->Handle();
  RECT Before;
  GetWindowRect(Form, &Before);
  ShowWindow(Form, SW_MINIMIZE);
  Pump();
  EXPECT_TRUE(IsIconic(Form));
  ShowWindow(Form, SW_RESTORE);
  Pump();
  EXPECT_FALSE(IsIconic(Form));
  RECT After;
  GetWindowRect(Form, &After);
  EXPECT_EQ(After.right - After.left, 433);
  EXPECT_EQ(After.bottom - After.top, 394);
  EXPECT_EQ(After.left, Before.left);
  EXPECT_EQ(After.top, Before.top);
}

}  // namespace
