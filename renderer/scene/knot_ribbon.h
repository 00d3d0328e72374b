#pragma once

namespace vantrel {

// One point of the ribbon. World position and colour come from the update;
// the screen position and side vector (pixels) from the band's pass A.
class RibbonPoint {
 public:
  RibbonPoint() = default;
  virtual ~RibbonPoint() = default;

  float x = 0.0f, y = 0.0f, z = 0.0f;
  float r = 0.0f, g = 0.0f, b = 0.0f;  // may be slightly negative
  float sx = 0.0f, sy = 0.0f;
  float nx = 0.0f, ny = 0.0f;
};

// A knotted loop of light, twisted open at one seam, whose shape is a pure
// function of the clock and the speed.
class KnotRibbon {
 public:
  static constexpr int kPointCount = 2560;

  // Called between the dimming and the reshaping of update(), so the first
  // glow pass of a frame sees last frame's positions with halved colours.
  using GlowPass = void (*)(const KnotRibbon& ribbon, void* context);

  KnotRibbon() = default;
  virtual ~KnotRibbon() = default;

  // elapsedSeconds since the clock started; speed as in RendererState.
  void update(double elapsedSeconds, float speed, GlowPass glowPass,
              void* context);
  void dimColours();
  // Positions and colours at that time and speed: the direct formulas'
  // values to the float, from tables of the points' angles made once.
  void computeShape(double elapsedSeconds, float speed);

  RibbonPoint points[kPointCount];
};

// The pulse factor, 1.1 to 2.1, at phase phi (radians).
float ribbonPulse(double phi);
// The ribbon's shape repeats when its phase has grown by this (radians).
constexpr double kRibbonPhasePeriod = 2000.0 * 3.141592653589793;

// The phase the ribbon is at: elapsedSeconds times the angular rate of speed,
// reduced modulo kRibbonPhasePeriod beyond the float clock's limit.
double ribbonPhase(double elapsedSeconds, float speed);

}  // namespace vantrel
