#include "renderer/wgl_context.h"

#include <GL/gl.h>
#include <GL/glu.h>

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

void applyFixedState() {
  glDisable(GL_DEPTH_TEST);
  glShadeModel(GL_SMOOTH);
  glEnable(GL_DITHER);
  glDisable(GL_LIGHTING);
  glDisable(GL_CULL_FACE);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  glEnable(GL_BLEND);
}

void applyPixelProjection(int width, int height) {
  glViewport(0, 0, width, height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluOrtho2D(-0.5, width + 0.5, -0.5, height + 0.5);
  glMatrixMode(GL_MODELVIEW);
}

}  // namespace vantrel
