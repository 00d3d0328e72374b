#pragma once
#include "renderer/scene/knot_ribbon.h"

namespace vantrel {

// Pass A of the band: screen positions (pixels) and side vectors of every
// point in front of the viewer. The side vector runs along the curve with a
// length of about 9000 / z pixels, the band's half-width at that depth.
void computeBandGeometry(KnotRibbon& ribbon, int screenWidth, int screenHeight);

// True when point i joins the band's strips; false ends the current strip.
// Its neighbour is point i - 1, or point 1 for point 0.
bool bandVertexEmitted(const KnotRibbon& ribbon, int i);

// The outer vertex of point p for one half of the band: the side vector
// turned by a right angle, to the left (side -1, first half) or to the right
// (side +1, second half).
struct BandVertex {
  float x, y;
};
BandVertex bandEdge(const RibbonPoint& p, int side);

}  // namespace vantrel
