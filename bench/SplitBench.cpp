// Splits one file as the program does, for timing from outside:
//   SplitBench.exe SOURCE DESTFOLDER FRAGMENTSIZE
#include <cstdio>

#include "ProgressRange.h"
#include "SplitJob.h"
#include "SysUtils.h"

namespace {

// No window here: the turn between fragments is empty. What is timed is the job itself,
// not the start-up of a window system.
class TIdlePump : public Scindora::TMessagePump {
public:
  void ProcessMessages() override {}
  bool Terminated() override { return false; }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: SplitBench SOURCE DESTFOLDER FRAGMENTSIZE\n");
    return 2;
  }
  Scindora::TProgressRange Progress;
  TIdlePump Pump;
  try {
    Scindora::RunSplitJob({argv[1], argv[2], argv[3]}, Progress, Pump);
  } catch (const Scindora::Exception& E) {
    std::fprintf(stderr, "%s\n", E.what());
    return 1;
  }
  return 0;
}
