#pragma once
// The fixed OpenGL state and the pixel projection the scene relies on, and
// the picture textures drawn over it. Needs a current context.
#include "renderer/gl/gl_api.h"
#include "renderer/gl/gl_extensions.h"

namespace vantrel {

// Depth, lighting and culling off, smooth shading, dithering, additive
// blending.
void applyFixedState();

// Lets vertex colours above 1 through, where the driver can, so a frame
// longer than a 60th adds its light in one draw; false where colours stay
// clamped. Fragments are still clamped before blending into an 8- or 16-bit
// picture, which loses nothing: such a fragment saturates the sum anyway.
bool allowBrightColours(GlProcLookup lookup);

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
