#include "host/controls/twips_half_even.h"

#include "host/base/round_half_even.h"

namespace vantrel::controls {

int RoundHalfEven(double v) {
  if (!(v == v)) return 0;
  if (v > 2147483647.0) return 2147483647;
  if (v < -2147483648.0) return -2147483647 - 1;
  return static_cast<int>(roundHalfEven(v));
}

int TwipsToPixels(double twips, double twipsPerPixel) {
  if (!(twipsPerPixel > 0)) twipsPerPixel = 15;
  int t = RoundHalfEven(twips);
  if (t > 32767) t = 32767;
  if (t < -32768) t = -32768;
  return RoundHalfEven(t / twipsPerPixel);
}

int PixelsToTwips(int pixels, double twipsPerPixel) {
  if (!(twipsPerPixel > 0)) twipsPerPixel = 15;
  return RoundHalfEven(pixels * twipsPerPixel);
}

}  // namespace vantrel::controls
