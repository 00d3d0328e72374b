#include "tests/renderer/trail_checks.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "renderer/scene/fade_floor.h"
#include "renderer/gl/gl_api.h"
#include "renderer/gl/gl_floor_pass.h"
#include "renderer/gl/gl_scene.h"
#include "renderer/scene/frame_light.h"

namespace vantrel {
namespace trailcheck {

int brightness(const Rgb& colour) { return colour.r + colour.g + colour.b; }

Rgb keptPixel(TrailKeeper& trails, int x, int y) {
  std::vector<std::uint8_t> rgb;
  EXPECT_TRUE(trails.readPixels(x, y, 1, 1, rgb));
  if (rgb.size() < 3) return Rgb{-1, -1, -1};
  return Rgb{rgb[0], rgb[1], rgb[2]};
}

int litPixels(const TrailSurface& surface) {
  std::vector<std::uint8_t> rgb;
  EXPECT_TRUE(
      surface.trails->readPixels(0, 0, surface.width, surface.height, rgb));
  int lit = 0;
  for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) {
    if (rgb[i] + rgb[i + 1] + rgb[i + 2] > 0) ++lit;
  }
  return lit;
}

void present(const TrailSurface& surface) {
  surface.trails->present();
  surface.swap();
}

void blackFrame(const TrailSurface& surface) {
  surface.trails->beginFrame();
  glBlendFunc(GL_ONE, GL_ZERO);
  glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
  glRectd(-1.0, -1.0, surface.width + 1.0, surface.height + 1.0);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  present(surface);
}

namespace {

// A black picture with one grey square of `level` around (105, 105),
// presented.
void lightSquare(const TrailSurface& surface, float level) {
  blackFrame(surface);
  surface.trails->beginFrame();
  glColor4f(level, level, level, 1.0f);
  glRectf(100.0f, 100.0f, 110.0f, 110.0f);
  present(surface);
}

}  // namespace

void expectFadeByElevenTwelfths(const TrailSurface& surface) {
  TrailKeeper& trails = *surface.trails;
  lightSquare(surface, 0.94f);
  int value = keptPixel(trails, 105, 105).g;
  ASSERT_GE(value, 236);
  for (int frame = 0; frame < 12; ++frame) {
    trails.beginFrame();
    drawFade(*surface.state);
    present(surface);
    const int next = keptPixel(trails, 105, 105).g;
    EXPECT_NEAR(next, value * 11.0 / 12.0, 1.01) << "frame " << frame;
    EXPECT_EQ(surface.windowPixel(105, 105).g, next) << "frame " << frame;
    value = next;
  }
  EXPECT_LT(value, 90);  // 240 * (11/12)^12 is about 84
  EXPECT_EQ(brightness(keptPixel(trails, 50, 50)), 0);
}

void expectFadeToBlack(const TrailSurface& surface) {
  TrailKeeper& trails = *surface.trails;
  // 100 frames at 60 a second, then 148 60ths at 240 a second, whose
  // smaller fade leaves more low values rounding back to themselves.
  for (double sixtieths : {1.0, 0.25}) {
    SCOPED_TRACE(sixtieths);
    lightSquare(surface, 1.0f);
    ASSERT_EQ(keptPixel(trails, 105, 105).r, 255);
    const int frames = sixtieths == 1.0 ? 100 : 148 * 4;
    for (int frame = 0; frame < frames; ++frame) {
      trails.beginFrame(sixtieths);
      drawFade(*surface.state, frameLight(sixtieths).fadeAlpha);
      present(surface);
    }
    const Rgb faded = keptPixel(trails, 105, 105);
    EXPECT_EQ(faded.r, 0);
    EXPECT_EQ(faded.g, 0);
    EXPECT_EQ(faded.b, 0);
    EXPECT_EQ(brightness(surface.windowPixel(105, 105)), 0);
  }
}

namespace {

TrailSurface swapped;  // the surface whose swap bufferSwap and lossySwap use
bool losing = false;   // lossySwap scribbles over the back buffer

void swapOf(void*) { swapped.swap(); }

void lossySwap() {
  swapped.swap();
  if (!losing) return;
  glClearColor(0.5f, 0.25f, 0.75f, 0.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
}

}  // namespace

BufferSwap bufferSwap(const TrailSurface& surface) {
  swapped = surface;
  return BufferSwap{swapOf, nullptr};
}

void expectLostBackBufferGivesFramebuffer(const TrailSurface& surface,
                                          GlProcLookup lookup) {
  TrailKeeper& trails = *surface.trails;
  TrailSurface lossy = surface;
  lossy.swap = lossySwap;
  swapped = surface;
  losing = true;
  EXPECT_EQ(trails.start(surface.width, surface.height, lookup, {},
                         BufferSwap{swapOf, nullptr}),
            TrailMode::BackBuffer)
      << "the surface's own swap keeps the back buffer";
  const BufferSwap lossyProbe = {[](void*) { lossySwap(); }, nullptr};
  EXPECT_EQ(trails.start(surface.width, surface.height, lookup, {}, lossyProbe),
            TrailMode::Framebuffer);

  losing = false;
  ASSERT_EQ(trails.start(surface.width, surface.height, lookup, {}, lossyProbe),
            TrailMode::BackBuffer);
  lightSquare(lossy, 1.0f);
  losing = true;
  trails.beginFrame();
  drawFade(*surface.state);
  present(lossy);
  losing = false;
  trails.beginFrame();
  EXPECT_EQ(trails.mode(), TrailMode::Framebuffer);
  EXPECT_EQ(trails.precision(), TrailPrecision::Normalised16);
  drawFade(*surface.state);
  present(surface);
  EXPECT_EQ(litPixels(surface), 0);
  expectFadeByElevenTwelfths(surface);
}

void expectFloorPassLowersOnlyFrozenValues(const TrailSurface& surface,
                                           GlProcLookup lookup) {
  ASSERT_GE(surface.width, kFloorTableSize);
  TrailKeeper& trails = *surface.trails;
  ASSERT_EQ(trails.start(surface.width, surface.height, lookup, {},
                         bufferSwap(surface)),
            TrailMode::BackBuffer);
  std::vector<std::uint8_t> row;
  for (int v = 0; v < kFloorTableSize; ++v) {
    const auto value = static_cast<std::uint8_t>(v);
    row.insert(row.end(), {value, value, value});
  }
  GlExtensions gl = loadGlExtensions(lookup);
  for (bool program : {true, false}) {
    SCOPED_TRACE(program ? "program" : "read back");
    gl.shaders = program;
    FloorPass pass;
    pass.start(gl, surface.width, surface.height);
    ASSERT_EQ(pass.usesProgram(), program);
    trails.beginFrame();
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glRasterPos2i(0, 0);
    // Today's 1 to 6, then a 240 fps step's limit on the same pass.
    for (int highest : {highestFrozenEightBit(), highestFrozenEightBit(0.25)}) {
      SCOPED_TRACE(highest);
      glDisable(GL_BLEND);
      glDrawPixels(kFloorTableSize, 1, GL_RGB, GL_UNSIGNED_BYTE, row.data());
      glEnable(GL_BLEND);
      pass.apply(highest);
      std::vector<std::uint8_t> after;
      ASSERT_TRUE(trails.readPixels(0, 0, kFloorTableSize, 1, after));
      for (int v = 0; v < kFloorTableSize; ++v) {
        const int expected = v > highest ? v : 0;
        ASSERT_EQ(after[3 * v], expected) << v;
        ASSERT_EQ(after[3 * v + 1], expected) << v;
        ASSERT_EQ(after[3 * v + 2], expected) << v;
      }
    }
    present(surface);
    pass.release();
  }
}

}  // namespace trailcheck
}  // namespace vantrel
