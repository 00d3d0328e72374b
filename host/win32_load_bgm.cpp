#include "host/base/settings_file.h"

#include "host/forms/program_folder.h"

namespace vantrel {

void LoadBgmSettings() { loadBgmSettingsFrom(kSettingsPath, ProgramFolder()); }

}  // namespace vantrel
