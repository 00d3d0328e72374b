#pragma once
// The Linux hack's run: its window, its OpenGL set-up, size changes, frames
// and end, over the same scene and drawing as Vantrel.dll. Platform header.
#include <string>

#include <cstdint>

#include "renderer/gl/measuring_switches.h"
#include "renderer/gl/scene_view.h"
#include "renderer/hack/frame_rate_meter.h"
#include "renderer/hack/hack_options.h"
#include "renderer/hack/power_profile_watch.h"
#include "renderer/scene/frame_ceiling.h"
// NOTE: X11 headers last: their None macro would break KeyResult::None.
#include "renderer/x11/glx_context.h"
#include "renderer/x11/x11_window.h"

namespace vantrel {

struct Hack {
  X11Surface surface;
  XVisualInfo* visual = nullptr;
  GLXContext context = nullptr;
  SceneView view;
  std::uint32_t seed = 0;
  MeasuringSwitches switches;
  FrameRateMeter meter;
  bool shown = true;  // the window can be seen: frames are drawn
  double shownCheckedAt = 0.0;  // monotonic seconds
  double frameDueAt = 0.0;      // monotonic seconds
  double startedAt = 0.0;  // monotonic seconds
  bool printFps = false;
  // A window the host gave (--window-id, XSCREENSAVER_WINDOW): a small one
  // is a preview.
  bool hostWindow = false;
  double refreshHz = 0.0;  // the monitor's, as XRandR reports it
  FrameLimits limits;
  PowerProfileWatch power;
};

// Speed, starting stars, random seed, --fps and the measuring switches.
void startHackScene(Hack& hack, const HackOptions& options);
// The window the options name: its own, XScreenSaver's or the root, or a
// foreign one. Returns the error text, empty on success.
std::string openHackWindow(Display* display, const HackOptions& options,
                           Hack& hack);
// Context, the display's rate and the swap interval it asks for, and the
// power profile's watch. False without a current context.
bool startHackGl(Hack& hack);
// The view on the window: its GL state, black buffers, kept picture, stars
// and clock. False when the star pool cannot be had.
bool startHackView(Hack& hack);
// Takes the queued events and the power profile's news, and sees whether
// the window shows; false when the hack should end.
bool handleHackEvents(Hack& hack);
// The view's frame and the swap.
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
