// One frame's CPU work of the renderer: what runs before and around the GL
// calls. Goal: well under a millisecond per frame.
#include <memory>

#include <benchmark/benchmark.h>

#include "renderer/scene/glow_accumulator.h"
#include "renderer/scene/knot_ribbon.h"
#include "renderer/scene/ribbon_band.h"
#include "renderer/scene/scene_random.h"
#include "renderer/scene/star_blob.h"
#include "renderer/scene/star_particle.h"
#include "renderer/scene/star_pool.h"
#include "tests/renderer/direct_ribbon.h"

namespace {

using vantrel::KnotRibbon;
using vantrel::SceneRandom;
using vantrel::StarParticle;

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr float kStep = 1.0f / 60.0f;

struct Frame {
  Frame() : random(42) {
    pool = vantrel::createStarPool(random);
    ribbon = std::make_unique<KnotRibbon>();
  }
  ~Frame() { vantrel::destroyStarPool(pool); }
  SceneRandom random;
  StarParticle* pool;
  std::unique_ptr<KnotRibbon> ribbon;
  float elapsed = 0.0f;
};

void noGlows(const KnotRibbon&, void*) {}

// The frame step's simulation: 1000 star advances and the ribbon update.
void BM_FrameUpdate(benchmark::State& state) {
  Frame frame;
  for (auto _ : state) {
    frame.elapsed += kStep;
    vantrel::advanceStars(frame.pool, 1000, kStep);
    frame.ribbon->update(frame.elapsed, 10.0f, noGlows, nullptr);
    benchmark::DoNotOptimize(frame.ribbon->points[0].x);
  }
}
BENCHMARK(BM_FrameUpdate)->Unit(benchmark::kMicrosecond);

// The same frame with the ribbon's direct evaluation, nine sines and cosines
// a point: the update before its tables. Run with
// --benchmark_enable_random_interleaving=true to compare in one run.
void BM_FrameUpdateDirect(benchmark::State& state) {
  Frame frame;
  for (auto _ : state) {
    frame.elapsed += kStep;
    vantrel::advanceStars(frame.pool, 1000, kStep);
    frame.ribbon->dimColours();
    vantrel::directShape(frame.elapsed, 10.0f, *frame.ribbon);
    benchmark::DoNotOptimize(frame.ribbon->points[0].x);
  }
}
BENCHMARK(BM_FrameUpdateDirect)->Unit(benchmark::kMicrosecond);

// The ribbon alone, early in a run and 30 hours into it (large phases).
void BM_RibbonShape(benchmark::State& state) {
  auto ribbon = std::make_unique<KnotRibbon>();
  float elapsed = static_cast<float>(state.range(0));
  for (auto _ : state) {
    elapsed += kStep;
    ribbon->computeShape(elapsed, 10.0f);
    benchmark::DoNotOptimize(ribbon->points[0].x);
  }
}
BENCHMARK(BM_RibbonShape)->Arg(0)->Arg(108000)->Unit(benchmark::kMicrosecond);

void BM_StarAdvance(benchmark::State& state) {
  Frame frame;
  for (auto _ : state) {
    vantrel::advanceStars(frame.pool, 1000, kStep);
    benchmark::DoNotOptimize(frame.pool[999].z);
  }
}
BENCHMARK(BM_StarAdvance)->Unit(benchmark::kMicrosecond);

// The maths behind the draw submission: 1000 visibility tests and blobs
// (respawning the dead), the band's pass A and two glow passes.
void BM_DrawMaths(benchmark::State& state) {
  Frame frame;
  frame.ribbon->computeShape(100.0f, 10.0f);
  for (auto _ : state) {
    frame.elapsed += kStep;
    vantrel::advanceStars(frame.pool, 1000, kStep);
    for (int i = 0; i < 1000; ++i) {
      StarParticle& star = frame.pool[i];
      float sx, sy;
      if (!vantrel::starVisible(star, kWidth, kHeight, sx, sy)) {
        star.respawn(frame.random);
        continue;
      }
      const vantrel::StarBlob blob =
          vantrel::starBlob(star, sx, sy, kWidth, kHeight, frame.elapsed, 10.0f);
      benchmark::DoNotOptimize(blob);
    }
    vantrel::computeBandGeometry(*frame.ribbon, kWidth, kHeight);
    int emitted = 0;
    for (int i = 0; i < KnotRibbon::kPointCount; ++i)
      emitted += vantrel::bandVertexEmitted(*frame.ribbon, i) ? 1 : 0;
    benchmark::DoNotOptimize(emitted);
    vantrel::GlowDisc glows[vantrel::kGlowQuadrants];
    vantrel::computeGlows(*frame.ribbon, kWidth, kHeight, glows);
    vantrel::computeGlows(*frame.ribbon, kWidth, kHeight, glows);
    benchmark::DoNotOptimize(glows);
  }
}
BENCHMARK(BM_DrawMaths)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
