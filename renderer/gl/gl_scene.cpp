#include "renderer/gl/gl_scene.h"

#include "renderer/gl/gl_api.h"
#include "renderer/scene/frame_light.h"
#include "renderer/scene/glow_accumulator.h"
#include "renderer/scene/ribbon_band.h"
#include "renderer/scene/star_blob.h"
#include "renderer/scene/unit_disc.h"

namespace vantrel {

namespace {

// The centre takes the given colour; the rim is transparent black, so the
// disc is a soft blob under smooth shading and additive blending. The
// current colour is (0, 0, 0, 0) after it. Its light is the frame's.
void drawDisc(const DiscPlacement& placement, float r, float g, float b,
              const FrameLight& light) {
  DiscPoint rim[kDiscRimPoints];
  placedRim(placement, rim);
  const float litR = litChannel(r, light);
  const float litG = litChannel(g, light);
  const float litB = litChannel(b, light);
  for (int pass = 0; pass < light.passes; ++pass) {
    glBegin(GL_TRIANGLE_FAN);
    glColor4f(litR, litG, litB, 1.0f);
    glVertex2f(placement.center.x, placement.center.y);
    glColor4f(0.0f, 0.0f, 0.0f, 0.0f);
    for (const DiscPoint& p : rim) glVertex2f(p.x, p.y);
    glEnd();
  }
}

// What the ribbon's first glows, drawn from inside its update, need.
struct GlowPassContext {
  const RendererState* state;
  const FrameLight* light;
};

void glowPass(const KnotRibbon& ribbon, void* context) {
  const auto* glow = static_cast<const GlowPassContext*>(context);
  drawGlows(ribbon, *glow->state, *glow->light);
}

// A strip is opened only once a point of it is drawn, so a run of skipped
// points ends one strip rather than leaving empty ones behind: Mesa loses
// whole pieces of the band drawn after runs of empty strips.
void drawBandHalf(const KnotRibbon& ribbon, int side, const FrameLight& light) {
  bool stripOpen = false;
  for (int i = 0; i < KnotRibbon::kPointCount; ++i) {
    if (!bandVertexEmitted(ribbon, i)) {
      if (stripOpen) glEnd();
      stripOpen = false;
      continue;
    }
    if (!stripOpen) glBegin(GL_QUAD_STRIP);
    stripOpen = true;
    const RibbonPoint& p = ribbon.points[i];
    const BandVertex edge = bandEdge(p, side);
    glColor4f(litChannel(p.r, light), litChannel(p.g, light),
              litChannel(p.b, light), 1.0f);
    glVertex2f(p.sx, p.sy);
    glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
    glVertex2f(edge.x, edge.y);
  }
  if (stripOpen) glEnd();
}

}  // namespace

void stepScene(Scene& scene, double elapsedSeconds, float frameDelta,
               const FrameLight& light) {
  if (scene.starPool != nullptr) {
    advanceStars(scene.starPool, scene.state.starCount, frameDelta);
  }
  GlowPassContext glow = {&scene.state, &light};
  scene.ribbon.update(elapsedSeconds, scene.state.speed, glowPass, &glow);
}

void drawFade(const RendererState& state, double alpha) {
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glColor4d(0.0, 0.0, 0.0, alpha);
  glRectd(-1.0, -1.0, state.screenWidth + 1.0, state.screenHeight + 1.0);
  // Additive for everything after, including the next frame's first glows.
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
}

void drawScene(Scene& scene, double elapsedSeconds, const FrameLight& light) {
  drawFade(scene.state, light.fadeAlpha);
  if (scene.starPool != nullptr) {
    for (int i = 0; i < scene.state.starCount; ++i) {
      drawStar(scene.starPool[i], scene, elapsedSeconds, light);
    }
  }
  drawRibbon(scene.ribbon, scene.state, light);
}

void drawStar(StarParticle& star, Scene& scene, double elapsedSeconds,
              const FrameLight& light) {
  const RendererState& state = scene.state;
  float sx = 0.0f, sy = 0.0f;
  if (!starVisible(star, state.screenWidth, state.screenHeight, sx, sy)) {
    star.respawn(scene.random);
    return;
  }
  const StarBlob blob = starBlob(star, sx, sy, state.screenWidth,
                                 state.screenHeight, elapsedSeconds,
                                 state.speed);
  drawDisc(starDiscPlacement(blob), blob.r, blob.g, blob.b, light);
}

void drawRibbon(KnotRibbon& ribbon, const RendererState& state,
                const FrameLight& light) {
  computeBandGeometry(ribbon, state.screenWidth, state.screenHeight);
  // Two halves, bright along the centre line and black at either edge.
  for (int pass = 0; pass < light.passes; ++pass) {
    drawBandHalf(ribbon, -1, light);
    drawBandHalf(ribbon, +1, light);
  }
  drawGlows(ribbon, state, light);
}

void drawGlows(const KnotRibbon& ribbon, const RendererState& state,
               const FrameLight& light) {
  GlowDisc glows[kGlowQuadrants];
  computeGlows(ribbon, state.screenWidth, state.screenHeight, glows);
  for (const GlowDisc& glow : glows) {
    if (glow.lit) {
      drawDisc(glowDiscPlacement(glow), glow.r, glow.g, glow.b, light);
    }
  }
}

}  // namespace vantrel
