// Edit, label, combo box, group box and button as real windows: built from form data on a
// shown form, then read back from the native controls and driven with the messages the
// system itself sends.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "FormData.h"
#include "FormDataParser.h"
#include "Forms.h"
#include "StdCtrls.h"
#include "TestWindows.h"

using namespace Scindora;
using namespace Scindora::Support;

namespace {

// The main window's source group and size group, as its form data has them (the combo box's
// Items last, after ItemIndex and Text).
const char8_t* const GroupsForm = u8R"FORM(
TForm Form1 {
    Width: 433
    Height: 394
    Font: { Charset: DEFAULT_CHARSET Color: clWindowText Height: -11 Name: "MS Sans Serif" Style: [] }
    TGroupBox GroupBox1 {
        Left: 8
        Top: 40
        Width: 409
        Height: 65
        Caption: "Fichier à fractionner : "
        TabOrder: 0
        TEdit Edit1 {
            Left: 16
            Top: 24
            Width: 345
            Height: 21
            ReadOnly: True
            TabOrder: 0
        }
    }
    TGroupBox GroupBox4 {
        Left: 8
        Top: 184
        Width: 409
        Height: 65
        Caption: "Taille des fractions à obtenir : "
        TabOrder: 1
        TLabel Label1 {
            Left: 304
            Top: 28
            Width: 29
            Height: 13
            Caption: "octets"
        }
        TLabel Label2 {
            Left: 16
            Top: 28
            Width: 33
            Height: 13
            Caption: "Type : "
        }
        TLabel Label3 {
            Left: 336
            Top: 28
            Width: 42
            Height: 13
            Caption: "(1,38Mo)"
        }
        TEdit Edit3 {
            Left: 224
            Top: 24
            Width: 73
            Height: 21
            ReadOnly: True
            TabOrder: 1
            Text: "1457664"
            OnKeyPress: Edit3KeyPress
        }
        TComboBox ComboBox1 {
            Left: 56
            Top: 24
            Width: 145
            Height: 21
            ItemHeight: 13
            ItemIndex: 0
            TabOrder: 0
            Text: "Disquette normale"
            OnChange: ComboBox1Change
            Items: ["Disquette normale", "Disquette Zip100", "Autre"]
        }
    }
    TButton Button1 {
        Left: 208
        Top: 300
        Width: 74
        Height: 26
        Caption: "OK"
        TabOrder: 2
        OnClick: Button1Click
    }
}
)FORM";

LONG StyleOf(HWND Wnd) { return GetWindowLongA(Wnd, GWL_STYLE); }
LONG ExStyleOf(HWND Wnd) { return GetWindowLongA(Wnd, GWL_EXSTYLE); }

void Pump() {
  MSG Msg;
  while (PeekMessageA(&Msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&Msg);
    DispatchMessageA(&Msg);
  }
}

class Groups : public testing::Test {
protected:
  void SetUp() override {
    RegisterStdCtrlsClasses();
    Form = std::make_unique<TForm>(nullptr);
    TMethodTable Methods;
    Methods.Publish("ComboBox1Change", std::function<void(TObject*)>([this](TObject*) {
                      // What the handler sees: the list's text at that moment.
                      Changes.push_back(Combo->Text());
                    }));
    // The size field's filter: digits and backspace pass, the rest becomes code 15.
    Methods.Publish("Edit3KeyPress", std::function<void(TObject*, char&)>([](TObject*, char& Key) {
                      if (Key != 8 && (Key < '0' || Key > '9')) Key = 15;
                    }));
    Methods.Publish("Button1Click", std::function<void(TObject*)>([this](TObject*) { ++Clicks; }));
    LoadForm(*Form, ParseFormData(Utf8(GroupsForm)), Methods);
    Combo = FindComponentAs<TComboBox>(*Form, "ComboBox1");
    Edit1 = FindComponentAs<TEdit>(*Form, "Edit1");
    Edit3 = FindComponentAs<TEdit>(*Form, "Edit3");
    Group1 = FindComponentAs<TGroupBox>(*Form, "GroupBox1");
    Group4 = FindComponentAs<TGroupBox>(*Form, "GroupBox4");
    Form->Show();
    Pump();
  }

  HWND ComboEdit() {
    COMBOBOXINFO Info{};
    Info.cbSize = sizeof Info;
    EXPECT_TRUE(GetComboBoxInfo(Combo->Handle(), &Info));
    return Info.hwndItem;
  }

  // Keys typed into the combo box's edit field, as the system delivers them.
  void TypeIntoCombo(const std::string& Keys) {
    for (char C : Keys) SendMessageA(ComboEdit(), WM_CHAR, static_cast<unsigned char>(C), 1);
  }

  std::pair<int, int> ComboSel() {
    DWORD S = 0, E = 0;
    SendMessageA(ComboEdit(), EM_GETSEL, reinterpret_cast<WPARAM>(&S), reinterpret_cast<LPARAM>(&E));
    return {static_cast<int>(S), static_cast<int>(E)};
  }

  std::unique_ptr<TForm> Form;
  TComboBox* Combo = nullptr;
  TEdit* Edit1 = nullptr;
  TEdit* Edit3 = nullptr;
  TGroupBox* Group1 = nullptr;
  TGroupBox* Group4 = nullptr;
  std::vector<std::string> Changes;
  int Clicks = 0;
};

// --- TEdit ---------------------------------------------------------------------------------

TEST_F(Groups, EditIsANativeEditWithFormDataState) {
  HWND Wnd = Edit3->Handle();
  EXPECT_EQ(WindowClass(Wnd), "Edit");
  EXPECT_EQ(WindowText(Wnd), "1457664");
  EXPECT_TRUE(StyleOf(Wnd) & ES_READONLY);
  EXPECT_TRUE(StyleOf(Wnd) & ES_AUTOHSCROLL);
  EXPECT_TRUE(StyleOf(Wnd) & WS_TABSTOP);
  EXPECT_TRUE(ExStyleOf(Wnd) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(GetParent(Wnd), Group4->Handle());
  RECT R;
  GetWindowRect(Wnd, &R);
  EXPECT_EQ(R.right - R.left, 73);
  EXPECT_EQ(R.bottom - R.top, 21);
  // No length limit.
  EXPECT_GE(SendMessageA(Wnd, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);
  EXPECT_EQ(WindowText(Edit1->Handle()), "");
}

TEST_F(Groups, EditReadOnlyAndTextGoBothWays) {
  HWND Wnd = Edit3->Handle();
  Edit3->SetReadOnly(false);
  EXPECT_FALSE(StyleOf(Wnd) & ES_READONLY);
  Edit3->SetReadOnly(true);
  EXPECT_TRUE(StyleOf(Wnd) & ES_READONLY);

  Edit3->SetText("100431872");
  EXPECT_EQ(WindowText(Wnd), "100431872");
  // What the user (or an automation tool) puts in the window is the text.
  SetWindowTextA(Wnd, "42");
  EXPECT_EQ(Edit3->Text(), "42");
  Edit3->SetText("");
  EXPECT_EQ(WindowText(Wnd), "");
}

TEST_F(Groups, EditOnChangeFiresForCodeAndUser) {
  int Count = 0;
  Edit1->OnChange = [&](TObject*) { ++Count; };
  Edit1->SetText("C:\\a.bin");
  EXPECT_EQ(Count, 1);
  Edit1->SetReadOnly(false);
  SendMessageA(Edit1->Handle(), WM_CHAR, 'x', 1);
  EXPECT_EQ(Count, 2);
  Edit1->SetText(Edit1->Text());  // unchanged: nothing
  EXPECT_EQ(Count, 2);
}

struct TKeyCase {
  const char* Name;
  std::string Keys;
  const char* Expected;
};

// The size field with its filter: only digits and backspace reach the text.
TEST_F(Groups, EditKeyFilterLetsDigitsAndBackspaceThrough) {
  const TKeyCase Cases[] = {
      {"digits and a letter", "12a4", "124"},
      {"backspace erases before the caret", std::string("124\b"), "12"},
      {"control characters", std::string("7\x01\x0F\t\r\x1B") + "8", "78"},
      {"punctuation and accents", "1 ,.-+é2", "12"},
      {"backspace on empty text", std::string("\b\b5"), "5"},
  };
  HWND Wnd = Edit3->Handle();
  Edit3->SetReadOnly(false);
  for (const TKeyCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    Edit3->SetText("");
    for (char C : Case.Keys) SendMessageA(Wnd, WM_CHAR, static_cast<unsigned char>(C), 1);
    EXPECT_EQ(Edit3->Text(), Case.Expected);
  }
}

TEST_F(Groups, EditWithoutFilterDropsTheIgnoreCodeToo) {
  // Code 15 means "no effect" even when nothing filtered it.
  HWND Wnd = Edit1->Handle();
  Edit1->SetReadOnly(false);
  for (char C : std::string("a\x0F" "b")) SendMessageA(Wnd, WM_CHAR, static_cast<unsigned char>(C), 1);
  EXPECT_EQ(Edit1->Text(), "ab");
}

TEST_F(Groups, ReadOnlyEditTakesFocusAndLetsTheUserSelectAndCopy) {
  ASSERT_TRUE(Edit3->ReadOnly());
  Edit3->SetFocus();
  EXPECT_EQ(GetFocus(), Edit3->Handle());
  EXPECT_TRUE(Edit3->Focused());

  Edit3->SelectAll();
  EXPECT_EQ(Edit3->SelStart(), 0);
  EXPECT_EQ(Edit3->SelLength(), 7);
  EXPECT_EQ(Edit3->SelText(), "1457664");
  Edit3->SetSelStart(2);
  Edit3->SetSelLength(3);
  EXPECT_EQ(Edit3->SelText(), "576");

  // Copy reaches the clipboard; typing changes nothing.
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  CloseClipboard();
  SendMessageA(Edit3->Handle(), WM_COPY, 0, 0);
  ASSERT_TRUE(OpenClipboard(nullptr));
  HANDLE Data = GetClipboardData(CF_TEXT);
  std::string Copied = Data ? static_cast<const char*>(GlobalLock(Data)) : "";
  if (Data) GlobalUnlock(Data);
  CloseClipboard();
  EXPECT_EQ(Copied, "576");
  SendMessageA(Edit3->Handle(), WM_CHAR, '9', 1);
  EXPECT_EQ(Edit3->Text(), "1457664");
}

TEST_F(Groups, EditSettingsWaitForTheWindow) {
  TEdit Edit(nullptr);
  Edit.SetMaxLength(5);
  Edit.SetReadOnly(true);
  Edit.SetText("abcdef");
  Edit.SelectAll();
  EXPECT_EQ(Edit.SelLength(), 6);
  Edit.SetParent(Group1);
  HWND Wnd = Edit.Handle();
  EXPECT_EQ(SendMessageA(Wnd, EM_GETLIMITTEXT, 0, 0), 5);
  EXPECT_TRUE(StyleOf(Wnd) & ES_READONLY);
  EXPECT_EQ(WindowText(Wnd), "abcdef");
  EXPECT_EQ(Edit.SelText(), "abcdef");
  Edit.SetParent(nullptr);
}

// --- TLabel --------------------------------------------------------------------------------

SIZE TextSize(const TFont& Font, const std::string& Text) {
  HDC DC = GetDC(nullptr);
  HGDIOBJ Old = SelectObject(DC, Font.Handle());
  SIZE S{};
  GetTextExtentPoint32A(DC, Text.c_str(), static_cast<int>(Text.size()), &S);
  TEXTMETRICA Tm{};
  GetTextMetricsA(DC, &Tm);
  SelectObject(DC, Old);
  ReleaseDC(nullptr, DC);
  S.cy = Tm.tmHeight;
  return S;
}

TEST_F(Groups, LabelsSizeThemselvesToTheirCaptions) {
  for (const char* Name : {"Label1", "Label2", "Label3"}) {
    SCOPED_TRACE(Name);
    auto* L = FindComponentAs<TLabel>(*Form, Name);
    SIZE S = TextSize(L->Font(), L->Caption());
    EXPECT_EQ(L->Width(), S.cx);
    EXPECT_EQ(L->Height(), S.cy);
    EXPECT_EQ(L->Font().Height(), -11);  // the form's font
  }
  auto* L3 = FindComponentAs<TLabel>(*Form, "Label3");
  L3->SetCaption("(95,7Mo)");
  EXPECT_EQ(L3->Width(), TextSize(L3->Font(), "(95,7Mo)").cx);
  // Empty: no width to speak of, but a line's height, so it still lines up.
  L3->SetCaption("");
  EXPECT_LE(L3->Width(), TextSize(L3->Font(), " ").cx);
  EXPECT_EQ(L3->Height(), TextSize(L3->Font(), " ").cy);
  EXPECT_EQ(L3->Left(), 336);
  EXPECT_EQ(L3->Top(), 28);
}

TEST_F(Groups, LabelFollowsItsFontAndParentFont) {
  auto* L = FindComponentAs<TLabel>(*Form, "Label2");
  int Normal = L->Width();
  L->Font().SetStyle(1u << fsBold);
  EXPECT_FALSE(L->ParentFont());
  EXPECT_GT(L->Width(), Normal);
  EXPECT_EQ(L->Width(), TextSize(L->Font(), "Type : ").cx);

  auto* L1 = FindComponentAs<TLabel>(*Form, "Label1");
  Group4->Font().SetHeight(-16);
  EXPECT_EQ(L1->Font().Height(), -16);
  EXPECT_EQ(L1->Height(), TextSize(L1->Font(), "octets").cy);
  EXPECT_EQ(L->Font().Height(), -11);  // its own font stays
}

TEST_F(Groups, LabelWithoutAutoSizeKeepsItsSize) {
  TLabel L(nullptr);
  L.SetAutoSize(false);
  L.SetBounds(0, 0, 10, 10);
  L.SetCaption("Un texte bien plus large que dix points");
  EXPECT_EQ(L.Width(), 10);
  EXPECT_EQ(L.Height(), 10);
  L.SetAutoSize(true);
  EXPECT_GT(L.Width(), 10);
}

// Reads the pixels the group box shows where a label is.
struct TPixels {
  std::vector<COLORREF> Colors;
  bool Has(COLORREF C) const { return std::find(Colors.begin(), Colors.end(), C) != Colors.end(); }
};

TPixels PixelsOf(HWND Wnd, const RECT& R) {
  TPixels P;
  HDC DC = GetDC(Wnd);
  for (int Y = R.top; Y < R.bottom; ++Y)
    for (int X = R.left; X < R.right; ++X) P.Colors.push_back(GetPixel(DC, X, Y));
  ReleaseDC(Wnd, DC);
  return P;
}

TEST_F(Groups, LabelsPaintOverTheGroupBox) {
  auto* L = FindComponentAs<TLabel>(*Form, "Label3");
  RedrawWindow(Form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  COLORREF Face = GetSysColor(COLOR_BTNFACE);
  TPixels Text = PixelsOf(Group4->Handle(), L->BoundsRect());
  EXPECT_TRUE(Text.Has(RGB(0, 0, 0))) << "the caption's ink";
  EXPECT_TRUE(Text.Has(Face)) << "the group's colour between the letters";
  // The group's inside is filled, away from its frame and children.
  RECT Empty{190, 48, 220, 56};
  TPixels Inside = PixelsOf(Group4->Handle(), Empty);
  EXPECT_EQ(std::count(Inside.Colors.begin(), Inside.Colors.end(), Face), static_cast<long>(Inside.Colors.size()));

  // A new caption repaints: the old ink goes.
  L->SetCaption("");
  UpdateWindow(Group4->Handle());
  RECT Old{336, 28, 336 + 40, 28 + 13};
  TPixels After = PixelsOf(Group4->Handle(), Old);
  EXPECT_FALSE(After.Has(RGB(0, 0, 0)));
}

TEST_F(Groups, DisabledLabelIsGreyed) {
  auto* L = FindComponentAs<TLabel>(*Form, "Label1");
  L->SetEnabled(false);
  UpdateWindow(Group4->Handle());
  TPixels P = PixelsOf(Group4->Handle(), L->BoundsRect());
  EXPECT_FALSE(P.Has(RGB(0, 0, 0)));
  EXPECT_TRUE(P.Has(GetSysColor(COLOR_BTNSHADOW)));
}

// --- TComboBox -----------------------------------------------------------------------------

TEST_F(Groups, ComboBoxIsAnEditableDropDownWithTheFormDataItems) {
  HWND Wnd = Combo->Handle();
  EXPECT_EQ(WindowClass(Wnd), "ComboBox");
  EXPECT_EQ(StyleOf(Wnd) & 3, CBS_DROPDOWN);
  EXPECT_TRUE(StyleOf(Wnd) & WS_TABSTOP);
  ASSERT_EQ(SendMessageA(Wnd, CB_GETCOUNT, 0, 0), 3);
  const char* Expected[] = {"Disquette normale", "Disquette Zip100", "Autre"};
  for (int I = 0; I < 3; ++I) {
    char Item[64] = "";
    SendMessageA(Wnd, CB_GETLBTEXT, I, reinterpret_cast<LPARAM>(Item));
    EXPECT_STREQ(Item, Expected[I]);
  }
  // ItemIndex came before Items in the form data and still holds.
  EXPECT_EQ(SendMessageA(Wnd, CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(Combo->ItemIndex(), 0);
  EXPECT_EQ(WindowText(Wnd), "Disquette normale");
  EXPECT_EQ(Combo->Text(), "Disquette normale");
  EXPECT_TRUE(Changes.empty()) << "loading is no change";
  EXPECT_TRUE(Combo->AutoComplete());
  EXPECT_EQ(Combo->Style(), csDropDown);
}

TEST_F(Groups, ComboBoxWidthIsOursAndTheListShowsEveryItem) {
  RECT R;
  GetWindowRect(Combo->Handle(), &R);
  EXPECT_EQ(R.right - R.left, 145);
  EXPECT_EQ(Combo->Height(), R.bottom - R.top) << "the system's closed height";
  COMBOBOXINFO Info{};
  Info.cbSize = sizeof Info;
  ASSERT_TRUE(GetComboBoxInfo(Combo->Handle(), &Info));
  Combo->SetDroppedDown(true);
  EXPECT_TRUE(Combo->DroppedDown());
  RECT List;
  GetClientRect(Info.hwndList, &List);
  int ItemHeight = static_cast<int>(SendMessageA(Combo->Handle(), CB_GETITEMHEIGHT, 0, 0));
  EXPECT_GE(List.bottom, 3 * ItemHeight);
  Combo->SetDroppedDown(false);
  // Moving it keeps the list's height.
  Combo->SetBounds(56, 24, 160, 21);
  Combo->SetDroppedDown(true);
  GetClientRect(Info.hwndList, &List);
  EXPECT_GE(List.bottom, 3 * ItemHeight);
  Combo->SetDroppedDown(false);
}

TEST_F(Groups, ComboBoxItemIndexFromCodeRunsNoOnChange) {
  Combo->SetItemIndex(1);
  EXPECT_EQ(WindowText(Combo->Handle()), "Disquette Zip100");
  EXPECT_EQ(SendMessageA(Combo->Handle(), CB_GETCURSEL, 0, 0), 1);
  Combo->SetItemIndex(2);
  Combo->SetItemIndex(0);
  EXPECT_EQ(Combo->Text(), "Disquette normale");
  Combo->SetText("Autre");
  Combo->SetItemIndex(-1);
  EXPECT_EQ(Combo->Text(), "");
  EXPECT_TRUE(Changes.empty());
  // The reset after the user typed something else brings the item's text back.
  Combo->SetItemIndex(0);
  TypeIntoCombo("z");
  ASSERT_EQ(Changes.size(), 1u);
  Combo->SetItemIndex(0);
  EXPECT_EQ(Combo->Text(), "Disquette normale");
  EXPECT_EQ(Changes.size(), 1u);
}

TEST_F(Groups, ComboBoxSelectionChangeShowsTheNewItemToTheHandler) {
  // The system selects in its list, then tells the parent, and fills the edit field only
  // after that: the handler must read the new item all the same.
  COMBOBOXINFO Info{};
  Info.cbSize = sizeof Info;
  ASSERT_TRUE(GetComboBoxInfo(Combo->Handle(), &Info));
  for (int Index : {2, 1, 0}) {
    SendMessageA(Info.hwndList, LB_SETCURSEL, Index, 0);
    SendMessageA(GetParent(Combo->Handle()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Combo->Handle()), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Combo->Handle()));
  }
  EXPECT_EQ(Changes, (std::vector<std::string>{"Autre", "Disquette Zip100", "Disquette normale"}));
}

TEST_F(Groups, ComboBoxKeyboardSelectionRunsOnChange) {
  Combo->SetFocus();
  SendMessageA(ComboEdit(), WM_KEYDOWN, VK_DOWN, 1);
  Pump();
  ASSERT_FALSE(Changes.empty());
  EXPECT_EQ(Changes.back(), "Disquette Zip100");
  EXPECT_EQ(Combo->ItemIndex(), 1);
  EXPECT_EQ(Combo->Text(), "Disquette Zip100");
}

struct TCompletionCase {
  const char* Name;
  std::string Keys;  // typed into an emptied field
  const char* Text;
  int SelStart, SelEnd;
  int ItemIndex;  // -1: not an item
};

TEST_F(Groups, ComboBoxCompletesTypedTextToAnItem) {
  const TCompletionCase Cases[] = {
      {"start of an item", "dis", "Disquette normale", 3, 17, 0},
      {"regardless of case", "DISQUETTE Z", "Disquette Zip100", 11, 16, 1},
      {"one letter", "a", "Autre", 1, 5, 2},
      {"a whole item", "autre", "Autre", 5, 5, 2},
      {"no item begins so", "x", "x", 1, 1, -1},
      {"leaving the items", "disx", "Disx", 4, 4, -1},
      {"backspace takes the completion away", std::string("dis\b"), "Dis", 3, 3, -1},
      {"and completes no more", std::string("dis\b\b"), "Di", 2, 2, -1},
  };
  for (const TCompletionCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    Combo->SetText("");
    Changes.clear();
    TypeIntoCombo(Case.Keys);
    EXPECT_EQ(Combo->Text(), Case.Text);
    EXPECT_EQ(ComboSel(), std::make_pair(Case.SelStart, Case.SelEnd));
    if (Case.ItemIndex >= 0) EXPECT_EQ(Combo->ItemIndex(), Case.ItemIndex);
    // One change per key, each seeing the text as it then was.
    EXPECT_EQ(Changes.size(), Case.Keys.size());
    if (!Changes.empty()) EXPECT_EQ(Changes.back(), Case.Text);
  }
}

TEST_F(Groups, ComboBoxTypingOverTheSelectedTextCompletesAnew) {
  Combo->SetFocus();
  Combo->SelectAll();
  TypeIntoCombo("a");
  EXPECT_EQ(Combo->Text(), "Autre");
  ASSERT_EQ(Changes.size(), 1u);
  EXPECT_EQ(Changes[0], "Autre");
}

TEST_F(Groups, ComboBoxWithoutAutoCompleteKeepsWhatIsTyped) {
  Combo->SetAutoComplete(false);
  Combo->SetText("");
  TypeIntoCombo("dis");
  EXPECT_EQ(Combo->Text(), "dis");
  EXPECT_EQ(Changes, (std::vector<std::string>{"d", "di", "dis"}));
}

TEST_F(Groups, ComboBoxKeyPressSeesAndMayDropTheKey) {
  std::string Seen;
  Combo->OnKeyPress = [&](TObject*, char& Key) {
    Seen += Key;
    if (Key == 'q') Key = 0;
  };
  Combo->SetText("");
  TypeIntoCombo("qa");
  EXPECT_EQ(Seen, "qa");
  EXPECT_EQ(Combo->Text(), "Autre");
}

TEST_F(Groups, ComboBoxItemsAndStyleChangesKeepItsState) {
  Combo->SetItemIndex(1);
  Combo->SetStyle(csDropDownList);
  HWND Wnd = Combo->Handle();
  EXPECT_EQ(StyleOf(Wnd) & 3, CBS_DROPDOWNLIST);
  EXPECT_EQ(SendMessageA(Wnd, CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(Combo->ItemIndex(), 1);
  EXPECT_EQ(Combo->Text(), "Disquette Zip100");
  // In a list-only box, text from code selects the item that bears it.
  Combo->SetText("autre");
  EXPECT_EQ(Combo->ItemIndex(), 2);
  Combo->SetText("rien");
  EXPECT_EQ(Combo->ItemIndex(), -1);

  Combo->SetStyle(csDropDown);
  Combo->SetItemIndex(2);
  Combo->SetItems({"Un", "Deux", "Trois", "Quatre"});
  EXPECT_EQ(SendMessageA(Combo->Handle(), CB_GETCOUNT, 0, 0), 4);
  EXPECT_EQ(Combo->ItemIndex(), 2);
  EXPECT_EQ(Combo->Text(), "Autre");
  Combo->AddItem("Cinq");
  EXPECT_EQ(SendMessageA(Combo->Handle(), CB_GETCOUNT, 0, 0), 5);
  Combo->SetItems({"Seul"});
  EXPECT_EQ(Combo->ItemIndex(), -1);
  EXPECT_TRUE(Changes.empty());
}

// --- TGroupBox -----------------------------------------------------------------------------

TEST_F(Groups, GroupBoxIsAFramedContainerThatIsNoTabStop) {
  HWND Wnd = Group4->Handle();
  EXPECT_EQ(WindowClass(Wnd), "Button");
  EXPECT_EQ(StyleOf(Wnd) & BS_TYPEMASK, BS_GROUPBOX);
  EXPECT_FALSE(StyleOf(Wnd) & WS_TABSTOP);
  EXPECT_FALSE(Group4->TabStop());
  EXPECT_TRUE(ExStyleOf(Wnd) & WS_EX_CONTROLPARENT);
  EXPECT_EQ(WindowText(Wnd), "Taille des fractions à obtenir : ");
  EXPECT_EQ(GetParent(Combo->Handle()), Wnd);
  // The mouse stops at the group box, so the graphic controls inside can have it.
  POINT P{200, 225};
  ClientToScreen(Form->Handle(), &P);
  EXPECT_EQ(SendMessageA(Wnd, WM_NCHITTEST, 0, MAKELPARAM(P.x, P.y)), HTCLIENT);
}

TEST_F(Groups, TabGoesIntoTheGroupsInTabOrder) {
  Edit1->SetFocus();
  std::vector<HWND> Order;
  for (int I = 0; I < 4; ++I) {
    Form->SelectNext(Form->FocusedControl(), true);
    Order.push_back(GetFocus());
  }
  ASSERT_EQ(Order.size(), 4u);
  EXPECT_TRUE(Order[0] == Combo->Handle() || IsChild(Combo->Handle(), Order[0]));
  EXPECT_EQ(Order[1], Edit3->Handle());
  EXPECT_EQ(Order[2], FindComponentAs<TButton>(*Form, "Button1")->Handle());
  EXPECT_EQ(Order[3], Edit1->Handle());
}

// --- TButton -------------------------------------------------------------------------------

TEST_F(Groups, ButtonClicksThroughTheSystem) {
  auto* Button = FindComponentAs<TButton>(*Form, "Button1");
  HWND Wnd = Button->Handle();
  EXPECT_EQ(WindowClass(Wnd), "Button");
  EXPECT_EQ(StyleOf(Wnd) & BS_TYPEMASK, BS_PUSHBUTTON);
  EXPECT_TRUE(StyleOf(Wnd) & WS_TABSTOP);
  EXPECT_EQ(WindowText(Wnd), "OK");
  SendMessageA(Wnd, BM_CLICK, 0, 0);
  EXPECT_EQ(Clicks, 1);
  EXPECT_EQ(Form->ModalResult(), mrNone);  // sets none of its own

  Button->SetDefault(true);
  EXPECT_EQ(StyleOf(Wnd) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  Button->SetModalResult(mrOk);
  SendMessageA(Wnd, BM_CLICK, 0, 0);
  EXPECT_EQ(Clicks, 2);
  EXPECT_EQ(Form->ModalResult(), mrOk);

  Button->SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(Wnd));
  SendMessageA(Wnd, BM_CLICK, 0, 0);
  EXPECT_EQ(Clicks, 2);
}

TEST(StdCtrlsRegistry, EveryClassIsKnownToFormDataByName) {
  RegisterStdCtrlsClasses();
  for (const char* Name : {"TEdit", "TLabel", "TComboBox", "TGroupBox", "TButton"}) {
    SCOPED_TRACE(Name);
    const TClassInfo* Class = FindClass(Name);
    ASSERT_NE(Class, nullptr);
    std::unique_ptr<TComponent> C(Class->Create(nullptr));
    EXPECT_EQ(C->ClassName(), Name);
  }
}

}  // namespace
