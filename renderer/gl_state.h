#pragma once
// The fixed OpenGL state and the pixel projection the scene relies on. Needs
// a current context.

namespace vantrel {

// Depth, lighting and culling off, smooth shading, dithering, additive
// blending.
void applyFixedState();

// Viewport and a pixel projection from (-0.5, -0.5) to (width + 0.5,
// height + 0.5); leaves the model-view matrix current.
void applyPixelProjection(int width, int height);

}  // namespace vantrel
