// The measuring aids read from the environment: off unless asked for, and a
// held star count only for whole counts the pool has.
#include "renderer/gl/measuring_switches.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(MeasuringSwitches, OffUnlessAskedAndEachKindOfFrameAndPicture) {
  const MeasuringSwitches none = measuringSwitchesFrom(nullptr, nullptr);
  EXPECT_EQ(none.content, FrameContent::Scene);
  EXPECT_TRUE(none.keepPicture);
  EXPECT_EQ(none.trailOptions.finest, TrailPrecision::Normalised16);
  EXPECT_EQ(none.heldStars, -1);
  EXPECT_TRUE(none.trailOptions.useKeptBackBuffer);
  EXPECT_TRUE(none.trailOptions.floorEightBit);

  const MeasuringSwitches plain = measuringSwitchesFrom("plain", "copy");
  EXPECT_EQ(plain.content, FrameContent::BareFade);
  EXPECT_FALSE(plain.keepPicture);
  EXPECT_FALSE(plain.trailOptions.preferFramebuffer);
  EXPECT_EQ(measuringSwitchesFrom("1", "8bit").trailOptions.finest,
            TrailPrecision::EightBit);
  EXPECT_TRUE(measuringSwitchesFrom("1", nullptr).keepPicture);
  // A named framebuffer picture is measured even where the swap keeps the
  // back buffer, which would otherwise be drawn into.
  for (const char* framebuffer : {"16bit", "float", "8bit", "copy"}) {
    EXPECT_FALSE(measuringSwitchesFrom(nullptr, framebuffer)
                     .trailOptions.useKeptBackBuffer)
        << framebuffer;
  }
  const TrailOptions unfloored =
      measuringSwitchesFrom(nullptr, "unfloored").trailOptions;
  EXPECT_TRUE(unfloored.useKeptBackBuffer);
  EXPECT_FALSE(unfloored.floorEightBit);
}

TEST(MeasuringSwitches, PacingOnUnlessSwitchedOff) {
  EXPECT_TRUE(measuringSwitchesFrom(nullptr, nullptr).paced);
  EXPECT_FALSE(measuringSwitchesFrom(nullptr, nullptr, nullptr, "off").paced);
  for (const char* other : {"", "on", "0", "OFF"}) {
    EXPECT_TRUE(measuringSwitchesFrom(nullptr, nullptr, nullptr, other).paced)
        << other;
  }
}

TEST(MeasuringSwitches, HeldStarsOnlyFromZeroToTheWholePool) {
  EXPECT_EQ(measuringSwitchesFrom(nullptr, nullptr, "1000").heldStars, 1000);
  EXPECT_EQ(measuringSwitchesFrom(nullptr, nullptr, "0").heldStars, 0);
  for (const char* bad : {"1001", "-5", "12a", "", " 7", "99999999999"}) {
    EXPECT_EQ(measuringSwitchesFrom(nullptr, nullptr, bad).heldStars, -1)
        << bad;
  }
  RendererState state;
  double counter = 0.0;
  const MeasuringSwitches held =
      measuringSwitchesFrom(nullptr, nullptr, "1000");
  for (int frame = 0; frame < 30; ++frame) {
    stepStarCount(held, state, counter);
    EXPECT_EQ(state.starCount, 1000);  // growth would wrap it to 0
  }
  stepStarCount(measuringSwitchesFrom(nullptr, nullptr), state, counter);
  for (int frame = 0; frame < 10; ++frame) {
    stepStarCount(measuringSwitchesFrom(nullptr, nullptr), state, counter);
  }
  EXPECT_EQ(state.starCount, 0);
}

}  // namespace
}  // namespace vantrel
