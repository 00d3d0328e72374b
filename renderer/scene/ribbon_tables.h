#pragma once

namespace vantrel {

// Cosines and sines of one angle per ribbon point, side by side so that the
// update's loop over the points vectorises.
struct PointAngleTable {
  double cos[2560];
  double sin[2560];
};

// What the ribbon's per-point angles are made of, computed once. Each angle of
// a point is a per-frame angle plus one of these, so a frame needs only the
// cosines and sines of the per-frame angles.
struct RibbonTables {
  static constexpr int kPointCount = 2560;

  double a[kPointCount];      // i * 2pi / 2560, radians
  double twist[kPointCount];  // i * 85.01 / 2560, radians
  // Of the whole multiples k * a (each the double k * a[i]).
  PointAngleTable k1, k5, k7, k11, k12, k17, k23;
  PointAngleTable twistAngle;  // of twist[i]
};

// The tables, built on the first call; the same object ever after.
const RibbonTables& ribbonTables();

}  // namespace vantrel
