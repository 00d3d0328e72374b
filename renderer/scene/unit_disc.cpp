#include "renderer/scene/unit_disc.h"

#include <cmath>

namespace vantrel {

namespace {

const float kUnitRim[kDiscRimPoints][2] = {
    {1.0f, 0.0f},
    {0.9238795f, 0.38268343f},
    {0.70710677f, 0.70710677f},
    {0.38268343f, 0.9238795f},
    {0.0f, 1.0f},
    {-0.38268343f, 0.9238795f},
    {-0.70710677f, 0.70710677f},
    {-0.9238795f, 0.38268343f},
    {-1.0f, 0.0f},
    {-0.9238795f, -0.38268343f},
    {-0.70710677f, -0.70710677f},
    {-0.38268343f, -0.9238795f},
    {0.0f, -1.0f},
    {0.38268343f, -0.9238795f},
    {0.70710677f, -0.70710677f},
    {0.9238795f, -0.38268343f},
    {1.0f, 0.0f},
};

}  // namespace

DiscPlacement starDiscPlacement(const StarBlob& blob) {
  // The angle rounded to float and its sine and cosine taken in double, as
  // a GL matrix rotation does, so the blob lands where it always did.
  float cosine = 1.0f, sine = 0.0f;
  if (blob.rotated) {
    const double radians =
        static_cast<float>(blob.angleDegrees) * 3.14159265358979323846 / 180.0;
    cosine = static_cast<float>(std::cos(radians));
    sine = static_cast<float>(std::sin(radians));
  }
  DiscPlacement placement;
  placement.center = {static_cast<float>(blob.centerX),
                      static_cast<float>(blob.centerY)};
  placement.xAxis = {cosine * blob.scaleX, sine * blob.scaleX};
  placement.yAxis = {-sine * blob.scaleY, cosine * blob.scaleY};
  return placement;
}

DiscPlacement glowDiscPlacement(const GlowDisc& glow) {
  DiscPlacement placement;
  placement.center = {glow.centerX, glow.centerY};
  placement.xAxis = {glow.radius, 0.0f};
  placement.yAxis = {0.0f, glow.radius};
  return placement;
}

void placedRim(const DiscPlacement& placement,
               DiscPoint (&rim)[kDiscRimPoints]) {
  for (int i = 0; i < kDiscRimPoints; ++i) {
    const float u = kUnitRim[i][0];
    const float v = kUnitRim[i][1];
    rim[i].x = placement.center.x + u * placement.xAxis.x + v * placement.yAxis.x;
    rim[i].y = placement.center.y + u * placement.xAxis.y + v * placement.yAxis.y;
  }
}

}  // namespace vantrel
