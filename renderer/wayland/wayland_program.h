#pragma once
// vantrel --wayland: the star flight on every output of a Wayland desktop.
#include <string>

#include "renderer/hack/hack_options.h"

namespace vantrel {

// Connects, covers every output (overlay layer surfaces, or fullscreen
// toplevels without the layer shell; black where GL cannot start) and runs
// until a stop signal, the user's input, no output left that can show the
// saver, or the compositor going away. Returns the error line, empty when
// the run ended normally.
std::string runWaylandHack(const HackOptions& options);

}  // namespace vantrel
