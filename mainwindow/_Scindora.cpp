#include "_Scindora.h"

#include "FormData.h"
#include "HtmlHelp.h"
#include "SizeRules.h"
#include "SplitJob.h"
#include "SysUtils.h"

namespace Scindora {

TMainForm* MainForm = nullptr;

const TClassInfo& TMainForm::StaticClass() {
  static const TClassInfo Info("TMainForm", &TForm::StaticClass());
  return Info;
}

void RegisterMainWindowClasses() { RegisterAboutClasses(); }

TMainForm::TMainForm(TComponent* AOwner) : TForm(AOwner) {
  RegisterMainWindowClasses();
  TMethodTable Methods;
  Methods.Publish("FormClose", this, &TMainForm::FormClose);
  Methods.Publish("ToolButton1Click", this, &TMainForm::ToolButton1Click);
  Methods.Publish("ToolButton3Click", this, &TMainForm::ToolButton3Click);
  Methods.Publish("ToolButton4Click", this, &TMainForm::ToolButton4Click);
  Methods.Publish("ToolButton6Click", this, &TMainForm::ToolButton6Click);
  Methods.Publish("ToolButton8Click", this, &TMainForm::ToolButton8Click);
  Methods.Publish("ToolButton9Click", this, &TMainForm::ToolButton9Click);
  Methods.Publish("ComboBox1Change", this, &TMainForm::ComboBox1Change);
  Methods.Publish("Edit3KeyPress", this, &TMainForm::Edit3KeyPress);
  Methods.Publish("Aproposde1Click", this, &TMainForm::Aproposde1Click);
  InitializeForm(Methods);
  BindComponents();
}

void TMainForm::BindComponents() {
  auto Bind = [this](auto*& Field, const char* Name) {
    Field = FindComponentAs<std::remove_reference_t<decltype(*Field)>>(*this, Name);
  };
  Bind(MainMenu1, "MainMenu1");
  Bind(Fichier1, "Fichier1");
  Bind(ControlBar1, "ControlBar1");
  Bind(ToolBar1, "ToolBar1");
  Bind(ToolButton1, "ToolButton1");
  Bind(StatusBar1, "StatusBar1");
  Bind(GroupBox1, "GroupBox1");
  Bind(Edit1, "Edit1");
  Bind(SpeedButton1, "SpeedButton1");
  Bind(GroupBox2, "GroupBox2");
  Bind(Edit2, "Edit2");
  Bind(SpeedButton2, "SpeedButton2");
  Bind(ChooseFile, "ChooseFile");
  Bind(AboutBox1, "AboutBox1");
  Bind(GroupBox3, "GroupBox3");
  Bind(ProgressBar1, "ProgressBar1");
  Bind(ImageList1, "ImageList1");
  Bind(ToolButton2, "ToolButton2");
  Bind(ToolButton3, "ToolButton3");
  Bind(ToolButton4, "ToolButton4");
  Bind(ToolButton5, "ToolButton5");
  Bind(ToolButton6, "ToolButton6");
  Bind(ToolButton7, "ToolButton7");
  Bind(ToolButton8, "ToolButton8");
  Bind(ToolButton9, "ToolButton9");
  Bind(GroupBox4, "GroupBox4");
  Bind(Edit3, "Edit3");
  Bind(Label1, "Label1");
  Bind(ComboBox1, "ComboBox1");
  Bind(Label2, "Label2");
  Bind(Label3, "Label3");
  Bind(XPManifest1, "XPManifest1");
  Bind(Nouveaufractionnement1, "Nouveaufractionnement1");
  Bind(N1, "N1");
  Bind(Choisirunfichierfractionner1, "Choisirunfichierfractionner1");
  Bind(Choisirunrpertoirededestination1, "Choisirunrpertoirededestination1");
  Bind(N2, "N2");
  Bind(Quitter1, "Quitter1");
  Bind(Aide1, "Aide1");
  Bind(Rubriquesdelaide1, "Rubriquesdelaide1");
  Bind(N3, "N3");
  Bind(Aproposde1, "Aproposde1");
}

void TMainForm::WndProc(TMessage& Message) {
  TForm::WndProc(Message);
  switch (Message.Msg) {
    case WM_GETMINMAXINFO:
      WMGetMinMaxInfo(Message);
      break;
    case WM_SIZE:
      if (RECT R; Message.WParam == SIZE_RESTORED && GetWindowRect(FHandle, &R))
        FNormalSize = {R.right - R.left, R.bottom - R.top};
      break;
    default:
      break;
  }
}

void TMainForm::WMGetMinMaxInfo(TMessage& Message) {
  auto& Info = *reinterpret_cast<MINMAXINFO*>(Message.LParam);
  SIZE Size = FNormalSize;
  if (Size.cx == 0) {
    RECT R;
    if (!HandleAllocated() || IsIconic(FHandle) || !GetWindowRect(FHandle, &R)) return;
    Size = {R.right - R.left, R.bottom - R.top};
  }
  Info.ptMinTrackSize.x = Info.ptMaxTrackSize.x = Size.cx;
  Info.ptMinTrackSize.y = Info.ptMaxTrackSize.y = Size.cy;
}

// Closing the window ends the program; the action stays as it came.
void TMainForm::FormClose(TObject*, TCloseAction&) { Application->Terminate(); }

void SetInputsEnabled(bool Enabled) {
  for (TControl* C : std::initializer_list<TControl*>{MainForm->Edit1, MainForm->Edit2, MainForm->Edit3,
                                                     MainForm->Label3, MainForm->SpeedButton1,
                                                     MainForm->SpeedButton2})
    C->SetEnabled(Enabled);
}

namespace {
// The application's own message loop, one turn at a time.
class TApplicationPump : public TMessagePump {
public:
  void ProcessMessages() override { Application->ProcessMessages(); }
  bool Terminated() override { return Application->Terminated(); }
};
}  // namespace

void SplitSourceFile() {
  TApplicationPump Pump;
  RunSplitJob({MainForm->Edit1->Text(), MainForm->Edit2->Text(), MainForm->Edit3->Text()}, *MainForm->ProgressBar1,
              Pump);
}

// Reset: the window as it opens. A split that runs goes on with what it read.
void TMainForm::ToolButton1Click(TObject*) {
  const TSizePreset& Floppy = SizePresets[0];
  Edit1->SetText(std::string());
  Edit2->SetText(std::string());
  Edit3->SetText(Floppy.SizeText);
  Edit3->SetReadOnly(Floppy.ReadOnly);
  ComboBox1->SetItemIndex(0);
  Label3->SetCaption(Floppy.LabelText);
  ControlBar1->SetFocus();
  ProgressBar1->SetPosition(0);
  ToolButton6->SetEnabled(false);
}

// A selection only ever enables the split button; a cancelled one leaves it as it was.
void TMainForm::EnableSplitWhenPathsGiven() {
  if (!Edit1->Text().empty() && !Edit2->Text().empty()) ToolButton6->SetEnabled(true);
}

void TMainForm::ToolButton3Click(TObject*) {
  Edit1->SetText(ChooseFile->Execute() ? ChooseFile->FileName() : std::string());
  EnableSplitWhenPathsGiven();
}

void TMainForm::ToolButton4Click(TObject*) {
  // A chosen folder removed since is made again, so that the browser can pre-select it.
  if (!Edit2->Text().empty()) ForceDirectories(Edit2->Text());
  std::string Folder = Edit2->Text();
  const bool Chosen =
      SelectDirectory("Sélectionner un dossier, vide si possible, dans lequel seront placés les fragments.", "", Folder);
  Edit2->SetText(Chosen ? Folder : std::string());
  EnableSplitWhenPathsGiven();
}

// One split at a time: the job pumps messages between fragments, so the split button (left
// enabled, its state belongs to the selections and reset) could start a second split on the
// same folder; such a click is ignored. The presets list is greyed with the size field, as
// a preset would move the focus to a disabled control and change a size the job already read.
void TMainForm::ToolButton6Click(TObject*) {
  if (FSplitting) return;
  if (!FragmentSizeAccepted(Edit3->Text())) {
    MessageDlg(SizeRefusedMessage, mtError, MsgDlgButtons({mbOK}), 0);
    Edit3->SelectAll();
    Edit3->SetFocus();
    return;
  }
  FSplitting = true;
  SetInputsEnabled(false);
  Screen->SetCursor(crHourGlass);
  ComboBox1->SetEnabled(false);
  auto EndBusy = [this] {
    SetInputsEnabled(true);
    Screen->SetCursor(crDefault);
    ProgressBar1->SetPosition(ProgressBar1->Max());
    ComboBox1->SetEnabled(true);
    FSplitting = false;
  };
  try {
    SplitSourceFile();
  } catch (...) {
    EndBusy();
    throw;
  }
  EndBusy();
}

// The viewer reports a missing file itself; without the help control there is nothing to open.
void TMainForm::ToolButton8Click(TObject*) {
  if (!HtmlHelpAvailable()) return;
  HtmlHelp(GetDesktopWindow(), (ExtractFilePath(Application->ExeName()) + "Scindora.chm").c_str(), HH_DISPLAY_TOPIC, 0);
}

// Quit: closing the window ends the program, with no confirmation.
void TMainForm::ToolButton9Click(TObject*) { Close(); }

// Runs for a pick from the list and for each key typed into it; a text that is no entry
// changes nothing.
void TMainForm::ComboBox1Change(TObject*) {
  for (const TSizePreset& Row : SizePresets) {
    if (ComboBox1->Text() != Row.ListText) continue;
    Edit3->SetText(Row.SizeText);
    Edit3->SetReadOnly(Row.ReadOnly);
    if (Row.Focus == sfSize) Edit3->SetFocus();
    else Edit1->SetFocus();
    Label3->SetCaption(Row.LabelText);
    return;
  }
}

void TMainForm::Edit3KeyPress(TObject*, char& Key) { FilterSizeKey(Key); }
void TMainForm::Aproposde1Click(TObject*) { AboutBox1->Execute(); }

}  // namespace Scindora
