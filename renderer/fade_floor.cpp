#include "renderer/fade_floor.h"

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
  const bool frozen = value > 0 && fadedEightBit(value) == value;
  if (!frozen) return value;
  return value > kFloorStep ? value - kFloorStep : 0;
}

}  // namespace vantrel
