#pragma once
// How much a frame fades the kept picture and how much light it adds, by the
// frame's own step, so a second of animation looks the same at any frame
// rate. The picture was tuned at 60 frames a second: at a step of one 60th
// every number is the tuned one.

namespace vantrel {

// The longest step the picture follows: a stall or a resume from sleep
// fades and lights as six 60-Hz frames (the still tool's slowest rate), so a
// hitch neither blows the picture out nor blacks it.
constexpr double kLongestLightStep = 0.1;

// A step within this much of one 60th (as a fraction of it) counts as
// exactly one, so a 60-Hz clock's float rounding keeps the tuned picture.
constexpr double kSixtiethTolerance = 1e-4;

// The step in 60ths of a second, clamped to 0 .. 60 x kLongestLightStep;
// exactly 1.0 for a step of a 60th within kSixtiethTolerance.
double sixtiethsIn(float stepSeconds);

struct FrameLight {
  double fadeAlpha = 0.08333333333333333;  // the black fade rectangle's alpha
  float lightScale = 1.0f;  // each light draw's colour is multiplied by this
  // Each light draw is repeated this many times: a colour cannot be scaled
  // above 1, so more than one 60th's light comes as several draws.
  int passes = 1;
};

// Fades by (11/12)^s and adds s times the light, for s = sixtieths; at s of
// exactly 1, today's alpha 1/12 (the double 0.08333333333333333) and scale 1.
// `brightColours`: the driver takes colours above 1 (gl_state.h), so a
// long frame's light is one draw scaled above 1, not several.
FrameLight frameLight(double sixtieths, bool brightColours = false);

// A colour channel as a light draw gives it to OpenGL: clamped to 0..1 as
// OpenGL always clamped it, then scaled.
float litChannel(float value, const FrameLight& light);

}  // namespace vantrel
