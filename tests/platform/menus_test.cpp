#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "FormData.h"
#include "FormDataParser.h"
#include "FormDataWriter.h"
#include "Forms.h"
#include "Menus.h"
#include "TestWindows.h"

using namespace Scindora;
using namespace Scindora::Support;

namespace {

// The main window's menu bar, as its form data describes it.
const char8_t* const MenuData = u8R"(
TMainMenu MainMenu1 {
    DesignLeft: 144
    DesignTop: 88
    TMenuItem Fichier1 {
        Caption: "&Fichier"
        TMenuItem Nouveaufractionnement1 {
            Caption: "&Nouveau fractionnement"
            OnClick: ToolButton1Click
        }
        TMenuItem N1 {
            Caption: "-"
        }
        TMenuItem Choisirunfichierfractionner1 {
            Caption: "&Choisir un fichier à fractionner"
            OnClick: ToolButton3Click
        }
        TMenuItem Choisirunrpertoirededestination1 {
            Caption: "Choisir un répertoire de destination"
            OnClick: ToolButton4Click
        }
        TMenuItem N2 {
            Caption: "-"
        }
        TMenuItem Quitter1 {
            Caption: "&Quitter"
            OnClick: ToolButton9Click
        }
    }
    TMenuItem Aide1 {
        Caption: "&Aide"
        TMenuItem Rubriquesdelaide1 {
            Caption: "&Rubriques de l'aide"
            OnClick: ToolButton8Click
        }
        TMenuItem N3 {
            Caption: "-"
        }
        TMenuItem Aproposde1 {
            Caption: "A &propos de..."
            OnClick: Aproposde1Click
        }
    }
}
)";

struct TShownEntry {
  const char* Text;  // as the menu shows it; nullptr: a separator
  const char* Handler;
  const char* Sender;
};

const TShownEntry FileMenu[] = {
    {"&Nouveau fractionnement", "ToolButton1Click", "Nouveaufractionnement1"},
    {nullptr, nullptr, nullptr},
    {"&Choisir un fichier à fractionner", "ToolButton3Click", "Choisirunfichierfractionner1"},
    {"C&hoisir un répertoire de destination", "ToolButton4Click", "Choisirunrpertoirededestination1"},
    {nullptr, nullptr, nullptr},
    {"&Quitter", "ToolButton9Click", "Quitter1"},
};

const TShownEntry HelpMenu[] = {
    {"&Rubriques de l'aide", "ToolButton8Click", "Rubriquesdelaide1"},
    {nullptr, nullptr, nullptr},
    {"A &propos de...", "Aproposde1Click", "Aproposde1"},
};

std::string MenuText(HMENU Menu, int Position) {
  char Text[256] = "";
  GetMenuStringA(Menu, Position, Text, sizeof(Text), MF_BYPOSITION);
  return Text;
}

bool IsSeparator(HMENU Menu, int Position) {
  MENUITEMINFOA Info{};
  Info.cbSize = sizeof(Info);
  Info.fMask = MIIM_FTYPE;
  GetMenuItemInfoA(Menu, Position, TRUE, &Info);
  return (Info.fType & MFT_SEPARATOR) != 0;
}

// A form showing the menu bar loaded from MenuData; each handler logs its name and sender.
class MainMenuOnForm : public testing::Test {
protected:
  void SetUp() override {
    RegisterMenusClasses();
    Form = std::make_unique<TForm>(nullptr);
    Menu = new TMainMenu(Form.get());
    TMethodTable Methods;
    for (const char* Name : {"ToolButton1Click", "ToolButton3Click", "ToolButton4Click", "ToolButton8Click",
                             "ToolButton9Click", "Aproposde1Click"})
      Methods.Publish(Name, std::function<void(TObject*)>([this, Name](TObject* Sender) {
                        Calls.push_back(std::string(Name) + " " + dynamic_cast<TComponent*>(Sender)->Name());
                      }));
    LoadForm(*Menu, ParseFormData(Utf8(MenuData)), Methods);
    Form->SetMenu(Menu);
    Form->HandleNeeded();
  }

  HMENU Bar() { return GetMenu(Form->Handle()); }

  std::unique_ptr<TForm> Form;
  TMainMenu* Menu = nullptr;
  std::vector<std::string> Calls;
};

TEST_F(MainMenuOnForm, FormShowsTheMenuBar) {
  ASSERT_NE(Bar(), nullptr);
  EXPECT_EQ(Bar(), Menu->Handle());
  ASSERT_EQ(GetMenuItemCount(Bar()), 2);
  EXPECT_EQ(MenuText(Bar(), 0), "&Fichier");
  EXPECT_EQ(MenuText(Bar(), 1), "&Aide");
}

TEST_F(MainMenuOnForm, SubmenusShowHotKeysAndSeparatorsAndDispatchTheirCommands) {
  struct TSub {
    int Position;
    const TShownEntry* Entries;
    int Count;
  };
  for (const TSub& Sub : {TSub{0, FileMenu, 6}, TSub{1, HelpMenu, 3}}) {
    HMENU Popup = GetSubMenu(Bar(), Sub.Position);
    ASSERT_NE(Popup, nullptr);
    ASSERT_EQ(GetMenuItemCount(Popup), Sub.Count);
    for (int I = 0; I < Sub.Count; ++I) {
      const TShownEntry& E = Sub.Entries[I];
      SCOPED_TRACE(E.Text ? E.Text : "-");
      EXPECT_EQ(IsSeparator(Popup, I), E.Text == nullptr);
      if (!E.Text) continue;
      EXPECT_EQ(MenuText(Popup, I), E.Text);
      EXPECT_EQ(GetMenuState(Popup, I, MF_BYPOSITION) & MF_GRAYED, 0u);
      // As the system reports a chosen entry: WM_COMMAND with the entry's number and no control.
      Calls.clear();
      SendMessageA(Form->Handle(), WM_COMMAND, MAKEWPARAM(GetMenuItemID(Popup, I), 0), 0);
      ASSERT_EQ(Calls.size(), 1u);
      EXPECT_EQ(Calls[0], std::string(E.Handler) + " " + E.Sender);
    }
  }
}

TEST_F(MainMenuOnForm, CaptionsKeepWhatTheDataSays) {
  auto* Entry = FindComponentAs<TMenuItem>(*Menu, "Choisirunrpertoirededestination1");
  EXPECT_EQ(Entry->Caption(), "Choisir un répertoire de destination");
  EXPECT_EQ(Menu->DisplayCaption(Entry), "C&hoisir un répertoire de destination");
}

TEST_F(MainMenuOnForm, DispatchCommandFindsOnlyItsOwnEntries) {
  auto* About = FindComponentAs<TMenuItem>(*Menu, "Aproposde1");
  EXPECT_TRUE(Menu->DispatchCommand(About->Command()));
  ASSERT_EQ(Calls.size(), 1u);
  EXPECT_EQ(Calls[0], "Aproposde1Click Aproposde1");
  TMenuItem Stranger(nullptr);
  EXPECT_FALSE(Menu->DispatchCommand(Stranger.Command()));
  EXPECT_FALSE(Menu->DispatchCommand(0));
  EXPECT_EQ(Calls.size(), 1u);
}

TEST_F(MainMenuOnForm, DisabledEntryIsGreyedAndIgnoresItsCommand) {
  auto* Quit = FindComponentAs<TMenuItem>(*Menu, "Quitter1");
  Quit->SetEnabled(false);
  HMENU File = GetSubMenu(Bar(), 0);
  EXPECT_NE(GetMenuState(File, 5, MF_BYPOSITION) & MF_GRAYED, 0u);
  SendMessageA(Form->Handle(), WM_COMMAND, MAKEWPARAM(Quit->Command(), 0), 0);
  EXPECT_TRUE(Calls.empty());
  Quit->SetEnabled(true);
  File = GetSubMenu(Bar(), 0);
  EXPECT_EQ(GetMenuState(File, 5, MF_BYPOSITION) & MF_GRAYED, 0u);
}

TEST_F(MainMenuOnForm, ChangesAfterTheBarIsShownReachItInPlace) {
  HMENU Before = Bar();
  auto* Help = FindComponentAs<TMenuItem>(*Menu, "Rubriquesdelaide1");
  Help->SetCaption("Sommaire");
  auto* Entry = new TMenuItem(Menu);
  Entry->SetCaption("Suite");
  FindComponentAs<TMenuItem>(*Menu, "Aide1")->Add(Entry);
  EXPECT_EQ(Bar(), Before);
  HMENU HelpMenu = GetSubMenu(Bar(), 1);
  ASSERT_EQ(GetMenuItemCount(HelpMenu), 4);
  // "Sommaire" takes S, the first free letter; "Suite" has to make do with its second.
  EXPECT_EQ(MenuText(HelpMenu, 0), "&Sommaire");
  EXPECT_EQ(MenuText(HelpMenu, 3), "S&uite");
  delete Entry;
  EXPECT_EQ(GetMenuItemCount(GetSubMenu(Bar(), 1)), 3);
}

TEST_F(MainMenuOnForm, MenuGoingAwayLeavesTheFormWithoutOne) {
  delete Menu;
  EXPECT_EQ(Bar(), nullptr);
  EXPECT_EQ(Form->ComponentCount(), 0);
}

TEST_F(MainMenuOnForm, WritesBackWhatItReads) {
  TFormObject Tree = ComponentToTree(*Menu);
  std::string Text = WriteFormData(Tree);
  EXPECT_NE(Text.find("Caption: \"-\""), std::string::npos) << Text;
  EXPECT_NE(Text.find("OnClick: Aproposde1Click"), std::string::npos) << Text;
  TMethodTable Methods;
  for (const char* Name : {"ToolButton1Click", "ToolButton3Click", "ToolButton4Click", "ToolButton8Click",
                           "ToolButton9Click", "Aproposde1Click"})
    Methods.Publish(Name, std::function<void(TObject*)>([](TObject*) {}));
  TMainMenu Again(nullptr);
  LoadForm(Again, ParseFormData(Text), Methods);
  EXPECT_EQ(ComponentToTree(Again), Tree);
  ASSERT_EQ(Again.Items()->Count(), 2);
  EXPECT_EQ(Again.Items()->Items(0)->Count(), 6);
}

struct THotkeyCase {
  std::vector<const char*> Captions;
  std::vector<const char*> Shown;
};

const THotkeyCase HotkeyCases[] = {
    // A letter taken by a sibling's own hot key is skipped.
    {{"&Choisir un fichier", "Choisir un répertoire"}, {"&Choisir un fichier", "C&hoisir un répertoire"}},
    // Entries without one take letters in order; blanks and punctuation are no hot keys.
    {{"Ouvrir", "Options", "O.", "Outils"}, {"&Ouvrir", "O&ptions", "O.", "O&utils"}},
    // An own hot key later in the list still counts for the earlier entries.
    {{"Aide", "&Annuler"}, {"A&ide", "&Annuler"}},
    // Letters are compared without regard to case, accented ones included.
    {{"&élan", "Élément"}, {"&élan", "É&lément"}},
    // "&&" shows a "&" and is no hot key.
    {{"&&Copier", "Coller"}, {"&&&Copier", "C&oller"}},
    // No letter left: the caption stays as it is; separators take nothing.
    {{"&A", "-", "a", "-"}, {"&A", "-", "a", "-"}},
};

TEST(AutoHotkeys, EntriesWithoutAHotKeyTakeTheFirstFreeLetter) {
  for (const THotkeyCase& Case : HotkeyCases) {
    SCOPED_TRACE(Case.Captions[0]);
    TMainMenu Menu(nullptr);
    auto* Popup = new TMenuItem(&Menu);
    Popup->SetCaption("&Menu");
    Menu.Items()->Add(Popup);
    for (const char* Caption : Case.Captions) {
      auto* Entry = new TMenuItem(&Menu);
      Entry->SetCaption(Caption);
      Popup->Add(Entry);
    }
    HMENU Shown = GetSubMenu(Menu.Handle(), 0);
    for (size_t I = 0; I < Case.Shown.size(); ++I) {
      EXPECT_EQ(Menu.DisplayCaption(Popup->Items(static_cast<int>(I))), Case.Shown[I]);
      if (std::string(Case.Shown[I]) != "-") EXPECT_EQ(MenuText(Shown, static_cast<int>(I)), Case.Shown[I]);
    }
  }
}

TEST(AutoHotkeys, ManualLeavesCaptionsAlone) {
  TMainMenu Menu(nullptr);
  Menu.SetAutoHotkeys(maManual);
  auto* Entry = new TMenuItem(&Menu);
  Entry->SetCaption("Fichier");
  Menu.Items()->Add(Entry);
  EXPECT_EQ(MenuText(Menu.Handle(), 0), "Fichier");
  Menu.SetAutoHotkeys(maAutomatic);
  EXPECT_EQ(MenuText(Menu.Handle(), 0), "&Fichier");
}

TEST(MenuItems, TreeKeepsOrderAndRefusesLoops) {
  TMainMenu Menu(nullptr);
  auto* A = new TMenuItem(&Menu);
  auto* B = new TMenuItem(&Menu);
  auto* C = new TMenuItem(&Menu);
  Menu.Items()->Add(A);
  A->Add(B);
  A->Insert(0, C);
  EXPECT_EQ(A->IndexOf(C), 0);
  EXPECT_EQ(A->IndexOf(B), 1);
  EXPECT_EQ(B->GetParentMenu(), &Menu);
  EXPECT_THROW(B->Add(A), EInvalidOperation);
  EXPECT_THROW(A->Add(A), EInvalidOperation);
  // Moving an entry takes it from its old place.
  Menu.Items()->Add(B);
  EXPECT_EQ(A->Count(), 1);
  EXPECT_EQ(B->Parent(), Menu.Items());
  // An entry takes its entries with it; their owner lets go of them.
  delete A;
  EXPECT_EQ(Menu.ComponentCount(), 1);
  EXPECT_EQ(Menu.Items()->Count(), 1);
}

TEST(MenuItems, CommandNumbersAreUniqueAmongLiveEntries) {
  std::vector<std::unique_ptr<TMenuItem>> Items;
  std::vector<WORD> Seen;
  for (int I = 0; I < 50; ++I) {
    Items.push_back(std::make_unique<TMenuItem>(nullptr));
    WORD Id = Items.back()->Command();
    EXPECT_NE(Id, 0);
    EXPECT_EQ(std::count(Seen.begin(), Seen.end(), Id), 0);
    Seen.push_back(Id);
  }
}

TEST(MenuItems, FormDataRefusesOtherChildren) {
  RegisterMenusClasses();
  TMainMenu Menu(nullptr);
  EXPECT_THROW(LoadForm(Menu, ParseFormData("TMainMenu M { TMainMenu Inner { } }"), TMethodTable()), EFormDataError);
}

}  // namespace
