#pragma once
// The Windows codes the renderer's window procedures receive, mapped onto
// the portable scene's. Pure, so it builds and is tested natively.
#include "renderer/scene/renderer_state.h"

namespace vantrel {

// The scene's key for a WM_KEYDOWN's virtual-key code (VK_ESCAPE and the
// four arrows); every other code is SceneKey::Other.
SceneKey sceneKeyForVirtualKey(unsigned virtualKey);

// The client size a WM_SIZE packs into its lParam: width in the low word,
// height in the high word.
ViewSize viewSizeFromSizeParam(unsigned sizeParam);

}  // namespace vantrel
