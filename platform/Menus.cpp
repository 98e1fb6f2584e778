#include "Menus.h"

#include <set>

#include "Controls.h"
#include "TypInfo.h"

namespace Scindora {

namespace {

const TIdentTable MenuAutoFlagIdents = {"maAutomatic", "maManual"};

// Command numbers of the live entries; a number is reused only once its entry is gone.
std::set<WORD>& UsedCommands() {
  static std::set<WORD> Used;
  return Used;
}

WORD AllocateCommand() {
  static WORD Next = 0;
  auto& Used = UsedCommands();
  for (int Tries = 0; Tries < 0xFFFF; ++Tries) {
    if (++Next == 0) Next = 1;
    if (Used.insert(Next).second) return Next;
  }
  throw EInvalidOperation("Trop d'entrées de menu");
}

char UpperChar(char C) {
  return static_cast<char>(reinterpret_cast<UINT_PTR>(CharUpperA(reinterpret_cast<LPSTR>(static_cast<UINT_PTR>(static_cast<unsigned char>(C))))));
}

bool IsHotkeyCandidate(char C) { return C != ' ' && IsCharAlphaNumericA(C); }

// The display caption with a hot key taken from the first free letter, or unchanged.
std::string AddHotkey(const std::string& Caption, std::set<char>& Used) {
  for (size_t I = 0; I < Caption.size(); ++I) {
    if (Caption[I] == '&') {  // "&&": a literal "&", never a hot key
      ++I;
      continue;
    }
    if (!IsHotkeyCandidate(Caption[I])) continue;
    char Key = UpperChar(Caption[I]);
    if (Used.count(Key)) continue;
    Used.insert(Key);
    return Caption.substr(0, I) + "&" + Caption.substr(I);
  }
  return Caption;
}

}  // namespace

char GetHotkey(const std::string& Caption) {
  for (size_t I = 0; I + 1 < Caption.size(); ++I) {
    if (Caption[I] != '&') continue;
    if (Caption[I + 1] != '&') return UpperChar(Caption[I + 1]);
    ++I;
  }
  return 0;
}

// TMenuItem

const TClassInfo& TMenuItem::StaticClass() {
  static const TClassInfo Info = [] {
    TClassInfo I("TMenuItem", &TComponent::StaticClass(),
                 [](TComponent* O) -> TComponent* { return new TMenuItem(O); });
    Published<TMenuItem>(I)
        .String("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption, std::string())
        .Bool("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled, true)
        .Event("OnClick", &TMenuItem::OnClick);
    return I;
  }();
  return Info;
}

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), FCommand(AllocateCommand()) {}

TMenuItem::~TMenuItem() {
  while (!FItems.empty()) delete FItems.back();
  if (FParent) FParent->Remove(this);
  UsedCommands().erase(FCommand);
}

void TMenuItem::SetCaption(const std::string& Value) {
  if (Value == FCaption) return;
  FCaption = Value;
  Changed();
}

void TMenuItem::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  Changed();
}

void TMenuItem::Add(TMenuItem* Item) { Insert(Count(), Item); }

void TMenuItem::Insert(int Index, TMenuItem* Item) {
  if (!Item || Item == this) throw EInvalidOperation("Entrée de menu incorrecte");
  for (const TMenuItem* P = this; P; P = P->FParent)
    if (P == Item) throw EInvalidOperation("Une entrée de menu ne peut pas se contenir elle-même");
  if (Index < 0 || Index > Count()) throw EInvalidOperation("Indice d'entrée de menu hors limites");
  if (Item->FParent) Item->FParent->Remove(Item);
  if (Index > Count()) Index = Count();
  FItems.insert(FItems.begin() + Index, Item);
  Item->FParent = this;
  Changed();
}

void TMenuItem::Remove(TMenuItem* Item) {
  int Index = IndexOf(Item);
  if (Index < 0) return;
  FItems.erase(FItems.begin() + Index);
  Item->FParent = nullptr;
  Changed();
}

int TMenuItem::IndexOf(const TMenuItem* Item) const {
  for (size_t I = 0; I < FItems.size(); ++I)
    if (FItems[I] == Item) return static_cast<int>(I);
  return -1;
}

TMainMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* Root = this;
  while (Root->FParent) Root = Root->FParent;
  return Root->FMenu;
}

void TMenuItem::Click() {
  if (FEnabled) OnClick(this);
}

void TMenuItem::ReadChild(TComponent* Child) {
  if (auto* Item = dynamic_cast<TMenuItem*>(Child)) Add(Item);
  else TComponent::ReadChild(Child);
}

std::vector<TComponent*> TMenuItem::ChildrenToWrite() const { return {FItems.begin(), FItems.end()}; }

void TMenuItem::Changed() {
  if (TMainMenu* Menu = GetParentMenu()) Menu->ItemChanged();
}

// TMainMenu

const TClassInfo& TMainMenu::StaticClass() {
  static const TClassInfo Info = [] {
    TClassInfo I("TMainMenu", &TComponent::StaticClass(),
                 [](TComponent* O) -> TComponent* { return new TMainMenu(O); });
    Published<TMainMenu>(I).Enum<TMenuAutoFlag>("AutoHotkeys", &TMainMenu::AutoHotkeys, &TMainMenu::SetAutoHotkeys,
                                                MenuAutoFlagIdents, maAutomatic);
    return I;
  }();
  return Info;
}

TMainMenu::TMainMenu(TComponent* AOwner) : TComponent(AOwner), FItems(new TMenuItem(nullptr)) {
  FItems->FMenu = this;
}

TMainMenu::~TMainMenu() {
  // The entries stop reporting changes before they go.
  FItems->FMenu = nullptr;
  delete FItems;
  if (!HandleAllocated()) return;
  // A window still showing the bar must let go of it first.
  if (auto* Window = dynamic_cast<TWinControl*>(Owner()))
    if (Window->HandleAllocated() && GetMenu(Window->Handle()) == FHandle) SetMenu(Window->Handle(), nullptr);
  DestroyMenu(FHandle);
}

void TMainMenu::SetAutoHotkeys(TMenuAutoFlag Value) {
  if (Value == FAutoHotkeys) return;
  FAutoHotkeys = Value;
  ItemChanged();
}

// The window the bar is set on destroys it with itself, and the number may then come back
// for another menu: the bar is ours only while it still carries our mark.
bool TMainMenu::HandleAllocated() const {
  if (!FHandle || !IsMenu(FHandle)) return false;
  MENUINFO Info{};
  Info.cbSize = sizeof(Info);
  Info.fMask = MIM_MENUDATA;
  return GetMenuInfo(FHandle, &Info) && Info.dwMenuData == reinterpret_cast<ULONG_PTR>(this);
}

HMENU TMainMenu::Handle() {
  if (HandleAllocated()) return FHandle;
  FHandle = CreateMenu();
  if (!FHandle) throw EInvalidOperation("Impossible de créer le menu");
  MENUINFO Info{};
  Info.cbSize = sizeof(Info);
  Info.fMask = MIM_MENUDATA;
  Info.dwMenuData = reinterpret_cast<ULONG_PTR>(this);
  SetMenuInfo(FHandle, &Info);
  Fill(FHandle, FItems);
  return FHandle;
}

std::string TMainMenu::DisplayCaption(const TMenuItem* Item) const {
  const TMenuItem* Parent = Item->Parent();
  if (FAutoHotkeys != maAutomatic || !Parent || Item->IsLine() || GetHotkey(Item->Caption())) return Item->Caption();
  // The siblings' own hot keys are taken first, then earlier siblings get theirs in order.
  std::set<char> Used;
  for (const TMenuItem* Sibling : Parent->FItems)
    if (char Key = GetHotkey(Sibling->Caption())) Used.insert(Key);
  for (const TMenuItem* Sibling : Parent->FItems) {
    if (Sibling->IsLine() || GetHotkey(Sibling->Caption())) continue;
    std::string Shown = AddHotkey(Sibling->Caption(), Used);
    if (Sibling == Item) return Shown;
  }
  return Item->Caption();
}

void TMainMenu::Fill(HMENU Menu, const TMenuItem* Parent) {
  for (const TMenuItem* Item : Parent->FItems) {
    if (Item->IsLine()) {
      AppendMenuA(Menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    UINT Flags = MF_STRING | (Item->Enabled() ? MF_ENABLED : MF_GRAYED);
    UINT_PTR Id = Item->Command();
    if (Item->Count() > 0) {
      HMENU Popup = CreatePopupMenu();
      Fill(Popup, Item);
      Flags |= MF_POPUP;
      Id = reinterpret_cast<UINT_PTR>(Popup);
    }
    AppendMenuA(Menu, Flags, Id, DisplayCaption(Item).c_str());
  }
}

void TMainMenu::ClearMenu(HMENU Menu) {
  // DeleteMenu also destroys the submenus.
  while (GetMenuItemCount(Menu) > 0) DeleteMenu(Menu, 0, MF_BYPOSITION);
}

// The bar is filled again in place, so a window showing it keeps the same handle.
void TMainMenu::ItemChanged() {
  if (!HandleAllocated()) return;
  ClearMenu(FHandle);
  Fill(FHandle, FItems);
  if (auto* Window = dynamic_cast<TWinControl*>(Owner()))
    if (Window->HandleAllocated() && GetMenu(Window->Handle()) == FHandle) DrawMenuBar(Window->Handle());
}

TMenuItem* TMainMenu::FindItem(WORD Id) const {
  std::vector<const TMenuItem*> Pending{FItems};
  while (!Pending.empty()) {
    const TMenuItem* Item = Pending.back();
    Pending.pop_back();
    for (TMenuItem* Child : Item->FItems) {
      if (Child->Command() == Id) return Child;
      Pending.push_back(Child);
    }
  }
  return nullptr;
}

bool TMainMenu::DispatchCommand(WORD Id) {
  TMenuItem* Item = FindItem(Id);
  if (!Item) return false;
  Item->Click();
  return true;
}

void TMainMenu::ReadChild(TComponent* Child) { FItems->ReadChild(Child); }

std::vector<TComponent*> TMainMenu::ChildrenToWrite() const { return FItems->ChildrenToWrite(); }

void RegisterMenusClasses() {
  RegisterComponentClass(TMainMenu::StaticClass());
  RegisterComponentClass(TMenuItem::StaticClass());
}

}  // namespace Scindora
