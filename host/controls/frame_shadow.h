#pragma once
// The frame's drawing plan: background, shadow rings and panel as boxes with
// pen and fill colours, in drawing order. Pure; the Windows side draws it.
#include <vector>

#include "host/controls/colour.h"
#include "host/controls/frame_properties.h"

namespace vantrel::controls {

// Box in pixels, right and bottom exclusive.
struct Box {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const Box& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};

struct FrameShape {
  Box box;
  Colour pen = 0;
  bool filled = false;
  Colour fill = 0;
};

struct FramePlan {
  Colour background = 0;
  bool rounded = false;
  int cornerDepth = 0;     // ellipse width and height of rounded shapes
  std::vector<FrameShape> shapes;  // rings first (i = 0 .. d), then the panel
  bool smoothCorners = false;      // run SmoothShadowCorners before the panel
  int shadowDepth = 0;             // depth the rings were drawn with
};

// Depth used for drawing: a stored depth below 1 draws as 1, so the ring
// colour never divides by zero.
int DrawingShadowDepth(int shadowDepth);

// S = BlendColour(black, bg, 100, 100 - opacity).
Colour ShadowColour(Colour background, int shadowOpacity);

// Colours of rings i = 0 .. depth (innermost first).
std::vector<Colour> RingColours(Colour background, int shadowOpacity, int shadowDepth);

// bg: BackColour when BackColourIs is non-zero, else the container's colour.
Colour FrameBackground(const FrameProperties& p, Colour containerBackColor);

FramePlan PlanFrame(const FrameProperties& p, Colour containerBackColor, int width, int height);

}  // namespace vantrel::controls
