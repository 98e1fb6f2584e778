#include "RestoreScript.h"

#include <windows.h>

#include "SysUtils.h"
#include "TextFiles.h"

namespace Scindora {

// cmd reads a batch file in the OEM code page, so an ANSI "é" would come back as another
// letter. Names with a character that OEM lacks keep their ANSI bytes: no exact form exists.
static std::string ToOemIfExact(const std::string& Ansi) {
  if (Ansi.empty()) return Ansi;
  const int WideLen = MultiByteToWideChar(CP_ACP, 0, Ansi.data(), int(Ansi.size()), nullptr, 0);
  if (WideLen <= 0) return Ansi;
  std::wstring Wide(WideLen, L'\0');
  MultiByteToWideChar(CP_ACP, 0, Ansi.data(), int(Ansi.size()), Wide.data(), WideLen);
  BOOL UsedDefault = FALSE;
  const int OemLen = WideCharToMultiByte(CP_OEMCP, WC_NO_BEST_FIT_CHARS, Wide.data(), WideLen,
                                         nullptr, 0, nullptr, &UsedDefault);
  if (OemLen <= 0 || UsedDefault) return Ansi;
  std::string Oem(OemLen, '\0');
  WideCharToMultiByte(CP_OEMCP, WC_NO_BEST_FIT_CHARS, Wide.data(), WideLen, Oem.data(), OemLen,
                      nullptr, &UsedDefault);
  return UsedDefault ? Ansi : Oem;
}

std::string ScriptFileName(const std::string& SourcePath) {
  std::string Name;
  // A lone "%" would be taken for the start of a variable and dropped.
  for (const char C : ExtractFileName(SourcePath)) {
    Name += C;
    if (C == '%') Name += '%';
  }
  return ToOemIfExact(Name);
}

void WriteRestoreScript(const std::string& DestFolder, const std::string& SourcePath) {
  TTextFile Script(DestFolder + "\\RESTORE.BAT");
  Script.Rewrite();
  Script.WriteLn("@ECHO OFF");
  Script.WriteLn("CLS");
  Script.WriteLn("ECHO    Scindora 1.0");
  Script.WriteLn("ECHO    ");
  Script.WriteLn("ECHO    Progression de la restauration du fichier original:");
  Script.WriteLn("ECHO.");
  Script.WriteLn("ECHO 1) Modification des attributs des fragments ...");
  Script.WriteLn("ATTRIB *.FRG -A -H -R -S");
  Script.WriteLn("ECHO.");
  Script.WriteLn("ECHO 2) Compilation des fragments ...");
  Script.WriteLn("COPY /B *.FRG \"" + ScriptFileName(SourcePath) + "\"");
  Script.WriteLn("ECHO.");
  Script.WriteLn("ECHO 3) Suppression des fragments ...");
  Script.WriteLn("DEL *.FRG");
  Script.WriteLn("ECHO.");
  Script.WriteLn("ECHO    Le fichier original est reconstruit.");
  Script.WriteLn("DEL RESTORE.BAT");
  Script.WriteLn("ECHO.");
  Script.CloseFile();
}

}  // namespace Scindora
