#pragma once
// The environment's measuring switches for one renderer run. Platform header.
#include <windows.h>

#include "renderer/gl/measuring_switches.h"

namespace vantrel {

struct RunSwitches {
  MeasuringSwitches measuring;  // measuring_switches.h
  char statsPath[MAX_PATH] = "";  // VANTREL_FRAME_STATS; empty: none
  // VANTREL_OTHER_MONITORS=cover: black covers instead of scene windows, as
  // with one monitor, so a run can measure what the other monitors cost.
  bool otherMonitorScenes = true;
  // VANTREL_SCENE_CONTEXT=own: a context for each scene window, to measure
  // it against the one shared context.
  bool ownSceneContexts = false;
};

RunSwitches readRunSwitches();

}  // namespace vantrel
