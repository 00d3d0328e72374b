#include "renderer/scene/renderer_state.h"

namespace vantrel {

KeyResult handleKey(RendererState& state, SceneKey key) {
  switch (key) {
    case SceneKey::Escape:
      return KeyResult::Quit;
    case SceneKey::Left:
      state.speed = state.speed - 1.0f;
      if (state.speed < 1.0f) state.speed = 1.0f;
      break;
    case SceneKey::Up:
      state.starCount = state.starCount + 50;
      if (state.starCount > kStarPoolSize) state.starCount = kStarPoolSize;
      break;
    case SceneKey::Right:
      state.speed = state.speed + 1.0f;
      if (state.speed > 200.0f) state.speed = 200.0f;
      break;
    case SceneKey::Down:
      state.starCount = state.starCount - 50;
      if (state.starCount < 50) state.starCount = 50;
      break;
    case SceneKey::Other:
      break;
  }
  return KeyResult::None;
}

void stepStarGrowth(RendererState& state, double& grownSixtieths,
                    double sixtieths) {
  // Whole 60ths add up exactly in a double, so at 60 Hz every 11th frame
  // adds a star, as the frame count always did.
  grownSixtieths = grownSixtieths + sixtieths;
  while (grownSixtieths >= kSixtiethsPerStar) {
    grownSixtieths = grownSixtieths - kSixtiethsPerStar;
    state.starCount = state.starCount + 1;
    if (state.starCount > kStarPoolSize) state.starCount = 0;
  }
}

void applyClientSize(RendererState& state, ViewSize size) {
  state.screenWidth = size.width;
  state.screenHeight = size.height;
  if (state.screenHeight == 0) state.screenHeight = 1;
}

}  // namespace vantrel
