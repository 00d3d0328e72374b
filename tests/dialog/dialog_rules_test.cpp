#include <gtest/gtest.h>

#include "host/dialog/banner_cycle.h"
#include "host/dialog/dialog_placement.h"
#include "host/dialog/kind_selection.h"

namespace vantrel {
namespace {

TEST(BannerCycle, RunsFortyNineTicksLeftThenRightThenStill) {
  int16_t counter = 0;
  for (int tick = 1; tick <= 3 * 49; ++tick) {
    const BannerTick t = nextBannerTick(counter);
    const int n = (tick - 1) % 49 + 1;
    if (n <= 24) {
      EXPECT_EQ(t.box, 0) << tick;
      EXPECT_EQ(t.frame, n) << tick;
      EXPECT_EQ(t.counter, n) << tick;
    } else if (n <= 48) {
      EXPECT_EQ(t.box, 1) << tick;
      EXPECT_EQ(t.frame, n - 24) << tick;
      EXPECT_EQ(t.counter, n) << tick;
    } else {
      EXPECT_EQ(t.box, -1) << tick;
      EXPECT_EQ(t.counter, 0) << tick;
    }
    counter = t.counter;
  }
}

TEST(BannerCycle, CounterOutsideTheCycleRestartsIt) {
  for (int16_t bad : {int16_t(49), int16_t(-1), int16_t(32767), int16_t(-32768)}) {
    const BannerTick t = nextBannerTick(bad);
    EXPECT_EQ(t.box, 0);
    EXPECT_EQ(t.frame, 1);
    EXPECT_EQ(t.counter, 1);
  }
}

TEST(KindSelection, EachKindEnablesExactlyItsControl) {
  const KindControls none = kindControlsFor(0);
  EXPECT_FALSE(none.repeatEnabled);
  EXPECT_FALSE(none.fileEnabled);
  EXPECT_EQ(none.selectedMark, 0);
  const KindControls cd = kindControlsFor(1);
  EXPECT_TRUE(cd.repeatEnabled);
  EXPECT_FALSE(cd.fileEnabled);
  EXPECT_EQ(cd.selectedMark, 1);
  const KindControls file = kindControlsFor(2);
  EXPECT_FALSE(file.repeatEnabled);
  EXPECT_TRUE(file.fileEnabled);
  EXPECT_EQ(file.selectedMark, 2);
  for (int bad : {-1, 3, 7, 32767, -32768}) {
    const KindControls k = kindControlsFor(bad);
    EXPECT_FALSE(k.repeatEnabled) << bad;
    EXPECT_FALSE(k.fileEnabled) << bad;
    EXPECT_EQ(k.selectedMark, -1) << bad;
  }
}

TEST(DialogPlacement, CentresAcrossAndPutsAThirdOfTheFreeHeightAbove) {
  // 1024x768 screen at 15 twips per pixel; a 504x294-pixel outer window.
  TwipsPoint p = dialogPosition(15360, 11520, 7560, 4410);
  EXPECT_EQ(p.left, 3900);
  EXPECT_EQ(p.top, 2370);
  // Odd free space truncates; the difference is rounded (half to even) first.
  p = dialogPosition(1001, 1001, 0, 0);
  EXPECT_EQ(p.left, 500);
  EXPECT_EQ(p.top, 333);
  p = dialogPosition(100.5, 101.5, 0, 0);
  EXPECT_EQ(p.left, 50);  // 100
  EXPECT_EQ(p.top, 34);   // 102 / 3
  // A window larger than the screen: toward zero, not toward minus infinity.
  p = dialogPosition(100, 100, 105, 107);
  EXPECT_EQ(p.left, -2);
  EXPECT_EQ(p.top, -2);
}

}  // namespace
}  // namespace vantrel
