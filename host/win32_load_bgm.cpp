#include "host/settings_file.h"

#include "host/win32_renderer_start.h"

namespace vantrel {

void LoadBgmSettings() { loadBgmSettingsFrom(kSettingsPath, programFolderText()); }

}  // namespace vantrel
