// Stand-ins for the window around the split job: a progress bar that records every change
// and a message pump that asks to end after a chosen number of turns.
#pragma once

#include "RecordingProgress.h"
#include "SplitJob.h"

namespace Scindora::Support {

// Asks to end once ProcessMessages has run EndAfter times (never for a negative value).
class TScriptedPump : public TMessagePump {
public:
  explicit TScriptedPump(int EndAfter = -1) : FEndAfter(EndAfter) {}
  void ProcessMessages() override { ++Turns; }
  bool Terminated() override { return FEndAfter >= 0 && Turns >= FEndAfter; }
  int Turns = 0;

private:
  int FEndAfter;
};

}  // namespace Scindora::Support
