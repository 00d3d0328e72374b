// Colour arithmetic, ring colours, setters' clamping, the drawing plan and the
// corner-smoothing pass of the frame control.
#include <gtest/gtest.h>

#include <vector>

#include "host/controls/colour.h"
#include "host/controls/frame_shadow.h"
#include "host/controls/frame_smoothing.h"
#include "host/controls/twips_half_even.h"

namespace vantrel::controls {
namespace {

std::vector<int> Reds(const std::vector<Colour>& cs) {
  std::vector<int> out;
  for (Colour c : cs) {
    const Channels ch = SplitColour(c);
    EXPECT_EQ(ch.red, ch.green);
    EXPECT_EQ(ch.red, ch.blue);
    out.push_back(ch.red);
  }
  return out;
}

TEST(FrameColour, SplitsChannelsAndSystemColoursByTruncatingDivision) {
  EXPECT_EQ(SplitColour(MakeColour(1, 2, 3)), (Channels{1, 2, 3}));
  // 0x8000000F as a signed value: -2147483633 / 256 truncates to -8388607,
  // whose low byte is 1.
  EXPECT_EQ(SplitColour(static_cast<Colour>(0x8000000F)), (Channels{0x0F, 0x01, 0x01}));
}

TEST(FrameColour, ShadowColourStepsInMultiplesOfTheOpacity) {
  const Colour white = MakeColour(255, 255, 255);
  EXPECT_EQ(ShadowColour(white, 50), MakeColour(100, 100, 100));
  EXPECT_EQ(ShadowColour(white, 100), 0);
  EXPECT_EQ(ShadowColour(white, 0), MakeColour(200, 200, 200));
  EXPECT_EQ(BlendColour(MakeColour(10, 20, 30), white, 7, 0), MakeColour(10, 20, 30));
}

TEST(FrameColour, RingsOnWhiteAndOnTheDialogGrey) {
  EXPECT_EQ(Reds(RingColours(MakeColour(255, 255, 255), 50, 5)),
            (std::vector<int>{100, 131, 162, 193, 224, 255}));
  EXPECT_EQ(Reds(RingColours(MakeColour(224, 224, 224), 50, 7)),
            (std::vector<int>{100, 117, 134, 151, 168, 185, 202, 219}));
}

TEST(FrameColour, StoredValuesOutsideTheSettersStayInRange) {
  // Depth 0 or below draws as depth 1: two rings, no division by zero.
  EXPECT_EQ(Reds(RingColours(MakeColour(255, 255, 255), 50, 0)), (std::vector<int>{100, 255}));
  EXPECT_EQ(RingColours(MakeColour(255, 255, 255), 50, -5).size(), 2u);
  // Opacity beyond 0..100 clamps each channel instead of wrapping.
  EXPECT_EQ(ShadowColour(MakeColour(255, 255, 255), 150), 0);  // -100 per channel
  EXPECT_EQ(ShadowColour(MakeColour(255, 255, 255), -50), MakeColour(255, 255, 255));  // 300
  EXPECT_EQ(BlendColour(0, MakeColour(255, 255, 255), 0, 1), MakeColour(255, 255, 255));
}

TEST(FrameProperties, SettersClampAndNewInstancesTakeTheContainerColour) {
  EXPECT_EQ(ClampShadowDepth(1), 2);
  EXPECT_EQ(ClampShadowDepth(0), 2);
  EXPECT_EQ(ClampShadowDepth(-5), 2);
  EXPECT_EQ(ClampShadowDepth(40), 40);
  EXPECT_EQ(ClampShadowDepth(41), kMaxShadowDepth);
  EXPECT_EQ(ClampCornerDepth(60), 50);
  EXPECT_EQ(ClampCornerDepth(-1), 0);
  EXPECT_EQ(ClampShadowOpacity(150), 100);
  EXPECT_EQ(ClampShadowOpacity(-3), 0);
  const FrameProperties p = NewFrameProperties(MakeColour(224, 224, 224));
  EXPECT_EQ(p.FillColour, MakeColour(224, 224, 224));
  EXPECT_EQ(p.BackColour, MakeColour(224, 224, 224));
  EXPECT_EQ(p.FrameStyle, kFramePlain);
  EXPECT_EQ(p.ShadowDepth, 5);
}

TEST(FramePlan, PlainShadowRingsShrinkTowardsThePanel) {
  FrameProperties p = NewFrameProperties(MakeColour(255, 255, 255));
  const FramePlan plan = PlanFrame(p, MakeColour(255, 255, 255), 100, 60);
  ASSERT_EQ(plan.shapes.size(), 7u);  // six rings and the panel
  EXPECT_EQ(plan.shapes[0].box, (Box{10, 10, 95, 55}));
  EXPECT_EQ(plan.shapes[5].box, (Box{5, 5, 100, 60}));
  EXPECT_FALSE(plan.shapes[0].filled);
  EXPECT_EQ(plan.shapes[6].box, (Box{0, 0, 95, 55}));
  EXPECT_TRUE(plan.shapes[6].filled);
  EXPECT_FALSE(plan.smoothCorners);
}

TEST(FramePlan, StyleShadowAndBackgroundChoices) {
  FrameProperties p = NewFrameProperties(1);
  p.ShowShadow = false;
  FramePlan plan = PlanFrame(p, 1, 80, 40);
  ASSERT_EQ(plan.shapes.size(), 1u);
  EXPECT_EQ(plan.shapes[0].box, (Box{0, 0, 80, 40}));
  p.FrameStyle = 2;
  EXPECT_TRUE(PlanFrame(p, 1, 80, 40).shapes.empty());
  p.FrameStyle = kFrameRounded;
  p.ShowShadow = true;
  EXPECT_TRUE(PlanFrame(p, 1, 80, 40).smoothCorners);
  p.BackColour = 77;
  EXPECT_EQ(PlanFrame(p, 5, 80, 40).background, 5);
  p.BackColourIs = 1;
  EXPECT_EQ(PlanFrame(p, 5, 80, 40).background, 77);
}

class FakeSurface : public PixelSurface {
 public:
  FakeSurface(int w, int h, Colour fill) : w_(w), h_(h), px_(static_cast<size_t>(w * h), fill) {}
  int Width() const override { return w_; }
  int Height() const override { return h_; }
  Colour Get(int x, int y) const override {
    EXPECT_TRUE(x >= 0 && y >= 0 && x < w_ && y < h_) << x << "," << y;
    return px_[static_cast<size_t>(y * w_ + x)];
  }
  void Set(int x, int y, Colour c) override { px_[static_cast<size_t>(y * w_ + x)] = c; }

 private:
  int w_, h_;
  std::vector<Colour> px_;
};

TEST(FrameSmoothing, NotchTakesTheRoundedMeanOfItsNeighboursInScanOrder) {
  const Colour bg = MakeColour(255, 255, 255);
  FakeSurface s(40, 40, MakeColour(10, 10, 10));
  s.Set(35, 35, bg);  // lower-right region
  s.Set(35, 36, bg);  // below it: sees the already smoothed pixel above
  s.Set(32, 32, MakeColour(20, 20, 20));  // not background: untouched
  SmoothShadowCorners(s, bg, 5, 2);
  // (10 + 10 + 255 + 10) / 4 = 71.25 -> 71; then (71 + 10 + 10 + 10) / 4 = 25.25 -> 25.
  EXPECT_EQ(s.Get(35, 35), MakeColour(71, 71, 71));
  EXPECT_EQ(s.Get(35, 36), MakeColour(25, 25, 25));
  EXPECT_EQ(s.Get(32, 32), MakeColour(20, 20, 20));
}

TEST(FrameSmoothing, ZeroCornerDepthAndHugeDepthsStayOnTheSurface) {
  const Colour bg = 0;
  FakeSurface s(20, 20, bg);
  s.Set(17, 16, MakeColour(100, 100, 100));
  SmoothShadowCorners(s, bg, 0, 2);
  EXPECT_EQ(s.Get(17, 17), bg);  // region ranges start above their ends
  // Regions reaching far outside are clipped (FakeSurface checks every read).
  SmoothShadowCorners(s, bg, 50, 30);
  EXPECT_NE(s.Get(17, 17), bg);
}

TEST(Twips, RoundsHalvesToEvenAfterSixteenBitRounding) {
  EXPECT_EQ(TwipsToPixels(7155, 15), 477);
  EXPECT_EQ(TwipsToPixels(22.5, 15), 1);   // 22.5 -> 22 twips -> 1.47 -> 1
  EXPECT_EQ(TwipsToPixels(37.5, 15), 3);   // 38 twips -> 2.53 -> 3
  EXPECT_EQ(TwipsToPixels(30, 12), 2);     // 2.5 -> 2
  EXPECT_EQ(TwipsToPixels(42, 12), 4);     // 3.5 -> 4
  EXPECT_EQ(TwipsToPixels(100000, 15), 2184);  // saturates at 32767 twips
  EXPECT_EQ(TwipsToPixels(150, 0), 10);
}

}  // namespace
}  // namespace vantrel::controls
