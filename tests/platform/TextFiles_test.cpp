#include <gtest/gtest.h>
#include <windows.h>

#include "TestFiles.h"
#include "TextFiles.h"

using namespace Scindora;
using Support::TTempFolder;

namespace {

TEST(TextFile, LinesEndInCrLfAndReplaceTheOldContent) {
  TTempFolder Temp;
  const std::string Path = Temp / "out.txt";
  Support::WriteFileBytes(Path, std::string(500, 'x'));
  TTextFile F(Path);
  F.Rewrite();
  F.WriteLn("ab");
  F.WriteLn("");
  F.Write("c");
  F.CloseFile();
  EXPECT_EQ(Support::ReadFileBytes(Path), "ab\r\n\r\nc");
}

TEST(TextFile, OutputReachesTheDiskIn128ByteBlocks) {
  TTempFolder Temp;
  const std::string Path = Temp / "out.txt";
  TTextFile F(Path);
  F.Rewrite();
  F.WriteLn(std::string(100, 'a'));
  EXPECT_EQ(Support::FileSizeOf(Path), 0);
  F.WriteLn(std::string(100, 'b'));
  EXPECT_EQ(Support::FileSizeOf(Path), 128);
  F.WriteLn(std::string(300, 'c'));
  EXPECT_EQ(Support::FileSizeOf(Path), 384);
  F.CloseFile();
  EXPECT_EQ(Support::FileSizeOf(Path), 506);
}

TEST(TextFile, OthersMayReadButNotWriteWhileOpen) {
  TTempFolder Temp;
  const std::string Path = Temp / "out.txt";
  TTextFile F(Path);
  F.Rewrite();
  HANDLE Reader = CreateFileA(Path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  EXPECT_NE(Reader, INVALID_HANDLE_VALUE);
  if (Reader != INVALID_HANDLE_VALUE) CloseHandle(Reader);
  HANDLE Writer = CreateFileA(Path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  EXPECT_EQ(Writer, INVALID_HANDLE_VALUE);
  if (Writer != INVALID_HANDLE_VALUE) CloseHandle(Writer);
}

TEST(TextFile, DestructorReleasesTheFile) {
  TTempFolder Temp;
  const std::string Path = Temp / "out.txt";
  {
    TTextFile F(Path);
    F.Rewrite();
    F.WriteLn("pending");
  }
  HANDLE Writer = CreateFileA(Path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_NE(Writer, INVALID_HANDLE_VALUE);
  if (Writer != INVALID_HANDLE_VALUE) CloseHandle(Writer);
}

TEST(InOutError, MessageFromTheErrorCode) {
  const std::pair<int, const char*> Cases[] = {
      {2, "Fichier introuvable"},      {3, "Nom de fichier incorrect"},
      {4, "Trop de fichiers ouverts"}, {5, "Accès au fichier refusé"},
      {100, "Lecture au-delà de la fin de fichier"}, {101, "Disque plein"},
      {106, "Saisie numérique incorrecte"}, {32, "Erreur E/S 32"},
      {112, "Erreur E/S 112"},         {0, "Erreur E/S 0"},
  };
  for (const auto& [Code, Message] : Cases) EXPECT_EQ(InOutErrorMessage(Code), Message);
}

std::pair<int, std::string> RewriteFailure(const std::string& Path) {
  TTextFile F(Path);
  try {
    F.Rewrite();
  } catch (const EInOutError& E) {
    return {E.ErrorCode(), E.Message()};
  }
  return {0, "no exception"};
}

TEST(InOutError, OpenFailuresCarryTheSystemCode) {
  TTempFolder Temp;
  EXPECT_EQ(RewriteFailure(Temp / "missing\\out.txt"),
            std::make_pair(3, std::string("Nom de fichier incorrect")));

  const std::string ReadOnly = Temp / "ro.txt";
  Support::WriteFileBytes(ReadOnly, "old");
  ASSERT_TRUE(Support::MakeReadOnly(ReadOnly)) << "a read-only file cannot be made here";
  EXPECT_EQ(RewriteFailure(ReadOnly), std::make_pair(5, std::string("Accès au fichier refusé")));
  EXPECT_EQ(Support::ReadFileBytes(ReadOnly), "old");

  const std::string Held = Temp / "held.txt";
  Support::WriteFileBytes(Held, "old");
  HANDLE Other = CreateFileA(Held.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(Other, INVALID_HANDLE_VALUE);
  EXPECT_EQ(RewriteFailure(Held), std::make_pair(32, std::string("Erreur E/S 32")));
  CloseHandle(Other);
}

}  // namespace
