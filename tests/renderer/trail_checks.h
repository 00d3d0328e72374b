#pragma once
// The kept picture's checks that hold on every platform: the fade by 11/12
// a frame across swaps, and true black after enough fading. The Windows and
// the Linux GL tests run them through their own window and swap.
#include "renderer/gl/gl_trails.h"
#include "renderer/scene/renderer_state.h"

namespace vantrel {
namespace trailcheck {

struct Rgb {
  int r, g, b;
};

// A platform's window under test.
struct TrailSurface {
  TrailKeeper* trails;
  const RendererState* state;
  int width;       // pixels
  int height;      // pixels
  void (*swap)();  // the platform's buffer swap
  // What the window shows after the swap; y counts from the bottom, as GL's.
  Rgb (*windowPixel)(int x, int y);
};

int brightness(const Rgb& colour);
// One pixel of the kept picture; y counts from the bottom.
Rgb keptPixel(TrailKeeper& trails, int x, int y);
// Pixels of the kept picture that are not black.
int litPixels(const TrailSurface& surface);
// The kept picture to the window, then the swap.
void present(const TrailSurface& surface);
// Leaves a black kept picture, presented.
void blackFrame(const TrailSurface& surface);

// One lit square, then bare frames of fade and swap: 11/12 a frame in the
// kept picture and in the window alike.
void expectFadeByElevenTwelfths(const TrailSurface& surface);
// A square lit to full, then 100 fades: true black, not a grey floor; and
// the same at 240 frames a second's smaller fades.
void expectFadeToBlack(const TrailSurface& surface);

// The surface's own swap, for the keeper's probe of the back buffer; the
// surface is copied, so a later resize may still use it.
BufferSwap bufferSwap(const TrailSurface& surface);

// A swap that loses the back buffer, as a flipping driver's does: the probe
// refuses it, and a loss after a good start is caught at the next frame,
// where the keeper carries on with a black framebuffer picture.
void expectLostBackBufferGivesFramebuffer(const TrailSurface& surface,
                                          GlProcLookup lookup);

// The floor pass, by program and read back, on a row of every value
// in the back buffer: 1 to 6 to 0 (1 to 25 for a 240 fps step), every other
// value unchanged.
void expectFloorPassLowersOnlyFrozenValues(const TrailSurface& surface,
                                           GlProcLookup lookup);

}  // namespace trailcheck
}  // namespace vantrel
