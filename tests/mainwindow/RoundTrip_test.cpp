// The restore script is proven by running it with the system's cmd where the fragments are.
#include <gtest/gtest.h>

#include "SplitDoubles.h"
#include "SplitJob.h"
#include "SysUtils.h"
#include "TestFiles.h"

using namespace Scindora;
using Support::TTempFolder;

namespace {

TEST(RoundTrip, RestoreScriptRebuildsTheSourceUnderItsOwnName) {
  const struct {
    const char* Name;
    size_t Size;
    const char* FragmentSize;
  } Cases[] = {
      {"plain.bin", 10000, "3000"},
      {"avec des espaces.tar.gz", 100000, "1457"},
      {"Vidéo été.avi", 70000, "10000"},
      {"100% sûr.txt", 20001, "10000"},
      {"a&b (copie).zip", 5000, "999"},
  };
  uint32_t Seed = 1;
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    TTempFolder Temp;
    const std::string Bytes = Support::PatternBytes(Case.Size, Seed++);
    Support::WriteFileBytes(Temp / Case.Name, Bytes);
    const std::string Dest = Temp / "fragments";
    TProgressRange Progress;
    Support::TScriptedPump Pump;
    RunSplitJob({Temp / Case.Name, Dest, Case.FragmentSize}, Progress, Pump);

    Support::RunCmd(Dest, "RESTORE.BAT");
    EXPECT_EQ(Support::FolderNames(Dest), std::vector<std::string>{Case.Name})
        << "only the rebuilt file, under the source's name, is left";
    if (Support::FileExists(Dest + "\\" + Case.Name))
      EXPECT_TRUE(Support::ReadFileBytes(Dest + "\\" + Case.Name) == Bytes) << "rebuilt file differs";
  }
}

}  // namespace
