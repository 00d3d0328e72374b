#include "host/controls/colour.h"

namespace vantrel::controls {

namespace {

int LowByte(std::int32_t v) { return static_cast<int>(static_cast<std::uint32_t>(v) & 0xFFu); }

int Clamp255(long long v) { return v < 0 ? 0 : v > 255 ? 255 : static_cast<int>(v); }

int BlendChannel(int a, int b, int p, int q) {
  return Clamp255(static_cast<long long>(a) - static_cast<long long>((a - b) / p) * q);
}

}  // namespace

Channels SplitColour(Colour value) {
  return Channels{LowByte(value), LowByte(value / 256), LowByte(value / 65536)};
}

Colour BlendColour(Colour a, Colour b, int p, int q) {
  if (p == 0) p = 1;
  const Channels ca = SplitColour(a);
  const Channels cb = SplitColour(b);
  return MakeColour(BlendChannel(ca.red, cb.red, p, q), BlendChannel(ca.green, cb.green, p, q),
                    BlendChannel(ca.blue, cb.blue, p, q));
}

}  // namespace vantrel::controls
