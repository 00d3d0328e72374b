#pragma once
// The WGL side of the renderer: pixel format, context, entry-point look-up
// and swap pacing. Platform header.
#include <windows.h>

#include "renderer/gl/gl_api.h"

namespace vantrel {

// The pixel format the renderer asks for: RGBA, 24 colour bits, double
// buffered, no depth, stencil or auxiliary buffers.
extern const PIXELFORMATDESCRIPTOR kPixelFormatRequest;

// Chooses and sets kPixelFormatRequest on dc. Returns 1 or 0.
int setPixelFormatOn(HDC dc);

// Creates a context on dc and makes it current; nullptr on failure.
HGLRC createCurrentContext(HDC dc);

// wglGetProcAddress for the shared GL code; nullptr when the driver lacks
// the entry point.
void* wglProcLookup(const char* name);

// Asks for buffer swaps paced to the display (WGL_EXT_swap_control) on the
// current context. False, and nothing changed, where the driver lacks it.
bool requestSwapInterval(int interval, GlProcLookup lookup = wglProcLookup);

}  // namespace vantrel
