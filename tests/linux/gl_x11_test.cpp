// The shared drawing through the hack's own window, GLX context and size
// handling, on an Xvfb with Mesa, read back from the kept picture and the
// window: the same trail checks as under Wine.
#include <gtest/gtest.h>

#include <string>

#include "renderer/gl/gl_api.h"
#include "renderer/gl/gl_extensions.h"
#include "renderer/x11/x11_hack.h"
#include "tests/linux/x_test_support.h"
#include "tests/renderer/trail_checks.h"

namespace vantrel {
namespace {

using trailcheck::Rgb;
using trailcheck::TrailSurface;

constexpr int kWidth = kDefaultScreenWidth;
constexpr int kHeight = kDefaultScreenHeight;

class HackGl : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    server_ = new xtest::XvfbServer();
    ASSERT_TRUE(server_->start("1280x1024x24"));
    // NOTE: never closed, so what Mesa hangs on the display stays reachable
    // for the leak checker; the process's end closes it.
    display_ = XOpenDisplay(server_->name().c_str());
    ASSERT_NE(display_, nullptr);
    installX11ErrorHandler();
    hack_ = new Hack();
    ASSERT_EQ(openHackWindow(display_, HackOptions{}, *hack_), "");
    XSync(display_, False);
    ASSERT_TRUE(startHackGl(*hack_));
    ASSERT_TRUE(startHackView(*hack_));
    // Mesa on X keeps the back buffer across swaps.
    ASSERT_EQ(hack_->view.trails().mode(), TrailMode::BackBuffer);
  }
  static void TearDownTestSuite() {
    if (hack_ != nullptr) shutDownHack(*hack_);
    delete hack_;
    hack_ = nullptr;
    delete server_;  // ends Xvfb
    server_ = nullptr;
  }

  void SetUp() override {
    ASSERT_NE(hack_, nullptr);
    ASSERT_NE(hack_->context, nullptr);
    ASSERT_EQ(hack_->view.scene().state.screenWidth, kWidth);
    hack_->view.trails().start(kWidth, kHeight, glxProcLookup, {},
                        trailcheck::bufferSwap(surface()));
  }

  static void swap() { glXSwapBuffers(display_, hack_->surface.window); }
  static Rgb windowPixel(int x, int y) {
    const xtest::Picture one =
        xtest::capture(display_, hack_->surface.window, x,
                       hack_->view.scene().state.screenHeight - 1 - y, 1, 1);
    if (one.pixels.empty()) return Rgb{-1, -1, -1};
    const std::uint32_t p = one.pixels[0];
    return Rgb{static_cast<int>(p >> 16) & 0xFF,
               static_cast<int>(p >> 8) & 0xFF, static_cast<int>(p) & 0xFF};
  }
  static TrailSurface surface() {
    return TrailSurface{&hack_->view.trails(),
                        &hack_->view.scene().state,
                        hack_->view.scene().state.screenWidth,
                        hack_->view.scene().state.screenHeight,
                        swap,
                        windowPixel};
  }
  // Resizes the window and lets the hack's event handling see it.
  static void resizeTo(int width, int height) {
    XResizeWindow(display_, hack_->surface.window, width, height);
    XSync(display_, False);
    for (int i = 0; i < 100 && hack_->view.scene().state.screenWidth != width; ++i) {
      ASSERT_TRUE(handleHackEvents(*hack_));
      xtest::sleepSeconds(0.01);
    }
  }

  static xtest::XvfbServer* server_;
  static Display* display_;
  static Hack* hack_;
};

xtest::XvfbServer* HackGl::server_ = nullptr;
Display* HackGl::display_ = nullptr;
Hack* HackGl::hack_ = nullptr;

TEST_F(HackGl, EveryKeptPictureFadesByElevenTwelfthsAndToBlack) {
  struct Kind {
    TrailOptions options;
    TrailMode mode;
  };
  for (const Kind& kind :
       {Kind{{}, TrailMode::BackBuffer},
        Kind{{true, TrailPrecision::Float16}, TrailMode::Framebuffer},
        Kind{{true, TrailPrecision::Normalised16}, TrailMode::Framebuffer},
        Kind{{true, TrailPrecision::EightBit}, TrailMode::Framebuffer},
        Kind{{false, TrailPrecision::EightBit}, TrailMode::CopyTexture}}) {
    SCOPED_TRACE(static_cast<int>(kind.options.finest) +
                 10 * kind.options.preferFramebuffer);
    ASSERT_EQ(hack_->view.trails().start(kWidth, kHeight, glxProcLookup, kind.options,
                                  kind.mode == TrailMode::BackBuffer
                                      ? trailcheck::bufferSwap(surface())
                                      : BufferSwap{}),
              kind.mode);
    EXPECT_EQ(hack_->view.trails().precision(), kind.mode == TrailMode::BackBuffer
                                             ? TrailPrecision::EightBit
                                             : kind.options.finest);
    trailcheck::expectFadeByElevenTwelfths(surface());
    trailcheck::expectFadeToBlack(surface());
  }
}

TEST_F(HackGl, LostBackBufferGivesFramebufferAndFloorPassIsExact) {
  trailcheck::expectLostBackBufferGivesFramebuffer(surface(), glxProcLookup);
  trailcheck::expectFloorPassLowersOnlyFrozenValues(surface(), glxProcLookup);
}

TEST_F(HackGl, ResizeFollowsTheWindowAndLeavesEverythingBlack) {
  const TrailSurface before = surface();
  trailcheck::blackFrame(before);
  hack_->view.trails().beginFrame();
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
  glRectf(10.0f, 10.0f, 20.0f, 20.0f);
  trailcheck::present(before);
  ASSERT_GT(
      trailcheck::brightness(trailcheck::keptPixel(hack_->view.trails(), 15, 15)), 0);

  resizeTo(400, 300);
  EXPECT_EQ(hack_->view.scene().state.screenWidth, 400);
  EXPECT_EQ(hack_->view.scene().state.screenHeight, 300);
  GLint viewport[4] = {};
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(viewport[2], 400);
  EXPECT_EQ(viewport[3], 300);
  EXPECT_EQ(trailcheck::litPixels(surface()), 0);  // trails lost on a resize
  EXPECT_EQ(trailcheck::brightness(windowPixel(15, 15)), 0);
  // The new size is kept and faded like the old one.
  trailcheck::expectFadeToBlack(surface());

  resizeTo(kWidth, kHeight);
  EXPECT_EQ(hack_->view.scene().state.screenHeight, kHeight);
}

TEST_F(HackGl, SwapIntervalAskedWhereTheDriverOffersIt) {
  // NOTE: Mesa's software GLX on Xvfb offers neither extension, so the
  // request must report that instead of calling what is not there.
  const char* offered =
      glXQueryExtensionsString(display_, DefaultScreen(display_));
  const bool either = extensionListed(offered, "GLX_EXT_swap_control") ||
                      extensionListed(offered, "GLX_MESA_swap_control");
  EXPECT_EQ(requestSwapInterval(display_, hack_->surface.window, 1), either);
}

// Stand-ins for the two extensions' entry points.
int extInterval = -1;
int mesaInterval = -1;
void fakeSwapIntervalExt(Display*, GLXDrawable, int interval) {
  extInterval = interval;
}
int fakeSwapIntervalMesa(unsigned interval) {
  mesaInterval = static_cast<int>(interval);
  return 0;
}
void* fakeLookup(const char* name) {
  const std::string n = name;
  if (n == "glXSwapIntervalEXT")
    return reinterpret_cast<void*>(fakeSwapIntervalExt);
  if (n == "glXSwapIntervalMESA")
    return reinterpret_cast<void*>(fakeSwapIntervalMesa);
  return nullptr;
}

TEST(GlxSwapInterval, ThroughTheExtensionOfferedAndSkippedWithoutOne) {
  extInterval = mesaInterval = -1;
  EXPECT_FALSE(requestSwapIntervalThrough("GLX_SGI_make_current_read",
                                          fakeLookup, nullptr, 0, 1));
  EXPECT_EQ(extInterval + mesaInterval, -2);
  EXPECT_TRUE(requestSwapIntervalThrough("GLX_A GLX_MESA_swap_control",
                                         fakeLookup, nullptr, 0, 1));
  EXPECT_EQ(mesaInterval, 1);
  EXPECT_EQ(extInterval, -1);
  EXPECT_TRUE(requestSwapIntervalThrough(
      "GLX_MESA_swap_control GLX_EXT_swap_control", fakeLookup, nullptr, 0, 1));
  EXPECT_EQ(extInterval, 1);
  // Listed but without its entry point: nothing to call.
  EXPECT_FALSE(requestSwapIntervalThrough(
      "GLX_EXT_swap_control", [](const char*) -> void* { return nullptr; },
      nullptr, 0, 1));
}

TEST_F(HackGl, WholeFramesLightTheWindow) {
  hack_->view.scene().state.starCount = 900;  // growth wraps to 0 past 1000
  for (int frame = 0; frame < 30; ++frame) runHackFrame(*hack_);
  EXPECT_GT(trailcheck::litPixels(surface()), kWidth * kHeight / 20);
  EXPECT_EQ(hack_->view.frames(), 30);
  // The watch of the back buffer saw no loss in a real run.
  EXPECT_EQ(hack_->view.trails().mode(), TrailMode::BackBuffer);
}

}  // namespace
}  // namespace vantrel
