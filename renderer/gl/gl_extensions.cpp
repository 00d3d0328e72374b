#include "renderer/gl/gl_extensions.h"

#include <cstdio>
#include <cstring>

namespace vantrel {

namespace {

// The major version from a GL_VERSION string ("4.5 (Compatibility ...").
int majorVersion() {
  const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
  if (version == nullptr || version[0] < '0' || version[0] > '9') return 1;
  return version[0] - '0';
}

bool hasExtension(const char* name) {
  return extensionListed(
      reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS)), name);
}

template <typename Function>
void lookUp(Function& target, GlProcLookup lookup, const char* name,
            const char* suffix) {
  char full[64];
  std::snprintf(full, sizeof(full), "%s%s", name, suffix);
  target = reinterpret_cast<Function>(lookup(full));
}

void loadFramebuffers(GlExtensions& gl, GlProcLookup lookup) {
  const char* suffix = nullptr;
  if (hasExtension("GL_ARB_framebuffer_object") || majorVersion() >= 3) {
    suffix = "";
  } else if (hasExtension("GL_EXT_framebuffer_object")) {
    suffix = "EXT";
  } else {
    return;
  }
  lookUp(gl.genFramebuffers, lookup, "glGenFramebuffers", suffix);
  lookUp(gl.deleteFramebuffers, lookup, "glDeleteFramebuffers", suffix);
  lookUp(gl.bindFramebuffer, lookup, "glBindFramebuffer", suffix);
  lookUp(gl.framebufferTexture2D, lookup, "glFramebufferTexture2D", suffix);
  lookUp(gl.checkFramebufferStatus, lookup, "glCheckFramebufferStatus", suffix);
  gl.framebuffers = gl.genFramebuffers && gl.deleteFramebuffers &&
                    gl.bindFramebuffer && gl.framebufferTexture2D &&
                    gl.checkFramebufferStatus;
}

void loadShaders(GlExtensions& gl, GlProcLookup lookup) {
  if (majorVersion() < 2) return;
  lookUp(gl.createShader, lookup, "glCreateShader", "");
  lookUp(gl.shaderSource, lookup, "glShaderSource", "");
  lookUp(gl.compileShader, lookup, "glCompileShader", "");
  lookUp(gl.getShaderiv, lookup, "glGetShaderiv", "");
  lookUp(gl.deleteShader, lookup, "glDeleteShader", "");
  lookUp(gl.createProgram, lookup, "glCreateProgram", "");
  lookUp(gl.attachShader, lookup, "glAttachShader", "");
  lookUp(gl.linkProgram, lookup, "glLinkProgram", "");
  lookUp(gl.getProgramiv, lookup, "glGetProgramiv", "");
  lookUp(gl.useProgram, lookup, "glUseProgram", "");
  lookUp(gl.deleteProgram, lookup, "glDeleteProgram", "");
  lookUp(gl.getUniformLocation, lookup, "glGetUniformLocation", "");
  lookUp(gl.uniform1i, lookup, "glUniform1i", "");
  lookUp(gl.uniform1f, lookup, "glUniform1f", "");
  gl.shaders = gl.createShader && gl.shaderSource && gl.compileShader &&
               gl.getShaderiv && gl.deleteShader && gl.createProgram &&
               gl.attachShader && gl.linkProgram && gl.getProgramiv &&
               gl.useProgram && gl.deleteProgram && gl.getUniformLocation &&
               gl.uniform1i && gl.uniform1f;
}

}  // namespace

int textureSide(const GlExtensions& gl, int side) {
  if (gl.nonPowerOfTwo) return side;
  int result = 1;
  while (result < side && result < (1 << 30)) result <<= 1;
  return result;
}

bool extensionListed(const char* list, const char* name) {
  if (list == nullptr || name == nullptr || name[0] == '\0') return false;
  const std::size_t length = std::strlen(name);
  for (const char* p = std::strstr(list, name); p != nullptr;
       p = std::strstr(p + 1, name)) {
    const bool startOk = p == list || p[-1] == ' ';
    const bool endOk = p[length] == ' ' || p[length] == '\0';
    if (startOk && endOk) return true;
  }
  return false;
}

GlExtensions loadGlExtensions(GlProcLookup lookup) {
  GlExtensions gl;
  const int major = majorVersion();
  gl.nonPowerOfTwo =
      major >= 2 || hasExtension("GL_ARB_texture_non_power_of_two");
  gl.floatTextures = major >= 3 || hasExtension("GL_ARB_texture_float");
  gl.bgra = major >= 2 || hasExtension("GL_EXT_bgra");
  if (lookup == nullptr) return gl;
  loadFramebuffers(gl, lookup);
  loadShaders(gl, lookup);
  // NOTE: Mesa's lookup answers for any name, so the version or extension
  // decides, not the pointer.
  if (major >= 3) {
    lookUp(gl.clampColor, lookup, "glClampColor", "");
  } else if (hasExtension("GL_ARB_color_buffer_float")) {
    lookUp(gl.clampColor, lookup, "glClampColor", "ARB");
  }
  return gl;
}

}  // namespace vantrel
