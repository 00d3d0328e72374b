#include "renderer/x11/glx_context.h"

#include "renderer/gl/gl_extensions.h"

namespace vantrel {

XVisualInfo* chooseGlVisual(Display* display, int screen) {
  int attributes[] = {GLX_RGBA,       GLX_DOUBLEBUFFER,
                      GLX_RED_SIZE,   8,
                      GLX_GREEN_SIZE, 8,
                      GLX_BLUE_SIZE,  8,
                      None};
  return glXChooseVisual(display, screen, attributes);
}

GLXContext createCurrentContext(Display* display, Window window,
                                XVisualInfo* visual) {
  GLXContext context = glXCreateContext(display, visual, nullptr, True);
  if (context == nullptr) return nullptr;
  if (!glXMakeCurrent(display, window, context)) {
    glXDestroyContext(display, context);
    return nullptr;
  }
  return context;
}

bool requestSwapInterval(Display* display, Window window, int interval) {
  return requestSwapIntervalThrough(
      glXQueryExtensionsString(display, DefaultScreen(display)), glxProcLookup,
      display, window, interval);
}

bool requestSwapIntervalThrough(const char* offered, GlProcLookup lookup,
                                Display* display, Window window, int interval) {
  using SwapIntervalExt = void (*)(Display*, GLXDrawable, int);
  using SwapIntervalMesa = int (*)(unsigned);
  if (extensionListed(offered, "GLX_EXT_swap_control")) {
    const auto swapInterval =
        reinterpret_cast<SwapIntervalExt>(lookup("glXSwapIntervalEXT"));
    if (swapInterval != nullptr) {
      swapInterval(display, window, interval);
      return true;
    }
  }
  if (extensionListed(offered, "GLX_MESA_swap_control")) {
    const auto swapInterval =
        reinterpret_cast<SwapIntervalMesa>(lookup("glXSwapIntervalMESA"));
    if (swapInterval != nullptr) {
      return swapInterval(static_cast<unsigned>(interval)) == 0;
    }
  }
  return false;
}

void* glxProcLookup(const char* name) {
  return reinterpret_cast<void*>(
      glXGetProcAddress(reinterpret_cast<const GLubyte*>(name)));
}

void destroyContext(Display* display, GLXContext context) {
  glXMakeCurrent(display, None, nullptr);
  glXDestroyContext(display, context);
}

}  // namespace vantrel
