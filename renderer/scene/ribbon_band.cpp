#include "renderer/scene/ribbon_band.h"

#include "renderer/scene/approx_length.h"

namespace vantrel {

void computeBandGeometry(KnotRibbon& ribbon, int screenWidth,
                         int screenHeight) {
  const float w = static_cast<float>(screenWidth);
  const float halfW = static_cast<float>(screenWidth / 2);
  const float halfH = static_cast<float>(screenHeight / 2);
  RibbonPoint* pts = ribbon.points;
  for (int i = 0; i < KnotRibbon::kPointCount; ++i) {
    RibbonPoint& p = pts[i];
    if (p.z <= 0.0f) continue;
    p.sx = w * p.x / p.z + halfW;
    p.sy = w * p.y / p.z + halfH;
    // A neighbour behind the viewer leaves the side vector as it was.
    if (i >= 1) {
      const RibbonPoint& prev = pts[i - 1];
      if (prev.z <= 0.0f) continue;
      p.nx = p.sx - prev.sx;
      p.ny = p.sy - prev.sy;
    } else {
      const RibbonPoint& next = pts[1];
      if (next.z <= 0.0f) continue;
      p.nx = w * next.x / next.z + halfW - p.sx;
      p.ny = w * next.y / next.z + halfH - p.sy;
    }
    // A zero step gives a band of no width rather than a division by zero.
    const float length = approxLength(p.nx, p.ny) * p.z;
    const float k = length != 0.0f ? 9000.0f / length : 0.0f;
    p.nx = k * p.nx;
    p.ny = k * p.ny;
  }
}

bool bandVertexEmitted(const KnotRibbon& ribbon, int i) {
  const int neighbour = i == 0 ? 1 : i - 1;
  return ribbon.points[i].z > 0.1f && ribbon.points[neighbour].z > 0.1f;
}

BandVertex bandEdge(const RibbonPoint& p, int side) {
  if (side < 0) return BandVertex{p.sx - p.ny, p.sy + p.nx};
  return BandVertex{p.sx + p.ny, p.sy - p.nx};
}

}  // namespace vantrel
