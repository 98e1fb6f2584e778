// The main window: its components, built from form data, and the handlers they are bound to.
#pragma once

#include "About.h"
#include "Buttons.h"
#include "ComCtrls.h"
#include "Dialogs.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "ImgList.h"
#include "Menus.h"
#include "StdCtrls.h"
#include "XPMan.h"

namespace Scindora {

class TMainForm : public TForm {
  SCINDORA_CLASS(TMainForm)
public:
  explicit TMainForm(TComponent* AOwner);

  TMainMenu* MainMenu1;
  TMenuItem* Fichier1;
  TControlBar* ControlBar1;
  TToolBar* ToolBar1;
  TToolButton* ToolButton1;
  TStatusBar* StatusBar1;
  TGroupBox* GroupBox1;
  TEdit* Edit1;
  TSpeedButton* SpeedButton1;
  TGroupBox* GroupBox2;
  TEdit* Edit2;
  TSpeedButton* SpeedButton2;
  TOpenDialog* ChooseFile;
  TAboutBox* AboutBox1;
  TGroupBox* GroupBox3;
  TProgressBar* ProgressBar1;
  TImageList* ImageList1;
  TToolButton* ToolButton2;
  TToolButton* ToolButton3;
  TToolButton* ToolButton4;
  TToolButton* ToolButton5;
  TToolButton* ToolButton6;
  TToolButton* ToolButton7;
  TToolButton* ToolButton8;
  TToolButton* ToolButton9;
  TGroupBox* GroupBox4;
  TEdit* Edit3;
  TLabel* Label1;
  TComboBox* ComboBox1;
  TLabel* Label2;
  TLabel* Label3;
  TXPManifest* XPManifest1;
  TMenuItem* Nouveaufractionnement1;
  TMenuItem* N1;
  TMenuItem* Choisirunfichierfractionner1;
  TMenuItem* Choisirunrpertoirededestination1;
  TMenuItem* N2;
  TMenuItem* Quitter1;
  TMenuItem* Aide1;
  TMenuItem* Rubriquesdelaide1;
  TMenuItem* N3;
  TMenuItem* Aproposde1;

  void FormClose(TObject* Sender, TCloseAction& Action);
  void ToolButton3Click(TObject* Sender);
  void ToolButton4Click(TObject* Sender);
  void ToolButton6Click(TObject* Sender);
  void ToolButton9Click(TObject* Sender);
  void ComboBox1Change(TObject* Sender);
  void Edit3KeyPress(TObject* Sender, char& Key);
  void ToolButton1Click(TObject* Sender);
  void ToolButton8Click(TObject* Sender);
  void Aproposde1Click(TObject* Sender);

  void WndProc(TMessage& Message) override;

private:
  // Keeps the window at its current outer size: dragging a border or the grip changes nothing.
  void WMGetMinMaxInfo(TMessage& Message);
  void BindComponents();
  // Both path fields given: a split may be started.
  void EnableSplitWhenPathsGiven();

  // A split is running: the split button's clicks are ignored until it ends.
  bool FSplitting = false;

  // The outer size the window last had while neither minimized nor maximized (0: not yet
  // known). While it is being restored the window rectangle is still the minimized one.
  SIZE FNormalSize{0, 0};
};

// The one main window of the program; set before its form data loads.
extern TMainForm* MainForm;

// The busy state: enables or disables the window's six input controls.
void SetInputsEnabled(bool Enabled);
// Splits what the main window's fields name, showing progress on its bar and giving the
// application's message queue a turn before each fragment.
void SplitSourceFile();

void RegisterMainWindowClasses();

}  // namespace Scindora
