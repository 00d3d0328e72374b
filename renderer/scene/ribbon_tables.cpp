#include "renderer/scene/ribbon_tables.h"

#include <cmath>

namespace vantrel {

namespace {

constexpr double kTwoPi = 6.283185307179586;

void fillMultiple(PointAngleTable& table, const double* a, double k) {
  for (int i = 0; i < RibbonTables::kPointCount; ++i) {
    table.cos[i] = std::cos(k * a[i]);
    table.sin[i] = std::sin(k * a[i]);
  }
}

void buildTables(RibbonTables& t) {
  for (int i = 0; i < RibbonTables::kPointCount; ++i) {
    // The same expressions, in the same order, as the direct formulas.
    t.a[i] = i * kTwoPi / RibbonTables::kPointCount;
    t.twist[i] = i * 85.01 / RibbonTables::kPointCount;
  }
  fillMultiple(t.k1, t.a, 1.0);
  fillMultiple(t.k5, t.a, 5.0);
  fillMultiple(t.k7, t.a, 7.0);
  fillMultiple(t.k11, t.a, 11.0);
  fillMultiple(t.k12, t.a, 12.0);
  fillMultiple(t.k17, t.a, 17.0);
  fillMultiple(t.k23, t.a, 23.0);
  fillMultiple(t.twistAngle, t.twist, 1.0);
}

}  // namespace

const RibbonTables& ribbonTables() {
  // Built once; 368 KB that would not fit a stack and never change.
  static const RibbonTables* const tables = [] {
    static RibbonTables storage;
    buildTables(storage);
    return &storage;
  }();
  return *tables;
}

}  // namespace vantrel
