#include "renderer/gl_trails.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstring>

namespace vantrel {

namespace {

// Framebuffer objects (GL_ARB_framebuffer_object, or the same entry points
// with an EXT suffix), fetched at run time: opengl32 exports GL 1.1 only.
constexpr GLenum kFramebuffer = 0x8D40;
constexpr GLenum kColorAttachment0 = 0x8CE0;
constexpr GLenum kFramebufferComplete = 0x8CD5;

using GenFramebuffers = void(APIENTRY*)(GLsizei, GLuint*);
using DeleteFramebuffers = void(APIENTRY*)(GLsizei, const GLuint*);
using BindFramebuffer = void(APIENTRY*)(GLenum, GLuint);
using FramebufferTexture2D = void(APIENTRY*)(GLenum, GLenum, GLenum, GLuint,
                                             GLint);
using CheckFramebufferStatus = GLenum(APIENTRY*)(GLenum);

struct FramebufferApi {
  GenFramebuffers gen = nullptr;
  DeleteFramebuffers del = nullptr;
  BindFramebuffer bind = nullptr;
  FramebufferTexture2D texture2D = nullptr;
  CheckFramebufferStatus check = nullptr;
};
FramebufferApi fbo;

bool hasExtension(const char* name) {
  const char* all = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
  if (all == nullptr) return false;
  const std::size_t length = std::strlen(name);
  for (const char* p = std::strstr(all, name); p != nullptr;
       p = std::strstr(p + 1, name)) {
    const bool startOk = p == all || p[-1] == ' ';
    const bool endOk = p[length] == ' ' || p[length] == '\0';
    if (startOk && endOk) return true;
  }
  return false;
}

PROC lookUp(const char* name, const char* suffix) {
  char full[64];
  std::snprintf(full, sizeof(full), "%s%s", name, suffix);
  PROC proc = wglGetProcAddress(full);
  // NOTE: some drivers return small integers instead of nullptr for
  // functions they lack.
  const auto value = reinterpret_cast<INT_PTR>(proc);
  if (value >= -1 && value <= 3) return nullptr;
  return proc;
}

bool loadFramebufferApi() {
  const char* suffix = nullptr;
  if (hasExtension("GL_ARB_framebuffer_object")) {
    suffix = "";
  } else if (hasExtension("GL_EXT_framebuffer_object")) {
    suffix = "EXT";
  } else {
    return false;
  }
  fbo.gen = reinterpret_cast<GenFramebuffers>(
      reinterpret_cast<void*>(lookUp("glGenFramebuffers", suffix)));
  fbo.del = reinterpret_cast<DeleteFramebuffers>(
      reinterpret_cast<void*>(lookUp("glDeleteFramebuffers", suffix)));
  fbo.bind = reinterpret_cast<BindFramebuffer>(
      reinterpret_cast<void*>(lookUp("glBindFramebuffer", suffix)));
  fbo.texture2D = reinterpret_cast<FramebufferTexture2D>(
      reinterpret_cast<void*>(lookUp("glFramebufferTexture2D", suffix)));
  fbo.check = reinterpret_cast<CheckFramebufferStatus>(
      reinterpret_cast<void*>(lookUp("glCheckFramebufferStatus", suffix)));
  return fbo.gen && fbo.del && fbo.bind && fbo.texture2D && fbo.check;
}

int roundUpToPowerOfTwo(int value) {
  int result = 1;
  while (result < value && result < (1 << 30)) result <<= 1;
  return result;
}

}  // namespace

TrailMode TrailKeeper::start(int width, int height, bool preferFramebuffer) {
  release();
  started_ = true;
  preferFramebuffer_ = preferFramebuffer;
  mode_ = TrailMode::None;
  // A minimised window reports no area; the next size brings the picture back.
  if (width <= 0 || height <= 0) return mode_;
  const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
  nonPowerOfTwo_ = hasExtension("GL_ARB_texture_non_power_of_two") ||
                   (version != nullptr && version[0] >= '2' && version[0] <= '9');
  if (preferFramebuffer && loadFramebufferApi()) {
    mode_ = TrailMode::Framebuffer;
    if (allocate(width, height)) return mode_;
    release();
  }
  mode_ = TrailMode::CopyTexture;
  if (allocate(width, height)) return mode_;
  release();
  mode_ = TrailMode::None;
  return mode_;
}

bool TrailKeeper::allocate(int width, int height) {
  width_ = width;
  height_ = height;
  textureWidth_ = nonPowerOfTwo_ ? width : roundUpToPowerOfTwo(width);
  textureHeight_ = nonPowerOfTwo_ ? height : roundUpToPowerOfTwo(height);
  while (glGetError() != GL_NO_ERROR) {
  }
  glGenTextures(1, &texture_);
  glBindTexture(GL_TEXTURE_2D, texture_);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, textureWidth_, textureHeight_, 0,
               GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
  glBindTexture(GL_TEXTURE_2D, 0);
  if (glGetError() != GL_NO_ERROR || texture_ == 0) return false;

  if (mode_ == TrailMode::Framebuffer) {
    fbo.gen(1, &framebuffer_);
    fbo.bind(kFramebuffer, framebuffer_);
    fbo.texture2D(kFramebuffer, kColorAttachment0, GL_TEXTURE_2D, texture_, 0);
    const bool complete = fbo.check(kFramebuffer) == kFramebufferComplete;
    fbo.bind(kFramebuffer, 0);
    if (!complete) return false;
  }
  clearKept();
  return true;
}

void TrailKeeper::clearKept() {
  if (mode_ == TrailMode::Framebuffer) {
    fbo.bind(kFramebuffer, framebuffer_);
    glClear(GL_COLOR_BUFFER_BIT);
    fbo.bind(kFramebuffer, 0);
  } else if (mode_ == TrailMode::CopyTexture && texture_ != 0) {
    // Black from a cleared buffer is cheaper than uploading zeros.
    std::vector<std::uint8_t> black(
        static_cast<std::size_t>(textureWidth_) * textureHeight_ * 4, 0);
    glBindTexture(GL_TEXTURE_2D, texture_);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, textureWidth_, textureHeight_,
                    GL_RGBA, GL_UNSIGNED_BYTE, black.data());
    glBindTexture(GL_TEXTURE_2D, 0);
  }
}

void TrailKeeper::resize(int width, int height) {
  if (started_) start(width, height, preferFramebuffer_);
}

void TrailKeeper::beginFrame() {
  if (mode_ == TrailMode::Framebuffer) {
    fbo.bind(kFramebuffer, framebuffer_);
  } else if (mode_ == TrailMode::CopyTexture) {
    drawKeptToBackBuffer();
  }
}

void TrailKeeper::drawKeptToBackBuffer() {
  // Setup: an unblended, textured quad over exactly the viewport; the pixel
  // projection maps -0.5 and width + 0.5 onto the viewport's edges, so each
  // pixel samples its own texel.
  glDisable(GL_BLEND);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, texture_);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
  const float u = static_cast<float>(width_) / textureWidth_;
  const float v = static_cast<float>(height_) / textureHeight_;
  const float right = width_ + 0.5f;
  const float top = height_ + 0.5f;
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
  // Restore: what the scene expects between draws.
  glBindTexture(GL_TEXTURE_2D, 0);
  glDisable(GL_TEXTURE_2D);
  glEnable(GL_BLEND);
}

void TrailKeeper::present(HDC dc) {
  if (mode_ == TrailMode::Framebuffer) {
    fbo.bind(kFramebuffer, 0);
    glDrawBuffer(GL_BACK);
    drawKeptToBackBuffer();
  } else if (mode_ == TrailMode::CopyTexture) {
    glReadBuffer(GL_BACK);
    glBindTexture(GL_TEXTURE_2D, texture_);
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, width_, height_);
    glBindTexture(GL_TEXTURE_2D, 0);
  }
  glFinish();
  glFlush();
  SwapBuffers(dc);
}

bool TrailKeeper::readPixels(int x, int y, int width, int height,
                             std::vector<std::uint8_t>& rgb) {
  rgb.assign(static_cast<std::size_t>(width) * height * 3, 0);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  if (mode_ == TrailMode::Framebuffer) {
    fbo.bind(kFramebuffer, framebuffer_);
    glReadPixels(x, y, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    fbo.bind(kFramebuffer, 0);
  } else if (mode_ == TrailMode::CopyTexture) {
    // The kept picture goes back into the back buffer, where it can be read.
    drawKeptToBackBuffer();
    glReadBuffer(GL_BACK);
    glReadPixels(x, y, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
  } else {
    glReadBuffer(GL_BACK);
    glReadPixels(x, y, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
  }
  return glGetError() == GL_NO_ERROR;
}

void TrailKeeper::release() {
  if (framebuffer_ != 0 && fbo.del != nullptr) {
    fbo.bind(kFramebuffer, 0);
    fbo.del(1, &framebuffer_);
  }
  framebuffer_ = 0;
  if (texture_ != 0) glDeleteTextures(1, &texture_);
  texture_ = 0;
}

}  // namespace vantrel
