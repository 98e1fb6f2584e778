// A source beyond 4 GiB: positions and sizes must stay 64-bit all the way.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "SplitDoubles.h"
#include "SplitJob.h"
#include "SysUtils.h"
#include "TestFiles.h"

using namespace Scindora;
using Support::TTempFolder;

namespace {

TEST(SplitJobLarge, FiveGigabytesWithTheZipPreset) {
  const int64_t SourceSize = 5000000000LL;
  const int64_t FragmentSize = 100431872;
  TTempFolder Temp;
  // The fragments are 5 GB of real data: in memory when there is room (a disk would
  // throttle the writer once that much is waiting to be written back), else on disk.
  const auto HasRoom = [&](const std::string& Folder) {
    ULARGE_INTEGER Free;
    return GetDiskFreeSpaceExA(Folder.c_str(), &Free, nullptr, nullptr) &&
           Free.QuadPart >= uint64_t(SourceSize) + (1ULL << 30);
  };
  std::unique_ptr<TTempFolder> InMemory;
  if (HasRoom("Z:\\dev\\shm\\")) InMemory = std::make_unique<TTempFolder>("Z:\\dev\\shm");
  else if (!HasRoom(Temp.Path())) GTEST_SKIP() << "the fragments need 5 GB of free space";
  const std::string Dest = (InMemory ? *InMemory : Temp) / "out";

  const std::string Source = Temp / "big.iso";
  Support::MakeSparseFile(Source, SourceSize);
  // Marks where 32-bit arithmetic would go wrong: across a fragment boundary, at 4 GiB,
  // and at the very end.
  const struct {
    int64_t Offset;
    const char* Text;
  } Marks[] = {
      {0, "first"},
      {42 * FragmentSize - 3, "across42"},
      {4294967296LL, "at4GiB"},
      {SourceSize - 4, "last"},
  };
  for (const auto& Mark : Marks) Support::WriteAt(Source, Mark.Offset, Mark.Text);
  ASSERT_LT(Support::AllocatedSize(Source), 1 << 20) << "the source is not sparse";

  Support::TRecordingProgress Progress;
  Support::TScriptedPump Pump;
  RunSplitJob({Source, Dest, IntToStr(FragmentSize)}, Progress, Pump);

  std::vector<std::string> Expected;
  for (int I = 0; I < 50; ++I) Expected.push_back(IntToHex(I, 8) + ".frg");
  Expected.push_back("RESTORE.BAT");
  EXPECT_EQ(Support::FolderNames(Dest), Expected);
  EXPECT_EQ(Expected[49], "00000031.frg");
  for (int I = 0; I < 49; ++I) EXPECT_EQ(Support::FileSizeOf(Dest + "\\" + Expected[I]), FragmentSize) << I;
  EXPECT_EQ(Support::FileSizeOf(Dest + "\\00000031.frg"), 78838272);

  for (const auto& Mark : Marks) {
    const std::string Text = Mark.Text;
    std::string Found;
    for (int64_t At = Mark.Offset; At < Mark.Offset + int64_t(Text.size()); ++At) {
      const int64_t Index = At / FragmentSize;
      Found += Support::ReadAt(Dest + "\\" + IntToHex(Index, 8) + ".frg", At - Index * FragmentSize, 1);
    }
    EXPECT_EQ(Found, Text) << "at " << Mark.Offset;
  }

  EXPECT_EQ(Progress.Max(), 50);
  ASSERT_EQ(Progress.Changes.size(), 52u);
  EXPECT_EQ(Progress.Changes[1], (Support::TProgressState{0, 50, 0, 1}));
  EXPECT_EQ(Progress.Changes[49].Position, 48);
  EXPECT_EQ(Progress.Changes[50].Position, 49);
  EXPECT_EQ(Progress.Changes[51].Position, 50);
}

}  // namespace
