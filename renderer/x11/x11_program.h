#pragma once
// vantrel on X11: a window of its own, XScreenSaver's or a foreign one.
#include <string>

#include "renderer/hack/hack_options.h"

namespace vantrel {

// Opens the display, runs until a stop signal, Escape in its own window or
// the window's end, and releases everything. Returns the error line, empty
// when the run ended normally.
std::string runX11Hack(const HackOptions& options);

}  // namespace vantrel
