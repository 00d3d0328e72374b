// Program entry of vantrel, the star flight as an XScreenSaver hack: the
// same scene and drawing as Vantrel.dll in an X window through GLX.
#include <signal.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "renderer/hack/xscreensaver_file.h"
#include "renderer/x11/x11_hack.h"
#include "renderer/x11/x11_wait.h"

namespace {

// Set by SIGTERM, SIGINT and SIGHUP; the loop tests it once a frame and
// before every wait.
volatile std::sig_atomic_t stopRequested = 0;

extern "C" void onStopSignal(int) { stopRequested = 1; }

sigset_t stopSignals;

void installStopSignals() {
  struct sigaction action = {};
  action.sa_handler = onStopSignal;
  sigemptyset(&action.sa_mask);
  sigemptyset(&stopSignals);
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
    sigaction(signal, &action, nullptr);
    sigaddset(&stopSignals, signal);
  }
}

int fail(const std::string& message) {
  std::fprintf(stderr, "vantrel: %s\n", message.c_str());
  return 1;
}

}  // namespace

namespace vantrel {

namespace {

// The run's module state, as Vantrel.dll keeps its own. It lives until the
// process ends, and so does the display it holds.
// NOTE: closing the display would unload Mesa's driver, whose own
// allocations then count as leaks of an unknown module that no sanitizer
// suppression can name; the process's end closes the connection anyway.
Hack hackState;

// --add-to-xscreensaver: one line on what was done to ~/.xscreensaver.
int addToXScreenSaver() {
  const FileEditReport done =
      addToXScreenSaverFile(xscreensaverFilePath(std::getenv("HOME")));
  if (done.exitCode != 0) return fail(done.message);
  std::printf("vantrel: %s\n", done.message.c_str());
  return 0;
}

int runHack(Display* display, const HackOptions& options, Hack& hack) {
  startHackScene(hack, options);
  const std::string error = openHackWindow(display, options, hack);
  if (!error.empty()) return fail(error);
  if (!startHackGl(hack)) return fail("cannot make an OpenGL context current");
  if (!startHackClock(hack)) return fail("out of memory for the stars");
  while (stopRequested == 0 && handleHackEvents(hack)) {
    if (!hack.shown) {
      // Nothing shows: wait until an event says otherwise.
      waitForX(display, -1.0, stopRequested, stopSignals);
      continue;
    }
    // An event that ends the wait early is handled, then the wait goes on.
    const double wait = secondsToNextHackFrame(hack);
    if (wait > 0.0) {
      waitForX(display, wait, stopRequested, stopSignals);
      continue;
    }
    runHackFrame(hack);
    scheduleNextHackFrame(hack);
  }
  return 0;
}

int runProgram(int argc, char** argv) {
  const HackParse parsed = parseHackOptions(argc, argv);
  if (!parsed.ok) return fail(parsed.error + " (try --help)");
  if (parsed.options.help) {
    std::fputs(hackUsage("vantrel").c_str(), stdout);
    return 0;
  }
  if (parsed.options.addToXScreenSaver) return addToXScreenSaver();
  installStopSignals();
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return fail("cannot open the X display");
  installX11ErrorHandler();
  hackState.surface.display = display;
  const int code = runHack(display, parsed.options, hackState);
  shutDownHack(hackState);
  if (code == 0) writeHackFrameStats(hackState);
  XSync(display, False);
  return code;
}

}  // namespace

}  // namespace vantrel

int main(int argc, char** argv) { return vantrel::runProgram(argc, argv); }
