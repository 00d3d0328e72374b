// The built hack as the other screen saver hosts run it: the window id in
// decimal (xsecurelock) or hexadecimal, both --root and --window-id (the
// settings program's preview), and a pause with SIGSTOP and SIGCONT while
// an unlock dialog is up, after which the scene carries on with the pause
// in its clock.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "tests/linux/x_test_support.h"

namespace vantrel {
namespace {

using namespace xtest;

const std::string kHack = VANTREL_HACK_PATH;

double now() {
  return std::chrono::duration<double>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

class HackHosts : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server_.start("800x600x24"));
    display_ = XOpenDisplay(server_.name().c_str());
    ASSERT_NE(display_, nullptr);
  }
  void TearDown() override {
    killChild(hack_);
    if (display_ != nullptr) XCloseDisplay(display_);
  }

  void run(const std::vector<std::string>& args,
           const std::vector<std::string>& environment = {}) {
    killChild(hack_);
    hack_ = spawn(kHack, args, server_.name(), environment);
    ASSERT_GT(hack_.pid, 0);
  }

  Picture shot(Window window) { return capture(display_, window, 0, 0, 320, 240); }

  // True once the window shows light; a sanitized build starts slowly.
  bool waitUntilLit(Window window) {
    for (int i = 0; i < 200; ++i) {
      if (litPixels(shot(window)) > 0) return true;
      sleepSeconds(0.05);
    }
    return false;
  }

  void expectMoving(Window window) {
    const Picture first = shot(window);
    sleepSeconds(0.5);
    const Picture second = shot(window);
    EXPECT_GT(changedPixels(first, second), 320 * 240 / 50)
        << stderrText(hack_);
  }

  XvfbServer server_;
  Display* display_ = nullptr;
  Child hack_;
};

TEST_F(HackHosts, EveryWayAHostNamesTheWindow) {
  const Window saver = createPlainWindow(display_, 320, 240);
  const Window other = createPlainWindow(display_, 320, 240);
  XMoveWindow(display_, other, 400, 300);  // side by side, both in view
  XSync(display_, False);
  struct Way {
    std::vector<std::string> args;
    std::string environment;
  };
  const Way ways[] = {
      {{"-root"}, "XSCREENSAVER_WINDOW=" + std::to_string(saver)},
      {{"--root"}, "XSCREENSAVER_WINDOW=" + hexWindowId(saver)},
      // The preview: its own window wins over the one in the environment.
      {{"--root", "--window-id", hexWindowId(saver)},
       "XSCREENSAVER_WINDOW=" + hexWindowId(other)},
      {{"--window-id", std::to_string(saver), "-root"},
       "XSCREENSAVER_WINDOW=" + hexWindowId(other)},
  };
  for (const Way& way : ways) {
    XClearWindow(display_, saver);
    XClearWindow(display_, other);
    XSync(display_, False);
    run(way.args, {way.environment});
    ASSERT_TRUE(waitUntilLit(saver)) << way.environment << stderrText(hack_);
    expectMoving(saver);
    EXPECT_EQ(litPixels(shot(other)), 0) << way.environment;
    kill(hack_.pid, SIGTERM);
    EXPECT_EQ(waitForExit(hack_, 3.0), 0) << stderrText(hack_);
    killChild(hack_);
  }
}

TEST_F(HackHosts, StoppedAndContinuedItCarriesOnWithThePauseInItsClock) {
  const Window saver = createPlainWindow(display_, 320, 240);
  char stats[] = "/tmp/vantrel-stats-XXXXXX";
  const int fd = mkstemp(stats);
  ASSERT_GE(fd, 0);
  close(fd);
  run({"--root"}, {"XSCREENSAVER_WINDOW=" + hexWindowId(saver),
                   std::string("VANTREL_FRAME_STATS=") + stats});
  ASSERT_TRUE(waitUntilLit(saver)) << stderrText(hack_);
  const double lit = now();
  sleepSeconds(0.5);
  kill(hack_.pid, SIGSTOP);
  sleepSeconds(0.3);  // a frame under way is finished by now
  const Picture stopped = shot(saver);
  sleepSeconds(3.0);
  EXPECT_EQ(changedPixels(stopped, shot(saver)), 0) << "drawn while stopped";
  kill(hack_.pid, SIGCONT);
  expectMoving(saver);
  sleepSeconds(0.5);
  const double ended = now();
  kill(hack_.pid, SIGTERM);
  EXPECT_EQ(waitForExit(hack_, 3.0), 0) << stderrText(hack_);
  std::ifstream in(stats);
  std::string word;
  double seconds = 0.0;
  while (in >> word && word != "seconds") {
  }
  in >> seconds;
  std::remove(stats);
  // The clock ran through the pause: the scene's time covers at least the
  // span from the first picture to the end (less a frame), 4.8 s here;
  // without the pause it would be under 2 s.
  EXPECT_GE(seconds, ended - lit - 0.3);
}

}  // namespace
}  // namespace vantrel
