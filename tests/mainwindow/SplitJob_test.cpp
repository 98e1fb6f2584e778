#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "SplitDoubles.h"
#include "SplitJob.h"
#include "SysUtils.h"
#include "TestFiles.h"

using namespace Scindora;
using Support::FileExists;
using Support::FolderExists;
using Support::FolderNames;
using Support::TProgressState;
using Support::TRecordingProgress;
using Support::TScriptedPump;
using Support::TTempFolder;

namespace {

using TNames = std::vector<std::string>;

// Runs the job and gives back the message it failed with, or "" when it completed.
std::string Split(const std::string& Source, const std::string& Dest, const std::string& Size,
                  TProgressRange& Progress, TMessagePump& Pump) {
  try {
    RunSplitJob({Source, Dest, Size}, Progress, Pump);
  } catch (const Exception& E) {
    return E.Message();
  }
  return "";
}

std::string Split(const std::string& Source, const std::string& Dest, const std::string& Size) {
  TProgressRange Progress;
  TScriptedPump Pump;
  return Split(Source, Dest, Size, Progress, Pump);
}

TNames FragmentNames(int Count) {
  TNames Names;
  for (int I = 0; I < Count; ++I) Names.push_back(IntToHex(I, 8) + ".frg");
  return Names;
}

// The fragments in Dest, in name order, must make up Bytes exactly in pieces of Size.
void ExpectFragmentsOf(const std::string& Bytes, int64_t Size, const std::string& Dest, int Count) {
  std::string Joined;
  for (int I = 0; I < Count; ++I) {
    const std::string Piece = Support::ReadFileBytes(Dest + "\\" + IntToHex(I, 8) + ".frg");
    const int64_t Expected = std::min<int64_t>(Size, int64_t(Bytes.size()) - I * Size);
    ASSERT_EQ(int64_t(Piece.size()), Expected) << "fragment " << I;
    Joined += Piece;
  }
  EXPECT_TRUE(Joined == Bytes) << "the fragments do not make up the source";
}

struct TSplitCase {
  const char* What;
  size_t SourceSize;
  int FragmentSize;
  int Fragments;
  std::vector<int> Positions;  // Position as each fragment starts
};

TEST(SplitJob, FragmentsAndProgress) {
  const TSplitCase Cases[] = {
      {"one byte over", 1001, 1000, 2, {1, 2}},
      {"one byte over a one-byte fragment", 2, 1, 2, {1, 3}},
      {"exact multiple", 3000, 1000, 3, {1, 2, 4}},
      {"floppy preset, three full disks", 4372992, 1457664, 3, {1, 2, 4}},
      {"floppy preset, a little more", 4372993, 1457664, 4, {1, 2, 3, 4}},
  };
  for (const TSplitCase& Case : Cases) {
    SCOPED_TRACE(Case.What);
    TTempFolder Temp;
    const std::string Bytes = Support::PatternBytes(Case.SourceSize);
    Support::WriteFileBytes(Temp / "source.bin", Bytes);
    const std::string Dest = Temp / "new\\out";
    TRecordingProgress Progress;
    TScriptedPump Pump;
    ASSERT_EQ(Split(Temp / "source.bin", Dest, IntToStr(Case.FragmentSize), Progress, Pump), "");

    TNames Expected = FragmentNames(Case.Fragments);
    Expected.push_back("RESTORE.BAT");
    EXPECT_EQ(FolderNames(Dest), Expected);
    ExpectFragmentsOf(Bytes, Case.FragmentSize, Dest, Case.Fragments);
    EXPECT_EQ(Pump.Turns, Case.Fragments);

    const int Max = int(Case.SourceSize / Case.FragmentSize + 1);
    std::vector<TProgressState> States = {{0, 100, 0, 1}, {0, Max, 0, 1}};
    for (const int Position : Case.Positions) States.push_back({0, Max, Position, 1});
    EXPECT_EQ(Progress.Changes, States);
  }
}

TEST(SplitJob, ProgressIsPreparedInOrderFromAnyState) {
  TTempFolder Temp;
  Support::WriteFileBytes(Temp / "source.bin", Support::PatternBytes(25));
  TRecordingProgress Progress;
  Progress.SetMax(50);
  Progress.SetMin(2);
  Progress.SetPosition(30);
  Progress.SetStep(7);
  Progress.Changes.clear();
  TScriptedPump Pump;
  ASSERT_EQ(Split(Temp / "source.bin", Temp.Path(), "10", Progress, Pump), "");
  const std::vector<TProgressState> Expected = {
      {0, 50, 30, 7}, {0, 50, 30, 1}, {0, 50, 0, 1}, {0, 3, 0, 1}, {0, 3, 1, 1}, {0, 3, 2, 1},
      {0, 3, 3, 1}};
  EXPECT_EQ(Progress.Changes, Expected);
}

TEST(SplitJob, OneByteFragmentsAreNamedInUpperCaseHexadecimal) {
  TTempFolder Temp;
  const std::string Bytes = Support::PatternBytes(300);
  Support::WriteFileBytes(Temp / "source.bin", Bytes);
  const std::string Dest = Temp / "out";
  TRecordingProgress Progress;
  TScriptedPump Pump;
  ASSERT_EQ(Split(Temp / "source.bin", Dest, "1", Progress, Pump), "");
  TNames Names = FolderNames(Dest);
  ASSERT_EQ(Names.size(), 301u);
  EXPECT_EQ(Names[0], "00000000.frg");
  EXPECT_EQ(Names[10], "0000000A.frg");
  EXPECT_EQ(Names[255], "000000FF.frg");
  EXPECT_EQ(Names[299], "0000012B.frg");
  EXPECT_EQ(Names[300], "RESTORE.BAT");
  ExpectFragmentsOf(Bytes, 1, Dest, 300);
  EXPECT_EQ(Progress.Max(), 301);
  EXPECT_EQ(Progress.Position(), 301);
}

TEST(SplitJob, RefusalsCreateNothing) {
  TTempFolder Temp;
  Support::WriteFileBytes(Temp / "1000.bin", Support::PatternBytes(1000));
  Support::WriteFileBytes(Temp / "empty.bin", "");
  Support::WriteFileBytes(Temp / "held.bin", Support::PatternBytes(5000));
  HANDLE Writer = CreateFileA((Temp / "held.bin").c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(Writer, INVALID_HANDLE_VALUE);

  const std::string Useless = "Taille du fichier correcte. Fractionnement inutile !";
  const std::string CannotOpen = "Impossible d'ouvrir le fichier Source !";
  const struct {
    std::string Source, Size, Message;
  } Cases[] = {
      {"1000.bin", "1000", Useless},
      {"1000.bin", "1001", Useless},
      {"1000.bin", "2147483647", Useless},
      {"empty.bin", "1", Useless},
      {"missing.bin", "10", CannotOpen},
      {"", "10", CannotOpen},
      {"held.bin", "10", CannotOpen},
      {"1000.bin", "abc", "'abc' n'est pas une valeur entière correcte"},
      {"1000.bin", "", "'' n'est pas une valeur entière correcte"},
      {"1000.bin", "0", "Vous devez saisir une valeur numérique entière non formatée."},
      {"1000.bin", "-5", "Vous devez saisir une valeur numérique entière non formatée."},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Source + " / " + Case.Size);
    const std::string Source = Case.Source.empty() ? "" : Temp / Case.Source;
    TRecordingProgress Progress;
    TScriptedPump Pump;
    EXPECT_EQ(Split(Source, Temp / "new\\out", Case.Size, Progress, Pump), Case.Message);
    EXPECT_FALSE(FolderExists(Temp / "new"));
    EXPECT_TRUE(Progress.Changes.empty());
    EXPECT_EQ(Pump.Turns, 0);
  }
  CloseHandle(Writer);
  EXPECT_EQ(FolderNames(Temp.Path()), (TNames{"1000.bin", "empty.bin", "held.bin"}));
}

TEST(SplitJob, EmptyDestinationTextRaisesBeforeAnyFragment) {
  TTempFolder Temp;
  Support::WriteFileBytes(Temp / "source.bin", Support::PatternBytes(100));
  TScriptedPump Pump;
  TProgressRange Progress;
  try {
    RunSplitJob({Temp / "source.bin", "", "10"}, Progress, Pump);
    FAIL() << "no exception";
  } catch (const EInOutError& E) {
    EXPECT_EQ(E.Message(), "Impossible de créer le répertoire");
  }
  EXPECT_EQ(Pump.Turns, 0);
  EXPECT_EQ(FolderNames(Temp.Path()), TNames{"source.bin"});
}

TEST(SplitJob, CountBeyondTheProgressBarRangeIsRefusedBeforeAnyWrite) {
  TTempFolder Temp;
  const std::string Source = Temp / "huge.bin";
  Support::MakeSparseFile(Source, 2147483647LL);  // count 2^31 with one-byte fragments
  TRecordingProgress Progress;
  TScriptedPump Pump;
  EXPECT_EQ(Split(Source, Temp / "out", "1", Progress, Pump), "Propriété TProgressBar hors limites");
  EXPECT_FALSE(FolderExists(Temp / "out"));
  EXPECT_EQ(Pump.Turns, 0);
  EXPECT_EQ(Progress.Changes, (std::vector<TProgressState>{{0, 100, 0, 1}}));

  // One more byte per fragment brings the count back into range.
  TRecordingProgress Progress2;
  TScriptedPump Stop(0);
  EXPECT_EQ(Split(Source, Temp / "out", "2", Progress2, Stop), "Fractionnement annulé par l'utilisateur.");
  EXPECT_EQ(Progress2.Max(), 1073741824);
}

TEST(SplitJob, EarlierFragmentsAreReplacedOrLeftAlone) {
  TTempFolder Temp;
  const std::string Bytes = Support::PatternBytes(2500);
  Support::WriteFileBytes(Temp / "source.bin", Bytes);
  const std::string Dest = Temp / "out";
  CreateDirectoryA(Dest.c_str(), nullptr);
  Support::WriteFileBytes(Dest + "\\00000000.frg", std::string(5000, 'x'));  // longer: replaced
  Support::WriteFileBytes(Dest + "\\00000007.frg", "older split");
  Support::WriteFileBytes(Dest + "\\RESTORE.BAT", std::string(3000, 'y'));
  ASSERT_EQ(Split(Temp / "source.bin", Dest, "1000"), "");
  EXPECT_EQ(FolderNames(Dest),
            (TNames{"00000000.frg", "00000001.frg", "00000002.frg", "00000007.frg", "RESTORE.BAT"}));
  ExpectFragmentsOf(Bytes, 1000, Dest, 3);
  EXPECT_EQ(Support::ReadFileBytes(Dest + "\\00000007.frg"), "older split");
  EXPECT_LT(Support::FileSizeOf(Dest + "\\RESTORE.BAT"), 3000);
}

TEST(SplitJob, ReadOnlyFileOfAFragmentsName) {
  TTempFolder Temp;
  const std::string Bytes = Support::PatternBytes(2500);
  Support::WriteFileBytes(Temp / "source.bin", Bytes);
  const std::string Dest = Temp.Path();
  Support::WriteFileBytes(Dest + "\\00000001.frg", "keep");
  if (!Support::MakeReadOnly(Dest + "\\00000001.frg")) GTEST_SKIP() << "a read-only file cannot be made here";
  EXPECT_EQ(Split(Temp / "source.bin", Dest, "1000"), "Impossible de créer le fichier \"00000001.frg\".");
  EXPECT_EQ(FolderNames(Dest), (TNames{"00000000.frg", "00000001.frg", "source.bin"}));
  EXPECT_EQ(Support::ReadFileBytes(Dest + "\\00000000.frg"), Bytes.substr(0, 1000));
  EXPECT_EQ(Support::ReadFileBytes(Dest + "\\00000001.frg"), "keep");
  // Both files were released: the source can be written again.
  Support::WriteFileBytes(Temp / "source.bin", "free");
}

TEST(SplitJob, SourceLyingUnderAFragmentsName) {
  TTempFolder Temp;
  const std::string Bytes = Support::PatternBytes(2500);
  const std::string Source = Temp / "00000002.frg";
  Support::WriteFileBytes(Source, Bytes);
  EXPECT_EQ(Split(Source, Temp.Path(), "1000"), "Impossible de créer le fichier \"00000002.frg\".");
  EXPECT_EQ(Support::ReadFileBytes(Source), Bytes) << "the source was written to";
  EXPECT_EQ(FolderNames(Temp.Path()), (TNames{"00000000.frg", "00000001.frg", "00000002.frg"}));
  ExpectFragmentsOf(Bytes.substr(0, 2000), 1000, Temp.Path(), 2);
}

TEST(SplitJob, ScriptFailuresLeaveEveryFragmentComplete) {
  const std::string Bytes = Support::PatternBytes(2500);
  {
    SCOPED_TRACE("read-only RESTORE.BAT");
    TTempFolder Temp;
    Support::WriteFileBytes(Temp / "source.bin", Bytes);
    const std::string Dest = Temp / "out";
    CreateDirectoryA(Dest.c_str(), nullptr);
    Support::WriteFileBytes(Dest + "\\RESTORE.BAT", "old");
    if (!Support::MakeReadOnly(Dest + "\\RESTORE.BAT")) GTEST_SKIP() << "a read-only file cannot be made here";
    EXPECT_EQ(Split(Temp / "source.bin", Dest, "1000"), "Accès au fichier refusé");
    ExpectFragmentsOf(Bytes, 1000, Dest, 3);
    EXPECT_EQ(Support::ReadFileBytes(Dest + "\\RESTORE.BAT"), "old");
  }
  {
    SCOPED_TRACE("RESTORE.BAT held open by another program");
    TTempFolder Temp;
    Support::WriteFileBytes(Temp / "source.bin", Bytes);
    Support::WriteFileBytes(Temp / "RESTORE.BAT", "old");
    HANDLE Other = CreateFileA((Temp / "RESTORE.BAT").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(Other, INVALID_HANDLE_VALUE);
    try {
      TProgressRange Progress;
      TScriptedPump Pump;
      RunSplitJob({Temp / "source.bin", Temp.Path(), "1000"}, Progress, Pump);
      ADD_FAILURE() << "no exception";
    } catch (const EInOutError& E) {
      EXPECT_EQ(E.Message(), "Erreur E/S 32");
      EXPECT_EQ(E.ErrorCode(), 32);
    }
    CloseHandle(Other);
    ExpectFragmentsOf(Bytes, 1000, Temp.Path(), 3);
    EXPECT_EQ(Support::ReadFileBytes(Temp / "RESTORE.BAT"), "old");
  }
}

TEST(SplitJob, EndRequestStopsBetweenFragments) {
  const std::string Bytes = Support::PatternBytes(3500);
  const std::string Cancelled = "Fractionnement annulé par l'utilisateur.";
  {
    SCOPED_TRACE("pending before the first fragment");
    TTempFolder Temp;
    Support::WriteFileBytes(Temp / "source.bin", Bytes);
    TProgressRange Progress;
    TScriptedPump Pump(0);
    EXPECT_EQ(Split(Temp / "source.bin", Temp / "a\\out", "1000", Progress, Pump), Cancelled);
    EXPECT_EQ(Pump.Turns, 1) << "the queue gets its turn before the poll";
    EXPECT_TRUE(FolderExists(Temp / "a\\out"));
    EXPECT_TRUE(FolderNames(Temp / "a\\out").empty());
  }
  {
    SCOPED_TRACE("asked during the second fragment");
    TTempFolder Temp;
    Support::WriteFileBytes(Temp / "source.bin", Bytes);
    TProgressRange Progress;
    TScriptedPump Pump(3);
    EXPECT_EQ(Split(Temp / "source.bin", Temp / "out", "1000", Progress, Pump), Cancelled);
    EXPECT_EQ(FolderNames(Temp / "out"), FragmentNames(2));
    ExpectFragmentsOf(Bytes.substr(0, 2000), 1000, Temp / "out", 2);
    EXPECT_EQ(Progress.Position(), 2);
    Support::WriteFileBytes(Temp / "source.bin", "free");  // released
  }
}

// Runs a step at a chosen turn of the message queue, as a command run from it would.
class THookPump : public TMessagePump {
public:
  THookPump(int AAtTurn, std::function<void()> AHook) : FAtTurn(AAtTurn), FHook(std::move(AHook)) {}
  void ProcessMessages() override {
    if (++FTurns == FAtTurn) FHook();
  }
  bool Terminated() override { return false; }

private:
  int FTurns = 0;
  int FAtTurn;
  std::function<void()> FHook;
};

TEST(SplitJob, SourceCutShortMidwayIsAReadError) {
  // Windows programs cannot write the open source; a Linux one can.
  TTempFolder Temp;
  const std::string Source = Temp / "source.bin";
  const std::string Bytes = Support::PatternBytes(3000);
  Support::WriteFileBytes(Source, Bytes);
  const std::string Unix = Support::UnixPath(Source);
  if (Unix.empty()) GTEST_SKIP() << "no Linux path for the source";
  THookPump Pump(2, [&] {
    Support::StartUnix("/usr/bin/truncate -s 1000 \"" + Unix + "\"");
    for (int I = 0; I < 500 && Support::FileSizeOf(Source) != 1000; ++I) Sleep(10);
  });
  TProgressRange Progress;
  EXPECT_EQ(Split(Source, Temp / "out", "1000", Progress, Pump), "Erreur de lecture du flux");
  EXPECT_EQ(Support::FileSizeOf(Source), 1000) << "the source was not cut";
  // Not the whole source copied again into the next fragment.
  EXPECT_EQ(Support::FileSizeOf(Temp / "out\\00000001.frg"), 0);
  EXPECT_FALSE(FileExists(Temp / "out\\RESTORE.BAT"));
}

// Wine's drive letters are the links in its prefix's dosdevices folder.
class TDriveLetter {
public:
  explicit TDriveLetter(const std::string& Folder) {
    const std::string CDrive = Support::UnixPath("C:\\");
    const size_t Slash = CDrive.rfind("/c:");
    const std::string Target = Support::UnixPath(Folder);
    if (Slash == std::string::npos || Target.empty()) return;
    for (char Letter = 'q'; Letter <= 'y'; ++Letter) {
      const std::string Root = std::string(1, char(Letter - 'a' + 'A')) + ":\\";
      if (GetFileAttributesA(Root.c_str()) != INVALID_FILE_ATTRIBUTES) continue;
      FLink = CDrive.substr(0, Slash) + "/" + Letter + ":";
      Support::StartUnix("/bin/ln -s \"" + Target + "\" \"" + FLink + "\"");
      for (int I = 0; I < 500 && GetFileAttributesA(Root.c_str()) == INVALID_FILE_ATTRIBUTES; ++I) Sleep(10);
      if (GetFileAttributesA(Root.c_str()) != INVALID_FILE_ATTRIBUTES) FRoot = Root;
      return;
    }
  }
  ~TDriveLetter() {
    if (FLink.empty()) return;
    Support::StartUnix("/bin/rm -f \"" + FLink + "\"");
    for (int I = 0; I < 500 && !FRoot.empty() && GetFileAttributesA(FRoot.c_str()) != INVALID_FILE_ATTRIBUTES; ++I)
      Sleep(10);
  }
  const std::string& Root() const { return FRoot; }  // "Q:\", empty when none could be made

private:
  std::string FLink, FRoot;
};

TEST(SplitJob, DriveRootGetsADoubledBackslash) {
  TTempFolder Temp;
  const std::string Folder = Temp / "root";
  CreateDirectoryA(Folder.c_str(), nullptr);
  const std::string Bytes = Support::PatternBytes(1500);
  Support::WriteFileBytes(Temp / "source.bin", Bytes);
  {
    TDriveLetter Drive(Folder);
    if (Drive.Root().empty()) GTEST_SKIP() << "no drive letter could be made";
    EXPECT_EQ(Split(Temp / "source.bin", Drive.Root(), "1000"), "");
  }
  EXPECT_EQ(FolderNames(Folder), (TNames{"00000000.frg", "00000001.frg", "RESTORE.BAT"}));
  ExpectFragmentsOf(Bytes, 1000, Folder, 2);
}

}  // namespace
