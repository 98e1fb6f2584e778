#include "ProgressRange.h"

#include <algorithm>
#include <climits>

#include "SysUtils.h"

namespace Scindora {

void TProgressRange::SetRange(int64_t AMin, int64_t AMax) {
  // The message names the control class this range stands for.
  if (AMax < AMin || AMax > INT_MAX) throw EInvalidOperation("Propriété TProgressBar hors limites");
  if (AMin == FMin && AMax == FMax) return;
  FMin = static_cast<int>(AMin);
  FMax = static_cast<int>(AMax);
  if (FPosition < FMin) FPosition = FMin;
  if (FPosition > FMax) FPosition = FMax;
  Changed();
}

void TProgressRange::SetMin(int Value) { SetRange(Value, FMax); }

void TProgressRange::SetMax(int64_t Value) { SetRange(FMin, Value); }

void TProgressRange::SetPosition(int Value) {
  if (Value < FMin) Value = FMin;
  if (Value > FMax) Value = FMax;
  if (Value == FPosition) return;
  FPosition = Value;
  Changed();
}

void TProgressRange::SetStep(int Value) {
  if (Value == FStep) return;
  FStep = Value;
  Changed();
}

void TProgressRange::StepIt() {
  const int64_t Value = std::clamp<int64_t>(int64_t(FPosition) + FStep, FMin, FMax);
  SetPosition(static_cast<int>(Value));
}

}  // namespace Scindora
