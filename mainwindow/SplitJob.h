// The split job: cuts the source file into fragments NNNNNNNN.frg, then writes RESTORE.BAT.
#pragma once

#include <string>

#include "ProgressRange.h"

namespace Scindora {

// The three field texts, taken once when the job starts.
struct TSplitRequest {
  std::string SourcePath;
  std::string DestFolder;
  std::string FragmentSizeText;
};

// The application's message loop as the job sees it between fragments.
class TMessagePump {
public:
  virtual ~TMessagePump() = default;
  virtual void ProcessMessages() = 0;
  virtual bool Terminated() = 0;
};

// Raises with a French message on every failure; what was written stays on disk.
void RunSplitJob(const TSplitRequest& Request, TProgressRange& Progress, TMessagePump& Pump);

}  // namespace Scindora
