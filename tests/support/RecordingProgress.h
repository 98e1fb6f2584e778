// A progress range that keeps every state it passes through.
#pragma once

#include <vector>

#include "ProgressRange.h"

namespace Scindora::Support {

// Records the four values after every change the job makes.
struct TProgressState {
  int Min, Max, Position, Step;
  bool operator==(const TProgressState&) const = default;
};

class TRecordingProgress : public TProgressRange {
public:
  std::vector<TProgressState> Changes;

protected:
  void Changed() override { Changes.push_back({Min(), Max(), Position(), Step()}); }
};

}  // namespace Scindora::Support
