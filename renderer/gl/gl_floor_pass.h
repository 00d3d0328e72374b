#pragma once
// Lets the light of an 8-bit picture fade out to black. 11/12 of a channel
// value from 1 to 6 rounds back to itself (more values at shorter steps), so
// every kFloorInterval 60ths of a second this pass sets exactly the values
// the frame's fade freezes to 0 and leaves every other as it is.
// Needs a current context; shared by both platforms.
#include <cstdint>
#include <vector>

#include "renderer/scene/fade_floor.h"
#include "renderer/gl/gl_api.h"
#include "renderer/gl/gl_extensions.h"

namespace vantrel {

class FloorPass {
 public:
  FloorPass() = default;
  ~FloorPass() = default;
  FloorPass(const FloorPass&) = delete;
  FloorPass& operator=(const FloorPass&) = delete;

  // For a picture of width x height. A small GLSL program over a copy of
  // the picture where the driver has one; else the picture read back,
  // lowered on the processor and drawn again, which costs far more.
  // NOTE: not glCopyPixels through colour tables: Mesa gets blue wrong.
  void start(const GlExtensions& gl, int width, int height);
  // Counts a frame `sixtieths` long (frame_light.h) and corrects the draw
  // target once kFloorInterval 60ths have passed since the last correction
  // (every 48th frame at 60 Hz); the picture is read from the current read
  // buffer.
  void countFrame(double sixtieths = 1.0);
  // Sets the values from 1 to `highestFrozen` to 0.
  void apply(int highestFrozen);
  // Deletes the GL objects; needs the context still current.
  void release();

  bool usesProgram() const { return program_ != 0; }

 private:
  bool buildProgram();
  void lowerUpTo(int highestFrozen);
  void applyProgram();
  void applyReadBack();

  GlExtensions gl_;
  unsigned program_ = 0;
  unsigned copy_ = 0;  // texture the program reads the picture from
  int width_ = 0, height_ = 0;
  int copyWidth_ = 0, copyHeight_ = 0;
  double sixtiethsSincePass_ = 0.0;
  int highestFrozen_ = 0;  // what the program and the table lower now
  std::uint8_t lowered_[kFloorTableSize] = {};
  std::vector<std::uint8_t> pixels_;  // the read-back pass's picture
};

}  // namespace vantrel
