// Preview mode (window Vantrel_R): a still of the star flight shown as a
// child of the settings page's preview window.
#pragma once

#include <cstdint>

namespace vantrel {

// Shows the preview in the window whose handle is given and runs the message
// loop; the process ends when that window (and with it the preview) is
// destroyed, or at once when the handle is not a window.
void runPreview(std::int32_t parentHandle);

}  // namespace vantrel
