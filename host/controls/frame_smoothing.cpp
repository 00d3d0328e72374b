#include "host/controls/frame_smoothing.h"

#include <algorithm>

#include "host/controls/twips_half_even.h"

namespace vantrel::controls {

namespace {

void SmoothPixel(PixelSurface& s, Colour background, int x, int y) {
  if (s.Get(x, y) != background) return;
  const Channels n[4] = {SplitColour(s.Get(x, y - 1)), SplitColour(s.Get(x + 1, y)),
                         SplitColour(s.Get(x, y + 1)), SplitColour(s.Get(x - 1, y))};
  const int r = n[0].red + n[1].red + n[2].red + n[3].red;
  const int g = n[0].green + n[1].green + n[2].green + n[3].green;
  const int b = n[0].blue + n[1].blue + n[2].blue + n[3].blue;
  s.Set(x, y, MakeColour(RoundHalfEven(r / 4.0), RoundHalfEven(g / 4.0), RoundHalfEven(b / 4.0)));
}

void SmoothRegion(PixelSurface& s, Colour background, int x0, int x1, int y0, int y1) {
  x0 = std::max(x0, 1);
  y0 = std::max(y0, 1);
  x1 = std::min(x1, s.Width() - 2);
  y1 = std::min(y1, s.Height() - 2);
  for (int x = x0; x <= x1; ++x) {
    for (int y = y0; y <= y1; ++y) SmoothPixel(s, background, x, y);
  }
}

}  // namespace

void SmoothShadowCorners(PixelSurface& s, Colour background, int cd, int d) {
  const int sw = s.Width();
  const int sh = s.Height();
  SmoothRegion(s, background, sw - 2 * cd, sw - 3, sh - 2 * cd, sh - 3);
  SmoothRegion(s, background, sw - 2 * cd, sw - 3, d, 4 * d);
  SmoothRegion(s, background, d, 4 * d, sh - 2 * cd, sh - 3);
}

}  // namespace vantrel::controls
