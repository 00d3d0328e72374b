// Configure mode ("/c"): shows the settings dialog modally; returns when it
// has closed.
#pragma once

namespace vantrel {

void runConfigureMode();

}  // namespace vantrel
