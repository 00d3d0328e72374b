// The pacer's decisions against simulated swaps: paced ones, unpaced ones,
// slow frames, a display that starts pacing, a clock that jumps; and the
// refreshes a frame lasts at each rate and limit.
#include <algorithm>
#include <cmath>
#include <string>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "renderer/scene/frame_ceiling.h"
#include "renderer/scene/frame_pacer.h"

namespace vantrel {
namespace {

constexpr double k60 = 1.0 / 60.0;

// A loop of frames: `work` seconds of drawing, then a swap that returns at
// once or, with `vsync`, at the display's next refresh of `display` seconds;
// then the pacer's wait, slept `oversleep` seconds too long.
struct Loop {
  FramePacer pacer;
  double now = 100.0;
  double work = 0.0017;
  bool vsync = false;
  double display = k60;
  double oversleep = 0.0003;
  double jitter = 0.0;  // every other paced swap returns this much later
  int interval = 1;  // refreshes a paced swap waits for, at least
  double lastVblank = 0.0;
  std::vector<double> swaps;
  std::vector<double> waits;

  void run(int frames) {
    for (int i = 0; i < frames; ++i) {
      now += work;
      if (vsync) {
        const double next = (std::floor(now / display) + 1.0) * display;
        now = lastVblank = std::max(next, lastVblank + interval * display);
      }
      if (vsync && i % 2 == 1) now += jitter;
      swaps.push_back(now);
      const double wait = pacer.afterSwap(now);
      waits.push_back(wait);
      if (wait > 0.0) now += wait + oversleep;
    }
  }
  // Frames a second over the last `frames` frames.
  double rate(int frames) const {
    const size_t n = swaps.size();
    return frames / (swaps[n - 1] - swaps[n - 1 - frames]);
  }
  int waitsAmongLast(int frames) const {
    int count = 0;
    for (size_t i = waits.size() - frames; i < waits.size(); ++i)
      count += waits[i] > 0.0 ? 1 : 0;
    return count;
  }
};

TEST(FramePacer, RefreshPeriodFallsBackTo60Hz) {
  EXPECT_DOUBLE_EQ(refreshPeriods(75.0).longest, 1.0 / 75.0);
  EXPECT_DOUBLE_EQ(refreshPeriods(75.0).shortest, 1.0 / 76.0);
  EXPECT_DOUBLE_EQ(refreshPeriods(59.94).longest, 1.0 / 59.94);
  EXPECT_DOUBLE_EQ(refreshPeriods(59.94).shortest, 1.0 / 59.94);
  for (double unknown : {0.0, 1.0, -60.0, 1e9,
                         std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_DOUBLE_EQ(refreshPeriods(unknown).longest, k60) << unknown;
    EXPECT_DOUBLE_EQ(refreshPeriods(unknown).shortest, k60) << unknown;
  }
}

TEST(FramePacer, PacedSwapsGetNoWaitAtAll) {
  Loop loop;
  loop.vsync = true;
  loop.run(1000);
  EXPECT_EQ(loop.waitsAmongLast(1000), 0);
  EXPECT_FALSE(loop.pacer.waiting());
  loop.jitter = 0.0015;  // returns 1.5 ms apart from one swap to the next
  loop.work = 0.016;     // and now and then a refresh missed
  loop.run(1000);
  EXPECT_EQ(loop.waitsAmongLast(1000), 0);
}

TEST(FramePacer, UnpacedSwapsAreHeldToTheRefreshRate) {
  Loop loop;
  loop.run(20);
  EXPECT_TRUE(loop.pacer.waiting());  // found within a few frames
  loop.run(2000);
  EXPECT_LE(loop.rate(1000), 60.0);
  EXPECT_GT(loop.rate(1000), 57.0);
  for (double wait : loop.waits) EXPECT_LE(wait, 2.0 * k60);
}

// A loaded machine whose frames take nearly a refresh still must not run
// ahead of the display.
TEST(FramePacer, SwapsAFewPerCentTooFastAreHeldToo) {
  Loop loop;
  loop.work = 0.0161;  // 62 frames a second unpaced
  loop.oversleep = 0.0;
  loop.run(60 * 20);
  EXPECT_TRUE(loop.pacer.waiting());
  EXPECT_LE(loop.rate(60 * 10), 60.0 + 1e-9);
}

TEST(FramePacer, FollowsAChangedRate) {
  Loop loop;
  loop.run(100);
  loop.pacer.setRefreshRate(30.0);
  loop.run(200);
  EXPECT_LE(loop.rate(100), 30.0 + 1e-9);
  EXPECT_GT(loop.rate(100), 29.0);
  loop.pacer.setRefreshRate(0.0);  // unknown again: 60
  loop.run(200);
  EXPECT_GT(loop.rate(100), 57.0);
}

// Windows reports a rate rounded down to whole hertz (23 for 23.976), X11
// as it is. Paced swaps at any common rate get no waits whichever report
// the pacer has; unpaced ones are held, never above the display's rate.
TEST(FramePacer, CommonRatesAsWindowsAndX11ReportThem) {
  for (double hz : {23.976, 24.0, 25.0, 29.97, 30.0, 47.952, 50.0, 59.94, 60.0,
                    75.0, 119.88, 143.98, 240.0}) {
    for (double reported : {std::floor(hz), hz}) {
      Loop paced;
      paced.display = 1.0 / hz;
      paced.vsync = true;
      paced.pacer.setRefreshRate(reported);
      paced.run(static_cast<int>(hz * 30));
      EXPECT_EQ(paced.waitsAmongLast(static_cast<int>(hz * 30)), 0)
          << hz << " Hz reported as " << reported;
      Loop unpaced;
      unpaced.work = 0.001;
      unpaced.pacer.setRefreshRate(reported);
      unpaced.run(static_cast<int>(hz * 10));
      EXPECT_TRUE(unpaced.pacer.waiting()) << hz << " reported " << reported;
      EXPECT_LE(unpaced.rate(static_cast<int>(hz * 5)), hz + 1e-9);
      EXPECT_GT(unpaced.rate(static_cast<int>(hz * 5)), 0.93 * hz);
    }
  }
}

TEST(FramePacer, SlowFramesAreNeverDelayed) {
  Loop loop;
  loop.work = 0.025;  // slower than the display
  loop.run(500);
  EXPECT_EQ(loop.waitsAmongLast(500), 0);
}

TEST(FramePacer, StopsWaitingOnceTheSwapPaces) {
  Loop loop;
  loop.run(100);
  ASSERT_TRUE(loop.pacer.waiting());
  loop.vsync = true;  // the driver starts honouring the swap interval
  loop.run(60 * 20);
  EXPECT_FALSE(loop.pacer.waiting());
  loop.run(600);
  EXPECT_EQ(loop.waitsAmongLast(600), 0);
  EXPECT_NEAR(loop.rate(600), 60.0, 0.01);  // every refresh, not every other
}

TEST(FramePacer, ProbesCostOneFrameAndKeepWaitingWhileUnpaced) {
  Loop loop;
  loop.run(60 * 30);
  EXPECT_TRUE(loop.pacer.waiting());
  // Over 30 s only the few probe frames run without a wait.
  EXPECT_GE(loop.waitsAmongLast(60 * 29), 60 * 29 - 8);
}

TEST(FramePacer, AClockThatJumpsNeverCausesALongWait) {
  Loop loop;
  loop.run(100);
  ASSERT_TRUE(loop.pacer.waiting());
  loop.now -= 10.0;  // backwards
  loop.run(5);
  loop.now += 3600.0;  // forwards
  loop.run(5);
  for (double wait : loop.waits) {
    EXPECT_GE(wait, 0.0);
    EXPECT_LE(wait, 2.0 * k60);
  }
  loop.run(300);
  EXPECT_LE(loop.rate(200), 60.0);
  EXPECT_GT(loop.rate(200), 57.0);
}

TEST(FramePacer, APauseIsNotTakenForASlowSwap) {
  Loop loop;
  loop.run(100);
  loop.pacer.pause();
  loop.now += 30.0;  // nothing drawn while hidden
  loop.run(3);
  EXPECT_TRUE(loop.pacer.waiting());
  EXPECT_GT(loop.waits.back(), 0.0);
}

// Every rate the issue names, as X11 and Windows report them.
TEST(FrameCeiling, AWholeDivisorOfTheRefreshNearSixty) {
  const struct {
    double hz;
    int refreshes;
  } cases[] = {{60, 1},     {75, 1},     {90, 1},     {100, 1},   {120, 2},
               {144, 2},    {165, 2},    {240, 4},    {59.94, 1}, {59, 1},
               {119.88, 2}, {119, 2},    {143.98, 2}, {143, 2},   {239.76, 4},
               {239, 4},    {180, 3},    {179, 3},    {50, 1},    {30, 1},
               {23.976, 1}, {0, 1},      {1, 1},      {360, 6}};
  for (const auto& c : cases) {
    EXPECT_EQ(refreshesPerFrame(c.hz, FrameLimits{}), c.refreshes) << c.hz;
  }
}

// Each limit only lowers the rate, and never below a whole divisor of the
// refresh; the user's ceiling and power saving are never exceeded beyond
// the near-multiple margin.
TEST(FrameCeiling, LimitsRaiseTheRefreshesPerFrame) {
  FrameLimits user;
  user.maxFramesPerSecond = 100;
  EXPECT_EQ(refreshesPerFrame(144, user), 2);
  EXPECT_EQ(refreshesPerFrame(60, user), 1);
  user.maxFramesPerSecond = 240;  // a ceiling: never above the default
  EXPECT_EQ(refreshesPerFrame(240, user), 4);
  EXPECT_EQ(refreshesPerFrame(239.76, user), 4);
  user.maxFramesPerSecond = 10;
  EXPECT_EQ(refreshesPerFrame(60, user), 6);
  FrameLimits preview;
  preview.preview = true;
  EXPECT_EQ(refreshesPerFrame(60, preview), 2);
  EXPECT_EQ(refreshesPerFrame(59, preview), 2);
  EXPECT_EQ(refreshesPerFrame(144, preview), 4);
  FrameLimits saving;
  saving.powerSaving = true;
  EXPECT_EQ(refreshesPerFrame(60, saving), 2);
  EXPECT_EQ(refreshesPerFrame(59.94, saving), 2);
  EXPECT_EQ(refreshesPerFrame(59, saving), 2);
  EXPECT_EQ(refreshesPerFrame(0, saving), 2);
  EXPECT_EQ(refreshesPerFrame(25, saving), 1);
  for (double hz : {24.0, 30.0, 48.0, 50.0, 59.0, 59.94, 60.0, 72.0, 75.0,
                    90.0, 100.0, 119.0, 119.88, 120.0, 143.0, 144.0, 165.0,
                    239.0, 240.0, 360.0}) {
    for (int max : {0, 10, 24, 30, 45, 60, 72, 100, 144, 240}) {
      for (bool previewing : {false, true}) {
        for (bool savingPower : {false, true}) {
          FrameLimits limits{max, previewing, savingPower};
          const int k = refreshesPerFrame(hz, limits);
          const double rate = hz / k;
          const std::string what = std::to_string(hz) + " Hz, max " +
                                   std::to_string(max);
          if (max > 0) {
            EXPECT_LE(rate, max * 1.002) << what;
          }
          if (savingPower) {
            EXPECT_LE(rate, 30.0 * 1.002) << what;
          }
          FrameLimits plain{max, false, false};
          if (previewing) {  // half the ceiling, or less to save power
            EXPECT_GE(k, 2 * refreshesPerFrame(hz, plain)) << what;
            if (!savingPower) {
              EXPECT_EQ(k, 2 * refreshesPerFrame(hz, plain)) << what;
            }
          }
          EXPECT_GE(k, refreshesPerFrame(hz, FrameLimits{})) << what;
        }
      }
    }
  }
}

// With swap interval 2 a paced swap takes two refreshes: no waits. Where
// the swap ignores it, the pacer holds frames to two refreshes.
TEST(FramePacer, TwoRefreshesAFrame) {
  Loop paced;
  paced.display = 1.0 / 120.0;
  paced.vsync = true;
  paced.interval = 2;
  paced.pacer.setRefreshRate(120.0);
  paced.pacer.setRefreshesPerFrame(2);
  paced.run(120 * 20);
  EXPECT_EQ(paced.waitsAmongLast(120 * 20), 0);
  EXPECT_NEAR(paced.rate(600), 60.0, 0.01);
  for (bool vsync : {false, true}) {  // unpaced, or interval 1 honoured only
    Loop loop;
    loop.display = 1.0 / 144.0;
    loop.vsync = vsync;
    loop.pacer.setRefreshRate(144.0);
    loop.pacer.setRefreshesPerFrame(2);
    loop.run(144 * 20);
    EXPECT_TRUE(loop.pacer.waiting()) << vsync;
    EXPECT_LE(loop.rate(600), 72.0 + 1e-9) << vsync;
    EXPECT_GT(loop.rate(600), vsync ? 0.9 * 48.0 : 0.95 * 72.0) << vsync;
  }
}

// Power saving comes and goes while frames run: the swap interval and the
// pacer change together, and paced swaps are never taken for unpaced ones.
TEST(FramePacer, ChangingRefreshesPerFrameWhileRunning) {
  Loop paced;
  paced.vsync = true;
  paced.run(600);
  paced.interval = 2;
  paced.pacer.setRefreshesPerFrame(2);
  paced.run(600);
  paced.interval = 1;
  paced.pacer.setRefreshesPerFrame(1);
  paced.run(600);
  EXPECT_EQ(paced.waitsAmongLast(1800), 0);
  EXPECT_FALSE(paced.pacer.waiting());
  Loop unpaced;
  unpaced.run(600);
  unpaced.pacer.setRefreshesPerFrame(2);
  unpaced.run(600);
  EXPECT_NEAR(unpaced.rate(300), 30.0, 1.0);
  unpaced.pacer.setRefreshesPerFrame(1);
  unpaced.run(600);
  EXPECT_NEAR(unpaced.rate(300), 60.0, 2.0);
  EXPECT_LE(unpaced.rate(300), 60.0 + 1e-9);
}

}  // namespace
}  // namespace vantrel
