#include "StdCtrls.h"

#include <commctrl.h>

#include <algorithm>

#include "Forms.h"
#include "TypInfo.h"

namespace Scindora {

namespace {

TForm* ParentForm(TControl* Control) {
  for (TControl* C = Control; C; C = C->Parent())
    if (auto* F = dynamic_cast<TForm*>(C)) return F;
  return nullptr;
}

std::string WindowText(HWND Wnd) {
  int Len = GetWindowTextLengthA(Wnd);
  std::string S(Len + 1, '\0');
  Len = GetWindowTextA(Wnd, S.data(), Len + 1);
  S.resize(std::max(Len, 0));
  return S;
}

const TIdentTable ComboStyleNames = {"csDropDown", "csSimple", "csDropDownList"};

}  // namespace

TColorBrush::~TColorBrush() {
  if (FHandle) DeleteObject(FHandle);
}

HBRUSH TColorBrush::Get(TColor Color) {
  if (!FHandle || Color != FColor) {
    if (FHandle) DeleteObject(FHandle);
    FHandle = CreateSolidBrush(ColorToRGB(Color));
    FColor = Color;
  }
  return FHandle;
}

// --- TEdit ---------------------------------------------------------------------------------

const TClassInfo& TEdit::StaticClass() {
  static const TClassInfo Info = [] {
    TClassInfo I("TEdit", &TWinControl::StaticClass(), [](TComponent* O) -> TComponent* { return new TEdit(O); });
    Published<TEdit> P(I);
    PublishControlBasics(P, clWindow);
    P.Int("MaxLength", &TEdit::MaxLength, &TEdit::SetMaxLength, 0)
        .Bool("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly, false)
        .String("Text", &TEdit::Text, &TEdit::SetText, std::string())
        .Event("OnChange", &TEdit::OnChange)
        .Event("OnKeyPress", static_cast<TKeyPressEvent TEdit::*>(&TEdit::OnKeyPress));
    return I;
  }();
  return Info;
}

TEdit::TEdit(TComponent* AOwner) : TWinControl(AOwner) {
  FWidth = 121;
  FHeight = 21;
  SetTabStop(true);
  SetColor(clWindow);
}

void TEdit::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.WinClassName = "EDIT";
  Params.SystemClass = true;
  Params.Style |= ES_LEFT | ES_AUTOHSCROLL;
  if (FReadOnly) Params.Style |= ES_READONLY;
  Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TEdit::InitializeWnd() {
  SendMessageA(FHandle, EM_SETLIMITTEXT, FMaxLength, 0);
  if (FSelStart || FSelLength) SetSel(FSelStart, FSelStart + FSelLength);
}

void TEdit::SetReadOnly(bool Value) {
  if (Value == FReadOnly) return;
  FReadOnly = Value;
  if (FHandle) SendMessageA(FHandle, EM_SETREADONLY, Value, 0);
}

void TEdit::SetMaxLength(int Value) {
  if (Value < 0) Value = 0;
  if (Value == FMaxLength) return;
  FMaxLength = Value;
  // 0 lifts the limit to the system's largest.
  if (FHandle) SendMessageA(FHandle, EM_SETLIMITTEXT, Value, 0);
}

void TEdit::GetSel(int& Start, int& End) const {
  if (!FHandle) {
    Start = FSelStart;
    End = FSelStart + FSelLength;
    return;
  }
  DWORD S = 0, E = 0;
  SendMessageA(FHandle, EM_GETSEL, reinterpret_cast<WPARAM>(&S), reinterpret_cast<LPARAM>(&E));
  Start = static_cast<int>(S);
  End = static_cast<int>(E);
}

void TEdit::SetSel(int Start, int End) {
  if (FHandle) {
    SendMessageA(FHandle, EM_SETSEL, Start, End);
    return;
  }
  FSelStart = Start;
  FSelLength = End < 0 ? static_cast<int>(FText.size()) - Start : End - Start;
}

int TEdit::SelStart() const {
  int S, E;
  GetSel(S, E);
  return S;
}

void TEdit::SetSelStart(int Value) { SetSel(Value, Value); }

int TEdit::SelLength() const {
  int S, E;
  GetSel(S, E);
  return E - S;
}

void TEdit::SetSelLength(int Value) {
  int S = SelStart();
  SetSel(S, S + Value);
}

std::string TEdit::SelText() const {
  int S, E;
  GetSel(S, E);
  std::string T = Text();
  S = std::clamp(S, 0, static_cast<int>(T.size()));
  E = std::clamp(E, S, static_cast<int>(T.size()));
  return T.substr(S, E - S);
}

void TEdit::SelectAll() { SetSel(0, -1); }

void TEdit::CNCommand(WORD NotifyCode, WORD) {
  if (NotifyCode == EN_CHANGE) Change();
}

// A read-only field answers WM_CTLCOLORSTATIC; it keeps the field's colour all the same.
HBRUSH TEdit::CtlColor(HDC DC) {
  if (!Enabled()) return nullptr;
  SetTextColor(DC, ColorToRGB(Font().Color()));
  SetBkColor(DC, ColorToRGB(Color()));
  return FBrush.Get(Color());
}

void TEdit::KeyPress(char& Key) {
  TWinControl::KeyPress(Key);
  // A control character the field has no use for (a key handler's "ignore this" code among
  // them) is dropped here rather than left to the system, which might beep or insert it.
  switch (static_cast<unsigned char>(Key)) {
    case 1:   // select all
    case 3:   // copy
    case 8:   // backspace
    case 22:  // paste
    case 24:  // cut
    case 26:  // undo
      break;
    default:
      if (static_cast<unsigned char>(Key) < 32) Key = 0;
      break;
  }
}

// --- TLabel --------------------------------------------------------------------------------

const TClassInfo& TLabel::StaticClass() {
  static const TClassInfo Info = [] {
    TClassInfo I("TLabel", &TGraphicControl::StaticClass(), [](TComponent* O) -> TComponent* { return new TLabel(O); });
    Published<TLabel> P(I);
    PublishControlBasics(P);
    P.Bool("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize, true)
        .String("Caption", &TLabel::Caption, &TLabel::SetCaption, std::string())
        .Bool("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar, true);
    return I;
  }();
  return Info;
}

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  FWidth = 65;
  FHeight = 17;
  AdjustBounds();
}

void TLabel::SetAutoSize(bool Value) {
  if (Value == FAutoSize) return;
  FAutoSize = Value;
  AdjustBounds();
}

void TLabel::SetShowAccelChar(bool Value) {
  if (Value == FShowAccelChar) return;
  FShowAccelChar = Value;
  AdjustBounds();
  Invalidate();
}

UINT TLabel::DrawFlags() const { return DT_LEFT | DT_EXPANDTABS | (FShowAccelChar ? 0 : DT_NOPREFIX); }

std::string TLabel::MeasuredText() const {
  std::string T = Caption();
  if (T.empty() || (FShowAccelChar && T.back() == '&')) T += ' ';
  return T;
}

void TLabel::AdjustBounds() {
  if (!FAutoSize) return;
  std::string T = MeasuredText();
  HDC DC = GetDC(nullptr);
  HGDIOBJ Old = SelectObject(DC, Font().Handle());
  RECT R{0, 0, 0, 0};
  DrawTextA(DC, T.c_str(), static_cast<int>(T.size()), &R, DT_CALCRECT | DrawFlags());
  SelectObject(DC, Old);
  ReleaseDC(nullptr, DC);
  SetBounds(FLeft, FTop, R.right - R.left, R.bottom - R.top);
}

void TLabel::TextChanged() {
  AdjustBounds();
  TGraphicControl::TextChanged();
}

void TLabel::FontChanged() {
  AdjustBounds();
  TGraphicControl::FontChanged();
}

void TLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

// Transparent: the parent has painted its own colour beneath.
void TLabel::Paint() {
  HDC DC = Canvas().Handle();
  std::string T = Caption();
  RECT R{0, 0, Width(), Height()};
  SelectObject(DC, Canvas().Font().Handle());
  SetBkMode(DC, TRANSPARENT);
  if (Enabled()) {
    SetTextColor(DC, ColorToRGB(Font().Color()));
    DrawTextA(DC, T.c_str(), static_cast<int>(T.size()), &R, DrawFlags());
    return;
  }
  // Disabled: embossed, a light copy one pixel down and right under a shadow-coloured one.
  OffsetRect(&R, 1, 1);
  SetTextColor(DC, ColorToRGB(clBtnHighlight));
  DrawTextA(DC, T.c_str(), static_cast<int>(T.size()), &R, DrawFlags());
  OffsetRect(&R, -1, -1);
  SetTextColor(DC, ColorToRGB(clBtnShadow));
  DrawTextA(DC, T.c_str(), static_cast<int>(T.size()), &R, DrawFlags());
}

// --- TComboBox -----------------------------------------------------------------------------

// Marks a change made by our own code, so that the notifications it causes run no OnChange.
class TQuietCombo {
public:
  explicit TQuietCombo(TComboBox& C) : FCombo(C) { ++FCombo.FQuiet; }
  ~TQuietCombo() { --FCombo.FQuiet; }
  TQuietCombo(const TQuietCombo&) = delete;
  TQuietCombo& operator=(const TQuietCombo&) = delete;

private:
  TComboBox& FCombo;
};

const TIdentTable& ComboBoxStyleIdents() { return ComboStyleNames; }

const TClassInfo& TComboBox::StaticClass() {
  static const TClassInfo Info = [] {
    TClassInfo I("TComboBox", &TWinControl::StaticClass(),
                 [](TComponent* O) -> TComponent* { return new TComboBox(O); });
    Published<TComboBox> P(I);
    PublishControlBasics(P, clWindow);
    P.Enum<TComboBoxStyle>("Style", &TComboBox::Style, &TComboBox::SetStyle, ComboStyleNames, csDropDown)
        .Bool("AutoComplete", &TComboBox::AutoComplete, &TComboBox::SetAutoComplete, true)
        .Int("DropDownCount", &TComboBox::DropDownCount, &TComboBox::SetDropDownCount, 8)
        .Int("ItemHeight", &TComboBox::ItemHeight, &TComboBox::SetItemHeight, 16)
        .Strings("Items", &TComboBox::Items, &TComboBox::SetItems)
        .Int("ItemIndex", &TComboBox::ItemIndex, &TComboBox::SetItemIndex, -1)
        .String("Text", &TComboBox::Text, &TComboBox::SetText, std::string())
        .Event("OnChange", &TComboBox::OnChange)
        .Event("OnKeyPress", static_cast<TKeyPressEvent TComboBox::*>(&TComboBox::OnKeyPress));
    return I;
  }();
  return Info;
}

TComboBox::TComboBox(TComponent* AOwner) : TWinControl(AOwner) {
  FWidth = 145;
  FHeight = 21;
  SetTabStop(true);
  SetColor(clWindow);
}

TComboBox::~TComboBox() {
  if (FEdit) RemoveWindowSubclass(FEdit, &TComboBox::EditSubclassProc, 1);
}

void TComboBox::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.WinClassName = "COMBOBOX";
  Params.SystemClass = true;
  static const DWORD Styles[] = {CBS_DROPDOWN, CBS_SIMPLE, CBS_DROPDOWNLIST};
  Params.Style |= WS_VSCROLL | CBS_AUTOHSCROLL | Styles[FStyle];
  Params.Height = DroppedHeight();
}

void TComboBox::InitializeWnd() {
  if (FStyle != csDropDownList) {
    COMBOBOXINFO Info{};
    Info.cbSize = sizeof Info;
    FEdit = GetComboBoxInfo(FHandle, &Info) ? Info.hwndItem : GetWindow(FHandle, GW_CHILD);
    if (FEdit) SetWindowSubclass(FEdit, &TComboBox::EditSubclassProc, 1, reinterpret_cast<DWORD_PTR>(this));
  }
  TQuietCombo Quiet(*this);
  LoadItems();
  if (FItemIndex >= static_cast<int>(FItems.size())) FItemIndex = -1;
  if (FItemIndex >= 0) SendMessageA(FHandle, CB_SETCURSEL, FItemIndex, 0);
  if (FStyle != csDropDownList && WindowText(FHandle) != FText) SetWindowTextA(FHandle, FText.c_str());
  UpdateDroppedHeight();
}

// Keeps what the user chose, should the window be made again (another style).
void TComboBox::DestroyWnd() {
  if (FHandle) {
    FItemIndex = ItemIndex();
    FText = Text();
  }
  if (FEdit) RemoveWindowSubclass(FEdit, &TComboBox::EditSubclassProc, 1);
  FEdit = nullptr;
  TWinControl::DestroyWnd();
}

void TComboBox::LoadItems() {
  SendMessageA(FHandle, CB_RESETCONTENT, 0, 0);
  for (const std::string& S : FItems) SendMessageA(FHandle, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(S.c_str()));
}

std::string TComboBox::ItemText(int Index) const {
  if (!FHandle) return Index >= 0 && Index < static_cast<int>(FItems.size()) ? FItems[Index] : std::string();
  LRESULT Len = SendMessageA(FHandle, CB_GETLBTEXTLEN, Index, 0);
  if (Len == CB_ERR) return std::string();
  std::string S(Len + 1, '\0');
  Len = SendMessageA(FHandle, CB_GETLBTEXT, Index, reinterpret_cast<LPARAM>(S.data()));
  S.resize(Len == CB_ERR ? 0 : Len);
  return S;
}

void TComboBox::SetStyle(TComboBoxStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  RecreateWnd();
}

// The selection stays while its index is still an item; typed text stays.
void TComboBox::SetItems(const std::vector<std::string>& Value) {
  if (Value == FItems) return;
  int Index = ItemIndex();
  std::string Keep = Text();
  FItems = Value;
  if (Index >= static_cast<int>(FItems.size())) Index = -1;
  FItemIndex = Index;
  if (!FHandle) {
    if (FStyle == csDropDownList) FText = Index >= 0 ? FItems[Index] : std::string();
    return;
  }
  TQuietCombo Quiet(*this);
  LoadItems();
  if (Index >= 0) SendMessageA(FHandle, CB_SETCURSEL, Index, 0);
  if (FStyle != csDropDownList && WindowText(FHandle) != Keep) SetWindowTextA(FHandle, Keep.c_str());
  UpdateDroppedHeight();
}

void TComboBox::AddItem(const std::string& Item) {
  FItems.push_back(Item);
  if (!FHandle) return;
  SendMessageA(FHandle, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Item.c_str()));
  UpdateDroppedHeight();
}

int TComboBox::ItemIndex() const {
  if (!FHandle) return FItemIndex;
  return static_cast<int>(SendMessageA(FHandle, CB_GETCURSEL, 0, 0));
}

// The text follows the selection; -1 empties it, as the system does. Form data may list
// ItemIndex before Items: until there is a window an index beyond the items waits for them.
void TComboBox::SetItemIndex(int Value) {
  int Count = static_cast<int>(FItems.size());
  if (Value < -1 || (FHandle && Value >= Count)) Value = -1;
  std::string NewText = Value >= 0 && Value < Count ? FItems[Value] : std::string();
  if (!FHandle) {
    FItemIndex = Value;
    if (Value < Count) FText = NewText;
    return;
  }
  if (Value == ItemIndex() && Text() == NewText) return;
  FItemIndex = Value;
  FText = NewText;
  TQuietCombo Quiet(*this);
  SendMessageA(FHandle, CB_SETCURSEL, Value, 0);
  if (FStyle != csDropDownList && WindowText(FHandle) != NewText) SetWindowTextA(FHandle, NewText.c_str());
}

void TComboBox::Loaded() {
  TWinControl::Loaded();
  int Count = static_cast<int>(FItems.size());
  if (FItemIndex >= Count) FItemIndex = -1;
  if (FItemIndex >= 0 && (FStyle == csDropDownList || FText.empty())) FText = FItems[FItemIndex];
}

void TComboBox::SetText(const std::string& Value) {
  TQuietCombo Quiet(*this);
  if (FStyle == csDropDownList) {
    auto It = std::find_if(FItems.begin(), FItems.end(), [&](const std::string& S) {
      return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, S.c_str(), -1, Value.c_str(), -1) == CSTR_EQUAL;
    });
    SetItemIndex(It == FItems.end() ? -1 : static_cast<int>(It - FItems.begin()));
    return;
  }
  TWinControl::SetText(Value);
}

int TComboBox::ItemHeight() const {
  if (!FHandle) return FItemHeight;
  return static_cast<int>(SendMessageA(FHandle, CB_GETITEMHEIGHT, 0, 0));
}

// The system measures the items from the font; the stored value serves until there is a window.
void TComboBox::SetItemHeight(int Value) {
  if (Value < 1 || Value == FItemHeight) return;
  FItemHeight = Value;
  UpdateDroppedHeight();
}

void TComboBox::SetDropDownCount(int Value) {
  if (Value < 1 || Value == FDropDownCount) return;
  FDropDownCount = Value;
  UpdateDroppedHeight();
}

bool TComboBox::DroppedDown() const { return FHandle && SendMessageA(FHandle, CB_GETDROPPEDSTATE, 0, 0); }

void TComboBox::SetDroppedDown(bool Value) {
  if (FHandle) SendMessageA(FHandle, CB_SHOWDROPDOWN, Value, 0);
}

int TComboBox::SelStart() const {
  if (!FHandle) return 0;
  DWORD S = 0, E = 0;
  SendMessageA(FHandle, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&S), reinterpret_cast<LPARAM>(&E));
  return static_cast<int>(S);
}

int TComboBox::SelLength() const {
  if (!FHandle) return 0;
  DWORD S = 0, E = 0;
  SendMessageA(FHandle, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&S), reinterpret_cast<LPARAM>(&E));
  return static_cast<int>(E - S);
}

void TComboBox::SelectAll() {
  if (FEdit) SendMessageA(FEdit, EM_SETSEL, 0, -1);
}

int TComboBox::DroppedHeight() const {
  if (FStyle == csSimple) return FHeight;
  int Closed = FHeight;
  if (FHandle) {
    RECT R;
    GetWindowRect(FHandle, &R);
    Closed = R.bottom - R.top;
  }
  int Rows = std::clamp(static_cast<int>(FItems.size()), 1, FDropDownCount);
  return Closed + ItemHeight() * Rows + 2;
}

void TComboBox::UpdateDroppedHeight() {
  if (!FHandle || FStyle == csSimple) return;
  SetWindowPos(FHandle, nullptr, 0, 0, FWidth, DroppedHeight(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ReadHeight();
}

void TComboBox::ReadHeight() {
  if (!FHandle || FStyle == csSimple) return;
  RECT R;
  GetWindowRect(FHandle, &R);
  FHeight = R.bottom - R.top;
}

// Form data's height is the system's business: the window keeps the dropped list's height.
void TComboBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  UpdateDroppedHeight();
}

void TComboBox::WndProc(TMessage& Message) {
  TWinControl::WndProc(Message);
  // The system sets the closed height from the font.
  if (Message.Msg == WM_SIZE) ReadHeight();
}

void TComboBox::CNCommand(WORD NotifyCode, WORD) {
  if (FQuiet) return;
  switch (NotifyCode) {
    case CBN_SELCHANGE: {
      // The system fills the edit field only after this notification; the handler must
      // already read the new item.
      int Index = ItemIndex();
      if (Index >= 0 && FStyle != csDropDownList) {
        std::string T = ItemText(Index);
        TQuietCombo Quiet(*this);
        if (WindowText(FHandle) != T) SetWindowTextA(FHandle, T.c_str());
        FText = T;
      }
      Change();
      break;
    }
    case CBN_EDITCHANGE:
      Change();
      break;
    default:
      break;
  }
}

LRESULT CALLBACK TComboBox::EditSubclassProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam, UINT_PTR Id,
                                             DWORD_PTR Ref) {
  if (Msg == WM_NCDESTROY) {
    RemoveWindowSubclass(Wnd, &TComboBox::EditSubclassProc, Id);
  } else if (Msg == WM_CHAR) {
    auto* Self = reinterpret_cast<TComboBox*>(Ref);
    char Key = static_cast<char>(WParam);
    bool Pass = false;
    try {
      Pass = Self->EditKeyPress(Key);
    } catch (...) {
      Application->HandleException(Self);
    }
    if (!Pass) return 0;
    WParam = static_cast<unsigned char>(Key);
  }
  return DefSubclassProc(Wnd, Msg, WParam, LParam);
}

bool TComboBox::EditKeyPress(char& Key) {
  KeyPress(Key);
  if (Key == 0) return false;
  unsigned char C = static_cast<unsigned char>(Key);
  // Completion only for printable characters: backspace and delete just edit.
  if (FAutoComplete && FStyle == csDropDown && C >= 32 && C != 127 && Complete(Key)) return false;
  return true;
}

// The key extends the text before the selection; when that begins an item, the field takes the
// item's whole text with the part not typed selected, so the next key replaces it.
bool TComboBox::Complete(char Key) {
  if (!FEdit) return false;
  std::string Current = WindowText(FEdit);
  DWORD S = 0, E = 0;
  SendMessageA(FEdit, EM_GETSEL, reinterpret_cast<WPARAM>(&S), reinterpret_cast<LPARAM>(&E));
  // Typing inside the text, not at its end, is plain editing.
  if (E != Current.size() || S > E) return false;
  std::string Typed = Current.substr(0, S) + Key;
  LRESULT Index = SendMessageA(FHandle, CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(Typed.c_str()));
  if (Index == CB_ERR) return false;
  std::string Item = ItemText(static_cast<int>(Index));
  {
    TQuietCombo Quiet(*this);
    SendMessageA(FHandle, CB_SETCURSEL, Index, 0);
    if (WindowText(FEdit) != Item) SetWindowTextA(FEdit, Item.c_str());
    SendMessageA(FEdit, EM_SETSEL, Typed.size(), -1);
  }
  FText = Item;
  Change();
  return true;
}

// --- TGroupBox -----------------------------------------------------------------------------

const TClassInfo& TGroupBox::StaticClass() {
  static const TClassInfo Info = [] {
    TClassInfo I("TGroupBox", &TWinControl::StaticClass(),
                 [](TComponent* O) -> TComponent* { return new TGroupBox(O); });
    Published<TGroupBox> P(I);
    PublishControlBasics(P);
    P.String("Caption", &TGroupBox::Caption, &TGroupBox::SetCaption, std::string());
    return I;
  }();
  return Info;
}

TGroupBox::TGroupBox(TComponent* AOwner) : TWinControl(AOwner) {
  FWidth = 185;
  FHeight = 105;
}

void TGroupBox::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.WinClassName = "BUTTON";
  Params.SystemClass = true;
  Params.Style |= BS_GROUPBOX;
  // Tab and arrow navigation go on into the controls inside.
  Params.ExStyle |= WS_EX_CONTROLPARENT;
}

HBRUSH TGroupBox::CtlColor(HDC DC) {
  SetTextColor(DC, ColorToRGB(Font().Color()));
  SetBkColor(DC, ColorToRGB(Color()));
  return FBrush.Get(Color());
}

void TGroupBox::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCHITTEST:
      // The system's group box lets the mouse through to the window beneath; ours hands it
      // to the graphic controls inside (speed buttons).
      TWinControl::WndProc(Message);
      if (Message.Result == HTTRANSPARENT) Message.Result = HTCLIENT;
      return;
    case WM_ERASEBKGND: {
      // The system's group box paints only its frame and caption and leaves its inside to
      // the parent, which clips it away; so we fill it, around the child windows.
      HDC DC = reinterpret_cast<HDC>(Message.WParam);
      int Saved = SaveDC(DC);
      for (TControl* C : TabList()) {
        if (!C->Visible()) continue;
        RECT R = C->BoundsRect();
        ExcludeClipRect(DC, R.left, R.top, R.right, R.bottom);
      }
      RECT Client;
      GetClientRect(FHandle, &Client);
      FillRect(DC, &Client, FBrush.Get(Color()));
      RestoreDC(DC, Saved);
      Message.Result = 1;
      return;
    }
    default:
      TWinControl::WndProc(Message);
  }
}

// --- TButton -------------------------------------------------------------------------------

const TClassInfo& TButton::StaticClass() {
  static const TClassInfo Info = [] {
    TClassInfo I("TButton", &TWinControl::StaticClass(), [](TComponent* O) -> TComponent* { return new TButton(O); });
    Published<TButton> P(I);
    PublishControlBasics(P);
    P.Bool("Cancel", &TButton::Cancel, &TButton::SetCancel, false)
        .String("Caption", &TButton::Caption, &TButton::SetCaption, std::string())
        .Bool("Default", &TButton::Default, &TButton::SetDefault, false)
        .Int("ModalResult", &TButton::ModalResult, &TButton::SetModalResult, 0);
    return I;
  }();
  return Info;
}

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner) {
  FWidth = 75;
  FHeight = 25;
  SetTabStop(true);
}

void TButton::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.WinClassName = "BUTTON";
  Params.SystemClass = true;
  Params.Style |= FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool Value) {
  if (Value == FDefault) return;
  FDefault = Value;
  if (FHandle) SendMessageA(FHandle, BM_SETSTYLE, Value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

// The system reports a click even on a disabled button when sent BM_CLICK.
void TButton::CNCommand(WORD NotifyCode, WORD) {
  if (NotifyCode == BN_CLICKED && Enabled()) Click();
}

void TButton::Click() {
  if (FModalResult != mrNone)
    if (TForm* Form = ParentForm(this)) Form->SetModalResult(FModalResult);
  TWinControl::Click();
}

void RegisterStdCtrlsClasses() {
  RegisterComponentClass(TEdit::StaticClass());
  RegisterComponentClass(TLabel::StaticClass());
  RegisterComponentClass(TComboBox::StaticClass());
  RegisterComponentClass(TGroupBox::StaticClass());
  RegisterComponentClass(TButton::StaticClass());
}

}  // namespace Scindora
