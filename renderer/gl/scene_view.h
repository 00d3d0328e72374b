#pragma once
// One window's star flight, from its first frame to its last: scene, kept
// picture, clock and pacing, in the manner of a GL hack's init, reshape,
// draw and free. Every window of every platform draws through one; the
// platform keeps its window, context, events and swaps.
#include <cstdint>

#include "renderer/gl/gl_trails.h"
#include "renderer/gl/measuring_switches.h"
#include "renderer/scene/frame_pacer.h"
#include "renderer/scene/scene.h"
#include "renderer/scene/scene_clock.h"
#include "renderer/scene/star_pool.h"

namespace vantrel {

struct ViewStart {
  ViewSize size;  // the window's client pixels
  std::uint32_t seed = 0;  // the stars' random sequence
  PoolAllocator allocate = nullptr;  // nullptr: the default allocation
  // The run's start on the platform's clock, shared by the run's views so
  // the ribbon, a function of time, moves in step on all of them.
  std::int64_t clockFrequency = 0;  // counts a second; 0: the ticks
  ClockReading clockStart;
  MeasuringSwitches switches;
  // A context is current on the window. Without one the scene still runs,
  // on a window that stays black.
  bool gl = true;
  GlProcLookup lookup = nullptr;  // entry points beyond OpenGL 1.1
  // The window's swap, for the keeper's probe and the black swaps below.
  BufferSwap swap;
  // Both buffers cleared and swapped, twice, at start and at each resize;
  // else only the back buffer is cleared, for a surface that must not show
  // a frame before its first one.
  bool swapBlack = true;
  // The view grows its own star count; false for a view that follows
  // another's speed and count (follow).
  bool grows = true;
};

class SceneView {
 public:
  SceneView() = default;
  SceneView(const SceneView&) = delete;
  SceneView& operator=(const SceneView&) = delete;

  // GL state, projection, black buffers and the kept picture (with a
  // context), then the stars and the clock. False when the star pool
  // cannot be had; release frees what was made either way.
  bool start(const ViewStart& start);
  // start's two halves, for a platform whose context comes and goes apart
  // from its scene: the GL state, black buffers and kept picture at
  // start.size (a context current) ...
  void startGl(const ViewStart& start);
  // ... and the stars and the clock; false when the pool cannot be had.
  bool startScene(const ViewStart& start);
  // New client size: projection and kept picture follow, all black.
  void resize(ViewSize size);
  // Takes the leading view's speed and star count for the next frame.
  void follow(const RendererState& leader);
  // One frame at a clock reading: the clock's tick, growth by the step, this
  // window's projection, the step and drawing, and the picture on the back
  // buffer. The caller swaps.
  void drawFrame(ClockReading now);
  // One frame at a chosen time, for a caller that steps its own clock.
  void drawFrameAt(double elapsedSeconds, float frameDelta);
  // Moves the clock on without a frame: a view that joins a running run
  // starts its frame times from now.
  void tickClock(ClockReading now) { clock_.tick(now.count, now.tickMs); }
  // Kept picture and star pool freed, ready to start again. With a
  // context, it must be current, unless `contextCurrent` says it cannot be:
  // the GL objects then go with the context.
  void release(bool contextCurrent = true);

  Scene& scene() { return scene_; }
  const RendererState& state() const { return scene_.state; }
  TrailKeeper& trails() { return trails_; }
  const SceneClock& clock() const { return clock_; }
  FramePacer& pacer() { return pacer_; }
  long long frames() const { return frames_; }
  bool glReady() const { return gl_; }

 private:
  void clearToBlack();

  Scene scene_;
  SceneClock clock_;
  TrailKeeper trails_;
  FramePacer pacer_;
  MeasuringSwitches switches_;
  BufferSwap swap_;
  bool swapBlack_ = true;
  bool grows_ = true;
  bool gl_ = false;
  bool brightColours_ = false;  // colours above 1 reach the fragments
  double grownSixtieths_ = 0.0;  // active running since the last star
  long long frames_ = 0;
};

}  // namespace vantrel
