#include "host/configure_mode.h"

namespace vantrel {

// Until the settings dialog is part of the program, configure mode ends
// where the dialog would open.
void runConfigureMode() {}

}  // namespace vantrel
