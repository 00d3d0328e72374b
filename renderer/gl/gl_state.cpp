#include "renderer/gl/gl_state.h"

#include "renderer/gl/gl_api.h"

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

bool allowBrightColours(GlProcLookup lookup) {
  const GlExtensions gl = loadGlExtensions(lookup);
  if (gl.clampColor == nullptr) return false;
  while (glGetError() != GL_NO_ERROR) {
  }
  gl.clampColor(kGlClampVertexColor, GL_FALSE);
  return glGetError() == GL_NO_ERROR;
}

void applyPixelProjection(int width, int height) {
  glViewport(0, 0, width, height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluOrtho2D(-0.5, width + 0.5, -0.5, height + 0.5);
  glMatrixMode(GL_MODELVIEW);
}

GLuint newPictureTexture(GLint internalFormat, GLenum dataOrder,
                         int textureWidth, int textureHeight) {
  GLuint texture = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
  glTexImage2D(GL_TEXTURE_2D, 0, internalFormat, textureWidth, textureHeight, 0,
               dataOrder, GL_UNSIGNED_BYTE, nullptr);
  glBindTexture(GL_TEXTURE_2D, 0);
  return texture;
}

void drawTextureOverViewport(int width, int height, int textureWidth,
                             int textureHeight) {
  // The pixel projection maps -0.5 and width + 0.5 onto the viewport's
  // edges.
  const float u = static_cast<float>(width) / textureWidth;
  const float v = static_cast<float>(height) / textureHeight;
  const float right = width + 0.5f;
  const float top = height + 0.5f;
  glBegin(GL_QUADS);
  glTexCoord2f(0.0f, 0.0f);
  glVertex2f(-0.5f, -0.5f);
  glTexCoord2f(u, 0.0f);
  glVertex2f(right, -0.5f);
  glTexCoord2f(u, v);
  glVertex2f(right, top);
  glTexCoord2f(0.0f, v);
  glVertex2f(-0.5f, top);
  glEnd();
}

}  // namespace vantrel
