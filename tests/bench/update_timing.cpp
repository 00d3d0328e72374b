// Times one frame's CPU update (1000 star advances and the ribbon) with the
// ribbon from its tables and by the direct evaluation, in alternating rounds
// of the same run, and prints the figures. A plain program, so that the
// Windows build can be timed under Wine, where there is no Google Benchmark.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "renderer/scene/knot_ribbon.h"
#include "renderer/scene/scene_random.h"
#include "renderer/scene/star_particle.h"
#include "renderer/scene/star_pool.h"
#include "tests/renderer/direct_ribbon.h"

namespace {

using vantrel::KnotRibbon;

constexpr float kStep = 1.0f / 60.0f;
constexpr int kRounds = 15;
constexpr int kFramesPerRound = 200;

struct Scene {
  explicit Scene(float startSeconds) : random(42), elapsed(startSeconds) {
    pool = vantrel::createStarPool(random);
    ribbon = std::make_unique<KnotRibbon>();
  }
  ~Scene() { vantrel::destroyStarPool(pool); }
  vantrel::SceneRandom random;
  vantrel::StarParticle* pool;
  std::unique_ptr<KnotRibbon> ribbon;
  float elapsed;
};

void tableFrame(Scene& scene) {
  vantrel::advanceStars(scene.pool, 1000, kStep);
  scene.ribbon->update(scene.elapsed, 10.0f, nullptr, nullptr);
}

void directFrame(Scene& scene) {
  vantrel::advanceStars(scene.pool, 1000, kStep);
  scene.ribbon->dimColours();
  vantrel::directShape(scene.elapsed, 10.0f, *scene.ribbon);
}

// Microseconds a frame over one round.
double timeRound(Scene& scene, void (*frame)(Scene&)) {
  const auto start = std::chrono::steady_clock::now();
  for (int n = 0; n < kFramesPerRound; ++n) {
    scene.elapsed += kStep;
    frame(scene);
  }
  const std::chrono::duration<double, std::micro> spent =
      std::chrono::steady_clock::now() - start;
  return spent.count() / kFramesPerRound;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

void compare(const char* label, float startSeconds) {
  Scene tables(startSeconds), direct(startSeconds);
  std::vector<double> t, d;
  for (int round = 0; round < kRounds; ++round) {
    // Alternate which goes first, so neither always finds a warm machine.
    if (round % 2 == 0) t.push_back(timeRound(tables, tableFrame));
    d.push_back(timeRound(direct, directFrame));
    if (round % 2 == 1) t.push_back(timeRound(tables, tableFrame));
  }
  std::printf(
      "%s: tables %.1f us (min %.1f), direct %.1f us (min %.1f), "
      "ratio %.3f\n",
      label, median(t), *std::min_element(t.begin(), t.end()), median(d),
      *std::min_element(d.begin(), d.end()), median(t) / median(d));
  std::fflush(stdout);
}

}  // namespace

int main() {
  std::printf("frame update, 1000 stars and the ribbon, microseconds a frame, "
              "median of %d rounds of %d frames\n",
              kRounds, kFramesPerRound);
  compare("from 0 s", 0.0f);
  compare("from 30 h", 108000.0f);
  return 0;
}
