#include <gtest/gtest.h>

#include "ProgressRange.h"
#include "RecordingProgress.h"
#include "SysUtils.h"

using namespace Scindora;
using Support::TProgressState;
using Support::TRecordingProgress;

namespace {

TEST(ProgressRange, Defaults) {
  TProgressRange P;
  EXPECT_EQ(P.Min(), 0);
  EXPECT_EQ(P.Max(), 100);
  EXPECT_EQ(P.Position(), 0);
  EXPECT_EQ(P.Step(), 10);
}

TEST(ProgressRange, RangeOutOfBoundsRaisesAndChangesNothing) {
  const int64_t BadMax[] = {4, -1, 2147483648LL, 5000000000LL};
  for (const int64_t Value : BadMax) {
    TRecordingProgress P;
    P.SetMin(5);
    P.SetMax(50);
    P.Changes.clear();
    try {
      P.SetMax(Value);
      ADD_FAILURE() << "no exception for Max " << Value;
    } catch (const EInvalidOperation& E) {
      EXPECT_EQ(E.Message(), "Propriété TProgressBar hors limites");
    }
    EXPECT_EQ(P.Max(), 50);
    EXPECT_TRUE(P.Changes.empty());
  }
  TProgressRange P;
  P.SetMax(10);
  EXPECT_THROW(P.SetMin(11), EInvalidOperation);
  EXPECT_EQ(P.Min(), 0);
  P.SetMax(2147483647LL);
  EXPECT_EQ(P.Max(), 2147483647);
}

TEST(ProgressRange, PositionStaysWithinTheRange) {
  TProgressRange P;
  P.SetPosition(150);
  EXPECT_EQ(P.Position(), 100);
  P.SetPosition(-3);
  EXPECT_EQ(P.Position(), 0);
  P.SetPosition(80);
  P.SetMax(40);
  EXPECT_EQ(P.Position(), 40);
  P.SetMin(10);
  P.SetPosition(0);
  EXPECT_EQ(P.Position(), 10);
}

TEST(ProgressRange, StepItAddsStep) {
  TProgressRange P;
  P.SetMax(25);
  P.StepIt();
  EXPECT_EQ(P.Position(), 10);
  P.StepIt();
  P.StepIt();
  EXPECT_EQ(P.Position(), 25);
  P.SetStep(-30);
  P.StepIt();
  EXPECT_EQ(P.Position(), 0);
}

TEST(ProgressRange, ChangedAfterEveryEffectiveChangeOnly) {
  TRecordingProgress P;
  P.SetMin(0);
  P.SetMax(100);
  P.SetPosition(0);
  P.SetStep(10);
  EXPECT_TRUE(P.Changes.empty());
  P.SetStep(1);
  P.SetMax(4);
  P.StepIt();
  P.SetPosition(4);
  P.SetPosition(9);  // clamped to 4: no change
  const std::vector<TProgressState> Expected = {
      {0, 100, 0, 1}, {0, 4, 0, 1}, {0, 4, 1, 1}, {0, 4, 4, 1}};
  EXPECT_EQ(P.Changes, Expected);
}

}  // namespace
