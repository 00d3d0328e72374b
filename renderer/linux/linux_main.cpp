// Program entry of vantrel, the star flight as an XScreenSaver hack on X11,
// or on every output of a Wayland desktop with --wayland: the same scene and
// drawing as Vantrel.dll.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "renderer/hack/hack_options.h"
#include "renderer/hack/stop_signals.h"
#include "renderer/hack/xscreensaver_file.h"
#include "renderer/wayland/wayland_program.h"
#include "renderer/x11/x11_program.h"

namespace vantrel {

namespace {

int fail(const std::string& message) {
  std::fprintf(stderr, "vantrel: %s\n", message.c_str());
  return 1;
}

// --add-to-xscreensaver: one line on what was done to ~/.xscreensaver.
int addToXScreenSaver() {
  const FileEditReport done =
      addToXScreenSaverFile(xscreensaverFilePath(std::getenv("HOME")));
  if (done.exitCode != 0) return fail(done.message);
  std::printf("vantrel: %s\n", done.message.c_str());
  return 0;
}

int runProgram(int argc, char** argv) {
  const HackParse parsed = parseHackOptions(argc, argv);
  if (!parsed.ok) return fail(parsed.error + " (try --help)");
  if (!parsed.warning.empty()) {
    std::fprintf(stderr, "vantrel: %s\n", parsed.warning.c_str());
  }
  if (parsed.options.help) {
    std::fputs(hackUsage("vantrel").c_str(), stdout);
    return 0;
  }
  if (parsed.options.addToXScreenSaver) return addToXScreenSaver();
  installStopSignals();
  const std::string error = parsed.options.wayland
                                ? runWaylandHack(parsed.options)
                                : runX11Hack(parsed.options);
  return error.empty() ? 0 : fail(error);
}

}  // namespace

}  // namespace vantrel

int main(int argc, char** argv) { return vantrel::runProgram(argc, argv); }
