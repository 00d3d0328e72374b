#pragma once
// The unit disc every star blob and glow is drawn from, laid onto the screen
// by the placement each one computes. Placing it here rather than through
// the GL matrix stack leaves the driver no state change between discs, so a
// frame's discs reach it as one draw instead of one per star.
#include "renderer/scene/glow_accumulator.h"
#include "renderer/scene/star_blob.h"

namespace vantrel {

// The rim at 22.5 degree steps, the first point repeated to close the fan.
constexpr int kDiscRimPoints = 17;

struct DiscPoint {
  float x = 0.0f, y = 0.0f;
};

// Where the disc's centre lands and where its unit x and y axes point, in
// pixels: rotation and stretch together.
struct DiscPlacement {
  DiscPoint center;
  DiscPoint xAxis;
  DiscPoint yAxis;
};

// A star blob: moved to its centre, turned by its angle when rotated, and
// scaled by (scaleX, scaleY).
DiscPlacement starDiscPlacement(const StarBlob& blob);

// A glow: moved to its centre and scaled by its radius on both axes.
DiscPlacement glowDiscPlacement(const GlowDisc& glow);

// The rim points of a placed disc, in fan order.
void placedRim(const DiscPlacement& placement,
               DiscPoint (&rim)[kDiscRimPoints]);

}  // namespace vantrel
