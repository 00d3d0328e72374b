#pragma once
// The OpenGL entry points beyond 1.1 that the trail keeper uses, looked up
// once per context, and what the driver offers. Needs a current context.
#include "renderer/gl/gl_api.h"

namespace vantrel {

// Enumerants beyond the 1.1 headers.
constexpr GLenum kGlFramebuffer = 0x8D40;
constexpr GLenum kGlColorAttachment0 = 0x8CE0;
constexpr GLenum kGlFramebufferComplete = 0x8CD5;
constexpr GLenum kGlRgba16f = 0x881A;
constexpr GLenum kGlBgra = 0x80E1;
constexpr GLenum kGlClampVertexColor = 0x891A;
constexpr GLenum kGlFragmentShader = 0x8B30;
constexpr GLenum kGlCompileStatus = 0x8B81;
constexpr GLenum kGlLinkStatus = 0x8B82;

using GlChar = char;

struct GlExtensions {
  // Framebuffer objects (GL_ARB_framebuffer_object, or GL_EXT_ names).
  void(APIENTRY* genFramebuffers)(GLsizei, GLuint*) = nullptr;
  void(APIENTRY* deleteFramebuffers)(GLsizei, const GLuint*) = nullptr;
  void(APIENTRY* bindFramebuffer)(GLenum, GLuint) = nullptr;
  void(APIENTRY* framebufferTexture2D)(GLenum, GLenum, GLenum, GLuint,
                                       GLint) = nullptr;
  GLenum(APIENTRY* checkFramebufferStatus)(GLenum) = nullptr;

  // GLSL programs (GL 2.0).
  GLuint(APIENTRY* createShader)(GLenum) = nullptr;
  void(APIENTRY* shaderSource)(GLuint, GLsizei, const GlChar* const*,
                               const GLint*) = nullptr;
  void(APIENTRY* compileShader)(GLuint) = nullptr;
  void(APIENTRY* getShaderiv)(GLuint, GLenum, GLint*) = nullptr;
  void(APIENTRY* deleteShader)(GLuint) = nullptr;
  GLuint(APIENTRY* createProgram)() = nullptr;
  void(APIENTRY* attachShader)(GLuint, GLuint) = nullptr;
  void(APIENTRY* linkProgram)(GLuint) = nullptr;
  void(APIENTRY* getProgramiv)(GLuint, GLenum, GLint*) = nullptr;
  void(APIENTRY* useProgram)(GLuint) = nullptr;
  void(APIENTRY* deleteProgram)(GLuint) = nullptr;
  GLint(APIENTRY* getUniformLocation)(GLuint, const GlChar*) = nullptr;
  void(APIENTRY* uniform1i)(GLint, GLint) = nullptr;
  void(APIENTRY* uniform1f)(GLint, GLfloat) = nullptr;

  // Vertex colour clamping (GL 3.0, GL_ARB_color_buffer_float).
  void(APIENTRY* clampColor)(GLenum, GLenum) = nullptr;

  bool framebuffers = false;   // all five framebuffer entry points found
  bool shaders = false;        // all the GLSL entry points found
  bool floatTextures = false;  // 16-bit float colour textures
  bool nonPowerOfTwo = false;  // textures of any size
  bool bgra = false;           // GL_BGRA pixel data (GL 1.2, GL_EXT_bgra)
};

// The side of a texture that holds `side` pixels: itself where the driver
// takes any size, else the next power of two.
int textureSide(const GlExtensions& gl, int side);

// True when the space-separated extension list holds exactly `name`.
bool extensionListed(const char* list, const char* name);

// Reads the driver's version and extensions and looks up the entry points.
GlExtensions loadGlExtensions(GlProcLookup lookup);

}  // namespace vantrel
