// Standard controls: edit, label, combo box, group box and push button.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "Controls.h"

namespace Scindora {

// A solid brush in a control's colour for WM_CTLCOLOR*, made again when the colour changes.
class TColorBrush {
public:
  TColorBrush() = default;
  TColorBrush(const TColorBrush&) = delete;
  TColorBrush& operator=(const TColorBrush&) = delete;
  ~TColorBrush();
  HBRUSH Get(TColor Color);

private:
  HBRUSH FHandle = nullptr;
  TColor FColor = clNone;
};

// A single-line edit field.
// https://learn.microsoft.com/windows/win32/controls/edit-controls
class TEdit : public TWinControl {
  SCINDORA_CLASS(TEdit)
public:
  explicit TEdit(TComponent* AOwner);

  // Read-only still takes the focus and lets the user select and copy.
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  // 0: no limit.
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int Value);

  int SelStart() const;
  void SetSelStart(int Value);
  int SelLength() const;
  void SetSelLength(int Value);
  std::string SelText() const;
  void SelectAll();
  void Clear() { SetText(std::string()); }

  TNotifyEvent OnChange;

protected:
  void CreateParams(TCreateParams& Params) override;
  void InitializeWnd() override;
  void CNCommand(WORD NotifyCode, WORD Id) override;
  HBRUSH CtlColor(HDC DC) override;
  void KeyPress(char& Key) override;
  virtual void Change() { OnChange(this); }

private:
  void GetSel(int& Start, int& End) const;
  void SetSel(int Start, int End);

  bool FReadOnly = false;
  int FMaxLength = 0;
  int FSelStart = 0;  // the selection while there is no window
  int FSelLength = 0;
  TColorBrush FBrush;
};

// A line of text painted on the parent, sized to its caption by default.
class TLabel : public TGraphicControl {
  SCINDORA_CLASS(TLabel)
public:
  explicit TLabel(TComponent* AOwner);

  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  // "&" marks the next letter as a hot key (underlined) rather than showing itself.
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool Value);
  // With AutoSize, takes the caption's extent in the label's font.
  void AdjustBounds();
  void Loaded() override;

protected:
  void Paint() override;
  void TextChanged() override;
  void FontChanged() override;

private:
  UINT DrawFlags() const;
  // DrawText gives an empty line no height: measure a blank instead.
  std::string MeasuredText() const;

  bool FAutoSize = true;
  bool FShowAccelChar = true;
};

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };

// A drop-down list; csDropDown adds an edit field where the user may type.
// https://learn.microsoft.com/windows/win32/controls/combo-boxes
class TComboBox : public TWinControl {
  SCINDORA_CLASS(TComboBox)
public:
  explicit TComboBox(TComponent* AOwner);
  ~TComboBox() override;

  TComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TComboBoxStyle Value);
  const std::vector<std::string>& Items() const { return FItems; }
  void SetItems(const std::vector<std::string>& Value);
  void AddItem(const std::string& Item);
  void ClearItems() { SetItems({}); }
  // -1: nothing selected. Setting it from code runs no OnChange.
  int ItemIndex() const;
  void SetItemIndex(int Value);
  // From code: runs no OnChange. In csDropDownList it selects the item of that text.
  void SetText(const std::string& Value) override;
  int ItemHeight() const;
  void SetItemHeight(int Value);
  // Items the dropped list shows without scrolling.
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int Value);
  // Typed text that begins an item (regardless of case) completes to that item.
  bool AutoComplete() const { return FAutoComplete; }
  void SetAutoComplete(bool Value) { FAutoComplete = Value; }
  bool DroppedDown() const;
  void SetDroppedDown(bool Value);

  int SelStart() const;
  int SelLength() const;
  void SelectAll();

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void WndProc(TMessage& Message) override;
  void Loaded() override;

  TNotifyEvent OnChange;

protected:
  void CreateParams(TCreateParams& Params) override;
  void InitializeWnd() override;
  void DestroyWnd() override;
  void CNCommand(WORD NotifyCode, WORD Id) override;
  virtual void Change() { OnChange(this); }

private:
  static LRESULT CALLBACK EditSubclassProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam, UINT_PTR Id,
                                           DWORD_PTR Ref);
  // WM_CHAR of the edit field: the key filter, then completion. False: the key is used up.
  bool EditKeyPress(char& Key);
  bool Complete(char Key);
  void LoadItems();
  std::string ItemText(int Index) const;
  // The system keeps the closed height itself; the window's height sets the dropped list's.
  int DroppedHeight() const;
  void UpdateDroppedHeight();
  void ReadHeight();

  TComboBoxStyle FStyle = csDropDown;
  std::vector<std::string> FItems;
  int FItemIndex = -1;
  int FItemHeight = 16;
  int FDropDownCount = 8;
  bool FAutoComplete = true;
  int FQuiet = 0;  // > 0 while our own code changes the text or selection: no OnChange
  HWND FEdit = nullptr;  // the edit field the system makes inside a csDropDown combo box

  friend class TQuietCombo;
};

// A framed group with a caption; a parent for other controls.
// https://learn.microsoft.com/windows/win32/controls/button-types-and-styles#group-box
class TGroupBox : public TWinControl {
  SCINDORA_CLASS(TGroupBox)
public:
  explicit TGroupBox(TComponent* AOwner);
  void WndProc(TMessage& Message) override;

protected:
  void CreateParams(TCreateParams& Params) override;
  HBRUSH CtlColor(HDC DC) override;

private:
  TColorBrush FBrush;
};

// A push button.
// https://learn.microsoft.com/windows/win32/controls/button-types-and-styles#push-button
class TButton : public TWinControl {
  SCINDORA_CLASS(TButton)
public:
  explicit TButton(TComponent* AOwner);

  // Drawn with the default button's heavier frame.
  bool Default() const { return FDefault; }
  void SetDefault(bool Value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool Value) { FCancel = Value; }
  // Handed to the parent form on a click when not mrNone.
  int ModalResult() const { return FModalResult; }
  void SetModalResult(int Value) { FModalResult = Value; }

  void Click() override;

protected:
  void CreateParams(TCreateParams& Params) override;
  void CNCommand(WORD NotifyCode, WORD Id) override;

private:
  bool FDefault = false;
  bool FCancel = false;
  int FModalResult = 0;
};

const TIdentTable& ComboBoxStyleIdents();

void RegisterStdCtrlsClasses();

}  // namespace Scindora
