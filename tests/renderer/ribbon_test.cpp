#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "renderer/scene/glow_accumulator.h"
#include "renderer/scene/knot_ribbon.h"
#include "renderer/scene/ribbon_band.h"
#include "tests/renderer/direct_ribbon.h"

namespace vantrel {
namespace {

TEST(KnotRibbon, PulseIsLargestAtStartAndStaysInRange) {
  EXPECT_FLOAT_EQ(ribbonPulse(0.0), 2.1f);
  for (double phi = 0.0; phi < 7.0; phi += 0.0005) {
    const float p = ribbonPulse(phi);
    ASSERT_GE(p, 1.1f - 1e-6f);
    ASSERT_LE(p, 2.1f + 1e-6f);
  }
}

TEST(KnotRibbon, PhaseIsElapsedTimesFloatRate) {
  EXPECT_EQ(ribbonPhase(0.0f, 10.0f), 0.0);
  const float rate = static_cast<float>(10.0 * 6.283185307179586 / 16384.0);
  EXPECT_DOUBLE_EQ(ribbonPhase(100.0f, 10.0f), 100.0 * rate);
  EXPECT_NEAR(ribbonPhase(1.0f, 10.0f), 0.0038350, 1e-7);
}

TEST(KnotRibbon, ShapeAtStartMatchesClosedForm) {
  auto ribbon = std::make_unique<KnotRibbon>();
  ribbon->computeShape(0.0f, 10.0f);
  const RibbonPoint& p0 = ribbon->points[0];
  // p = 2.1: radius 525, depth swing 2625; drift +200 in x.
  EXPECT_FLOAT_EQ(p0.x, 725.0f);
  EXPECT_FLOAT_EQ(p0.y, 0.0f);
  EXPECT_FLOAT_EQ(p0.z, -425.0f);
  EXPECT_FLOAT_EQ(p0.r, 0.1953125f);
  EXPECT_FLOAT_EQ(p0.g, 0.0703125f);
  EXPECT_FLOAT_EQ(p0.b, 0.1953125f);
}

TEST(KnotRibbon, DepthAndColourRangesOverTime) {
  auto ribbon = std::make_unique<KnotRibbon>();
  float minZ = 1e9f, maxZ = -1e9f;
  for (float t : {0.0f, 3.0f, 77.0f, 400.0f, 1234.5f, 5000.0f}) {
    for (float speed : {1.0f, 10.0f, 200.0f}) {
      ribbon->computeShape(t, speed);
      for (const RibbonPoint& p : ribbon->points) {
        ASSERT_GE(p.z, -425.001f);
        ASSERT_LE(p.z, 4825.001f);
        ASSERT_GE(p.r, -0.1796875f - 1e-6f);
        ASSERT_LE(p.r, 0.3203125f + 1e-6f);
        for (float c : {p.g, p.b}) {
          ASSERT_GE(c, -0.0546875f - 1e-6f);
          ASSERT_LE(c, 0.1953125f + 1e-6f);
        }
        minZ = std::fmin(minZ, p.z);
        maxZ = std::fmax(maxZ, p.z);
      }
    }
  }
  EXPECT_LT(minZ, 0.0f);  // part of the ribbon passes behind the viewer
  EXPECT_GT(maxZ, 4000.0f);
}

TEST(KnotRibbon, ShapeDependsOnElapsedTimesSpeedAndIsOpen) {
  auto a = std::make_unique<KnotRibbon>();
  auto b = std::make_unique<KnotRibbon>();
  a->computeShape(300.0f, 10.0f);
  b->computeShape(600.0f, 5.0f);  // the same phase, exactly
  for (int i = 0; i < KnotRibbon::kPointCount; i += 97) {
    EXPECT_EQ(a->points[i].x, b->points[i].x);
    EXPECT_EQ(a->points[i].z, b->points[i].z);
  }
  b->computeShape(300.0f, 11.0f);  // a speed change jumps to another shape
  EXPECT_GT(std::fabs(a->points[100].x - b->points[100].x), 1.0f);
  // The twist leaves the two ends of the loop far apart.
  const RibbonPoint& first = a->points[0];
  const RibbonPoint& last = a->points[KnotRibbon::kPointCount - 1];
  EXPECT_GT(std::hypot(first.x - last.x, first.y - last.y), 100.0f);
}

// Floats counted along the number line, so neighbours differ by one.
int64_t floatOrdinal(float f) {
  int32_t bits;
  std::memcpy(&bits, &f, sizeof bits);
  return bits < 0 ? -static_cast<int64_t>(bits & 0x7fffffff) : bits;
}

int64_t ulpsApart(float a, float b) {
  const int64_t d = floatOrdinal(a) - floatOrdinal(b);
  return d < 0 ? -d : d;
}

// Whether v lies so near the midpoint between two floats that the direct
// evaluation's own error (about 1e-16 relative in each sine) could round it
// either way.
bool onRoundingBoundary(double v) {
  const float f = static_cast<float>(v);
  const float toward = std::nextafter(f, v > f ? INFINITY : -INFINITY);
  const double ulp = std::fabs(static_cast<double>(toward) - f);
  const double midpoint = (static_cast<double>(f) + toward) / 2.0;
  return std::fabs(v - midpoint) <= 1e-5 * ulp + 1e-12;
}

struct ShapeComparison {
  long values = 0;
  long oneUlp = 0;
  std::vector<std::string> faults;

  void check(const char* name, float got, float want, int i, float t,
             float speed, std::initializer_list<double> path) {
    values += 1;
    const int64_t ulps = ulpsApart(got, want);
    if (ulps == 0) return;
    bool explained = false;
    for (double v : path) explained = explained || onRoundingBoundary(v);
    if (ulps == 1 && explained) {
      oneUlp += 1;
      return;
    }
    if (faults.size() >= 10) return;
    char text[160];
    std::snprintf(text, sizeof text,
                  "%s of point %d at t %.9g speed %.9g: %lld ulps, got %.9g "
                  "want %.9g",
                  name, i, t, speed, static_cast<long long>(ulps), got, want);
    faults.push_back(text);
  }

  void frame(const KnotRibbon& ribbon, float t, float speed) {
    const DirectFrame f = directFrame(t, speed);
    for (int i = 0; i < KnotRibbon::kPointCount; ++i) {
      const RibbonPoint& p = ribbon.points[i];
      const DirectPoint d = directPoint(f, i);
      check("x", p.x, d.x, i, t, speed, {d.x0, d.y0, d.xt, d.xd});
      check("y", p.y, d.y, i, t, speed, {d.x0, d.y0, d.yt, d.yd});
      check("z", p.z, d.z, i, t, speed, {d.zd});
      check("r", p.r, d.r, i, t, speed, {d.rd});
      check("g", p.g, d.g, i, t, speed, {d.gd});
      check("b", p.b, d.b, i, t, speed, {d.bd});
    }
  }
};

// The update takes its angles from tables and a few sines a frame; every
// value must still be the direct evaluation's, to the float, but where that
// sits on a rounding boundary.
TEST(KnotRibbon, ShapeMatchesDirectEvaluationToTheFloat) {
  std::vector<std::pair<float, float>> frames;  // elapsed seconds, speed
  const float kLast = std::nextafter(131072.0f, 0.0f);
  for (float t : {0.0f, 1e-30f, 1e-7f, 1.0f / 60.0f, 0.5f, 1.0f, 33.3f,
                  1000.0f, 86400.0f, kLast, 131072.0f})
    for (float speed : {1.0f, 2.0f, 10.0f, 10.5f, 199.0f, 200.0f})
      frames.push_back({t, speed});
  for (int n = 0; n < 60; ++n)  // a second of frames, late in a long run
    frames.push_back({131000.0f + n / 64.0f, 200.0f});
  std::mt19937 random(20261207);
  const auto unit = [&random] { return (random() >> 8) / 16777216.0; };
  for (int n = 0; n < 400; ++n) {
    const float speed = n % 2 ? static_cast<float>(1 + random() % 200)
                              : static_cast<float>(1.0 + 199.0 * unit());
    const float evenly = static_cast<float>(131072.0 * unit());
    const float spread =
        static_cast<float>(std::pow(10.0, -3.0 + 8.1 * unit()));
    frames.push_back({n % 3 ? evenly : std::fmin(spread, 131072.0f), speed});
  }

  auto ribbon = std::make_unique<KnotRibbon>();
  ShapeComparison comparison;
  for (const auto& frame : frames) {
    ribbon->computeShape(frame.first, frame.second);
    comparison.frame(*ribbon, frame.first, frame.second);
  }
  for (const std::string& fault : comparison.faults) ADD_FAILURE() << fault;
  EXPECT_EQ(comparison.values, 6L * KnotRibbon::kPointCount *
                                   static_cast<long>(frames.size()));
  // Boundary cases are rare; many would mean a systematic error.
  EXPECT_LT(comparison.oneUlp, comparison.values / 100000);
}

struct GlowPassSeen {
  int calls = 0;
  float r0 = 0.0f;
  float z0 = 0.0f;
};

TEST(KnotRibbon, UpdateDimsThenGlowsThenReshapes) {
  auto ribbon = std::make_unique<KnotRibbon>();
  ribbon->computeShape(50.0f, 10.0f);
  const RibbonPoint before = ribbon->points[0];
  GlowPassSeen seen;
  ribbon->update(
      80.0f, 10.0f,
      [](const KnotRibbon& r, void* context) {
        auto* s = static_cast<GlowPassSeen*>(context);
        s->calls += 1;
        s->r0 = r.points[0].r;
        s->z0 = r.points[0].z;
      },
      &seen);
  EXPECT_EQ(seen.calls, 1);
  EXPECT_EQ(seen.r0, before.r * 0.5f);  // halved colours
  EXPECT_EQ(seen.z0, before.z);         // previous frame's positions
  auto expected = std::make_unique<KnotRibbon>();
  expected->computeShape(80.0f, 10.0f);
  EXPECT_EQ(ribbon->points[0].z, expected->points[0].z);
  EXPECT_EQ(ribbon->points[0].r, expected->points[0].r);
}

TEST(RibbonBand, SideVectorHasHalfWidthOfDepth) {
  auto ribbon = std::make_unique<KnotRibbon>();
  RibbonPoint* p = ribbon->points;
  for (int i = 0; i < KnotRibbon::kPointCount; ++i) {
    p[i].x = static_cast<float>(i);  // one world unit per point along x
    p[i].z = 1024.0f;
  }
  computeBandGeometry(*ribbon, 1024, 768);
  EXPECT_FLOAT_EQ(p[5].sx, 512.0f + 5.0f);
  EXPECT_FLOAT_EQ(p[5].sy, 384.0f);
  // A 1-pixel step scaled to 9000 / z pixels along the curve.
  EXPECT_FLOAT_EQ(p[5].nx, 9000.0f / 1024.0f);
  EXPECT_FLOAT_EQ(p[5].ny, 0.0f);
  EXPECT_FLOAT_EQ(p[0].nx, 9000.0f / 1024.0f);  // point 0 looks at point 1
  const BandVertex left = bandEdge(p[5], -1);
  const BandVertex right = bandEdge(p[5], +1);
  EXPECT_FLOAT_EQ(left.y, 384.0f + 9000.0f / 1024.0f);
  EXPECT_FLOAT_EQ(right.y, 384.0f - 9000.0f / 1024.0f);
  EXPECT_FLOAT_EQ(left.x, p[5].sx);
}

TEST(RibbonBand, DepthRulesAndZeroStep) {
  auto ribbon = std::make_unique<KnotRibbon>();
  RibbonPoint* p = ribbon->points;
  for (int i = 0; i < KnotRibbon::kPointCount; ++i) p[i].z = 500.0f;
  p[10].z = 0.05f;  // projected, but left out of the band
  p[20].z = -3.0f;  // behind the viewer: not projected at all
  p[20].sx = 77.0f;
  p[21].nx = 5.0f;
  p[21].ny = 6.0f;
  computeBandGeometry(*ribbon, 1024, 768);
  EXPECT_EQ(p[20].sx, 77.0f);
  EXPECT_EQ(p[21].nx, 5.0f);  // kept: its neighbour is behind the viewer
  EXPECT_EQ(p[21].ny, 6.0f);
  EXPECT_EQ(p[30].nx, 0.0f);  // points on one spot: no width, no NaN
  EXPECT_EQ(p[30].ny, 0.0f);

  EXPECT_TRUE(bandVertexEmitted(*ribbon, 9));
  EXPECT_FALSE(bandVertexEmitted(*ribbon, 10));
  EXPECT_FALSE(bandVertexEmitted(*ribbon, 11));  // neighbour at z 0.05
  EXPECT_TRUE(bandVertexEmitted(*ribbon, 12));   // the strip restarts
  p[1].z = 0.1f;
  EXPECT_FALSE(bandVertexEmitted(*ribbon, 0));   // point 0 looks at point 1
}

void placeAll(KnotRibbon& ribbon, float x, float y, float z) {
  for (RibbonPoint& p : ribbon.points) {
    p.x = x;
    p.y = y;
    p.z = z;
    p.r = 0.1f;
    p.g = 0.05f;
    p.b = 0.0f;
  }
}

TEST(Glows, FarRibbonGivesNoGlow) {
  auto ribbon = std::make_unique<KnotRibbon>();
  placeAll(*ribbon, -10.0f, -10.0f, 384.5f);
  GlowDisc glows[kGlowQuadrants];
  computeGlows(*ribbon, 1024, 768, glows);
  for (const GlowDisc& g : glows) EXPECT_FALSE(g.lit);
  placeAll(*ribbon, -10.0f, -10.0f, 0.0005f);  // too near to divide by
  computeGlows(*ribbon, 1024, 768, glows);
  for (const GlowDisc& g : glows) EXPECT_FALSE(g.lit);
}

TEST(Glows, QuadrantCentreRadiusAndColour) {
  auto ribbon = std::make_unique<KnotRibbon>();
  placeAll(*ribbon, -50.0f, -25.0f, 200.0f);  // lower left of the centre
  ribbon->points[0].x = 50.0f;  // one point in the upper right
  ribbon->points[0].y = 25.0f;
  GlowDisc glows[kGlowQuadrants];
  computeGlows(*ribbon, 1024, 768, glows);
  ASSERT_TRUE(glows[0].lit);
  EXPECT_FALSE(glows[1].lit);
  ASSERT_TRUE(glows[2].lit);
  EXPECT_FALSE(glows[3].lit);
  EXPECT_NEAR(glows[0].centerX, 512.0f - 256.0f, 0.01f);
  EXPECT_NEAR(glows[0].centerY, 384.0f - 128.0f, 0.01f);
  EXPECT_FLOAT_EQ(glows[0].radius, 768.0f - 100.0f);
  EXPECT_NEAR(glows[0].r, 2559 * 0.1f / 32.0f, 5e-3f);  // left to GL to clamp
  EXPECT_FLOAT_EQ(glows[2].g, 0.05f / 32.0f);
  EXPECT_FLOAT_EQ(glows[2].centerX, 512.0f + 256.0f);

  // Behind the viewer the offsets mirror through the centre, and the
  // radius is the same as in front.
  placeAll(*ribbon, -50.0f, -25.0f, -200.0f);
  computeGlows(*ribbon, 1024, 768, glows);
  ASSERT_TRUE(glows[2].lit);
  EXPECT_FALSE(glows[0].lit);
  EXPECT_FLOAT_EQ(glows[2].radius, 668.0f);
}

TEST(Glows, FieldReachesJustBeyondTheWindow) {
  auto ribbon = std::make_unique<KnotRibbon>();
  // |px| limit is 512 + 288 = 800 pixels at W 1024.
  placeAll(*ribbon, 100.0f, 0.0f, 128.0f);  // px = 800: inside
  GlowDisc glows[kGlowQuadrants];
  computeGlows(*ribbon, 1024, 768, glows);
  EXPECT_TRUE(glows[2].lit);
  placeAll(*ribbon, 100.5f, 0.0f, 128.0f);  // px = 804: outside
  computeGlows(*ribbon, 1024, 768, glows);
  EXPECT_FALSE(glows[2].lit);
  placeAll(*ribbon, 0.0f, 84.0f, 128.0f);  // py = 672 = 384 + 288: inside
  computeGlows(*ribbon, 1024, 768, glows);
  EXPECT_TRUE(glows[2].lit);
}

}  // namespace
}  // namespace vantrel
