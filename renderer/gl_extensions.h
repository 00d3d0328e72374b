#pragma once
// The OpenGL entry points beyond 1.1 that the trail keeper uses, looked up
// once per context, and what the driver offers. Needs a current context.
#include "renderer/gl_api.h"

namespace vantrel {

// Enumerants beyond the 1.1 headers.
constexpr GLenum kGlFramebuffer = 0x8D40;
constexpr GLenum kGlColorAttachment0 = 0x8CE0;
constexpr GLenum kGlFramebufferComplete = 0x8CD5;
constexpr GLenum kGlRgba16f = 0x881A;
constexpr GLenum kGlHalfFloat = 0x140B;
constexpr GLenum kGlFuncAdd = 0x8006;
constexpr GLenum kGlFuncReverseSubtract = 0x800B;
constexpr GLenum kGlBgra = 0x80E1;

struct GlExtensions {
  // Framebuffer objects (GL_ARB_framebuffer_object, or GL_EXT_ names).
  void(APIENTRY* genFramebuffers)(GLsizei, GLuint*) = nullptr;
  void(APIENTRY* deleteFramebuffers)(GLsizei, const GLuint*) = nullptr;
  void(APIENTRY* bindFramebuffer)(GLenum, GLuint) = nullptr;
  void(APIENTRY* framebufferTexture2D)(GLenum, GLenum, GLenum, GLuint,
                                       GLint) = nullptr;
  GLenum(APIENTRY* checkFramebufferStatus)(GLenum) = nullptr;
  // glBlendEquation (GL 1.4, or GL_EXT_blend_subtract).
  void(APIENTRY* blendEquation)(GLenum) = nullptr;

  bool framebuffers = false;   // all five framebuffer entry points found
  bool floatTextures = false;  // 16-bit float colour textures
  bool nonPowerOfTwo = false;  // textures of any size
  bool bgra = false;           // GL_BGRA pixel data (GL 1.2, GL_EXT_bgra)
};

// True when the space-separated extension list holds exactly `name`.
bool extensionListed(const char* list, const char* name);

// Reads the driver's version and extensions and looks up the entry points.
GlExtensions loadGlExtensions(GlProcLookup lookup);

}  // namespace vantrel
