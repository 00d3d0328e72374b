#pragma once
// Keeps the previous picture across buffer swaps, so each frame can fade it
// and add new light. Needs a current context; shared by both platforms.
#include <cstdint>
#include <vector>

#include "renderer/gl_api.h"
#include "renderer/gl_extensions.h"

namespace vantrel {

enum class TrailMode {
  None,         // no kept image: trails depend on what the driver preserves
  Framebuffer,  // draw into an off-screen framebuffer, copy it to the window
  // Copies the back buffer into a texture before every swap.
  // NOTE: only pixels the window owns are copied; this path relies on the
  // full-screen window being unobscured, which the framebuffer path does not.
  CopyTexture,
};

// How finely the kept picture holds light, finest first.
enum class TrailPrecision {
  // 16-bit normalised channels: the fade stops at 6/65535, which shows as 0;
  // the cheaper of the two fine pictures on llvmpipe.
  Normalised16,
  // 16-bit float channels: fading by 11/12 a frame takes every channel to 0.
  Float16,
  // 8 bits a channel, where 11/12 of 6 or less rounds back to itself; every
  // few frames a pass takes one step off those values, so they reach 0.
  EightBit,
};

struct TrailOptions {
  bool preferFramebuffer = true;  // else copy the back buffer
  // The finest precision tried first on the framebuffer path; the keeper
  // falls back towards EightBit where the driver refuses one.
  TrailPrecision finest = TrailPrecision::Normalised16;
};

// NOTE: a double-buffered window's back buffer is undefined after a swap on
// many drivers (Wine reports an exchange, GLX on Xvfb does not keep it), so
// the picture the scene fades must be kept outside the window's buffers.
class TrailKeeper {
 public:
  TrailKeeper() = default;
  ~TrailKeeper() = default;
  TrailKeeper(const TrailKeeper&) = delete;
  TrailKeeper& operator=(const TrailKeeper&) = delete;

  // The best kept picture the driver and `options` allow; black afterwards.
  // `lookup` finds entry points beyond OpenGL 1.1 (nullptr: none).
  TrailMode start(int width, int height, GlProcLookup lookup,
                  TrailOptions options = {});
  // New size: the kept picture is reallocated and black (after start only).
  void resize(int width, int height);
  // Before the frame's first draw: makes the kept picture the draw target.
  void beginFrame();
  // After the frame's last draw: puts the picture on the window's back
  // buffer, then glFinish and glFlush. The platform swaps.
  void present();
  // Reads RGB bytes of the kept picture, bottom row first.
  bool readPixels(int x, int y, int width, int height,
                  std::vector<std::uint8_t>& rgb);
  // Deletes the GL objects; needs the context still current.
  void release();

  TrailMode mode() const { return mode_; }
  TrailPrecision precision() const { return precision_; }

 private:
  bool allocate(int width, int height);
  bool attachFramebuffer();
  void clearKept();
  void takeEightBitFloor();
  void drawKeptToBackBuffer();

  GlExtensions gl_;
  TrailMode mode_ = TrailMode::None;
  TrailPrecision precision_ = TrailPrecision::EightBit;
  TrailOptions options_;
  GlProcLookup lookup_ = nullptr;
  unsigned texture_ = 0;
  unsigned framebuffer_ = 0;
  int width_ = 0, height_ = 0;
  int textureWidth_ = 0, textureHeight_ = 0;
  int framesSinceFloor_ = 0;
  bool started_ = false;
};

}  // namespace vantrel
