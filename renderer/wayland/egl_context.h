#pragma once
// One EGL context with desktop OpenGL (a compatibility profile, so the
// shared GL 1.1 drawing runs unchanged) for every output's surface.
// Platform header.
#include <EGL/egl.h>
#include <wayland-client.h>
#include <wayland-egl.h>

#include <string>

namespace vantrel {

struct EglContext {
  EGLDisplay display = EGL_NO_DISPLAY;
  EGLConfig config = nullptr;
  EGLContext context = EGL_NO_CONTEXT;
};

// Display, an opaque 8-bit RGB window config and the context. Returns the
// error line, empty on success.
std::string startEgl(wl_display* display, EglContext& egl);
// A window surface over `window`; EGL_NO_SURFACE when it cannot be had.
EGLSurface createEglSurface(const EglContext& egl, wl_egl_window* window);
// Makes the context current on `surface` (EGL_NO_SURFACE: on none).
bool makeEglCurrent(const EglContext& egl, EGLSurface surface);
// Looks up GL entry points beyond 1.1.
void* eglProcLookup(const char* name);
// Context and display released; surfaces must be destroyed before.
void stopEgl(EglContext& egl);

}  // namespace vantrel
