#pragma once
// The fixed OpenGL state and the pixel projection the scene relies on, and
// the picture textures drawn over it. Needs a current context.
#include "renderer/gl/gl_api.h"

namespace vantrel {

// Depth, lighting and culling off, smooth shading, dithering, additive
// blending.
void applyFixedState();

// Viewport and a pixel projection from (-0.5, -0.5) to (width + 0.5,
// height + 0.5); leaves the model-view matrix current.
void applyPixelProjection(int width, int height);

// A new texture of textureWidth x textureHeight, undefined content, sampled
// nearest and clamped, for a picture of the window's pixels; unbound after.
GLuint newPictureTexture(GLint internalFormat, GLenum dataOrder,
                         int textureWidth, int textureHeight);

// A quad over exactly the viewport of width x height in the pixel
// projection, whose pixels each take their own texel of the bound texture
// (textureWidth x textureHeight, the picture at its lower left). Changes no
// state.
void drawTextureOverViewport(int width, int height, int textureWidth,
                             int textureHeight);

}  // namespace vantrel
