#pragma once
// Lets the light of an 8-bit picture fade out to black. 11/12 of a channel
// value from 1 to 6 rounds back to itself, so every kFloorInterval frames
// this pass sets exactly those values to 0 and leaves every other as it is.
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
  // Counts a frame and corrects the draw target on every kFloorInterval-th;
  // the picture is read from the current read buffer.
  void countFrame();
  void apply();
  // Deletes the GL objects; needs the context still current.
  void release();

  bool usesProgram() const { return program_ != 0; }

 private:
  bool buildProgram();
  void applyProgram();
  void applyReadBack();

  GlExtensions gl_;
  unsigned program_ = 0;
  unsigned copy_ = 0;  // texture the program reads the picture from
  int width_ = 0, height_ = 0;
  int copyWidth_ = 0, copyHeight_ = 0;
  int framesSincePass_ = 0;
  std::uint8_t lowered_[kFloorTableSize] = {};
  std::vector<std::uint8_t> pixels_;  // the read-back pass's picture
};

}  // namespace vantrel
