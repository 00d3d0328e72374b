// The scene over runs of days and months: the clock keeps its fine steps and
// the ribbon and star colours move smoothly, while the first 2^16 s stay as
// they always were, to the float.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "renderer/scene/knot_ribbon.h"
#include "renderer/scene/scene_clock.h"
#include "renderer/scene/star_blob.h"

namespace vantrel {
namespace {

constexpr std::int64_t kNanoseconds = 1000000000;
constexpr double kFrame = 1.0 / 60.0;

std::int64_t countAt(double seconds) {
  return static_cast<std::int64_t>(std::llround(seconds * 1e9));
}

// The largest distance any ribbon point moved between two shapes.
float largestMove(const KnotRibbon& a, const KnotRibbon& b) {
  float largest = 0.0f;
  for (int i = 0; i < KnotRibbon::kPointCount; ++i) {
    const RibbonPoint& p = a.points[i];
    const RibbonPoint& q = b.points[i];
    largest = std::max({largest, std::fabs(p.x - q.x), std::fabs(p.y - q.y),
                        std::fabs(p.z - q.z)});
  }
  return largest;
}

// Per-frame moves of the ribbon over `frames` frames from `start` seconds.
std::vector<float> ribbonMoves(double start, float speed, int frames) {
  auto previous = std::make_unique<KnotRibbon>();
  auto current = std::make_unique<KnotRibbon>();
  previous->computeShape(start, speed);
  std::vector<float> moves;
  for (int k = 1; k <= frames; ++k) {
    current->computeShape(start + k * kFrame, speed);
    moves.push_back(largestMove(*previous, *current));
    std::swap(previous, current);
  }
  return moves;
}

// Every frame moves the ribbon, and no frame more than twice another: no
// freezes and no jumps. The float clock fails this from 2^20 s on.
void expectSmooth(const std::vector<float>& moves, double at) {
  const auto [low, high] = std::minmax_element(moves.begin(), moves.end());
  EXPECT_GT(*low, 0.0f) << "frozen at " << at;
  EXPECT_LT(*high, 2.0f * *low) << "jump at " << at;
}

TEST(LongRunClock, FloatValuesBelowTheLimit) {
  SceneClock clock;
  clock.start(kNanoseconds, 777, 0);
  float previous = 0.0f;
  for (double t : {0.0167, 1.0, 3600.123456789, 40000.000001, 65535.99}) {
    const long double raw = static_cast<long double>(countAt(t)) / 1e9L;
    clock.tick(countAt(t) + 777, 0);
    EXPECT_EQ(clock.elapsedSeconds(), static_cast<double>(static_cast<float>(raw)));
    EXPECT_EQ(clock.frameDelta(), static_cast<float>(raw - previous));
    previous = static_cast<float>(raw);
  }
}

TEST(LongRunClock, StepsAreRealTimeAcrossTheLimitAndAtLongOffsets) {
  for (double offset : {65536.0 - 0.1, 131072.0, 1048576.0, 16777216.0,
                        1073741824.0}) {
    SceneClock clock;
    clock.start(kNanoseconds, 0, 0);
    double real = offset;
    clock.tick(countAt(real), 0);
    for (int k = 0; k < 40; ++k) {
      const double before = clock.elapsedSeconds();
      const double step = kFrame + (k % 3) * 0.0021;  // uneven frames
      real += step;
      clock.tick(countAt(real), 0);
      if (real < kFloatClockLimit) continue;  // float steps, as always
      EXPECT_NEAR(clock.elapsedSeconds() - before, step, 1e-3) << offset;
      EXPECT_NEAR(clock.frameDelta(), step, 1e-3) << offset;
    }
  }
}

TEST(LongRunClock, TickCountFallbackNeverRunsBack) {
  SceneClock clock;
  clock.start(0, 0, 4000000000u);
  std::uint32_t tick = 4000000000u;
  double previous = 0.0;
  for (int k = 0; k < 12; ++k) {  // 12 x 10^9 ms: the count wraps twice
    tick += 1000000000u;
    clock.tick(0, tick);
    EXPECT_NEAR(clock.elapsedSeconds() - previous, 1e6, 1e-3);
    previous = clock.elapsedSeconds();
  }
}

TEST(LongRunRibbon, PhaseBelowTheLimitIsTheFloatClocks) {
  for (float speed : {1.0f, 10.0f, 200.0f}) {
    const float rate = static_cast<float>(speed * 6.283185307179586 / 16384.0);
    for (float t : {0.0f, 0.25f, 1234.5678f, 65535.99f}) {
      EXPECT_EQ(ribbonPhase(t, speed), static_cast<double>(t) * rate);
    }
  }
}

TEST(LongRunRibbon, MovesSmoothlyAtLongOffsets) {
  for (float speed : {10.0f, 200.0f}) {
    for (double offset : {131072.0, 1048576.0, 16777216.0, 1073741824.0}) {
      expectSmooth(ribbonMoves(offset, speed, 12), offset);
    }
  }
}

TEST(LongRunRibbon, ContinuousAcrossTheLimitAndThePhaseWrap) {
  const float speed = 10.0f;
  const float rate = static_cast<float>(speed * 6.283185307179586 / 16384.0);
  const double wrap = kRibbonPhasePeriod / static_cast<double>(rate);
  for (double at : {kFloatClockLimit, wrap, 3.0 * wrap}) {
    expectSmooth(ribbonMoves(at - 6 * kFrame, speed, 12), at);
  }
  // The reduced phase gives the shape of the unreduced one.
  auto reduced = std::make_unique<KnotRibbon>();
  auto direct = std::make_unique<KnotRibbon>();
  reduced->computeShape(wrap + 100.0, speed);
  direct->computeShape(100.0, speed);
  EXPECT_LT(largestMove(*reduced, *direct), 0.05f);
}

TEST(LongRunStars, ColourBelowTheLimitIsTheFloatFormula) {
  for (float t : {0.0f, 409.6f, 50000.125f, 65535.99f}) {
    const float phase = 3000.0f;
    const float old = 0.5f + 0.25f * std::sin(6.2831855f * (phase / 16384.0f +
                                                            t * 10.0f / 16384.0f));
    EXPECT_EQ(starChannel(phase, t, 10.0f), old);
  }
}

TEST(LongRunStars, ColourFollowsItsSlopeAtLongOffsets) {
  // Across the limit the colour keeps to the float formula's coarser steps.
  const float before = starChannel(1000.0f, kFloatClockLimit - 0.001, 10.0f);
  const float after = starChannel(1000.0f, kFloatClockLimit + 0.001, 10.0f);
  EXPECT_NEAR(after, before, 1e-5f);
  for (double offset : {65536.0, 131072.0, 1048576.0, 16777216.0,
                        1073741824.0, 16384.0 * 100000.0 / 10.0 - kFrame}) {
    for (int k = 0; k < 3; ++k) {
      const double t = offset + k * kFrame;
      const double theta = 6.283185307179586 * (1000.0 + t * 10.0) / 16384.0;
      const double slope =
          0.25 * std::cos(theta) * 6.283185307179586 * 10.0 / 16384.0;
      const double step = starChannel(1000.0f, t + kFrame, 10.0f) -
                          starChannel(1000.0f, t, 10.0f);
      EXPECT_NEAR(step, slope * kFrame, 0.2 * std::fabs(slope * kFrame) + 1e-6)
          << t;
    }
  }
}

}  // namespace
}  // namespace vantrel
