#include "renderer/scene/fade_floor.h"

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

}  // namespace vantrel
