#pragma once
// The Linux hack's run: its window, its OpenGL set-up, size changes, frames
// and end, over the same scene and drawing as Vantrel.dll. Platform header.
#include <string>

#include "renderer/hack/frame_rate_meter.h"
#include "renderer/gl/gl_trails.h"
#include "renderer/hack/hack_options.h"
#include "renderer/gl/measuring_switches.h"
#include "renderer/scene/frame_pacer.h"
#include "renderer/scene/scene.h"
#include "renderer/scene/scene_clock.h"
// NOTE: X11 headers last: their None macro would break KeyResult::None.
#include "renderer/x11/glx_context.h"
#include "renderer/x11/x11_window.h"

namespace vantrel {

struct Hack {
  X11Surface surface;
  XVisualInfo* visual = nullptr;
  GLXContext context = nullptr;
  Scene scene;
  SceneClock clock;
  TrailKeeper trails;
  MeasuringSwitches switches;
  FrameRateMeter meter;
  FramePacer pacer;
  bool shown = true;  // the window can be seen: frames are drawn
  double shownCheckedAt = 0.0;  // monotonic seconds
  double frameDueAt = 0.0;      // monotonic seconds
  double startedAt = 0.0;  // monotonic seconds
  bool printFps = false;
  int growthCounter = 0;
  long long frames = 0;
};

// Speed, starting stars, random seed, --fps and the measuring switches.
void startHackScene(Hack& hack, const HackOptions& options);
// The window the options name: its own, XScreenSaver's or the root, or a
// foreign one. Returns the error text, empty on success.
std::string openHackWindow(Display* display, const HackOptions& options,
                           Hack& hack);
// Context, swap interval 1, fixed state, projection, black buffers and the
// kept picture. False without a current context.
bool startHackGl(Hack& hack);
// The star pool and the clock's start. False when the pool cannot be had.
bool startHackClock(Hack& hack);
// After the surface's size changed: projection and kept picture follow, and
// both buffers and the kept picture are black, as on WM_SIZE.
void resetHackPicture(Hack& hack);
// Takes the queued events and sees whether the window shows; false when the
// hack should end.
bool handleHackEvents(Hack& hack);
// Growth, clock, the frame's drawing and the swap.
void runHackFrame(Hack& hack);
// After a frame: when the next is due, so frames do not outrun the display
// where the swap does not pace them; at once with pacing switched off.
void scheduleNextHackFrame(Hack& hack);
// Seconds until the next frame is due; 0 when it is.
double secondsToNextHackFrame(const Hack& hack);
// VANTREL_FRAME_STATS, when set.
void writeHackFrameStats(const Hack& hack);
// GL objects, context, own window and star pool released.
void shutDownHack(Hack& hack);

}  // namespace vantrel
