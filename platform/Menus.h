// Menus: entries with captions, hot keys and click events, and the window's menu bar that
// holds them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "Classes.h"

namespace Scindora {

class TMainMenu;

// One entry of a menu: https://learn.microsoft.com/windows/win32/menurc/about-menus
// A caption of "-" makes a separator; "&" marks the hot-key letter ("&&" shows one "&").
// An entry with entries of its own opens them as a submenu.
class TMenuItem : public TComponent {
  SCINDORA_CLASS(TMenuItem)
public:
  explicit TMenuItem(TComponent* AOwner);
  // Takes its entries with it.
  ~TMenuItem() override;

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  bool IsLine() const { return FCaption == "-"; }

  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Items(int Index) const { return FItems.at(Index); }
  TMenuItem* Parent() const { return FParent; }
  void Add(TMenuItem* Item);
  void Insert(int Index, TMenuItem* Item);
  void Remove(TMenuItem* Item);
  int IndexOf(const TMenuItem* Item) const;

  // The menu bar this entry hangs under, or nullptr.
  TMainMenu* GetParentMenu() const;
  // The command number WM_COMMAND carries for this entry; unique among live entries.
  WORD Command() const { return FCommand; }

  TNotifyEvent OnClick;
  virtual void Click();

  void ReadChild(TComponent* Child) override;
  std::vector<TComponent*> ChildrenToWrite() const override;

private:
  void Changed();

  std::string FCaption;
  bool FEnabled = true;
  std::vector<TMenuItem*> FItems;
  TMenuItem* FParent = nullptr;
  TMainMenu* FMenu = nullptr;  // set on the root entry of a menu bar only
  WORD FCommand = 0;

  friend class TMainMenu;
};

// maAutomatic: entries without a hot key get one when their menu is built.
enum TMenuAutoFlag { maAutomatic, maManual };

// The menu bar of a form. It owns the HMENU until a window takes it: the form sets it as its
// menu, and a window's menu goes with the window. The form hands the commands of WM_COMMAND
// back through DispatchCommand.
class TMainMenu : public TComponent {
  SCINDORA_CLASS(TMainMenu)
public:
  explicit TMainMenu(TComponent* AOwner);
  ~TMainMenu() override;

  // The invisible root entry whose entries are the bar's.
  TMenuItem* Items() const { return FItems; }
  TMenuAutoFlag AutoHotkeys() const { return FAutoHotkeys; }
  void SetAutoHotkeys(TMenuAutoFlag Value);

  HMENU Handle();
  bool HandleAllocated() const;
  // The entry a menu command stands for; fires its click. False: no entry of this menu.
  bool DispatchCommand(WORD Id);
  TMenuItem* FindItem(WORD Id) const;

  // The text a menu shows for Item: its caption, with a hot key added under maAutomatic.
  std::string DisplayCaption(const TMenuItem* Item) const;

  void ReadChild(TComponent* Child) override;
  std::vector<TComponent*> ChildrenToWrite() const override;

private:
  void ItemChanged();
  void Fill(HMENU Menu, const TMenuItem* Parent);
  void ClearMenu(HMENU Menu);

  TMenuItem* FItems;
  TMenuAutoFlag FAutoHotkeys = maAutomatic;
  HMENU FHandle = nullptr;

  friend class TMenuItem;
};

// The hot key of a caption ("&F" gives 'F'), upper case; 0 when it has none.
char GetHotkey(const std::string& Caption);

void RegisterMenusClasses();

}  // namespace Scindora
