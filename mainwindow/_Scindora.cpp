#include "_Scindora.h"

#include "FormData.h"

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

void TMainForm::ToolButton1Click(TObject*) {}
void TMainForm::ToolButton3Click(TObject*) {}
void TMainForm::ToolButton4Click(TObject*) {}
void TMainForm::ToolButton6Click(TObject*) {}
void TMainForm::ToolButton8Click(TObject*) {}
// Quit: closing the window ends the program, with no confirmation.
void TMainForm::ToolButton9Click(TObject*) { Close(); }
void TMainForm::ComboBox1Change(TObject*) {}
void TMainForm::Edit3KeyPress(TObject*, char&) {}
void TMainForm::Aproposde1Click(TObject*) { AboutBox1->Execute(); }

}  // namespace Scindora
