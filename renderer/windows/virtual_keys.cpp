#include "renderer/windows/virtual_keys.h"

namespace vantrel {

namespace {

// windows.h's VK_ values, which this pure file cannot include.
constexpr unsigned kVkEscape = 0x1B;
constexpr unsigned kVkLeft = 0x25;
constexpr unsigned kVkUp = 0x26;
constexpr unsigned kVkRight = 0x27;
constexpr unsigned kVkDown = 0x28;

}  // namespace

SceneKey sceneKeyForVirtualKey(unsigned virtualKey) {
  switch (virtualKey) {
    case kVkEscape:
      return SceneKey::Escape;
    case kVkLeft:
      return SceneKey::Left;
    case kVkUp:
      return SceneKey::Up;
    case kVkRight:
      return SceneKey::Right;
    case kVkDown:
      return SceneKey::Down;
    default:
      return SceneKey::Other;
  }
}

ViewSize viewSizeFromSizeParam(unsigned sizeParam) {
  return ViewSize{static_cast<int>(sizeParam & 0xFFFFu),
                  static_cast<int>((sizeParam >> 16) & 0xFFFFu)};
}

}  // namespace vantrel
