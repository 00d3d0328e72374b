// Which rectangles get a cover for a monitor layout and the main window.
#include "renderer/windows/cover_layout.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "tests/renderer/screen_rect_print.h"

namespace vantrel {
namespace {

using Rects = std::vector<ScreenRect>;

std::int64_t area(const ScreenRect& r) {
  if (isEmptyRect(r)) return 0;
  return static_cast<std::int64_t>(r.right - r.left) * (r.bottom - r.top);
}

ScreenRect overlap(const ScreenRect& a, const ScreenRect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top),
          std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

bool inside(const ScreenRect& inner, const ScreenRect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top &&
         inner.right <= outer.right && inner.bottom <= outer.bottom;
}

// The parts tile exactly the monitor's area outside the main window: each
// lies in the monitor, none touches the main window or another part, and
// their areas add up to what is left.
void expectExactTiling(const Rects& parts, const ScreenRect& monitor,
                       const ScreenRect& mainWindow) {
  std::int64_t total = 0;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    EXPECT_FALSE(isEmptyRect(parts[i])) << "part " << i;
    EXPECT_TRUE(inside(parts[i], monitor)) << "part " << i;
    EXPECT_EQ(area(overlap(parts[i], mainWindow)), 0) << "part " << i;
    for (std::size_t j = i + 1; j < parts.size(); ++j) {
      EXPECT_EQ(area(overlap(parts[i], parts[j])), 0) << i << " and " << j;
    }
    total += area(parts[i]);
  }
  EXPECT_EQ(total, area(monitor) - area(overlap(monitor, mainWindow)));
}

constexpr ScreenRect kPrimary = {0, 0, 1920, 1080};
constexpr ScreenRect kMainWindow = {0, 0, 1920, 1080};

TEST(CoverLayout, OneMonitorGetsCoversOnlyWhereTheWindowFallsShort) {
  const std::vector<MonitorArea> one = {{kPrimary, true}};
  EXPECT_TRUE(coverRects(one, kMainWindow).empty());
  EXPECT_EQ(coverRects(one, {0, 0, 640, 480}),
            (Rects{{0, 480, 1920, 1080}, {640, 0, 1920, 480}}));
  EXPECT_TRUE(coverRects(one, {0, 0, 4000, 3000}).empty());
}

TEST(CoverLayout, TwoMonitorsCoverTheOtherWhole) {
  const ScreenRect right = {1920, 0, 3200, 1024};  // smaller, side by side
  const ScreenRect below = {0, 1080, 2560, 2520};  // larger, stacked
  const ScreenRect left = {-1280, -300, 0, 724};   // negative coordinates
  for (const ScreenRect& other : {right, below, left}) {
    const Rects covers =
        coverRects({{kPrimary, true}, {other, false}}, kMainWindow);
    ASSERT_EQ(covers.size(), 1u);
    EXPECT_EQ(covers[0], other);
  }
}

TEST(CoverLayout, ThreeMonitorsWithThePrimaryNotLeftmost) {
  const ScreenRect left = {-2560, 0, -640, 1080};
  const ScreenRect middleLeft = {-640, 100, 0, 580};
  const ScreenRect above = {200, -1024, 1480, 0};
  const std::vector<MonitorArea> sideBySide = {
      {left, false}, {kPrimary, true}, {{1920, 0, 3840, 1200}, false}};
  EXPECT_EQ(coverRects(sideBySide, kMainWindow),
            (Rects{left, {1920, 0, 3840, 1200}}));
  // Listed in another order, with the primary last: still monitor order.
  const std::vector<MonitorArea> mixed = {
      {above, false}, {middleLeft, false}, {kPrimary, true}};
  EXPECT_EQ(coverRects(mixed, kMainWindow), (Rects{above, middleLeft}));
}

TEST(CoverLayout, PartlyOverlappedMonitorGetsOnlyWhatTheWindowLeaves) {
  const ScreenRect other = {1920, 0, 3200, 1024};
  const ScreenRect wide = {0, 0, 2400, 1080};  // into the other monitor
  const Rects covers = coverRects({{kPrimary, true}, {other, false}}, wide);
  EXPECT_EQ(covers, (Rects{{2400, 0, 3200, 1024}}));

  // Shorter than the other monitor: a band below and one to the right.
  const ScreenRect large = {0, 0, 2400, 1000};
  const Rects two = coverRects({{other, false}}, large);
  EXPECT_EQ(two, (Rects{{1920, 1000, 3200, 1024}, {2400, 0, 3200, 1000}}));
  expectExactTiling(two, other, large);
  // Shorter than the primary too: its strip below, first in monitor order.
  const Rects three = coverRects({{kPrimary, true}, {other, false}}, large);
  EXPECT_EQ(three, (Rects{{0, 1000, 1920, 1080}, {1920, 1000, 3200, 1024},
                          {2400, 0, 3200, 1000}}));
}

TEST(CoverLayout, WindowLargerThanThePrimaryCanHideAMonitorWhole) {
  const std::vector<MonitorArea> layout = {{kPrimary, true},
                                           {{1920, 0, 3200, 1024}, false},
                                           {{0, 1080, 1920, 2160}, false}};
  EXPECT_EQ(coverRects(layout, {0, 0, 3200, 1080}),
            (Rects{{0, 1080, 1920, 2160}}));
  EXPECT_TRUE(coverRects(layout, {0, 0, 3200, 2160}).empty());
}

TEST(CoverLayout, SubtractionTilesEveryOverlapShape) {
  const ScreenRect area = {-100, -50, 300, 250};
  const ScreenRect holes[] = {
      {0, 0, 100, 100},       // inside: four bands
      {-200, -200, 0, 100},   // over a corner
      {-200, 0, 500, 100},    // across the whole width
      {100, -50, 200, 250},   // across the whole height
      {-100, -50, 300, 250},  // exactly the area
      {300, 0, 400, 100},     // touching only: no overlap
      {5, 5, 5, 100},         // empty hole
  };
  for (const ScreenRect& hole : holes) {
    SCOPED_TRACE(::testing::Message() << hole.left << "," << hole.top << ","
                                      << hole.right << "," << hole.bottom);
    expectExactTiling(subtractRect(area, hole), area, hole);
  }
  EXPECT_EQ(subtractRect(area, holes[0]).size(), 4u);
  EXPECT_TRUE(subtractRect(area, holes[4]).empty());
  EXPECT_EQ(subtractRect(area, holes[5]), (Rects{area}));
  EXPECT_TRUE(subtractRect({10, 10, 10, 50}, holes[0]).empty());
}

}  // namespace
}  // namespace vantrel
