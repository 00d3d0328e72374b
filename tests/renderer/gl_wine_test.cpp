// The renderer's drawing on a real window with real OpenGL, read back from
// the kept picture.
#include <GL/gl.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "renderer/gl/gl_scene.h"
#include "renderer/gl/gl_state.h"
#include "renderer/scene/star_blob.h"
#include "renderer/scene/star_pool.h"
#include "renderer/wgl/wgl_context.h"
#include "renderer/windows/win32_renderer.h"
#include "tests/renderer/trail_checks.h"

namespace vantrel {
namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;

using trailcheck::Rgb;

// The renderer under test, from set-up to tear-down of the suite.
Win32Renderer* renderer = nullptr;
RendererState& rendererState() { return renderer->state(); }
Scene& rendererScene() { return renderer->scene(); }
TrailKeeper& trailKeeper() { return renderer->trails(); }
HWND mainWindow() { return renderer->mainWindow(); }

class RendererGl : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    renderer = new Win32Renderer(GetModuleHandleA(nullptr));
    ASSERT_TRUE(renderer->openMainWindow(kWidth, kHeight));
    ASSERT_EQ(rendererState().screenWidth, kWidth);
    ASSERT_EQ(rendererState().screenHeight, kHeight);
    ASSERT_EQ(renderer->initOpenGL(), 1);
    Scene& scene = rendererScene();
    scene.random.seed(1234);
    scene.starPool = createStarPool(scene.random);
  }
  static void TearDownTestSuite() {
    renderer->shutdownRenderer();
    DestroyWindow(mainWindow());
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
    delete renderer;
    renderer = nullptr;
  }

  void SetUp() override {
    ASSERT_TRUE(renderer->openGlReady());
    if (rendererState().screenWidth != kWidth ||
        rendererState().screenHeight != kHeight) {
      SendMessageA(mainWindow(), WM_SIZE, 0, MAKELPARAM(kWidth, kHeight));
    }
    if (trailKeeper().mode() != TrailMode::BackBuffer) {
      trailKeeper().start(kWidth, kHeight, wglProcLookup, {},
                          trailcheck::bufferSwap(surface()));
    }
    blackFrame();
  }

  // The window under test for the checks both platforms share.
  static trailcheck::TrailSurface surface() {
    return trailcheck::TrailSurface{
        &trailKeeper(), &rendererState(), kWidth, kHeight, swap, windowPixel};
  }
  static void swap() { SwapBuffers(GetDC(mainWindow())); }

  // Leaves a black kept picture.
  static void blackFrame() { trailcheck::blackFrame(surface()); }
  static void present() { trailcheck::present(surface()); }
  static Rgb pixel(int x, int y) {
    return trailcheck::keptPixel(trailKeeper(), x, y);
  }
  static int brightness(const Rgb& c) { return trailcheck::brightness(c); }

  // What the screen shows after the swap (GL rows count from the bottom).
  static Rgb windowPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, x, kHeight - 1 - y);
    ReleaseDC(nullptr, screen);
    return Rgb{GetRValue(c), GetGValue(c), GetBValue(c)};
  }

  // The brightest pixel of the 3 x 3 block around (x, y): a vertex at a
  // pixel corner spreads its colour over the pixels next to it.
  static Rgb brightestNear(int x, int y) {
    Rgb best = {0, 0, 0};
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        const Rgb c = pixel(x + dx, y + dy);
        if (brightness(c) > brightness(best)) best = c;
      }
    }
    return best;
  }

  static int litPixels() { return trailcheck::litPixels(surface()); }

  static void expectFadeByElevenTwelfths() {
    trailcheck::expectFadeByElevenTwelfths(surface());
  }
  static void expectFadeToBlack() { trailcheck::expectFadeToBlack(surface()); }

  // The ribbon straight along x through the centre at depth 1000 (half-width
  // 9 pixels; too far for glows), but for the points `behind` the viewer;
  // drawn as a frame's ribbon.
  template <typename Behind>
  static void drawStraightRibbon(Behind behind) {
    Scene& scene = rendererScene();
    KnotRibbon& ribbon = scene.ribbon;
    for (int i = 0; i < KnotRibbon::kPointCount; ++i) {
      RibbonPoint& p = ribbon.points[i];
      p.x = -300.0f + 600.0f * i / KnotRibbon::kPointCount;
      p.y = 0.0f;
      p.z = behind(i) ? -1.0f : 1000.0f;
      p.r = 0.6f;
      p.g = 0.4f;
      p.b = 0.2f;
    }
    trailKeeper().beginFrame();
    drawFade(scene.state);
    drawRibbon(ribbon, scene.state);
    present();
  }
  // The screen column of point i of that ribbon.
  static int straightRibbonColumn(int i) {
    return kWidth / 2 + kWidth * (-300 + 600 * i / KnotRibbon::kPointCount) / 1000;
  }
};

TEST_F(RendererGl, FloatPictureFadesByElevenTwelfthsAndToBlack) {
  ASSERT_EQ(trailKeeper().start(kWidth, kHeight, wglProcLookup,
                                TrailOptions{true, TrailPrecision::Float16}),
            TrailMode::Framebuffer);
  ASSERT_EQ(trailKeeper().precision(), TrailPrecision::Float16);
  expectFadeByElevenTwelfths();
  expectFadeToBlack();
}

TEST_F(RendererGl, KeptBackBufferByDefaultFadesByElevenTwelfthsAndToBlack) {
  // Mesa under Wine keeps the back buffer across swaps, whatever Wine reports.
  ASSERT_EQ(trailKeeper().mode(), TrailMode::BackBuffer);
  ASSERT_EQ(trailKeeper().precision(), TrailPrecision::EightBit);
  expectFadeByElevenTwelfths();
  expectFadeToBlack();
}

TEST_F(RendererGl, SixteenBitPictureWithoutTheBackBufferFadesToBlack) {
  ASSERT_EQ(trailKeeper().start(kWidth, kHeight, wglProcLookup),
            TrailMode::Framebuffer);
  ASSERT_EQ(trailKeeper().precision(), TrailPrecision::Normalised16);
  expectFadeByElevenTwelfths();
  expectFadeToBlack();
}

TEST_F(RendererGl, LostBackBufferGivesFramebufferAndFloorPassIsExact) {
  trailcheck::expectLostBackBufferGivesFramebuffer(surface(), wglProcLookup);
  trailcheck::expectFloorPassLowersOnlyFrozenValues(surface(), wglProcLookup);
}

TEST_F(RendererGl, EightBitFramebufferFadesByElevenTwelfthsAndToBlack) {
  ASSERT_EQ(trailKeeper().start(kWidth, kHeight, wglProcLookup,
                                TrailOptions{true, TrailPrecision::EightBit}),
            TrailMode::Framebuffer);
  ASSERT_EQ(trailKeeper().precision(), TrailPrecision::EightBit);
  expectFadeByElevenTwelfths();
  expectFadeToBlack();
}

TEST_F(RendererGl, CopiedBackBufferAlsoKeepsTrailsAndFadesToBlack) {
  ASSERT_EQ(trailKeeper().start(kWidth, kHeight, wglProcLookup,
                                TrailOptions{false, TrailPrecision::EightBit}),
            TrailMode::CopyTexture);
  expectFadeByElevenTwelfths();
  expectFadeToBlack();
}

TEST_F(RendererGl, ContextAsksForSwapsPacedToTheDisplay) {
  using GetSwapInterval = int(WINAPI*)();
  const auto get =
      reinterpret_cast<GetSwapInterval>(wglProcLookup("wglGetSwapIntervalEXT"));
  ASSERT_NE(get, nullptr);
  EXPECT_EQ(get(), 1);
}

int requestedInterval = -1;
BOOL WINAPI fakeSwapInterval(int interval) {
  requestedInterval = interval;
  return TRUE;
}
void* lookupWithSwapControl(const char* name) {
  return std::string(name) == "wglSwapIntervalEXT"
             ? reinterpret_cast<void*>(fakeSwapInterval)
             : nullptr;
}
void* lookupWithout(const char*) { return nullptr; }

TEST(SwapInterval, AskedThroughTheExtensionAndSkippedWithoutIt) {
  requestedInterval = -1;
  EXPECT_FALSE(requestSwapInterval(1, lookupWithout));
  EXPECT_EQ(requestedInterval, -1);
  EXPECT_TRUE(requestSwapInterval(1, lookupWithSwapControl));
  EXPECT_EQ(requestedInterval, 1);
}

TEST_F(RendererGl, StarBlobHasItsColourAtTheCentreAndFadesOut) {
  Scene& scene = rendererScene();
  StarParticle& star = scene.starPool[0];
  star.x = star.px = 0.0f;
  star.y = star.py = 0.0f;
  star.z = star.pz = 100.0f;  // still: a round blob of radius 10 pixels
  star.phaseR = 4096.0f;      // 0.75
  star.phaseG = 12288.0f;     // 0.25
  star.phaseB = 0.0f;         // 0.5
  trailKeeper().beginFrame();
  drawFade(scene.state);
  drawStar(star, scene, 0.0f);
  present();
  // 0.75, 0.25 and 0.5 of full scale at the centre vertex, which sits on a
  // pixel corner: the nearest pixels lie 0.7 pixels out, where colour and
  // alpha have each fallen by 7 per cent, so 86 per cent arrives.
  const Rgb centre = brightestNear(kWidth / 2, kHeight / 2);
  EXPECT_NEAR(centre.r, 165, 6);
  EXPECT_NEAR(centre.g, 55, 4);
  EXPECT_NEAR(centre.b, 110, 5);
  const Rgb halfway = pixel(kWidth / 2 + 5, kHeight / 2);
  EXPECT_LT(brightness(halfway), brightness(centre));
  EXPECT_GT(brightness(halfway), 0);
  EXPECT_EQ(brightness(pixel(kWidth / 2 + 12, kHeight / 2)), 0);
  EXPECT_EQ(brightness(pixel(kWidth / 2, kHeight / 2 + 12)), 0);
}

TEST_F(RendererGl, StarStretchedAlongItsMotion) {
  Scene& scene = rendererScene();
  StarParticle& star = scene.starPool[0];
  star.y = star.py = 0.0f;
  star.z = star.pz = 200.0f;  // half-width 5 pixels
  star.px = 0.0f;
  star.x = 12.5f;  // 20 pixels to the right on screen: L = 15
  star.phaseR = star.phaseG = star.phaseB = 4096.0f;
  trailKeeper().beginFrame();
  drawFade(scene.state);
  drawStar(star, scene, 0.0f);
  present();
  const int cx = kWidth / 2 + 10, cy = kHeight / 2;
  EXPECT_GT(brightness(pixel(cx + 40, cy)), 0);  // 75 pixels long
  EXPECT_EQ(brightness(pixel(cx, cy + 7)), 0);   // but only 5 high
}

TEST_F(RendererGl, BandIsBrightAtItsCentreAndDarkAtItsEdge) {
  drawStraightRibbon([](int) { return false; });
  const int y = kHeight / 2;
  const Rgb centre = brightestNear(kWidth / 2, y);
  EXPECT_NEAR(centre.r, 150, 8);
  EXPECT_NEAR(centre.g, 100, 8);
  const Rgb inner = pixel(kWidth / 2, y + 4);
  const Rgb edge = pixel(kWidth / 2, y - 8);
  EXPECT_LT(brightness(inner), brightness(centre));
  EXPECT_LT(brightness(edge), brightness(inner));
  EXPECT_LT(brightness(edge), 60);
  EXPECT_EQ(brightness(pixel(kWidth / 2, y + 12)), 0);
  EXPECT_EQ(brightness(pixel(kWidth / 2, y - 12)), 0);
}

// Runs of points behind the viewer break the band into pieces; every piece
// is drawn, however many points the gaps between them hold.
TEST_F(RendererGl, BandPiecesBetweenGapsAreAllDrawn) {
  drawStraightRibbon([](int i) { return i % 500 >= 400 && i % 500 < 460; });
  for (int i = 200; i < KnotRibbon::kPointCount; i += 500) {
    EXPECT_GT(brightness(brightestNear(straightRibbonColumn(i), kHeight / 2)), 150) << i;
    if (i + 230 < KnotRibbon::kPointCount) {
      EXPECT_EQ(brightness(pixel(straightRibbonColumn(i + 230), kHeight / 2)), 0) << i;
    }
  }
}

TEST_F(RendererGl, GlowLightsTheQuadrantWhereTheRibbonComesNear) {
  Scene& scene = rendererScene();
  for (RibbonPoint& p : scene.ribbon.points) {
    p.x = -20.0f;  // 32 pixels left of and below the centre at z 200
    p.y = -20.0f;
    p.z = 200.0f;
    p.r = 0.01f;  // summed over 2560 points and divided by 32: 0.8
    p.g = 0.0f;
    p.b = 0.0f;
  }
  trailKeeper().beginFrame();
  drawFade(scene.state);
  drawGlows(scene.ribbon, scene.state);
  present();
  // Radius 240 - 100 = 140 pixels around (128, 88).
  const Rgb centre = pixel(128, 88);
  EXPECT_NEAR(centre.r, 204, 6);
  EXPECT_EQ(centre.g, 0);
  EXPECT_GT(pixel(128 + 100, 88).r, 0);
  EXPECT_LT(pixel(128 + 100, 88).r, centre.r);
  EXPECT_EQ(brightness(pixel(315, 235)), 0);  // the far corner stays dark
}

TEST_F(RendererGl, ALongFrameAddsItsWholeLightInOneDraw) {
  Scene& scene = rendererScene();
  for (RibbonPoint& p : scene.ribbon.points) {
    p.x = -20.0f;
    p.y = -20.0f;
    p.z = 200.0f;
    p.r = 0.01f;  // a glow of 0.8 a 60th; 1.6 at its centre for a 30th
    p.g = 0.0f;
    p.b = 0.0f;
  }
  ASSERT_TRUE(allowBrightColours(wglProcLookup));
  int lit[2] = {0, 0};
  const double steps[2] = {1.0, 2.0};
  for (int i = 0; i < 2; ++i) {
    trailcheck::blackFrame(surface());
    trailKeeper().beginFrame();
    drawGlows(scene.ribbon, scene.state, frameLight(steps[i], true));
    present();
    lit[i] = pixel(128 + 70, 88).r;  // part way out: about 0.2, then 0.4
  }
  EXPECT_GT(lit[0], 30);
  // Not 1.25 times from a centre clamped to 1: the whole light of two 60ths.
  EXPECT_NEAR(lit[1], 2 * lit[0], 6);
}

TEST_F(RendererGl, WholeFramesDrawStarsRibbonAndGlows) {
  Scene& scene = rendererScene();
  scene.state.starCount = 1000;
  for (int frame = 1; frame <= 30; ++frame) {
    renderer->runFrameAt(frame / 30.0f, 1.0f / 30.0f);
  }
  EXPECT_GT(litPixels(), kWidth * kHeight / 4);
  // The watch of the back buffer saw no loss in a real run.
  EXPECT_EQ(trailKeeper().mode(), TrailMode::BackBuffer);
  scene.state.starCount = 50;
}

TEST_F(RendererGl, SizeMessageWithHeightZeroGivesOneAndBlackPictures) {
  trailKeeper().beginFrame();
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
  glRectf(10.0f, 10.0f, 20.0f, 20.0f);
  present();
  ASSERT_GT(brightness(pixel(15, 15)), 0);

  SendMessageA(mainWindow(), WM_SIZE, 0, MAKELPARAM(200, 0));
  EXPECT_EQ(rendererState().screenWidth, 200);
  EXPECT_EQ(rendererState().screenHeight, 1);
  GLint viewport[4] = {};
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(viewport[2], 200);
  EXPECT_EQ(viewport[3], 1);

  // Minimised: no area to keep a picture of, until the size comes back.
  SendMessageA(mainWindow(), WM_SIZE, SIZE_MINIMIZED, 0);
  EXPECT_EQ(rendererState().screenWidth, 0);
  EXPECT_EQ(rendererState().screenHeight, 1);
  EXPECT_EQ(trailKeeper().mode(), TrailMode::None);

  SendMessageA(mainWindow(), WM_SIZE, 0, MAKELPARAM(kWidth, kHeight));
  EXPECT_EQ(rendererState().screenHeight, kHeight);
  EXPECT_EQ(trailKeeper().mode(), TrailMode::BackBuffer);
  EXPECT_EQ(litPixels(), 0);  // the trails are lost on a resize
}

TEST_F(RendererGl, PaintDrawsNothing) {
  blackFrame();
  RedrawWindow(mainWindow(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_EQ(litPixels(), 0);
  EXPECT_FALSE(GetUpdateRect(mainWindow(), nullptr, FALSE));
}

}  // namespace
}  // namespace vantrel
