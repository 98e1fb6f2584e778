#include <gtest/gtest.h>
#include <windows.h>

#include "RestoreScript.h"
#include "SysUtils.h"
#include "TestFiles.h"

using namespace Scindora;
using Support::TTempFolder;

namespace {

std::string ScriptWith(const std::string& JoinLine) {
  return "@ECHO OFF\r\n"
         "CLS\r\n"
         "ECHO    Scindora 1.0\r\n"
         "ECHO    \r\n"
         "ECHO    Progression de la restauration du fichier original:\r\n"
         "ECHO.\r\n"
         "ECHO 1) Modification des attributs des fragments ...\r\n"
         "ATTRIB *.FRG -A -H -R -S\r\n"
         "ECHO.\r\n"
         "ECHO 2) Compilation des fragments ...\r\n" +
         JoinLine + "\r\n" +
         "ECHO.\r\n"
         "ECHO 3) Suppression des fragments ...\r\n"
         "DEL *.FRG\r\n"
         "ECHO.\r\n"
         "ECHO    Le fichier original est reconstruit.\r\n"
         "DEL RESTORE.BAT\r\n"
         "ECHO.\r\n";
}

TEST(RestoreScript, ExactBytesReplacingALongerScript) {
  TTempFolder Temp;
  const std::string Path = Temp / "RESTORE.BAT";
  Support::WriteFileBytes(Path, std::string(4000, 'z'));
  WriteRestoreScript(Temp.Path(), "C:\\Mes documents\\Rapport annuel 2024.zip");
  const std::string Bytes = Support::ReadFileBytes(Path);
  EXPECT_EQ(Bytes, ScriptWith("COPY /B *.FRG \"Rapport annuel 2024.zip\""));
  ASSERT_GE(Bytes.size(), 7u);
  EXPECT_EQ(Bytes.substr(Bytes.size() - 7), "ECHO.\r\n");
  EXPECT_NE(Bytes.find("\r\nCLS\r\nECHO    Scindora 1.0\r\nECHO    \r\nECHO    Prog"), std::string::npos);
}

TEST(RestoreScript, JoinLineCarriesTheBareNameOnly) {
  const struct {
    const char *Path, *Name;
  } Cases[] = {
      {"C:\\a\\b\\c.d.e", "c.d.e"},
      {"D:fichier.TXT", "fichier.TXT"},
      {"nom seul.bin", "nom seul.bin"},
      {"\\\\serveur\\partage\\x  y.iso", "x  y.iso"},
      {"C:\\100%.txt", "100%%.txt"},
      {"C:\\%PATH%.txt", "%%PATH%%.txt"},
      {"C:\\a&b (1).txt", "a&b (1).txt"},
  };
  for (const auto& Case : Cases) EXPECT_EQ(ScriptFileName(Case.Path), Case.Name) << Case.Path;
}

TEST(RestoreScript, NameInTheConsoleCodePageWhenItHasEveryCharacter) {
  const UINT Oem = GetOEMCP();
  if (GetACP() != 1252 || (Oem != 437 && Oem != 850)) GTEST_SKIP() << "code pages " << GetACP() << "/" << Oem;
  // é, û: 0xE9, 0xFB in the ANSI page; 0x82, 0x96 in both OEM pages.
  EXPECT_EQ(ScriptFileName("C:\\Vidéo été.avi"), "Vid\x82o \x82t\x82.avi");
  EXPECT_EQ(ScriptFileName("C:\\100% sûr.txt"), "100%% s\x96r.txt");
  // œ and € have no OEM form here: the ANSI bytes stay.
  EXPECT_EQ(ScriptFileName("C:\\œuvre à 5 €.txt"), "\x9Cuvre \xE0 5 \x80.txt");
}

TEST(RestoreScript, FailuresCarryTheSystemCode) {
  TTempFolder Temp;
  const auto Failure = [](const std::string& Folder) -> std::pair<int, std::string> {
    try {
      WriteRestoreScript(Folder, "C:\\x.bin");
    } catch (const EInOutError& E) {
      return {E.ErrorCode(), E.Message()};
    }
    return {0, "no exception"};
  };
  EXPECT_EQ(Failure(Temp / "missing"), std::make_pair(3, std::string("Nom de fichier incorrect")));
  Support::WriteFileBytes(Temp / "RESTORE.BAT", "old");
  ASSERT_TRUE(Support::MakeReadOnly(Temp / "RESTORE.BAT")) << "a read-only file cannot be made here";
  EXPECT_EQ(Failure(Temp.Path()), std::make_pair(5, std::string("Accès au fichier refusé")));
  Support::ClearReadOnly(Temp / "RESTORE.BAT");
  HANDLE Other = CreateFileA((Temp / "RESTORE.BAT").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                             OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(Other, INVALID_HANDLE_VALUE);
  EXPECT_EQ(Failure(Temp.Path()), std::make_pair(32, std::string("Erreur E/S 32")));
  CloseHandle(Other);
  EXPECT_EQ(Support::ReadFileBytes(Temp / "RESTORE.BAT"), "old");
}

}  // namespace
