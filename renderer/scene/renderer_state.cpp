#include "renderer/scene/renderer_state.h"

namespace vantrel {

KeyResult handleKey(RendererState& state, unsigned virtualKey) {
  switch (virtualKey) {
    case kKeyEscape:
      return KeyResult::Quit;
    case kKeyLeft:
      state.speed = state.speed - 1.0f;
      if (state.speed < 1.0f) state.speed = 1.0f;
      break;
    case kKeyUp:
      state.starCount = state.starCount + 50;
      if (state.starCount > kStarPoolSize) state.starCount = kStarPoolSize;
      break;
    case kKeyRight:
      state.speed = state.speed + 1.0f;
      if (state.speed > 200.0f) state.speed = 200.0f;
      break;
    case kKeyDown:
      state.starCount = state.starCount - 50;
      if (state.starCount < 50) state.starCount = 50;
      break;
    default:
      break;
  }
  return KeyResult::None;
}

void stepStarGrowth(RendererState& state, int& growthCounter) {
  growthCounter = growthCounter + 1;
  if (growthCounter > 10) {
    growthCounter = 0;
    state.starCount = state.starCount + 1;
    if (state.starCount > kStarPoolSize) state.starCount = 0;
  }
}

void applyClientSize(RendererState& state, unsigned sizeParam) {
  state.screenWidth = static_cast<int>(sizeParam & 0xFFFFu);
  state.screenHeight = static_cast<int>((sizeParam >> 16) & 0xFFFFu);
  if (state.screenHeight == 0) state.screenHeight = 1;
}

}  // namespace vantrel
