#include "renderer/wayland/egl_context.h"

#include <EGL/eglext.h>

namespace vantrel {

namespace {

EGLDisplay waylandEglDisplay(wl_display* display) {
  return eglGetPlatformDisplay(EGL_PLATFORM_WAYLAND_KHR, display, nullptr);
}

bool chooseConfig(EglContext& egl) {
  // NOTE: with alpha, although the picture must be opaque: llvmpipe draws
  // about twice as fast into BGRA as into BGRX. The picture's alpha is kept
  // at 1 (wayland_picture.cpp), so no compositor blends anything beneath.
  const EGLint attributes[] = {
      EGL_SURFACE_TYPE, EGL_WINDOW_BIT, EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT,
      EGL_RED_SIZE, 8, EGL_GREEN_SIZE, 8, EGL_BLUE_SIZE, 8, EGL_ALPHA_SIZE, 8,
      EGL_NONE};
  EGLint count = 0;
  return eglChooseConfig(egl.display, attributes, &egl.config, 1, &count) &&
         count == 1;
}

bool createContext(EglContext& egl) {
  const EGLint attributes[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK,
                               EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT,
                               EGL_NONE};
  egl.context =
      eglCreateContext(egl.display, egl.config, EGL_NO_CONTEXT, attributes);
  return egl.context != EGL_NO_CONTEXT;
}

}  // namespace

std::string startEgl(wl_display* display, EglContext& egl) {
  egl.display = waylandEglDisplay(display);
  if (egl.display == EGL_NO_DISPLAY ||
      !eglInitialize(egl.display, nullptr, nullptr)) {
    egl.display = EGL_NO_DISPLAY;
    return "EGL cannot use the Wayland display";
  }
  if (!eglBindAPI(EGL_OPENGL_API)) return "EGL offers no desktop OpenGL";
  if (!chooseConfig(egl)) {
    return "EGL has no 8-bit RGBA window config for OpenGL";
  }
  if (!createContext(egl)) return "EGL cannot make an OpenGL context";
  return "";
}

EGLSurface createEglSurface(const EglContext& egl, wl_egl_window* window) {
  return eglCreatePlatformWindowSurface(egl.display, egl.config, window,
                                        nullptr);
}

bool makeEglCurrent(const EglContext& egl, EGLSurface surface) {
  return eglMakeCurrent(egl.display, surface, surface, egl.context) == EGL_TRUE;
}

void* eglProcLookup(const char* name) {
  return reinterpret_cast<void*>(eglGetProcAddress(name));
}

void stopEgl(EglContext& egl) {
  if (egl.display == EGL_NO_DISPLAY) return;
  eglMakeCurrent(egl.display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
  if (egl.context != EGL_NO_CONTEXT)
    eglDestroyContext(egl.display, egl.context);
  egl.context = EGL_NO_CONTEXT;
  // NOTE: no eglTerminate: it unloads Mesa's driver, whose own allocations
  // then count as leaks of an unknown module that no sanitizer suppression
  // can name; the process's end releases the display anyway.
  egl.display = EGL_NO_DISPLAY;
}

}  // namespace vantrel
