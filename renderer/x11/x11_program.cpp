#include "renderer/x11/x11_program.h"

#include "renderer/hack/stop_signals.h"
#include "renderer/x11/x11_hack.h"
#include "renderer/x11/x11_wait.h"

namespace vantrel {

namespace {

// The run's module state, as Vantrel.dll keeps its own. It lives until the
// process ends, and so does the display it holds.
// NOTE: closing the display would unload Mesa's driver, whose own
// allocations then count as leaks of an unknown module that no sanitizer
// suppression can name; the process's end closes the connection anyway.
Hack hackState;

std::string runHack(Display* display, const HackOptions& options, Hack& hack) {
  startHackScene(hack, options);
  const std::string error = openHackWindow(display, options, hack);
  if (!error.empty()) return error;
  if (!startHackGl(hack)) return "cannot make an OpenGL context current";
  if (!startHackView(hack)) return "out of memory for the stars";
  while (!stopRequested() && handleHackEvents(hack)) {
    if (!hack.shown) {
      // Nothing shows: wait until an event says otherwise.
      waitForX(display, -1.0, hack.power.pollEntry());
      continue;
    }
    // An event that ends the wait early is handled, then the wait goes on.
    const double wait = secondsToNextHackFrame(hack);
    if (wait > 0.0) {
      waitForX(display, wait, hack.power.pollEntry());
      continue;
    }
    runHackFrame(hack);
    scheduleNextHackFrame(hack);
  }
  return "";
}

}  // namespace

std::string runX11Hack(const HackOptions& options) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return "cannot open the X display";
  installX11ErrorHandler();
  hackState.surface.display = display;
  const std::string error = runHack(display, options, hackState);
  shutDownHack(hackState);
  if (error.empty()) writeHackFrameStats(hackState);
  XSync(display, False);
  return error;
}

}  // namespace vantrel
