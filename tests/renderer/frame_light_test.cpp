// Fade, light, star growth and the 8-bit floor by the frame's step: the
// tuned numbers at a 60th of a second, the same second at any other rate.
#include "renderer/scene/frame_light.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "renderer/scene/fade_floor.h"
#include "renderer/scene/renderer_state.h"

namespace vantrel {
namespace {

constexpr int kRates[] = {10, 30, 60, 72, 90, 120, 144, 165, 240};

double stepAt(int rate) { return sixtiethsIn(1.0f / static_cast<float>(rate)); }

TEST(FrameLight, SixtiethIsTheTunedPictureAndLongStepsAreClamped) {
  // A float clock's 60th, a rounding step either side.
  EXPECT_EQ(sixtiethsIn(std::nextafter(1.0f / 60.0f, 1.0f)), 1.0);
  EXPECT_EQ(sixtiethsIn(std::nextafter(1.0f / 60.0f, 0.0f)), 1.0);
  EXPECT_NE(sixtiethsIn(1.0f / 59.0f), 1.0);
  const FrameLight light = frameLight(1.0, true);
  EXPECT_EQ(light.fadeAlpha, 0.08333333333333333);
  EXPECT_EQ(light.lightScale, 1.0f);
  EXPECT_EQ(light.passes, 1);
  EXPECT_EQ(litChannel(0.3f, light), 0.3f);
  EXPECT_EQ(litChannel(2.5f, light), 1.0f);  // as OpenGL always clamped it
  EXPECT_EQ(sixtiethsIn(3600.0f), 60.0 * kLongestLightStep);
  EXPECT_EQ(sixtiethsIn(-0.5f), 0.0);
  EXPECT_EQ(sixtiethsIn(std::numeric_limits<float>::quiet_NaN()), 0.0);
  EXPECT_EQ(litChannel(0.7f, frameLight(0.0)), 0.0f);
}

TEST(FrameLight, ASecondFadesAndLightsAlikeAtEveryRate) {
  for (int rate : kRates) {
    SCOPED_TRACE(rate);
    for (bool bright : {false, true}) {
      const FrameLight light = frameLight(stepAt(rate), bright);
      EXPECT_NEAR(std::pow(1.0 - light.fadeAlpha, rate) /
                      std::pow(11.0 / 12.0, 60.0),
                  1.0, 1e-6);
      EXPECT_NEAR(rate * light.passes * light.lightScale, 60.0, 1e-4);
      // Without colours above 1, several draws of at most full light.
      EXPECT_EQ(light.passes > 1, !bright && rate < 60);
      if (!bright) {
        EXPECT_LE(light.lightScale, 1.0f);
      }
    }
  }
}

TEST(StarGrowth, OneStarPerElevenSixtiethsOfRunningAtAnyRate) {
  for (int rate : {30, 120, 144, 240}) {
    SCOPED_TRACE(rate);
    RendererState state;
    double grown = 0.0;
    int frames = 0;
    for (; state.starCount == 50; ++frames) {
      stepStarGrowth(state, grown, stepAt(rate));
    }
    EXPECT_EQ(frames, static_cast<int>(std::ceil(11.0 * rate / 60.0 - 1e-6)));
  }
  // A resume from a long sleep counts as one clamped step: no burst.
  RendererState state;
  double grown = 10.0;
  stepStarGrowth(state, grown, sixtiethsIn(3600.0f));
  EXPECT_EQ(state.starCount, 51);
}

// 60ths until an 8-bit channel faded from 255 is black, the fade's alpha
// exact or rounded to 8 bits, with the floor pass every kFloorInterval 60ths.
int sixtiethsToBlack(int rate, bool alphaInEightBits) {
  const double step = stepAt(rate);
  double alpha = frameLight(step).fadeAlpha;
  if (alphaInEightBits) alpha = std::floor(alpha * 255.0 + 0.5) / 255.0;
  int value = 255;
  double sincePass = 0.0, elapsed = 0.0;
  for (; value > 0 && elapsed < 1000.0; elapsed += step) {
    sincePass += step;
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
}

}  // namespace
}  // namespace vantrel
