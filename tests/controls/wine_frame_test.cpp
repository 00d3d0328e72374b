// The frame control drawn with real GDI, read back pixel by pixel.
#include <gtest/gtest.h>

#include <set>

#include "host/controls/frame_shadow.h"
#include "host/controls/win32_frame.h"
#include "tests/controls/wine_test_window.h"

namespace vantrel::controls {
namespace {

using testing::Rgb;

constexpr Colour kWhite = Rgb(255, 255, 255);

struct FrameFixture : ::testing::Test {
  testing::TestForm form;
  forms::AmbientContainer ambient;
  GFXFrameX frame;
  int W = 0, H = 0;

  void SetUp() override {
    ambient.SetBackColor(kWhite);
    // 1500 x 900 twips: 100 x 60 pixels at 15 twips per pixel.
    ASSERT_TRUE(frame.Create(form.hwnd, ambient, "GFXFrameX1", 150, 150, 1500, 900));
    W = frame.Surface().Width();
    H = frame.Surface().Height();
  }
  Colour Px(int x, int y) const { return frame.Surface().Get(x, y); }
};

TEST_F(FrameFixture, PlainShadowRingsAndPanelOutline) {
  const int d = 5;
  ASSERT_GT(W, 4 * d);
  // Ring i's bottom edge is row H - d + i - 1 and its right edge column
  // W - d + i - 1; ring 0 lies under the panel's outline.
  const int expected[] = {100, 131, 162, 193, 224, 255};
  for (int i = 1; i <= d; ++i) {
    const int v = expected[i];
    EXPECT_EQ(Px(W / 2, H - d + i - 1), Rgb(v, v, v)) << "bottom ring " << i;
    EXPECT_EQ(Px(W - d + i - 1, H / 2), Rgb(v, v, v)) << "right ring " << i;
  }
  EXPECT_EQ(Px(0, 0), 0);
  EXPECT_EQ(Px(W - d - 1, H / 2), 0);
  EXPECT_EQ(Px(W / 2, H - d - 1), 0);
  EXPECT_EQ(Px(W / 2, H / 2), kWhite);  // the fill
  EXPECT_EQ(Px(W - 1, 2), kWhite);      // above the shadow's start: background
}

TEST_F(FrameFixture, DialogDepthOnGreyAndNoShadow) {
  ambient.SetBackColor(Rgb(224, 224, 224));  // redraws through the ambient notice
  frame.SetShadowDepth(7);
  EXPECT_EQ(Px(W / 2, H - 7), Rgb(117, 117, 117));
  EXPECT_EQ(Px(W / 2, H - 1), Rgb(219, 219, 219));
  EXPECT_EQ(Px(W - 1, 2), Rgb(224, 224, 224));  // background follows the container
  EXPECT_EQ(Px(W / 2, H / 2), kWhite);          // FillColour keeps its stored value
}

TEST_F(FrameFixture, OutlineOnAllEdgesWithoutShadowAndNothingForOtherStyles) {
  frame.SetShowShadow(false);
  EXPECT_EQ(Px(W - 1, H / 2), 0);
  EXPECT_EQ(Px(W / 2, H - 1), 0);
  frame.SetFrameStyle(2);
  std::set<Colour> colours;
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) colours.insert(Px(x, y));
  EXPECT_EQ(colours, std::set<Colour>{kWhite});
}

TEST_F(FrameFixture, RoundedFrameSmoothsTheNotchesBetweenRings) {
  frame.SetFrameStyle(kFrameRounded);
  const int cd = frame.CornerDepth(), d = frame.ShadowDepth();
  const std::vector<Colour> rings = RingColours(kWhite, 50, d);
  const std::set<Colour> drawn(rings.begin(), rings.end());
  int means = 0;
  for (int x = W - 2 * cd; x <= W - 3; ++x) {
    for (int y = H - 2 * cd; y <= H - 3; ++y) {
      const Colour c = Px(x, y);
      if (c != kWhite && c != 0 && !drawn.count(c)) ++means;
      if (c == kWhite) {
        // A notch walled in by ring pixels would have taken their mean.
        const bool walled = drawn.count(Px(x, y - 1)) && drawn.count(Px(x + 1, y)) &&
                            drawn.count(Px(x, y + 1)) && drawn.count(Px(x - 1, y));
        EXPECT_FALSE(walled && Px(x, y - 1) != kWhite && Px(x + 1, y) != kWhite &&
                     Px(x, y + 1) != kWhite && Px(x - 1, y) != kWhite)
            << x << "," << y;
      }
    }
  }
  EXPECT_GT(means, 0);  // smoothed pixels carry colours no ring has
}

TEST_F(FrameFixture, SettersClampReportAndStoredOddValuesDrawSafely) {
  frame.SetShadowDepth(0);
  EXPECT_EQ(frame.ShadowDepth(), 2);
  frame.SetShadowDepth(99);
  EXPECT_EQ(frame.ShadowDepth(), kMaxShadowDepth);
  frame.SetCornerDepth(60);
  EXPECT_EQ(frame.CornerDepth(), 50);
  EXPECT_EQ(ambient.ChangedProperties().back(), "CornerDepth");
  forms::PropertyBag bag;
  bag.SetRaw("shadowdepth", "0");
  frame.ReadProperties(bag);
  EXPECT_EQ(frame.ShadowDepth(), 0);    // loaded as stored
  EXPECT_EQ(Px(W / 2, H - 1), kWhite);  // drawn as depth 1: the outer ring is the background
  EXPECT_EQ(Px(W / 2, H - 2), 0);       // and the panel ends just above it
  bag.SetRaw("ShadowDepth", "3");
  bag.SetRaw("ShadowOpacity", "250");
  frame.ReadProperties(bag);
  // The shadow colour clamps to black (not -300), so ring 1 is 85, not wrapped.
  EXPECT_EQ(Px(W / 2, H - 3), Rgb(85, 85, 85));
  forms::PropertyBag saved;
  frame.SetShadowDepth(7);
  frame.WriteProperties(saved);
  EXPECT_EQ(saved.ReadInt16("ShadowDepth", 5), 7);
  EXPECT_EQ(saved.FindRaw("CornerDepth"), nullptr);  // at its default: not written
}

}  // namespace
}  // namespace vantrel::controls
