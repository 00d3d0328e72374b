#include "renderer/scene/fade_floor.h"

#include <cmath>

#include "renderer/scene/frame_light.h"

namespace vantrel {

int fadedEightBit(int value) { return (value * 11 * 2 + 12) / 24; }

int highestFrozenEightBit() {
  int highest = 0;
  for (int v = 1; v < kFloorTableSize; ++v) {
    if (fadedEightBit(v) == v) highest = v;
  }
  return highest;
}

int flooredEightBit(int value) {
  return fadedEightBit(value) == value ? 0 : value;
}

namespace {

// The highest value that a fade keeping `kept` of it rounds back to itself.
int highestKeptBy(double kept) {
  int highest = 0;
  for (int v = 1; v < kFloorTableSize; ++v) {
    if (std::floor(v * kept + 0.5) >= v) highest = v;
  }
  return highest;
}

}  // namespace

int highestFrozenEightBit(double sixtieths) {
  if (sixtieths == 1.0) return highestFrozenEightBit();
  const double alpha = frameLight(sixtieths).fadeAlpha;
  const double roundedAlpha = std::floor(alpha * 255.0 + 0.5) / 255.0;
  const int exact = highestKeptBy(1.0 - alpha);
  const int rounded = highestKeptBy(1.0 - roundedAlpha);
  const int frozen = exact > rounded ? exact : rounded;
  // Never more than a pass's interval of fading takes below half a step:
  // at rates far above any display's, an 8-bit picture freezes too high
  // to floor without a visible drop.
  const int gone = static_cast<int>(
      std::ceil(0.5 / std::pow(11.0 / 12.0, kFloorInterval)) - 1);
  return frozen < gone ? frozen : gone;
}

int flooredEightBit(int value, int highestFrozen) {
  return value <= highestFrozen ? 0 : value;
}

}  // namespace vantrel
