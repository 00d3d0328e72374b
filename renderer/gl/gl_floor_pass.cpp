#include "renderer/gl/gl_floor_pass.h"

#include "renderer/scene/fade_floor.h"
#include "renderer/gl/gl_state.h"

namespace vantrel {

namespace {

// Reads each channel as a whole value of 255 and sets the frozen ones to 0.
const GlChar* const kFloorShader =
    "uniform sampler2D picture;\n"
    "uniform float highestFrozen;\n"
    "void main() {\n"
    "  vec4 texel = texture2D(picture, gl_TexCoord[0].st);\n"
    "  vec3 value = floor(texel.rgb * 255.0 + 0.5);\n"
    "  value *= step(vec3(highestFrozen + 0.5), value);\n"
    "  gl_FragColor = vec4(value / 255.0, texel.a);\n"
    "}\n";

}  // namespace

void FloorPass::start(const GlExtensions& gl, int width, int height) {
  release();
  gl_ = gl;
  width_ = width;
  height_ = height;
  sixtiethsSincePass_ = 0.0;
  highestFrozen_ = -1;
  if (gl_.shaders && !buildProgram()) release();
  lowerUpTo(highestFrozenEightBit());
}

void FloorPass::lowerUpTo(int highestFrozen) {
  if (highestFrozen == highestFrozen_) return;
  highestFrozen_ = highestFrozen;
  for (int v = 0; v < kFloorTableSize; ++v) {
    lowered_[v] = static_cast<std::uint8_t>(flooredEightBit(v, highestFrozen));
  }
  if (program_ == 0) return;
  gl_.useProgram(program_);
  gl_.uniform1f(gl_.getUniformLocation(program_, "highestFrozen"),
                static_cast<GLfloat>(highestFrozen));
  gl_.useProgram(0);
}

bool FloorPass::buildProgram() {
  while (glGetError() != GL_NO_ERROR) {
  }
  const GLuint shader = gl_.createShader(kGlFragmentShader);
  if (shader == 0) return false;
  gl_.shaderSource(shader, 1, &kFloorShader, nullptr);
  gl_.compileShader(shader);
  GLint compiled = GL_FALSE;
  gl_.getShaderiv(shader, kGlCompileStatus, &compiled);
  program_ = compiled == GL_TRUE ? gl_.createProgram() : 0;
  if (program_ != 0) {
    gl_.attachShader(program_, shader);
    gl_.linkProgram(program_);
  }
  // The program keeps the shader it was linked from.
  gl_.deleteShader(shader);
  GLint linked = GL_FALSE;
  if (program_ != 0) gl_.getProgramiv(program_, kGlLinkStatus, &linked);
  if (linked != GL_TRUE) return false;
  gl_.useProgram(program_);
  gl_.uniform1i(gl_.getUniformLocation(program_, "picture"), 0);
  gl_.useProgram(0);

  copyWidth_ = textureSide(gl_, width_);
  copyHeight_ = textureSide(gl_, height_);
  copy_ = newPictureTexture(GL_RGBA, gl_.bgra ? kGlBgra : GL_RGBA, copyWidth_,
                            copyHeight_);
  return copy_ != 0 && glGetError() == GL_NO_ERROR;
}

void FloorPass::countFrame(double sixtieths) {
  // Whole 60ths add up exactly: at 60 Hz, every 48th frame as always.
  sixtiethsSincePass_ += sixtieths;
  if (sixtiethsSincePass_ < kFloorInterval) return;
  sixtiethsSincePass_ -= kFloorInterval;
  if (sixtiethsSincePass_ >= kFloorInterval) sixtiethsSincePass_ = 0.0;
  apply(highestFrozenEightBit(sixtieths));
}

void FloorPass::apply(int highestFrozen) {
  if (width_ <= 0 || height_ <= 0) return;
  lowerUpTo(highestFrozen);
  if (program_ != 0) {
    applyProgram();
  } else {
    applyReadBack();
  }
}

void FloorPass::applyProgram() {
  // Setup: the picture copied out, then drawn back unblended through the
  // program over exactly the viewport, each pixel from its own texel.
  glBindTexture(GL_TEXTURE_2D, copy_);
  glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, width_, height_);
  glDisable(GL_BLEND);
  gl_.useProgram(program_);
  drawTextureOverViewport(width_, height_, copyWidth_, copyHeight_);
  // Restore: fixed function, no texture, blending on.
  gl_.useProgram(0);
  glBindTexture(GL_TEXTURE_2D, 0);
  glEnable(GL_BLEND);
}

void FloorPass::applyReadBack() {
  pixels_.resize(static_cast<std::size_t>(width_) * height_ * 4);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE,
               pixels_.data());
  for (std::size_t i = 0; i < pixels_.size(); i += 4) {
    pixels_[i] = lowered_[pixels_[i]];
    pixels_[i + 1] = lowered_[pixels_[i + 1]];
    pixels_[i + 2] = lowered_[pixels_[i + 2]];
  }
  // Setup: the lowered picture drawn back unblended from the lower left.
  glDisable(GL_BLEND);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glRasterPos2i(0, 0);
  glDrawPixels(width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, pixels_.data());
  // Restore: blending on.
  glEnable(GL_BLEND);
}

void FloorPass::release() {
  if (program_ != 0 && gl_.deleteProgram != nullptr) {
    gl_.deleteProgram(program_);
  }
  program_ = 0;
  if (copy_ != 0) glDeleteTextures(1, &copy_);
  copy_ = 0;
  pixels_.clear();
  pixels_.shrink_to_fit();
}

}  // namespace vantrel
