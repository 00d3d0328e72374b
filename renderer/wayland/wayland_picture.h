#pragma once
// Each output's own star flight: its scene, kept picture and clock in the
// one shared EGL context, drawn when the compositor asks for a frame.
// Platform header.
#include <cstdint>

#include "renderer/gl/measuring_switches.h"
#include "renderer/hack/hack_options.h"
#include "renderer/wayland/egl_context.h"
#include "renderer/wayland/wayland_output.h"

namespace vantrel {

struct PictureSettings {
  HackOptions options;
  MeasuringSwitches switches;
  // The run's start, shared by every output's clock, so the ribbon, a pure
  // function of time, moves in step on all of them.
  ClockReading start;  // on the monotonic clock (hack_clock.h)
};

// EGL window and surface, GL state, black picture, stars and clock, for a
// configured output. False when EGL or the star pool cannot be had; what
// was made is then for releasePicture.
bool startPicture(WaylandOutput& output, const EglContext& egl,
                  const PictureSettings& settings, std::uint32_t seed);
// One frame: a new size resets the picture first, as a resize does on X11;
// then the scene's step and drawing, the next frame's request and the swap.
void drawPicture(WaylandOutput& output, const EglContext& egl,
                 const PictureSettings& settings);
// GL objects, EGL surface and window and the star pool released, those of
// a picture that did not start too.
void releasePicture(WaylandOutput& output, const EglContext& egl);

}  // namespace vantrel
