#include "host/controls/frame_shadow.h"

namespace vantrel::controls {

int DrawingShadowDepth(int shadowDepth) { return shadowDepth < 1 ? 1 : shadowDepth; }

Colour ShadowColour(Colour background, int shadowOpacity) {
  return BlendColour(0, background, 100, 100 - shadowOpacity);
}

std::vector<Colour> RingColours(Colour background, int shadowOpacity, int shadowDepth) {
  const int d = DrawingShadowDepth(shadowDepth);
  const Colour s = ShadowColour(background, shadowOpacity);
  std::vector<Colour> rings;
  rings.reserve(static_cast<size_t>(d) + 1);
  for (int i = 0; i <= d; ++i) rings.push_back(BlendColour(s, background, d, i));
  return rings;
}

Colour FrameBackground(const FrameProperties& p, Colour containerBackColor) {
  return p.BackColourIs != 0 ? p.BackColour : containerBackColor;
}

FramePlan PlanFrame(const FrameProperties& p, Colour containerBackColor, int w, int h) {
  FramePlan plan;
  plan.background = FrameBackground(p, containerBackColor);
  if (p.FrameStyle != kFrameRounded && p.FrameStyle != kFramePlain) return plan;
  plan.rounded = p.FrameStyle == kFrameRounded;
  plan.cornerDepth = p.CornerDepth;
  if (!p.ShowShadow) {
    plan.shapes.push_back(FrameShape{Box{0, 0, w, h}, p.BorderColour, true, p.FillColour});
    return plan;
  }
  const int d = DrawingShadowDepth(p.ShadowDepth);
  plan.shadowDepth = d;
  const std::vector<Colour> rings = RingColours(plan.background, p.ShadowOpacity, d);
  for (int i = 0; i <= d; ++i) {
    const int in = d - i;
    plan.shapes.push_back(FrameShape{Box{2 * d - i, 2 * d - i, w - in, h - in}, rings[static_cast<size_t>(i)], false, 0});
  }
  plan.shapes.push_back(FrameShape{Box{0, 0, w - d, h - d}, p.BorderColour, true, p.FillColour});
  plan.smoothCorners = plan.rounded;
  return plan;
}

}  // namespace vantrel::controls
