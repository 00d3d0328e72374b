#pragma once
// The measuring aids the renderers read from the environment, off unless
// asked for. Pure: the platform reads the variables.
//   VANTREL_BARE_FRAME=1      only the fade, kept and presented as usual;
//   VANTREL_BARE_FRAME=plain  only the fade, straight into the window's back
//                             buffer and swapped, with no kept picture;
//   VANTREL_KEPT_PICTURE=16bit|float|8bit|copy  a framebuffer of that
//                             precision, or the back-buffer copy, even where
//                             the swap keeps the back buffer;
//   VANTREL_KEPT_PICTURE=unfloored  no pass that takes 8-bit light to black;
//   VANTREL_HOLD_STARS=n      starCount held at n (0 to 1000) instead of
//                             growing, so a run measures a known load;
//   VANTREL_PACING=off        frames back to back wherever the swap lets
//                             them, to measure full speed;
//   VANTREL_FRAME_STATS=<file> receives frameStatsText at exit.
#include <string>

#include "renderer/gl/gl_frame.h"
#include "renderer/gl/gl_trails.h"
#include "renderer/scene/renderer_state.h"

namespace vantrel {

struct MeasuringSwitches {
  FrameContent content = FrameContent::Scene;
  bool keepPicture = true;
  TrailOptions trailOptions;
  int heldStars = -1;  // -1: starCount grows as usual
  bool paced = true;   // frames held to the display's refresh where needed
};

// From the variables' values (nullptr when unset).
MeasuringSwitches measuringSwitchesFrom(const char* bareFrame,
                                        const char* keptPicture,
                                        const char* holdStars = nullptr,
                                        const char* pacing = nullptr);

// One active frame of the star count, `sixtieths` long: held, or grown as
// usual.
void stepStarCount(const MeasuringSwitches& switches, RendererState& state,
                   double& grownSixtieths, double sixtieths = 1.0);

// Frames drawn, wall seconds and the process's CPU seconds, one a line.
std::string frameStatsText(long long frames, double seconds, double cpuSeconds);

// Writes frameStatsText to the file at `path`; nothing without a path.
void writeFrameStats(const char* path, long long frames, double seconds,
                     double cpuSeconds);

}  // namespace vantrel
