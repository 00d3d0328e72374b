#include "renderer/fade_floor.h"

namespace vantrel {

int fadedEightBit(int value) { return (value * 11 * 2 + 12) / 24; }

void eightBitFloorTable(float table[kFloorTableSize]) {
  for (int v = 0; v < kFloorTableSize; ++v) {
    const bool frozen = v > 0 && fadedEightBit(v) == v;
    table[v] = static_cast<float>(frozen ? v - 1 : v) / 255.0f;
  }
}

}  // namespace vantrel
