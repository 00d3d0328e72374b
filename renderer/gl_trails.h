#pragma once
// Keeps the previous picture across buffer swaps, so each frame can fade it
// and add new light. Platform header (GL through windows.h).
#include <windows.h>

#include <cstdint>
#include <vector>

namespace vantrel {

enum class TrailMode {
  None,         // no kept image: trails depend on what the driver preserves
  Framebuffer,  // draw into an off-screen framebuffer, copy it to the window
  // Copies the back buffer into a texture before every swap.
  // NOTE: only pixels the window owns are copied; this path relies on the
  // full-screen window being unobscured, which the framebuffer path does not.
  CopyTexture,
};

// NOTE: a double-buffered window's back buffer is undefined after
// SwapBuffers on many drivers (Wine reports an exchange), so the picture the
// scene fades must be kept outside the window's buffers.
class TrailKeeper {
 public:
  TrailKeeper() = default;
  ~TrailKeeper() = default;
  TrailKeeper(const TrailKeeper&) = delete;
  TrailKeeper& operator=(const TrailKeeper&) = delete;

  // Needs a current context. Uses a framebuffer object when `preferFramebuffer`
  // and the driver offers one, else a texture copy; black afterwards.
  TrailMode start(int width, int height, bool preferFramebuffer = true);
  // New size: the kept picture is reallocated and black (after start only).
  void resize(int width, int height);
  // Before the frame's first draw: makes the kept picture the draw target.
  void beginFrame();
  // After the frame's last draw: puts the picture on the window, then
  // glFinish, glFlush and SwapBuffers.
  void present(HDC dc);
  // Reads RGB bytes of the kept picture, bottom row first.
  bool readPixels(int x, int y, int width, int height,
                  std::vector<std::uint8_t>& rgb);
  // Deletes the GL objects; needs the context still current.
  void release();

  TrailMode mode() const { return mode_; }

 private:
  bool allocate(int width, int height);
  void clearKept();
  void drawKeptToBackBuffer();

  TrailMode mode_ = TrailMode::None;
  unsigned texture_ = 0;
  unsigned framebuffer_ = 0;
  int width_ = 0, height_ = 0;
  int textureWidth_ = 0, textureHeight_ = 0;
  bool nonPowerOfTwo_ = false;
  bool started_ = false;
  bool preferFramebuffer_ = true;
};

}  // namespace vantrel
