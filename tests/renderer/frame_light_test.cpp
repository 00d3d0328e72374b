// Fade, light, star growth and the 8-bit floor by the frame's step: the
// tuned numbers at a 60th of a second, the same second of animation at any
// other rate.
#include "renderer/scene/frame_light.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "renderer/scene/fade_floor.h"
#include "renderer/scene/renderer_state.h"

namespace vantrel {
namespace {

constexpr int kRates[] = {10, 30, 60, 72, 90, 120, 144, 165, 240};

TEST(FrameLight, SixtiethIsTheTunedPictureBitForBit) {
  EXPECT_EQ(sixtiethsIn(1.0f / 60.0f), 1.0);
  // A float clock's step of a 60th, a few rounding steps either side.
  EXPECT_EQ(sixtiethsIn(std::nextafter(1.0f / 60.0f, 1.0f)), 1.0);
  EXPECT_EQ(sixtiethsIn(std::nextafter(1.0f / 60.0f, 0.0f)), 1.0);
  EXPECT_EQ(sixtiethsIn(static_cast<float>(2.0 / 60.0 - 1.0 / 60.0)), 1.0);
  EXPECT_NE(sixtiethsIn(1.0f / 59.0f), 1.0);
  const FrameLight light = frameLight(1.0);
  EXPECT_EQ(light.fadeAlpha, 0.08333333333333333);
  EXPECT_EQ(light.lightScale, 1.0f);
  EXPECT_EQ(light.passes, 1);
  // Clamped as OpenGL always clamped it, even where it lets bright colours
  // through.
  for (float c : {0.0f, 0.3f, 0.75f, 1.0f}) EXPECT_EQ(litChannel(c, light), c);
  EXPECT_EQ(litChannel(2.5f, light), 1.0f);
  EXPECT_EQ(litChannel(-0.5f, light), 0.0f);
  EXPECT_EQ(frameLight(1.0, true).lightScale, 1.0f);
}

TEST(FrameLight, ASecondFadesAndLightsAlikeAtEveryRate) {
  for (int rate : kRates) {
    SCOPED_TRACE(rate);
    const double sixtieths = sixtiethsIn(1.0f / static_cast<float>(rate));
    const FrameLight light = frameLight(sixtieths);
    // A second's fade; the float step's rounding is within 1e-6 of it.
    EXPECT_NEAR(std::pow(1.0 - light.fadeAlpha, rate) /
                    std::pow(11.0 / 12.0, 60.0),
                1.0, 1e-6);
    // Light added in a second, in 60th-of-a-second frames' worth.
    EXPECT_NEAR(rate * light.passes * light.lightScale, 60.0, 1e-4);
    EXPECT_LE(light.lightScale, 1.0f);
    // Where colours above 1 pass, one draw at the whole scale.
    const FrameLight bright = frameLight(sixtieths, true);
    EXPECT_EQ(bright.passes, 1);
    EXPECT_NEAR(bright.lightScale, sixtieths, 1e-6);
    EXPECT_EQ(bright.fadeAlpha, light.fadeAlpha);
    // A full channel scaled: never above what OpenGL can take.
    if (light.lightScale != 1.0f) {
      EXPECT_EQ(litChannel(3.0f, light), light.lightScale);
    }
  }
}

TEST(FrameLight, LongOrBrokenStepsAreClamped) {
  EXPECT_EQ(sixtiethsIn(10.0f), 60.0 * kLongestLightStep);
  EXPECT_EQ(sixtiethsIn(0.0f), 0.0);
  EXPECT_EQ(sixtiethsIn(-0.5f), 0.0);
  EXPECT_EQ(sixtiethsIn(std::numeric_limits<float>::quiet_NaN()), 0.0);
  const FrameLight stall = frameLight(sixtiethsIn(3600.0f));
  EXPECT_NEAR(1.0 - stall.fadeAlpha, std::pow(11.0 / 12.0, 6.0), 1e-12);
  EXPECT_EQ(stall.passes, 6);
  EXPECT_EQ(stall.lightScale, 1.0f);
  const FrameLight none = frameLight(0.0);
  EXPECT_EQ(none.fadeAlpha, 0.0);
  EXPECT_EQ(litChannel(0.7f, none), 0.0f);
}

TEST(StarGrowth, OneStarPerElevenSixtiethsOfRunningAtAnyRate) {
  for (int rate : {30, 120, 144, 240}) {
    SCOPED_TRACE(rate);
    const double step = sixtiethsIn(1.0f / static_cast<float>(rate));
    RendererState state;
    double grown = 0.0;
    int frames = 0;
    while (state.starCount == 50) {
      stepStarGrowth(state, grown, step);
      ++frames;
    }
    EXPECT_EQ(frames, static_cast<int>(std::ceil(11.0 * rate / 60.0 - 1e-6)));
    // A minute's growth, the same number of stars at every rate.
    for (int i = 0; i < 60 * rate; ++i) stepStarGrowth(state, grown, step);
    EXPECT_NEAR(state.starCount, 51 + 60 * 60 / 11, 1);
  }
  // A resume from a long sleep counts as one clamped step: no burst.
  RendererState state;
  double grown = 10.0;
  stepStarGrowth(state, grown, sixtiethsIn(3600.0f));
  EXPECT_EQ(state.starCount, 51);
}

// An 8-bit channel faded frame by frame with the fade's alpha as the
// blending may take it, and the floor pass every kFloorInterval 60ths.
int sixtiethsToBlack(int rate, bool alphaInEightBits) {
  const double step = sixtiethsIn(1.0f / static_cast<float>(rate));
  double alpha = frameLight(step).fadeAlpha;
  if (alphaInEightBits) alpha = std::floor(alpha * 255.0 + 0.5) / 255.0;
  int value = 255;
  double sincePass = 0.0;
  double elapsed = 0.0;
  while (value > 0 && elapsed < 1000.0) {
    sincePass += step;
    elapsed += step;
    if (sincePass >= kFloorInterval) {
      sincePass -= kFloorInterval;
      value = flooredEightBit(value, highestFrozenEightBit(step));
    }
    value = static_cast<int>(std::floor(value * (1.0 - alpha) + 0.5));
  }
  return static_cast<int>(elapsed);
}

TEST(FadeFloor, FollowsTheStepSoEveryRateReachesBlack) {
  EXPECT_EQ(highestFrozenEightBit(1.0), highestFrozenEightBit());
  EXPECT_EQ(highestFrozenEightBit(0.25), 25);  // alpha 5/255 at 240 fps
  EXPECT_LE(highestFrozenEightBit(0.01), 32);  // never a visible drop
  for (int rate : kRates) {
    SCOPED_TRACE(rate);
    EXPECT_LE(sixtiethsToBlack(rate, false), 100 + kFloorInterval);
    EXPECT_LE(sixtiethsToBlack(rate, true), 100 + kFloorInterval);
  }
  EXPECT_LE(sixtiethsToBlack(60, false), 100);
}

}  // namespace
}  // namespace vantrel
