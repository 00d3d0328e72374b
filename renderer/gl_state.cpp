#include "renderer/gl_state.h"

#include "renderer/gl_api.h"

namespace vantrel {

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
