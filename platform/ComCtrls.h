// Common controls: progress bar, tool bar with its buttons, status bar with its panels.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "Controls.h"
#include "ProgressRange.h"

namespace Scindora {

class TImageList;

// A bar that fills from Min to Max as Position moves.
// https://learn.microsoft.com/windows/win32/controls/progress-bar-control
// The range object holds the values; the window shows them.
class TProgressBar : public TWinControl, public TProgressRange {
  SCINDORA_CLASS(TProgressBar)
public:
  explicit TProgressBar(TComponent* AOwner);

protected:
  void CreateParams(TCreateParams& Params) override;
  void InitializeWnd() override;
  void Changed() override;

private:
  void PushRange();
};

enum TEdgeStyle { esNone, esRaised, esLowered };
enum TEdgeBorder { ebLeft, ebTop, ebRight, ebBottom };
using TEdgeBorders = uint32_t;  // bit i: TEdgeBorder i

enum TToolButtonStyle { tbsButton, tbsSeparator };

class TToolBar;

// One button of a tool bar: no window of its own, it stands for one native button of its
// tool bar, in the order the buttons were put on the bar. The bar places it: a button is
// ButtonWidth wide, a separator as wide as its Width (8 unless set).
class TToolButton : public TControl {
  SCINDORA_CLASS(TToolButton)
public:
  explicit TToolButton(TComponent* AOwner);
  ~TToolButton() override;

  TToolButtonStyle Style() const { return FStyle; }
  void SetStyle(TToolButtonStyle Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  TToolBar* ToolBar() const;
  // Its place among the bar's buttons, or -1.
  int Index() const;

  void SetName(const std::string& Value) override;
  void SetParent(TWinControl* Value) override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void SetVisible(bool Value) override;
  // Glyphs keep their size at any resolution, and so do the buttons around them.
  void ScaleBy(int, int) override {}

protected:
  void EnabledChanged() override;
  void TextChanged() override;

private:
  void Place(int ALeft, int ATop, int AWidth, int AHeight);

  TToolButtonStyle FStyle = tbsButton;
  int FImageIndex = -1;
  int FSeparatorWidth = 0;  // 0: the default of 8

  friend class TToolBar;
};

// A row of glyph buttons.
// https://learn.microsoft.com/windows/win32/controls/toolbar-control-reference
// Each TToolButton child is one native button whose command number is its index + 1; the
// bar's WM_COMMAND comes back here and clicks that button. The bar's own tooltip asks the
// bar for a button's text, which is then the button's hint.
class TToolBar : public TWinControl {
  SCINDORA_CLASS(TToolBar)
public:
  explicit TToolBar(TComponent* AOwner);
  ~TToolBar() override;

  int ButtonWidth() const { return FButtonWidth; }
  void SetButtonWidth(int Value);
  int ButtonHeight() const { return FButtonHeight; }
  void SetButtonHeight(int Value);
  TEdgeBorders EdgeBorders() const { return FEdgeBorders; }
  void SetEdgeBorders(TEdgeBorders Value);
  TEdgeStyle EdgeInner() const { return FEdgeInner; }
  void SetEdgeInner(TEdgeStyle Value);
  TEdgeStyle EdgeOuter() const { return FEdgeOuter; }
  void SetEdgeOuter(TEdgeStyle Value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* Value);
  bool ShowCaptions() const { return FShowCaptions; }
  void SetShowCaptions(bool Value);

  int ButtonCount() const { return static_cast<int>(Buttons().size()); }
  TToolButton* ButtonAt(int Index) const { return Buttons().at(Index); }
  // The button a native command number stands for, or nullptr.
  TToolButton* ButtonForCommand(int Command) const;

  void WndProc(TMessage& Message) override;

protected:
  void CreateParams(TCreateParams& Params) override;
  void InitializeWnd() override;
  void CNCommand(WORD NotifyCode, WORD Id) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  std::vector<TToolButton*> Buttons() const;
  // Places the buttons and makes the native ones again from them.
  void ButtonsChanged();
  void LayoutButtons();
  void UpdateButtons();
  void UpdateButton(TToolButton* Button);
  void UpdateImages();
  void FrameChanged();
  int EdgeWidth() const;
  // Answers a tooltip's request for a button's text; true when Header was one.
  bool AnswerToolTip(NMHDR& Header);

  int FButtonWidth = 23;
  int FButtonHeight = 22;
  TEdgeBorders FEdgeBorders = 1u << ebTop;
  TEdgeStyle FEdgeInner = esRaised;
  TEdgeStyle FEdgeOuter = esLowered;
  bool FFlat = false;
  bool FShowCaptions = false;
  TImageList* FImages = nullptr;
  int FUpdating = 0;
  std::string FTipText;     // what the last answered tooltip points at
  std::wstring FTipTextW;

  friend class TToolButton;
};

class TStatusBar;

// One part of a status bar: its width and its text.
class TStatusPanel : public TPersistent {
  SCINDORA_CLASS(TStatusPanel)
public:
  explicit TStatusPanel(TStatusBar* AStatusBar) : FStatusBar(AStatusBar) {}
  void Assign(const TPersistent& Source) override;

  int Width() const { return FWidth; }
  void SetWidth(int Value);
  const std::string& Text() const { return FText; }
  void SetText(const std::string& Value);

private:
  TStatusBar* FStatusBar;
  int FWidth = 50;
  std::string FText;
};

// The strip of panels at the bottom of a window.
// https://learn.microsoft.com/windows/win32/controls/status-bars
// The last panel stretches to the bar's right end, whatever its width. The bar keeps the
// system's status-bar font rather than its parent's.
// Form data lists the panels as blocks: Panels: [{ Width: 50 Text: "..." }]
class TStatusBar : public TWinControl {
  SCINDORA_CLASS(TStatusBar)
public:
  explicit TStatusBar(TComponent* AOwner);

  int PanelCount() const { return static_cast<int>(FPanels.size()); }
  TStatusPanel& Panels(int Index) const { return *FPanels.at(Index); }
  TStatusPanel& AddPanel();
  void ClearPanels();
  bool SizeGrip() const { return FSizeGrip; }
  void SetSizeGrip(bool Value);

  void ScaleBy(int M, int D) override;

protected:
  void CreateParams(TCreateParams& Params) override;
  void InitializeWnd() override;

private:
  void UpdatePanels();

  std::vector<std::unique_ptr<TStatusPanel>> FPanels;
  bool FSizeGrip = true;

  friend class TStatusPanel;
};

const TIdentTable& EdgeStyleIdents();
const TIdentTable& EdgeBorderIdents();
const TIdentTable& ToolButtonStyleIdents();

void RegisterComCtrlsClasses();

}  // namespace Scindora
