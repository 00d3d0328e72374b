#include "renderer/hack/frame_rate_meter.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(FrameRateMeter, ReportsOnceASecondTheFramesOfThatSpan) {
  FrameRateMeter meter;
  double rate = -1.0;
  EXPECT_FALSE(meter.frame(10.0, rate));  // the first frame starts the span
  for (int i = 1; i < 50; ++i) EXPECT_FALSE(meter.frame(10.0 + i * 0.02, rate));
  EXPECT_TRUE(meter.frame(11.0, rate));
  EXPECT_DOUBLE_EQ(rate, 50.0);
  // A stall: one frame after 4 s reports 0.25, not the earlier rate.
  EXPECT_TRUE(meter.frame(15.0, rate));
  EXPECT_DOUBLE_EQ(rate, 0.25);
  EXPECT_FALSE(meter.frame(15.5, rate));
}

}  // namespace
}  // namespace vantrel
