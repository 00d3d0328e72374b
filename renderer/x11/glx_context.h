#pragma once
// The GLX side of the Linux hack: the visual, the context, the swap interval
// and entry points beyond OpenGL 1.1. Platform header.
#include <GL/glx.h>

#include "renderer/gl/gl_api.h"

namespace vantrel {

// A double-buffered RGBA visual with 8 bits a channel on `screen`; nullptr
// when GLX offers none. The caller frees it with XFree.
XVisualInfo* chooseGlVisual(Display* display, int screen);

// A context on `visual`, current on `window`; nullptr on failure.
GLXContext createCurrentContext(Display* display, Window window,
                                XVisualInfo* visual);

// Asks for `interval` vertical blanks a swap through GLX_EXT_swap_control
// or GLX_MESA_swap_control; false when neither is offered or it is refused.
bool requestSwapInterval(Display* display, Window window, int interval);
// The same through the GLX extensions `offered` lists and the entry points
// `lookup` finds; requestSwapInterval's body.
bool requestSwapIntervalThrough(const char* offered, GlProcLookup lookup,
                                Display* display, Window window, int interval);

// glXGetProcAddress as a GlProcLookup.
void* glxProcLookup(const char* name);

// Leaves no context current and deletes `context` with its GL objects.
void destroyContext(Display* display, GLXContext context);

}  // namespace vantrel
