#pragma once
// Keeps the previous picture across buffer swaps, so each frame can fade it
// and add new light. Needs a current context; shared by both platforms.
#include <cstdint>
#include <vector>

#include "renderer/gl/gl_api.h"
#include "renderer/gl/gl_extensions.h"
#include "renderer/gl/gl_floor_pass.h"

namespace vantrel {

enum class TrailMode {
  None,  // no kept image: trails depend on what the driver preserves
  // The swap keeps the back buffer, so the scene fades and draws straight
  // into it at no cost beyond the plain fade; a watch falls back to
  // Framebuffer the first time a swap loses it.
  BackBuffer,
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
  // few frames a pass lowers those values (gl_floor_pass.h), so they reach 0.
  EightBit,
};

struct TrailOptions {
  bool preferFramebuffer = true;  // else copy the back buffer
  // The finest precision tried first on the framebuffer path; the keeper
  // falls back towards EightBit where the driver refuses one.
  TrailPrecision finest = TrailPrecision::Normalised16;
  // Draw into the back buffer itself where a probe shows the swap keeps it.
  bool useKeptBackBuffer = true;
  // The pass that takes 8-bit light to black; off only to measure its cost.
  bool floorEightBit = true;
};

// The platform's buffer swap, which the keeper's probe of the back buffer
// needs; no function: no probe, and never TrailMode::BackBuffer.
struct BufferSwap {
  void (*function)(void* context) = nullptr;
  void* context = nullptr;
};

// NOTE: a double-buffered window's back buffer is undefined after a swap:
// Wine reports an exchange, and a driver may keep it for a while, then flip
// (a full-screen window on a composited desktop). Mesa on X keeps it. So the
// keeper probes it at start and watches it every frame, and otherwise keeps
// the picture outside the window's buffers.
class TrailKeeper {
 public:
  TrailKeeper() = default;
  ~TrailKeeper() = default;
  TrailKeeper(const TrailKeeper&) = delete;
  TrailKeeper& operator=(const TrailKeeper&) = delete;

  // The best kept picture the driver and `options` allow; black afterwards.
  // `lookup` finds entry points beyond OpenGL 1.1 (nullptr: none).
  TrailMode start(int width, int height, GlProcLookup lookup,
                  TrailOptions options = {}, BufferSwap swap = {});
  // New size: the kept picture is reallocated and black (after start only).
  void resize(int width, int height);
  // Before the frame's first draw: makes the kept picture the draw target.
  // `sixtieths` is the frame's step (frame_light.h), which the 8-bit
  // picture's floor pass follows.
  void beginFrame(double sixtieths = 1.0);
  // After the frame's last draw: puts the picture on the window's back
  // buffer, then glFinish and glFlush. The platform swaps.
  // NOTE: on the back-buffer path a row of it is read here and compared
  // after the swap, at the next beginFrame.
  void present();
  // Reads RGB bytes of the kept picture, bottom row first.
  bool readPixels(int x, int y, int width, int height,
                  std::vector<std::uint8_t>& rgb);
  // Deletes the GL objects and leaves no kept picture; needs the context
  // still current.
  void release();

  TrailMode mode() const { return mode_; }
  TrailPrecision precision() const { return precision_; }

 private:
  bool swapKeepsBackBuffer();
  // The back buffer's middle row, which the watch compares across a swap.
  void readWatchedRow(std::vector<std::uint8_t>& rgb) const;
  bool backBufferLost();
  bool allocate(int width, int height);
  bool attachFramebuffer();
  void clearKept();
  void drawKeptToBackBuffer();
  void deletePicture();

  GlExtensions gl_;
  TrailMode mode_ = TrailMode::None;
  TrailPrecision precision_ = TrailPrecision::EightBit;
  TrailOptions options_;
  GlProcLookup lookup_ = nullptr;
  BufferSwap swap_;
  FloorPass floor_;
  std::vector<std::uint8_t> watchedRow_;  // before the swap; empty: unread
  std::vector<std::uint8_t> rowNow_;
  unsigned texture_ = 0;
  unsigned framebuffer_ = 0;
  int width_ = 0, height_ = 0;
  int textureWidth_ = 0, textureHeight_ = 0;
  bool started_ = false;
};

}  // namespace vantrel
