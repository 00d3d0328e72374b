#include <cmath>
#include <new>

#include <gtest/gtest.h>

#include "renderer/scene/approx_length.h"
#include "renderer/scene/renderer_state.h"
#include "renderer/scene/scene_random.h"
#include "renderer/scene/star_blob.h"
#include "renderer/scene/star_particle.h"
#include "renderer/scene/star_pool.h"
#include "renderer/scene/unit_disc.h"

namespace vantrel {
namespace {

TEST(ApproxLength, MaxPlusFiveSixteenthsOfMin) {
  EXPECT_FLOAT_EQ(approxLength(3.0f, 4.0f), 4.9375f);
  EXPECT_FLOAT_EQ(approxLength(-4.0f, -3.0f), 4.9375f);
  EXPECT_FLOAT_EQ(approxLength(-3.0f, 0.0f), 3.0f);
  EXPECT_EQ(approxLength(0.0f, 0.0f), 0.0f);
  EXPECT_FLOAT_EQ(approxLength(0.0f, 7.5f), 7.5f);
}

TEST(SceneRandom, KnownSequenceFromSeed) {
  // The classic C runtime generator: seed 1 starts 41, 18467, 6334, ...
  SceneRandom random(1);
  const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358};
  for (int value : expected) EXPECT_EQ(random.next(), value);
  SceneRandom zero(0);
  EXPECT_EQ(zero.next(), 38);
}

TEST(SceneRandom, StaysWithinFifteenBits) {
  SceneRandom random(0xFFFFFFFFu);
  for (int i = 0; i < 100000; ++i) {
    const int v = random.next();
    ASSERT_GE(v, 0);
    ASSERT_LE(v, 32767);
  }
}

TEST(StarParticle, RespawnRanges) {
  SceneRandom random(12345);
  StarParticle star(random);
  float minX = 1e9f, maxX = -1e9f, minZ = 1e9f, maxZ = -1e9f;
  for (int i = 0; i < 20000; ++i) {
    star.respawn(random);
    ASSERT_EQ(star.vx, 0.0f);
    ASSERT_EQ(star.vy, 0.0f);
    ASSERT_EQ(star.vz, -50.0f);
    ASSERT_EQ(star.x, star.px);
    ASSERT_EQ(star.y, star.py);
    ASSERT_EQ(star.z, star.pz - 50.0f);
    ASSERT_GE(star.py, -400.0f);
    ASSERT_LE(star.py, 399.0f);
    for (float phase : {star.phaseR, star.phaseG, star.phaseB}) {
      ASSERT_GE(phase, 0.0f);
      ASSERT_LE(phase, 16383.0f);
      ASSERT_EQ(phase, std::floor(phase));
    }
    minX = std::fmin(minX, star.px);
    maxX = std::fmax(maxX, star.px);
    minZ = std::fmin(minZ, star.z);
    maxZ = std::fmax(maxZ, star.z);
  }
  EXPECT_EQ(minX, -400.0f);
  EXPECT_EQ(maxX, 399.0f);
  EXPECT_EQ(minZ, -50.0f);
  EXPECT_EQ(maxZ, 1449.0f);
}

TEST(StarParticle, RespawnDrawsSixNumbersInOrder) {
  SceneRandom a(7), b(7);
  StarParticle star(a);
  const int r[6] = {b.next(), b.next(), b.next(), b.next(), b.next(), b.next()};
  EXPECT_EQ(star.px, static_cast<float>(r[0] % 800) - 400.0f);
  EXPECT_EQ(star.py, static_cast<float>(r[1] % 800) - 400.0f);
  EXPECT_EQ(star.pz, static_cast<float>(r[2] % 1500));
  EXPECT_EQ(star.phaseR, static_cast<float>(r[3] % 16384));
  EXPECT_EQ(star.phaseG, static_cast<float>(r[4] % 16384));
  EXPECT_EQ(star.phaseB, static_cast<float>(r[5] % 16384));
  EXPECT_EQ(a.next(), b.next());
}

TEST(StarParticle, AdvanceMovesByFrameDeltaAndKeepsPrevious) {
  SceneRandom random(3);
  StarParticle star(random);
  star.x = 10.0f;
  star.y = -20.0f;
  star.z = 900.0f;
  star.advance(2.0f);
  EXPECT_EQ(star.z, 800.0f);  // 100 units in a 2-second step
  EXPECT_EQ(star.x, 10.0f);
  EXPECT_EQ(star.y, -20.0f);
  EXPECT_EQ(star.pz, 900.0f);
  EXPECT_EQ(star.px, 10.0f);
  star.advance(0.02f);
  EXPECT_FLOAT_EQ(star.z, 799.0f);
  EXPECT_EQ(star.pz, 800.0f);
}

StarParticle placedStar(float x, float y, float z) {
  SceneRandom random(1);
  StarParticle star(random);
  star.x = star.px = x;
  star.y = star.py = y;
  star.z = star.pz = z;
  return star;
}

TEST(StarVisibility, DepthBorder) {
  float sx = 0, sy = 0;
  EXPECT_TRUE(starVisible(placedStar(0, 0, 75.0f), 1024, 768, sx, sy));
  EXPECT_FLOAT_EQ(sx, 512.0f);
  EXPECT_FLOAT_EQ(sy, 384.0f);
  EXPECT_FALSE(starVisible(placedStar(0, 0, 74.99f), 1024, 768, sx, sy));
  StarParticle star = placedStar(0, 0, 500.0f);
  star.pz = 74.0f;  // a star respawned with pz 100 has z 50: reborn unseen
  EXPECT_FALSE(starVisible(star, 1024, 768, sx, sy));
}

TEST(StarVisibility, AbsoluteScreenCoordinateBorders) {
  float sx = 0, sy = 0;
  // x / z chosen so the screen x lands exactly on W + 100 = 1124.
  EXPECT_TRUE(starVisible(placedStar(612.0f, 0, 1024.0f), 1024, 768, sx, sy));
  EXPECT_FLOAT_EQ(sx, 1124.0f);
  EXPECT_FALSE(starVisible(placedStar(614.0f, 0, 1024.0f), 1024, 768, sx, sy));
  // On the left the star lives until -(W + 100), far beyond the edge.
  EXPECT_TRUE(starVisible(placedStar(-1636.0f, 0, 1024.0f), 1024, 768, sx, sy));
  EXPECT_FLOAT_EQ(sx, -1124.0f);
  EXPECT_FALSE(starVisible(placedStar(-1638.0f, 0, 1024.0f), 1024, 768, sx, sy));
  // Vertically: |screen y| against H + 100 = 868.
  EXPECT_TRUE(starVisible(placedStar(0, 484.0f, 1024.0f), 1024, 768, sx, sy));
  EXPECT_FALSE(starVisible(placedStar(0, 486.0f, 1024.0f), 1024, 768, sx, sy));
  EXPECT_FALSE(starVisible(placedStar(0, -1254.0f, 1024.0f), 1024, 768, sx, sy));
}

TEST(StarBlob, StillStarIsRoundBlob) {
  StarParticle star = placedStar(0, 0, 100.0f);
  float sx = 0, sy = 0;
  ASSERT_TRUE(starVisible(star, 1024, 768, sx, sy));
  const StarBlob blob = starBlob(star, sx, sy, 1024, 768, 0.0f, 10.0f);
  EXPECT_FALSE(blob.rotated);
  EXPECT_FLOAT_EQ(blob.scaleX, 10.0f);
  EXPECT_FLOAT_EQ(blob.scaleY, 10.0f);
  EXPECT_DOUBLE_EQ(blob.centerX, 512.0);
  EXPECT_DOUBLE_EQ(blob.centerY, 384.0);
}

TEST(StarBlob, StretchedAlongMotion) {
  // Previous screen x 512 + 4 = 516 at z 1024 needs x = 4; now 520.
  StarParticle star = placedStar(8.0f, 0, 1024.0f);
  star.px = 4.0f;
  float sx = 0, sy = 0;
  ASSERT_TRUE(starVisible(star, 1024, 768, sx, sy));
  const StarBlob blob = starBlob(star, sx, sy, 1024, 768, 0.0f, 10.0f);
  EXPECT_TRUE(blob.rotated);
  EXPECT_DOUBLE_EQ(blob.angleDegrees, 0.0);
  EXPECT_FLOAT_EQ(blob.scaleX, 1000.0f * 3.0f / 1024.0f);  // L = 3
  EXPECT_FLOAT_EQ(blob.scaleY, 1000.0f / 1024.0f);
  EXPECT_DOUBLE_EQ(blob.centerX, 518.0);

  star.px = 12.0f;  // moving left and up: the long axis turns with it
  star.py = -4.0f;
  const StarBlob back = starBlob(star, sx, sy, 1024, 768, 0.0f, 10.0f);
  EXPECT_TRUE(back.rotated);
  EXPECT_NEAR(back.angleDegrees, 135.0, 1e-9);
}

// The disc is laid out as a translate, rotate and scale of the unit disc
// would lay it: long axis along the motion, short across it, closed fan.
TEST(UnitDisc, PlacedLikeTheMatrixStackWouldPlaceIt) {
  StarBlob blob;
  blob.centerX = 100.25;
  blob.centerY = 50.5;
  blob.rotated = true;
  blob.angleDegrees = 135.0;
  blob.scaleX = 12.0f;
  blob.scaleY = 4.0f;
  DiscPoint rim[kDiscRimPoints];
  placedRim(starDiscPlacement(blob), rim);
  const double c = std::cos(135.0 * 3.14159265358979323846 / 180.0);
  const double s = std::sin(135.0 * 3.14159265358979323846 / 180.0);
  for (int i = 0; i < kDiscRimPoints; ++i) {
    const double a = i * 22.5 * 3.14159265358979323846 / 180.0;
    const double u = 12.0 * std::cos(a), v = 4.0 * std::sin(a);
    EXPECT_NEAR(rim[i].x, 100.25 + c * u - s * v, 1e-4) << i;
    EXPECT_NEAR(rim[i].y, 50.5 + s * u + c * v, 1e-4) << i;
  }
  EXPECT_EQ(rim[0].x, rim[kDiscRimPoints - 1].x);
  EXPECT_EQ(rim[0].y, rim[kDiscRimPoints - 1].y);

  blob.rotated = false;  // a still star keeps its axes, whatever the angle
  placedRim(starDiscPlacement(blob), rim);
  EXPECT_FLOAT_EQ(rim[0].x, 112.25f);
  EXPECT_FLOAT_EQ(rim[4].y, 54.5f);

  GlowDisc glow;
  glow.centerX = 128.0f;
  glow.centerY = 88.0f;
  glow.radius = 140.0f;
  placedRim(glowDiscPlacement(glow), rim);
  EXPECT_FLOAT_EQ(rim[8].x, -12.0f);
  EXPECT_FLOAT_EQ(rim[8].y, 88.0f);
  EXPECT_FLOAT_EQ(rim[12].y, -52.0f);
}

TEST(StarBlob, ColourChannelsStayInRangeAndCycle) {
  for (float phase : {0.0f, 4096.0f, 12000.0f, 16383.0f}) {
    for (float t : {0.0f, 1.0f, 400.0f, 1638.4f, 86400.0f}) {
      const float c = starChannel(phase, t, 10.0f);
      EXPECT_GE(c, 0.25f);
      EXPECT_LE(c, 0.75f);
    }
  }
  EXPECT_FLOAT_EQ(starChannel(4096.0f, 0.0f, 10.0f), 0.75f);  // quarter turn
  EXPECT_NEAR(starChannel(0.0f, 409.6f, 10.0f), 0.75f, 1e-5f);
  EXPECT_NEAR(starChannel(0.0f, 1638.4f, 10.0f), 0.5f, 1e-4f);  // full cycle
}

TEST(StarPool, ConsumesSixThousandDrawsInIndexOrder) {
  SceneRandom random(99), reference(99);
  StarParticle* pool = createStarPool(random);
  ASSERT_NE(pool, nullptr);
  StarParticle first(reference);
  EXPECT_EQ(pool[0].px, first.px);
  EXPECT_EQ(pool[0].phaseB, first.phaseB);
  for (int i = 6; i < 6000; ++i) reference.next();
  EXPECT_EQ(random.next(), reference.next());

  advanceStars(pool, 2, 1.0f);  // only the live stars move
  EXPECT_EQ(pool[1].pz - 50.0f, pool[1].z);
  EXPECT_EQ(pool[2].z, pool[2].pz - 50.0f);  // untouched since respawn
  const float frozen = pool[2].z;
  advanceStars(pool, 2, 1.0f);
  EXPECT_EQ(pool[2].z, frozen);
  destroyStarPool(pool);
}

TEST(StarPool, FailedAllocationGivesNoPool) {
  SceneRandom random(5), reference(5);
  StarParticle* pool =
      createStarPool(random, [](std::size_t) -> void* { return nullptr; });
  EXPECT_EQ(pool, nullptr);
  EXPECT_EQ(random.next(), reference.next());
  destroyStarPool(nullptr);  // harmless
}

}  // namespace
}  // namespace vantrel
