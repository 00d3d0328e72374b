#include "renderer/gl/gl_trails.h"

#include "renderer/gl/gl_state.h"

namespace vantrel {

namespace {

constexpr TrailPrecision kFinestFirst[] = {TrailPrecision::Normalised16,
                                           TrailPrecision::Float16,
                                           TrailPrecision::EightBit};

// The texture's internal format for a precision.
GLint internalFormat(TrailPrecision precision) {
  switch (precision) {
    case TrailPrecision::Float16:
      return static_cast<GLint>(kGlRgba16f);
    case TrailPrecision::Normalised16:
      return GL_RGBA16;
    case TrailPrecision::EightBit:
      break;
  }
  // NOTE: unsized, so the driver may store it in the order the data comes
  // in; Mesa then keeps it as the window's BGRA, which llvmpipe fades and
  // draws on its fast path, at a third of the cost of RGBA8.
  return GL_RGBA;
}

// Near-black marks, so the probe never shows: each is cleared into the back
// buffer, swapped and must read back unchanged.
constexpr GLubyte kProbeMarks[][3] = {{1, 2, 3}, {3, 1, 2}, {2, 3, 1}};

bool pixelIs(int x, int y, const GLubyte (&mark)[3]) {
  GLubyte rgb[3] = {0, 0, 0};
  glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
  return rgb[0] == mark[0] && rgb[1] == mark[1] && rgb[2] == mark[2];
}

}  // namespace

TrailMode TrailKeeper::start(int width, int height, GlProcLookup lookup,
                             TrailOptions options, BufferSwap swap) {
  release();
  started_ = true;
  options_ = options;
  lookup_ = lookup;
  swap_ = swap;
  mode_ = TrailMode::None;
  precision_ = TrailPrecision::EightBit;
  // A minimised window reports no area; the next size brings the picture back.
  if (width <= 0 || height <= 0) return mode_;
  width_ = width;
  height_ = height;
  gl_ = loadGlExtensions(lookup);
  if (options.floorEightBit) floor_.start(gl_, width, height);
  if (options.useKeptBackBuffer && swap.function != nullptr &&
      swapKeepsBackBuffer()) {
    mode_ = TrailMode::BackBuffer;
    return mode_;
  }
  if (options.preferFramebuffer && gl_.framebuffers) {
    mode_ = TrailMode::Framebuffer;
    for (TrailPrecision precision : kFinestFirst) {
      if (precision < options.finest) continue;
      if (precision == TrailPrecision::Float16 && !gl_.floatTextures) continue;
      precision_ = precision;
      if (allocate(width, height)) return mode_;
      deletePicture();
    }
    precision_ = TrailPrecision::EightBit;
  }
  mode_ = TrailMode::CopyTexture;
  if (allocate(width, height)) return mode_;
  release();
  return mode_;
}

bool TrailKeeper::swapKeepsBackBuffer() {
  // Setup: undithered clears of the whole back buffer, read back from it.
  glDisable(GL_DITHER);
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  const int xs[] = {0, width_ / 2, width_ - 1};
  const int ys[] = {0, height_ / 2, height_ - 1};
  bool kept = true;
  for (const auto& mark : kProbeMarks) {
    glClearColor(mark[0] / 255.0f, mark[1] / 255.0f, mark[2] / 255.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glFinish();
    swap_.function(swap_.context);
    for (int x : xs) {
      for (int y : ys) kept = kept && pixelIs(x, y, mark);
    }
    if (!kept) break;
  }
  // Restore: the clear colour that is never set, dithering, and both
  // buffers black again.
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glEnable(GL_DITHER);
  for (int i = 0; i < 2; ++i) {
    glClear(GL_COLOR_BUFFER_BIT);
    swap_.function(swap_.context);
  }
  return kept;
}

void TrailKeeper::readWatchedRow(std::vector<std::uint8_t>& rgb) const {
  rgb.resize(static_cast<std::size_t>(width_) * 3);
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, height_ / 2, width_, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
}

bool TrailKeeper::backBufferLost() {
  if (watchedRow_.empty()) return false;
  readWatchedRow(rowNow_);
  return rowNow_ != watchedRow_;
}

bool TrailKeeper::allocate(int width, int height) {
  width_ = width;
  height_ = height;
  textureWidth_ = textureSide(gl_, width);
  textureHeight_ = textureSide(gl_, height);
  const bool eightBit = precision_ == TrailPrecision::EightBit;
  const GLint format = internalFormat(precision_);
  const GLenum order = eightBit && gl_.bgra ? kGlBgra : GL_RGBA;
  while (glGetError() != GL_NO_ERROR) {
  }
  texture_ = newPictureTexture(format, order, textureWidth_, textureHeight_);
  if (glGetError() != GL_NO_ERROR || texture_ == 0) return false;
  if (mode_ == TrailMode::Framebuffer && !attachFramebuffer()) return false;
  clearKept();
  return true;
}

bool TrailKeeper::attachFramebuffer() {
  gl_.genFramebuffers(1, &framebuffer_);
  gl_.bindFramebuffer(kGlFramebuffer, framebuffer_);
  gl_.framebufferTexture2D(kGlFramebuffer, kGlColorAttachment0, GL_TEXTURE_2D,
                           texture_, 0);
  const bool complete =
      gl_.checkFramebufferStatus(kGlFramebuffer) == kGlFramebufferComplete;
  gl_.bindFramebuffer(kGlFramebuffer, 0);
  return complete;
}

void TrailKeeper::clearKept() {
  if (mode_ == TrailMode::Framebuffer) {
    gl_.bindFramebuffer(kGlFramebuffer, framebuffer_);
    glClear(GL_COLOR_BUFFER_BIT);
    gl_.bindFramebuffer(kGlFramebuffer, 0);
  } else if (mode_ == TrailMode::CopyTexture && texture_ != 0) {
    std::vector<std::uint8_t> black(
        static_cast<std::size_t>(textureWidth_) * textureHeight_ * 4, 0);
    glBindTexture(GL_TEXTURE_2D, texture_);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, textureWidth_, textureHeight_,
                    GL_RGBA, GL_UNSIGNED_BYTE, black.data());
    glBindTexture(GL_TEXTURE_2D, 0);
  }
}

void TrailKeeper::resize(int width, int height) {
  if (started_) start(width, height, lookup_, options_, swap_);
}

void TrailKeeper::beginFrame(double sixtieths) {
  if (mode_ == TrailMode::BackBuffer && backBufferLost()) {
    // The picture of this one frame is gone; the trails start again black.
    TrailOptions fallBack = options_;
    fallBack.useKeptBackBuffer = false;
    start(width_, height_, lookup_, fallBack, swap_);
  }
  if (mode_ == TrailMode::Framebuffer) {
    gl_.bindFramebuffer(kGlFramebuffer, framebuffer_);
  } else if (mode_ == TrailMode::CopyTexture) {
    drawKeptToBackBuffer();
  } else if (mode_ != TrailMode::BackBuffer) {
    return;
  }
  if (precision_ == TrailPrecision::EightBit && options_.floorEightBit) {
    floor_.countFrame(sixtieths);
  }
}

void TrailKeeper::drawKeptToBackBuffer() {
  // Setup: an unblended, textured quad over exactly the viewport, each
  // pixel from its own texel.
  glDisable(GL_BLEND);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, texture_);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
  drawTextureOverViewport(width_, height_, textureWidth_, textureHeight_);
  // Restore: what the scene expects between draws.
  glBindTexture(GL_TEXTURE_2D, 0);
  glDisable(GL_TEXTURE_2D);
  glEnable(GL_BLEND);
}

void TrailKeeper::present() {
  if (mode_ == TrailMode::Framebuffer) {
    gl_.bindFramebuffer(kGlFramebuffer, 0);
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
  if (mode_ == TrailMode::BackBuffer) readWatchedRow(watchedRow_);
}

bool TrailKeeper::readPixels(int x, int y, int width, int height,
                             std::vector<std::uint8_t>& rgb) {
  rgb.assign(static_cast<std::size_t>(width) * height * 3, 0);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  if (mode_ == TrailMode::Framebuffer) {
    gl_.bindFramebuffer(kGlFramebuffer, framebuffer_);
    glReadPixels(x, y, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    gl_.bindFramebuffer(kGlFramebuffer, 0);
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
  mode_ = TrailMode::None;
  floor_.release();
  watchedRow_.clear();
  deletePicture();
}

void TrailKeeper::deletePicture() {
  if (framebuffer_ != 0 && gl_.deleteFramebuffers != nullptr) {
    gl_.bindFramebuffer(kGlFramebuffer, 0);
    gl_.deleteFramebuffers(1, &framebuffer_);
  }
  framebuffer_ = 0;
  if (texture_ != 0) glDeleteTextures(1, &texture_);
  texture_ = 0;
}

}  // namespace vantrel
