#include "renderer/wayland/pointer_travel.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(PointerTravel, SmallNudgesAroundTheEntryDoNotEndIt) {
  PointerTravel travel;
  travel.enter(100.0, 200.0);
  EXPECT_FALSE(travel.moveTo(100.0, 200.0));
  EXPECT_FALSE(travel.moveTo(101.0, 201.0));
  EXPECT_FALSE(travel.moveTo(100.0 - kPointerTravelLimit, 200.0));
  // Drift back and forth is measured from the entry, not added up.
  for (int i = 0; i < 100; ++i) {
    EXPECT_FALSE(travel.moveTo(i % 2 == 0 ? 105.0 : 95.0, 200.0));
  }
}

TEST(PointerTravel, MotionBeyondTheLimitInAnyDirectionEndsIt) {
  const double beyond = kPointerTravelLimit + 0.5;
  const double diagonal = beyond / 1.41;  // each axis under the limit
  const double moves[][2] = {{beyond, 0.0},   {-beyond, 0.0}, {0.0, beyond},
                             {0.0, -beyond}, {diagonal + 0.1, diagonal + 0.1}};
  for (const auto& move : moves) {
    PointerTravel travel;
    travel.enter(50.0, 50.0);
    EXPECT_TRUE(travel.moveTo(50.0 + move[0], 50.0 + move[1]))
        << move[0] << ", " << move[1];
  }
}

TEST(PointerTravel, ANewEntryIsTheNewStart) {
  PointerTravel travel;
  travel.enter(0.0, 0.0);
  // Another surface reports its own coordinates: far from the first ones,
  // yet the pointer has not moved on it.
  travel.enter(900.0, 700.0);
  EXPECT_FALSE(travel.moveTo(901.0, 700.0));
  EXPECT_TRUE(travel.moveTo(900.0, 700.0 + 2 * kPointerTravelLimit));
}

TEST(PointerTravel, MotionBeforeAnyEntryOnlyStarts) {
  PointerTravel travel;
  EXPECT_FALSE(travel.moveTo(300.0, 300.0));
  EXPECT_FALSE(travel.moveTo(302.0, 300.0));
  EXPECT_TRUE(travel.moveTo(300.0, 320.0));
}

}  // namespace
}  // namespace vantrel
