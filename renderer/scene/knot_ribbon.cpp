#include "renderer/scene/knot_ribbon.h"

#include <algorithm>
#include <cmath>

#include "renderer/scene/ribbon_tables.h"
#include "renderer/scene/scene_clock.h"

namespace vantrel {

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr int kBlockSize = 128;
static_assert(KnotRibbon::kPointCount == RibbonTables::kPointCount, "");
static_assert(KnotRibbon::kPointCount % kBlockSize == 0, "");

// One of the ribbon's waves: the angle m * (offset + angle of the point),
// rounded as the direct formulas round it, with the cosine and sine of the
// per-frame part, base = m * offset.
struct Wave {
  double m, offset, base, cosBase, sinBase;
};

Wave wave(double m, double offset) {
  const double base = m * offset;
  return {m, offset, base, std::cos(base), std::sin(base)};
}

// Everything of a frame that does not depend on the point.
struct FrameWaves {
  float radius, depthSwing;
  double driftX, driftY;
  Wave x, y, z, red17, red5, green, blue, twist;
};

FrameWaves frameWaves(double phi) {
  FrameWaves f;
  const float pulse = ribbonPulse(phi);
  f.radius = 250.0f * pulse;
  f.depthSwing = 1250.0f * pulse;
  f.driftX = 200.0 * std::cos(3.0 * phi);
  f.driftY = 200.0 * std::sin(2.0 * phi);
  f.x = wave(11.0, 3.0 * phi);
  f.y = wave(12.0, 4.0 * phi);
  f.z = wave(23.0, 12.0 * phi);
  f.red17 = wave(17.0, phi);
  f.red5 = wave(5.0, 3.0 * phi);
  f.green = wave(1.0, phi);
  f.blue = wave(7.0, phi);
  f.twist = wave(1.0, 2.501 * phi);
  return f;
}

// Which of the two parts of a wave's angle is the larger, for a whole block
// or not known.
enum class Larger { kBase, kTable, kEither };

// cos u and sin u (those asked for) for a block's points, u the rounded
// double m * (offset + angle[i]). The table holds cos and sin of
// k = m * angle[i]; u differs from the exact sum base + k by its own rounding
// d (up to about 1e-9 rad at 2^17 s), which turns the base by d to first
// order, so the result follows u as std::cos(u) would. The wave is taken by
// value and the outputs are restrict, so the loop needs no aliasing checks
// and vectorises at -O2 too.
template <bool kCos, bool kSin, Larger kLarger>
void waveLoop(const Wave w, const double* angle, const double* cosK,
              const double* sinK, double* __restrict cosOut,
              double* __restrict sinOut) {
  for (int j = 0; j < kBlockSize; ++j) {
    const double k = w.m * angle[j];
    const double u = w.m * (w.offset + angle[j]);
    // Subtracting the larger part first makes both subtractions exact.
    const double hi = std::max(k, w.base);
    const double lo = std::min(k, w.base);
    const double d = kLarger == Larger::kBase    ? (u - w.base) - k
                     : kLarger == Larger::kTable ? (u - k) - w.base
                                                 : (u - hi) - lo;
    const double c = w.cosBase - w.sinBase * d;
    const double s = w.sinBase + w.cosBase * d;
    if (kCos) cosOut[j] = c * cosK[j] - s * sinK[j];
    if (kSin) sinOut[j] = s * cosK[j] + c * sinK[j];
  }
}

// The table angles grow along the ribbon, so only one block of a frame
// needs the comparison point by point.
template <bool kCos, bool kSin>
void waveBlock(const Wave& w, const double* angle, const PointAngleTable& table,
               int first, double* cosOut, double* sinOut) {
  angle += first;
  const double* cosK = table.cos + first;
  const double* sinK = table.sin + first;
  if (w.base >= w.m * angle[kBlockSize - 1])
    waveLoop<kCos, kSin, Larger::kBase>(w, angle, cosK, sinK, cosOut, sinOut);
  else if (w.base <= w.m * angle[0])
    waveLoop<kCos, kSin, Larger::kTable>(w, angle, cosK, sinK, cosOut, sinOut);
  else
    waveLoop<kCos, kSin, Larger::kEither>(w, angle, cosK, sinK, cosOut, sinOut);
}

// A block of points' waves, side by side so the loops vectorise.
struct WaveBlock {
  double x[kBlockSize], y[kBlockSize], z[kBlockSize];
  double red17[kBlockSize], red5[kBlockSize], green[kBlockSize];
  double blue[kBlockSize], twistCos[kBlockSize], twistSin[kBlockSize];
};

void computeWaves(const FrameWaves& f, const RibbonTables& t, int first,
                  WaveBlock& w) {
  waveBlock<true, false>(f.x, t.a, t.k11, first, w.x, nullptr);
  waveBlock<false, true>(f.y, t.a, t.k12, first, nullptr, w.y);
  waveBlock<true, false>(f.z, t.a, t.k23, first, w.z, nullptr);
  waveBlock<false, true>(f.red17, t.a, t.k17, first, nullptr, w.red17);
  waveBlock<true, false>(f.red5, t.a, t.k5, first, w.red5, nullptr);
  waveBlock<false, true>(f.green, t.a, t.k1, first, nullptr, w.green);
  waveBlock<true, false>(f.blue, t.a, t.k7, first, w.blue, nullptr);
  waveBlock<true, true>(f.twist, t.twist, t.twistAngle, first, w.twistCos,
                        w.twistSin);
}

inline float colourOf(double wave) {
  return static_cast<float>(wave * 0.125 + 0.0078125);
}

// The block's points from their waves, with the direct formulas' float
// roundings: x and y before the twist, after it, and after the drift.
void storeBlock(const FrameWaves& f, const WaveBlock& w, RibbonPoint* points) {
  for (int j = 0; j < kBlockSize; ++j) {
    RibbonPoint& p = points[j];
    const double x = static_cast<float>(f.radius * w.x[j]);
    const double y = static_cast<float>(f.radius * w.y[j]);
    const float xt = static_cast<float>(x * w.twistCos[j] - y * w.twistSin[j]);
    const float yt = static_cast<float>(y * w.twistCos[j] + x * w.twistSin[j]);
    p.x = static_cast<float>(xt + f.driftX);
    p.y = static_cast<float>(yt + f.driftY);
    p.z = static_cast<float>(2200.0 - f.depthSwing * w.z[j]);
    p.r = colourOf(w.red17[j] + w.red5[j] + 0.5);
    p.g = colourOf(w.green[j] + 0.5);
    p.b = colourOf(w.blue[j] + 0.5);
  }
}

}  // namespace

double ribbonPhase(double elapsedSeconds, float speed) {
  // The rate is kept as a float, as it always was; the phase is double.
  const float rate = static_cast<float>(speed * kTwoPi / 16384.0);
  if (elapsedSeconds < kFloatClockLimit) {
    return static_cast<double>(static_cast<float>(elapsedSeconds)) *
           static_cast<double>(rate);
  }
  // Every wave of the shape turns a whole number of times in this period
  // (the twist's 2.501 too), so the reduced phase gives the same ribbon
  // with a small angle, however long the run.
  return std::fmod(elapsedSeconds * static_cast<double>(rate),
                   kRibbonPhasePeriod);
}

float ribbonPulse(double phi) {
  return static_cast<float>(
      (std::cos(7.0 * phi) + std::cos(3.0 * phi) + std::cos(13.0 * phi)) /
          6.0 +
      1.6);
}

void KnotRibbon::update(double elapsedSeconds, float speed, GlowPass glowPass,
                        void* context) {
  dimColours();
  if (glowPass != nullptr) glowPass(*this, context);
  computeShape(elapsedSeconds, speed);
}

void KnotRibbon::dimColours() {
  for (RibbonPoint& p : points) {
    p.r = p.r * 0.5f;
    p.g = p.g * 0.5f;
    p.b = p.b * 0.5f;
  }
}

void KnotRibbon::computeShape(double elapsedSeconds, float speed) {
  const FrameWaves f = frameWaves(ribbonPhase(elapsedSeconds, speed));
  const RibbonTables& t = ribbonTables();
  WaveBlock waves;
  for (int first = 0; first < kPointCount; first += kBlockSize) {
    computeWaves(f, t, first, waves);
    storeBlock(f, waves, points + first);
  }
}

}  // namespace vantrel
