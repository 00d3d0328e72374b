#pragma once
// Test helpers for the Linux hack: an Xvfb of the test's own, the hack as a
// child process, and pictures read back from X windows.
#include <X11/Xlib.h>
#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {
namespace xtest {

// An Xvfb with GLX on a display number it picks itself, so concurrent test
// runs never share a display. Stopped by the destructor.
class XvfbServer {
 public:
  XvfbServer() = default;
  ~XvfbServer();
  XvfbServer(const XvfbServer&) = delete;
  XvfbServer& operator=(const XvfbServer&) = delete;

  // One screen of `geometry` ("1024x768x24"); false when it did not answer.
  bool start(const std::string& geometry);
  void stop();
  const std::string& name() const { return name_; }  // ":N"

 private:
  pid_t pid_ = -1;
  std::string name_;
};

// A child process with its standard error kept in an unlinked temporary
// file, closed by killChild.
struct Child {
  pid_t pid = -1;
  int stderrFd = -1;
};

// Runs `program` with `args` and DISPLAY=`display` plus `environment`
// ("NAME=value" each).
Child spawn(const std::string& program, const std::vector<std::string>& args,
            const std::string& display,
            const std::vector<std::string>& environment = {});
// Waits up to `seconds` for the child to end; its exit code, or -1 when it
// is still running, or 128 + the signal that killed it.
int waitForExit(Child& child, double seconds);
// Kills a child that is still running, reaps it and closes its file.
void killChild(Child& child);
std::string stderrText(const Child& child);

// 0xRRGGBB pixels of a window, top row first.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};

Picture capture(Display* display, Window window, int x, int y, int width,
                int height);
Picture capture(Display* display, Window window);
// Pixels that are not black.
int litPixels(const Picture& picture);
// Lit pixels whose brightest and dimmest channels differ by more than 48:
// colour, not grey.
int colouredPixels(const Picture& picture);
// Pixels that differ between two pictures of the same size.
int changedPixels(const Picture& a, const Picture& b);

// A mapped window of the default visual, as a settings program's preview.
Window createPlainWindow(Display* display, int width, int height);
// The top-level window titled `title`, or 0 after `seconds`.
Window waitForWindowNamed(Display* display, const char* title, double seconds);
void sleepSeconds(double seconds);

// A window id as hosts pass it in hexadecimal: "0x..."
std::string hexWindowId(Window window);

}  // namespace xtest
}  // namespace vantrel
