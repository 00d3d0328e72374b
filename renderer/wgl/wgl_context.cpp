#include "renderer/wgl/wgl_context.h"

namespace vantrel {

const PIXELFORMATDESCRIPTOR kPixelFormatRequest = {
    40,  // nSize
    1,   // nVersion
    PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER,  // 0x25
    PFD_TYPE_RGBA,
    24,                    // cColorBits
    0, 0, 0, 0, 0, 0,      // colour bits and shifts
    0, 0,                  // alpha bits and shift
    0, 0, 0, 0, 0,         // accumulation
    0,                     // cDepthBits
    0,                     // cStencilBits
    0,                     // cAuxBuffers
    PFD_MAIN_PLANE,
    0,                     // bReserved
    0, 0, 0};              // layer, visible and damage masks

int setPixelFormatOn(HDC dc) {
  if (dc == nullptr) return 0;
  const int format = ChoosePixelFormat(dc, &kPixelFormatRequest);
  if (format == 0) return 0;
  if (!SetPixelFormat(dc, format, &kPixelFormatRequest)) return 0;
  return 1;
}

HGLRC createCurrentContext(HDC dc) {
  HGLRC context = wglCreateContext(dc);
  if (context == nullptr) return nullptr;
  if (!wglMakeCurrent(dc, context)) {
    wglDeleteContext(context);
    return nullptr;
  }
  return context;
}

void* wglProcLookup(const char* name) {
  PROC proc = wglGetProcAddress(name);
  // NOTE: some drivers return small integers instead of nullptr for
  // functions they lack.
  const auto value = reinterpret_cast<INT_PTR>(proc);
  if (value >= -1 && value <= 3) return nullptr;
  return reinterpret_cast<void*>(proc);
}

bool requestSwapInterval(int interval, GlProcLookup lookup) {
  using SwapInterval = BOOL(WINAPI*)(int);
  const auto swapInterval =
      reinterpret_cast<SwapInterval>(lookup("wglSwapIntervalEXT"));
  if (swapInterval == nullptr) return false;
  return swapInterval(interval) != FALSE;
}

}  // namespace vantrel
