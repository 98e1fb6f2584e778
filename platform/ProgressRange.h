// The values of a progress bar without its window: what the split job drives. The window
// layer's progress bar derives from it and shows the values in Changed().
#pragma once

#include <cstdint>

namespace Scindora {

class TProgressRange {
public:
  virtual ~TProgressRange() = default;

  int Min() const { return FMin; }
  int Max() const { return FMax; }
  int Position() const { return FPosition; }
  int Step() const { return FStep; }

  // A range with Max below Min, or a Max beyond 32 bits, raises EInvalidOperation.
  void SetMin(int Value);
  void SetMax(int64_t Value);
  // Kept within [Min, Max].
  void SetPosition(int Value);
  void SetStep(int Value);
  void StepIt();

protected:
  // After every change that took effect.
  virtual void Changed() {}

private:
  void SetRange(int64_t AMin, int64_t AMax);

  int FMin = 0;
  int FMax = 100;
  int FPosition = 0;
  int FStep = 10;
};

}  // namespace Scindora
