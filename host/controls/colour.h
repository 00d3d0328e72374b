#pragma once
// Colour values as forms store them: red + 256 * green + 65536 * blue in a
// signed 32-bit value; a value with the top bit set is a system-colour
// reference, which the arithmetic here splits as it stands.
#include <cstdint>

namespace vantrel::controls {

using Colour = std::int32_t;

struct Channels {
  int red = 0;
  int green = 0;
  int blue = 0;
  bool operator==(const Channels& o) const {
    return red == o.red && green == o.green && blue == o.blue;
  }
};

constexpr Colour MakeColour(int red, int green, int blue) {
  return static_cast<Colour>(red + 256 * green + 65536 * blue);
}

// Low byte of the value, of value / 256 and of value / 65536, the divisions
// truncating toward zero.
Channels SplitColour(Colour value);

// Per channel: a - trunc((a - b) / p) * q, clamped to 0..255. A divisor p of
// 0 is taken as 1, so stored values outside the setters' range cannot divide
// by zero.
Colour BlendColour(Colour a, Colour b, int p, int q);

}  // namespace vantrel::controls
