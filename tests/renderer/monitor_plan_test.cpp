// What each monitor gets beside the main window: a scene, strip covers or
// nothing, for the layouts the cover tests use.
#include "renderer/windows/monitor_plan.h"

#include <vector>

#include <gtest/gtest.h>

#include "tests/renderer/screen_rect_print.h"

namespace vantrel {
namespace {

using Rects = std::vector<ScreenRect>;

constexpr ScreenRect kPrimary = {0, 0, 1920, 1080};
constexpr ScreenRect kMainWindow = {0, 0, 1920, 1080};
constexpr ScreenRect kRight = {1920, 0, 3200, 1024};

TEST(MonitorPlan, OneMonitorGetsNothingWhenTheWindowFillsIt) {
  const std::vector<MonitorArea> one = {{kPrimary, true}};
  for (const ScreenRect& window : {kMainWindow, ScreenRect{0, 0, 4000, 3000}}) {
    const MonitorPlan plan = planMonitors(one, window);
    EXPECT_TRUE(plan.scenes.empty());
    EXPECT_TRUE(plan.covers.empty());
  }
  // A smaller window leaves strips of the primary to cover.
  const MonitorPlan small = planMonitors(one, {0, 0, 640, 480});
  EXPECT_TRUE(small.scenes.empty());
  EXPECT_EQ(small.covers, (Rects{{0, 480, 1920, 1080}, {640, 0, 1920, 480}}));
}

// After a display change, before or without the main window following: the
// primary is planned like any monitor, and the window's place is the
// primary's.
TEST(MonitorPlan, PrimaryChangedUnderTheWindowIsCoveredAndFollowed) {
  const ScreenRect grown = {0, 0, 2560, 1440};
  const MonitorPlan strips = planMonitors({{grown, true}}, kMainWindow);
  EXPECT_TRUE(strips.scenes.empty());
  EXPECT_EQ(strips.covers,
            (Rects{{0, 1080, 2560, 1440}, {1920, 0, 2560, 1080}}));
  // The old primary gone, another one primary: it is a whole monitor away.
  const ScreenRect other = {-2560, 0, 0, 1440};
  const std::vector<MonitorArea> moved = {{other, true}};
  EXPECT_EQ(planMonitors(moved, kMainWindow).scenes, (Rects{other}));
  ScreenRect place = {};
  ASSERT_TRUE(primaryMonitorRect(moved, place));
  EXPECT_EQ(place, other);
  EXPECT_TRUE(planMonitors(moved, place).scenes.empty());
  EXPECT_TRUE(planMonitors(moved, place).covers.empty());
  EXPECT_FALSE(primaryMonitorRect({{kRight, false}, {{0, 0, 0, 0}, true}},
                                  place));
}

TEST(MonitorPlan, AWholeOtherMonitorGetsAScene) {
  const ScreenRect below = {0, 1080, 2560, 2520};  // larger, stacked
  const ScreenRect left = {-1280, -300, 0, 724};   // negative coordinates
  for (const ScreenRect& other : {kRight, below, left}) {
    const MonitorPlan plan =
        planMonitors({{kPrimary, true}, {other, false}}, kMainWindow);
    EXPECT_EQ(plan.scenes, (Rects{other}));
    EXPECT_TRUE(plan.covers.empty());
  }
  // A main window smaller than the primary leaves the other monitor whole.
  const MonitorPlan small =
      planMonitors({{kPrimary, true}, {kRight, false}}, {0, 0, 320, 240});
  EXPECT_EQ(small.scenes, (Rects{kRight}));
}

TEST(MonitorPlan, ThreeMonitorsWithThePrimaryNotLeftmostInMonitorOrder) {
  const ScreenRect left = {-2560, 0, -640, 1080};
  const ScreenRect middleLeft = {-640, 100, 0, 580};
  const ScreenRect above = {200, -1024, 1480, 0};
  const MonitorPlan sideBySide = planMonitors(
      {{left, false}, {kPrimary, true}, {{1920, 0, 3840, 1200}, false}},
      kMainWindow);
  EXPECT_EQ(sideBySide.scenes, (Rects{left, {1920, 0, 3840, 1200}}));
  EXPECT_TRUE(sideBySide.covers.empty());
  const MonitorPlan mixed = planMonitors(
      {{above, false}, {middleLeft, false}, {kPrimary, true}}, kMainWindow);
  EXPECT_EQ(mixed.scenes, (Rects{above, middleLeft}));
}

TEST(MonitorPlan, PartlyOverlappedMonitorGetsStripsAndNoScene) {
  const std::vector<MonitorArea> two = {{kPrimary, true}, {kRight, false}};
  const MonitorPlan wide = planMonitors(two, {0, 0, 2400, 1080});
  EXPECT_TRUE(wide.scenes.empty());
  EXPECT_EQ(wide.covers, (Rects{{2400, 0, 3200, 1024}}));
  const MonitorPlan corner = planMonitors(two, {0, 0, 2400, 1000});
  EXPECT_TRUE(corner.scenes.empty());
  // Shorter than the primary: its strip below too, first in monitor order.
  EXPECT_EQ(corner.covers, (Rects{{0, 1000, 1920, 1080},
                                  {1920, 1000, 3200, 1024},
                                  {2400, 0, 3200, 1000}}));
  // One pixel into the neighbour is enough to make it strips.
  const MonitorPlan sliver = planMonitors(two, {0, 0, 1921, 1080});
  EXPECT_TRUE(sliver.scenes.empty());
  EXPECT_EQ(sliver.covers, (Rects{{1921, 0, 3200, 1024}}));
}

TEST(MonitorPlan, MixedLayoutsAndMonitorsHiddenWhole) {
  const ScreenRect below = {0, 1080, 1920, 2160};
  const std::vector<MonitorArea> layout = {
      {kPrimary, true}, {kRight, false}, {below, false}};
  // Reaching over the right monitor: it is hidden, the one below a scene.
  const MonitorPlan overRight = planMonitors(layout, {0, 0, 3200, 1080});
  EXPECT_EQ(overRight.scenes, (Rects{below}));
  EXPECT_TRUE(overRight.covers.empty());
  const MonitorPlan overAll = planMonitors(layout, {0, 0, 3200, 2160});
  EXPECT_TRUE(overAll.scenes.empty());
  EXPECT_TRUE(overAll.covers.empty());
  // Into the monitor below only: strips there, a scene on the right.
  const MonitorPlan intoBelow = planMonitors(layout, {0, 0, 1920, 1500});
  EXPECT_EQ(intoBelow.scenes, (Rects{kRight}));
  EXPECT_EQ(intoBelow.covers, (Rects{{0, 1500, 1920, 2160}}));
}

TEST(MonitorPlan, WithoutScenesEveryUncoveredPartIsACover) {
  const std::vector<std::vector<MonitorArea>> layouts = {
      {{kPrimary, true}, {kRight, false}},
      {{{-1280, -300, 0, 724}, false}, {kPrimary, true}, {kRight, false}},
      {{kPrimary, true}, {{0, 1080, 1920, 2160}, false}}};
  for (const auto& layout : layouts) {
    for (const ScreenRect& window :
         {kMainWindow, ScreenRect{0, 0, 2400, 1500}}) {
      const MonitorPlan plan = planMonitors(layout, window, false);
      EXPECT_TRUE(plan.scenes.empty());
      EXPECT_EQ(plan.covers, coverRects(layout, window));
    }
  }
}

TEST(MonitorPlan, EmptyMonitorRectangleGetsNothing) {
  const MonitorPlan plan = planMonitors(
      {{kPrimary, true}, {{3000, 0, 3000, 768}, false}}, kMainWindow);
  EXPECT_TRUE(plan.scenes.empty());
  EXPECT_TRUE(plan.covers.empty());
}

}  // namespace
}  // namespace vantrel
