#include "renderer/x11/x11_hack.h"

#include <time.h>

#include <cstdio>
#include <cstdlib>

#include "renderer/hack/hack_clock.h"
#include "renderer/x11/x11_refresh.h"

namespace vantrel {

namespace {

std::string hexId(unsigned long id) {
  char text[24];
  std::snprintf(text, sizeof(text), "0x%lx", id);
  return text;
}

// The window to adopt for --root and --window-id; 0 with `error` set when
// XSCREENSAVER_WINDOW holds no id.
Window adoptedWindowId(Display* display, const HackOptions& options,
                       std::string& error) {
  if (options.target == HackTarget::WindowId) return options.windowId;
  const char* given = std::getenv("XSCREENSAVER_WINDOW");
  unsigned long id = 0;
  if (!rootTargetWindow(given, id)) {
    error = "XSCREENSAVER_WINDOW is no window id: " + quotedArgument(given);
    return 0;
  }
  return id != 0 ? id : DefaultRootWindow(display);
}

std::string openOwnWindow(Display* display, Hack& hack) {
  hack.visual = chooseGlVisual(display, DefaultScreen(display));
  if (hack.visual == nullptr) return "no double-buffered RGB visual for OpenGL";
  if (!createOwnWindow(display, hack.visual, kDefaultScreenWidth,
                       kDefaultScreenHeight, hack.surface)) {
    return "cannot create a window";
  }
  return "";
}

std::string openAdoptedWindow(Display* display, const HackOptions& options,
                              Hack& hack) {
  std::string error;
  const Window window = adoptedWindowId(display, options, error);
  if (window == 0) return error;
  hack.hostWindow = window != DefaultRootWindow(display);
  int screen = 0;
  if (!windowScreen(display, window, screen)) {
    return hexId(window) + " is no window";
  }
  hack.visual = chooseGlVisual(display, screen);
  if (hack.visual == nullptr) return "no double-buffered RGB visual for OpenGL";
  if (!adoptWindow(display, window, hack.visual, hack.surface)) {
    return hexId(window) + " is no window";
  }
  return "";
}

// The view's black swaps and the keeper's probe swap through this.
void swapHackBuffers(void* context) {
  const Hack& hack = *static_cast<const Hack*>(context);
  glXSwapBuffers(hack.surface.display, hack.surface.window);
}

ViewSize surfaceSize(const Hack& hack) {
  return ViewSize{hack.surface.width, hack.surface.height};
}

// Refreshes a frame from the monitor's rate and the limits: the swap
// interval where the swap paces, the pacer's frame where it does not.
void applyFrameLimits(Hack& hack) {
  hack.limits.preview = hack.hostWindow && previewSized(hack.surface.width,
                                                        hack.surface.height);
  FramePacer& pacer = hack.view.pacer();
  pacer.setRefreshRate(hack.refreshHz);
  const int refreshes = refreshesPerFrame(hack.refreshHz, hack.limits);
  if (refreshes == pacer.refreshesPerFrame()) return;
  requestSwapInterval(hack.surface.display, hack.surface.window, refreshes);
  pacer.setRefreshesPerFrame(refreshes);
}

// Keys reach only the hack's own window; Escape ends only that one, as
// XScreenSaver ends its windows' hacks with signals.
bool onKeys(Hack& hack, const WindowEvents& events) {
  bool quit = false;
  for (int i = 0; i < events.keyCount; ++i) {
    if (handleKey(hack.view.scene().state, events.keys[i]) ==
        KeyResult::Quit) {
      quit = hack.surface.own;
    }
  }
  return quit;
}

}  // namespace

void startHackScene(Hack& hack, const HackOptions& options) {
  RendererState& state = hack.view.scene().state;
  state.speed = static_cast<float>(options.speed);
  state.starCount = options.stars;
  hack.seed = static_cast<std::uint32_t>(monotonicNanoseconds());
  hack.printFps = options.fps;
  hack.limits.maxFramesPerSecond = options.maxFps;
  hack.switches = measuringSwitchesFrom(std::getenv("VANTREL_BARE_FRAME"),
                                        std::getenv("VANTREL_KEPT_PICTURE"),
                                        std::getenv("VANTREL_HOLD_STARS"),
                                        std::getenv("VANTREL_PACING"));
}

std::string openHackWindow(Display* display, const HackOptions& options,
                           Hack& hack) {
  return options.target == HackTarget::OwnWindow
             ? openOwnWindow(display, hack)
             : openAdoptedWindow(display, options, hack);
}

bool startHackGl(Hack& hack) {
  hack.context = createCurrentContext(hack.surface.display, hack.surface.window,
                                      hack.visual);
  if (hack.context == nullptr) return false;
  const Window root = RootWindow(hack.surface.display, hack.visual->screen);
  hack.surface.refreshEventBase = watchRefreshRate(hack.surface.display, root);
  hack.refreshHz =
      currentRefreshRate(hack.surface.display, hack.surface.window);
  hack.power.start();
  // Paced to the display where the driver can; the pacer covers the rest.
  requestSwapInterval(hack.surface.display, hack.surface.window, 1);
  applyFrameLimits(hack);
  return true;
}

bool startHackView(Hack& hack) {
  ViewStart start;
  start.size = surfaceSize(hack);
  start.seed = hack.seed;
  start.clockFrequency = kMonotonicCountsPerSecond;
  start.clockStart = monotonicReading();
  start.switches = hack.switches;
  start.lookup = glxProcLookup;
  start.swap = BufferSwap{swapHackBuffers, &hack};
  if (!hack.view.start(start)) return false;
  hack.startedAt = clockSeconds(CLOCK_MONOTONIC);
  return true;
}

// False when the hack should end.
bool handleHackEvents(Hack& hack) {
  // NOTE: a round trip first, so a window destroyed before the last swap is
  // known here: Mesa's software driver can crash reading back the buffers
  // of a window that is gone, and the trail keeper reads them every frame.
  XSync(hack.surface.display, False);
  const WindowEvents events = takeWindowEvents(hack.surface);
  if (events.closed || x11WindowLost()) return false;
  if (events.resized) hack.view.resize(surfaceSize(hack));
  if (events.refreshChanged) {
    hack.refreshHz =
        currentRefreshRate(hack.surface.display, hack.surface.window);
  }
  const bool powerChanged = hack.power.process();
  if (powerChanged) hack.limits.powerSaving = hack.power.powerSaving();
  // The size (a preview's), the rate and the power are all the limits read.
  if (events.resized || events.refreshChanged || powerChanged) {
    applyFrameLimits(hack);
  }
  // NOTE: the map state costs round trips, so it is asked for ten times a
  // second while frames run; a hidden window waits for an event anyway.
  const double now = clockSeconds(CLOCK_MONOTONIC);
  if (!hack.shown || now - hack.shownCheckedAt >= 0.1 || events.any) {
    hack.shownCheckedAt = now;
    hack.shown = surfaceShown(hack.surface);
    if (!hack.shown) {
      hack.view.pacer().pause();
      hack.frameDueAt = 0.0;  // the first frame once shown comes at once
    }
  }
  return !onKeys(hack, events);
}

void runHackFrame(Hack& hack) {
  hack.view.drawFrame(monotonicReading());
  glXSwapBuffers(hack.surface.display, hack.surface.window);
  reportFrameRate(hack.meter, clockSeconds(CLOCK_MONOTONIC), hack.printFps,
                  hack.view.state().starCount);
}

void scheduleNextHackFrame(Hack& hack) {
  if (!hack.switches.paced) return;
  const double now = clockSeconds(CLOCK_MONOTONIC);
  hack.frameDueAt = now + hack.view.pacer().afterSwap(now);
}

double secondsToNextHackFrame(const Hack& hack) {
  const double left = hack.frameDueAt - clockSeconds(CLOCK_MONOTONIC);
  return left > 0.0 ? left : 0.0;
}

void writeHackFrameStats(const Hack& hack) {
  // Wall seconds of the run, hidden spells included, so frames and CPU a
  // second are those of the whole run.
  writeFrameStats(std::getenv("VANTREL_FRAME_STATS"), hack.view.frames(),
                  clockSeconds(CLOCK_MONOTONIC) - hack.startedAt,
                  clockSeconds(CLOCK_PROCESS_CPUTIME_ID));
}

void shutDownHack(Hack& hack) {
  hack.view.release();
  if (hack.context != nullptr) {
    destroyContext(hack.surface.display, hack.context);
    hack.context = nullptr;
  }
  releaseSurface(hack.surface);
  if (hack.visual != nullptr) XFree(hack.visual);
  hack.visual = nullptr;
}

}  // namespace vantrel
