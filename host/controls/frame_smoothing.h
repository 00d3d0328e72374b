#pragma once
// The pass that fills the background-coloured notches between rounded shadow
// rings with the mean of their four neighbours.
#include "host/controls/colour.h"

namespace vantrel::controls {

// Pixel access to a drawing surface (the Windows side wraps a memory DC).
class PixelSurface {
 public:
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual Colour Get(int x, int y) const = 0;
  virtual void Set(int x, int y, Colour c) = 0;

 protected:
  ~PixelSurface() = default;
};

// Visits the shadow's lower-right corner, the top of its right edge and the
// left end of its bottom edge, x outer and y inner, ascending. Pixels whose
// value equals `background` take the rounded mean of their neighbours (above,
// right, below, left, as the surface now stands). Only pixels whose four
// neighbours lie on the surface are visited, so no read leaves it.
void SmoothShadowCorners(PixelSurface& surface, Colour background, int cornerDepth,
                         int shadowDepth);

}  // namespace vantrel::controls
