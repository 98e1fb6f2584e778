// The program's entry: title, main window, message loop; exit code 0 in every case.
#include <windows.h>

#include "Forms.h"
#include "HtmlHelp.h"
#include "_Scindora.h"

using namespace Scindora;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  LoadHtmlHelp();
  Application->Initialize();
  Application->SetTitle("Scindora 1.0");
  try {
    Application->CreateForm(MainForm);
    Application->Run();
  } catch (...) {
    // A main window that cannot be built ends the program, after saying why.
    Application->HandleException(Application);
  }
  // The main window and everything it owns go before the help control is unloaded.
  delete Application;
  Application = nullptr;
  MainForm = nullptr;
  UnloadHtmlHelp();
  return 0;
}
