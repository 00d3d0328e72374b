// The rate of the monitor under a window, from XRandR's CRTCs and modes.
#include "renderer/x11/head_rate.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(HeadRate, ModeRateFromItsTimings) {
  // 1920x1080 at 59.94, 720x480 interlaced, 320x200 doubled.
  EXPECT_NEAR(modeRefreshRate({148.5e6 / 1.001, 2200, 1125}), 59.94, 0.001);
  EXPECT_NEAR(modeRefreshRate({13.5e6, 858, 525, false, true}), 59.94, 0.001);
  EXPECT_NEAR(modeRefreshRate({12.588e6, 800, 262, true, false}), 30.03, 0.01);
  EXPECT_EQ(modeRefreshRate({0.0, 800, 262}), 0.0);  // Xvfb: no clock
}

TEST(HeadRate, TheHeadUnderThePointOrNearestIt) {
  // 60 Hz at the left, 144 Hz at its right and reaching lower.
  const std::vector<Head> heads = {{0, 0, 1920, 1080, 60.0},
                                   {1920, 0, 2560, 1440, 144.0}};
  EXPECT_EQ(headRateAt(heads, 960, 540), 60.0);
  EXPECT_EQ(headRateAt(heads, 1920, 0), 144.0);
  EXPECT_EQ(headRateAt(heads, 1800, 1300), 144.0);  // nearer the right one
  EXPECT_EQ(headRateAt(heads, -500, 540), 60.0);    // off the screen
  std::vector<Head> cloned = heads;  // the left one shown at 30 Hz too
  cloned.push_back({0, 0, 1920, 1080, 30.0});
  EXPECT_EQ(headRateAt(cloned, 960, 540), 30.0);
  EXPECT_EQ(headRateAt({}, 0, 0), 0.0);
}

}  // namespace
}  // namespace vantrel
