#include "renderer/windows/win32_run_switches.h"

namespace vantrel {

namespace {

// The variable's value, or nullptr when it is unset or longer than `size`.
const char* environmentValue(const char* name, char* value, DWORD size) {
  const DWORD length = GetEnvironmentVariableA(name, value, size);
  return length > 0 && length < size ? value : nullptr;
}

// Whether the variable is set to `word`, in any case.
bool environmentIs(const char* name, const char* word) {
  char value[16];
  const char* set = environmentValue(name, value, sizeof(value));
  return set != nullptr && lstrcmpiA(set, word) == 0;
}

}  // namespace

RunSwitches readRunSwitches() {
  RunSwitches switches;
  char bare[16], kept[16], held[16], pacing[16];
  switches.measuring = measuringSwitchesFrom(
      environmentValue("VANTREL_BARE_FRAME", bare, sizeof(bare)),
      environmentValue("VANTREL_KEPT_PICTURE", kept, sizeof(kept)),
      environmentValue("VANTREL_HOLD_STARS", held, sizeof(held)),
      environmentValue("VANTREL_PACING", pacing, sizeof(pacing)));
  if (environmentValue("VANTREL_FRAME_STATS", switches.statsPath,
                       sizeof(switches.statsPath)) == nullptr) {
    switches.statsPath[0] = '\0';
  }
  switches.otherMonitorScenes = !environmentIs("VANTREL_OTHER_MONITORS", "cover");
  switches.ownSceneContexts = environmentIs("VANTREL_SCENE_CONTEXT", "own");
  return switches;
}

}  // namespace vantrel
