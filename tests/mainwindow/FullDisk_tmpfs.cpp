// A disk that fills up for real: with_tmpfs.sh mounts a small tmpfs and names it in
// SCINDORA_TMPFS. Each test fills it with a filler file to leave just the room it wants.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

#include "SplitDoubles.h"
#include "SplitJob.h"
#include "SysUtils.h"
#include "TestFiles.h"

using namespace Scindora;
using Support::TTempFolder;

namespace {

class FullDisk : public testing::Test {
protected:
  void SetUp() override {
    const char* Root = std::getenv("SCINDORA_TMPFS");
    if (!Root || !*Root) {
      const char* Why = std::getenv("SCINDORA_TMPFS_SKIP");
      GTEST_SKIP() << (Why ? Why : "no small disk: run through tests/mainwindow/with_tmpfs.sh");
    }
    FDisk = std::make_unique<TTempFolder>(Root);
  }

  // Fills the disk until exactly Room bytes are left.
  void LeaveRoom(uint64_t Room) {
    const uint64_t Free = FreeBytes();
    ASSERT_GE(Free, Room);
    Support::WriteFileBytes(*FDisk / "filler", std::string(Free - Room, '\0'));
    ASSERT_EQ(FreeBytes(), Room) << "the disk does not count in whole pages of 4096";
  }

  uint64_t FreeBytes() const {
    ULARGE_INTEGER Free;
    GetDiskFreeSpaceExA(FDisk->Path().c_str(), &Free, nullptr, nullptr);
    return Free.QuadPart;
  }

  TTempFolder Local;  // the source lives on the ordinary disk
  std::unique_ptr<TTempFolder> FDisk;
};

TEST_F(FullDisk, DuringAFragmentsCopy) {
  const std::string Bytes = Support::PatternBytes(100000);
  Support::WriteFileBytes(Local / "source.bin", Bytes);
  LeaveRoom(10 * 4096);  // two fragments of four pages, then half a third
  const std::string Dest = *FDisk / "out";
  TProgressRange Progress;
  Support::TScriptedPump Pump;
  try {
    RunSplitJob({Local / "source.bin", Dest, "16384"}, Progress, Pump);
    FAIL() << "no exception";
  } catch (const EWriteError& E) {
    EXPECT_EQ(E.Message(), "Erreur d'écriture dans le flux");
  }
  EXPECT_EQ(Support::FolderNames(Dest),
            (std::vector<std::string>{"00000000.frg", "00000001.frg", "00000002.frg"}));
  EXPECT_EQ(Support::ReadFileBytes(Dest + "\\00000000.frg"), Bytes.substr(0, 16384));
  EXPECT_EQ(Support::ReadFileBytes(Dest + "\\00000001.frg"), Bytes.substr(16384, 16384));
  const std::string Partial = Support::ReadFileBytes(Dest + "\\00000002.frg");
  EXPECT_LT(Partial.size(), 16384u);
  EXPECT_EQ(Partial, Bytes.substr(32768, Partial.size()));
  EXPECT_EQ(Progress.Position(), 3);
  Support::WriteFileBytes(Local / "source.bin", "released");
}

TEST_F(FullDisk, DuringTheRestoreScript) {
  const std::string Bytes = Support::PatternBytes(3 * 4096);
  Support::WriteFileBytes(Local / "source.bin", Bytes);
  LeaveRoom(3 * 4096);  // the fragments fit exactly, the script does not
  const std::string Dest = *FDisk / "out";
  TProgressRange Progress;
  Support::TScriptedPump Pump;
  try {
    RunSplitJob({Local / "source.bin", Dest, "4096"}, Progress, Pump);
    FAIL() << "no exception";
  } catch (const EInOutError& E) {
    EXPECT_EQ(E.Message(), "Erreur E/S 112");
    EXPECT_EQ(E.ErrorCode(), 112);
  }
  EXPECT_EQ(Support::FolderNames(Dest), (std::vector<std::string>{"00000000.frg", "00000001.frg",
                                                                  "00000002.frg", "RESTORE.BAT"}));
  std::string Joined;
  for (const char* Name : {"00000000.frg", "00000001.frg", "00000002.frg"})
    Joined += Support::ReadFileBytes(Dest + "\\" + Name);
  EXPECT_TRUE(Joined == Bytes);
  EXPECT_EQ(Support::FileSizeOf(Dest + "\\RESTORE.BAT"), 0);
  // Released on the failing path: it can be replaced at once.
  Support::WriteFileBytes(Dest + "\\RESTORE.BAT", "");
}

}  // namespace
