#pragma once
// The WGL side of the renderer: pixel format, context and the fixed GL state
// the scene relies on. Platform header.
#include <windows.h>

namespace vantrel {

// The pixel format the renderer asks for: RGBA, 24 colour bits, double
// buffered, no depth, stencil or auxiliary buffers.
extern const PIXELFORMATDESCRIPTOR kPixelFormatRequest;

// Chooses and sets kPixelFormatRequest on dc. Returns 1 or 0.
int setPixelFormatOn(HDC dc);

// Creates a context on dc and makes it current; nullptr on failure.
HGLRC createCurrentContext(HDC dc);

// Depth, lighting and culling off, smooth shading, dithering, additive
// blending.
void applyFixedState();

// Viewport and a pixel projection from (-0.5, -0.5) to (width + 0.5,
// height + 0.5); leaves the model-view matrix current.
void applyPixelProjection(int width, int height);

}  // namespace vantrel
