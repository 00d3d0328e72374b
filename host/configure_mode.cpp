#include "host/configure_mode.h"

#include <windows.h>

#include "host/anim_point.h"
#include "host/base/bgm_settings.h"
#include "host/base/settings_file.h"
#include "host/dialog/win32_vantrel_p.h"
#include "host/win32_animate.h"

namespace vantrel {

// Shows the settings dialog modally over the shared music variables; the
// host ends when it returns.
void runConfigureMode() {
  VantrelPHost host;
  host.bgmKind = &BGM_Kind;
  host.bgmTrack = &BGM_Track;
  host.bgmFile = &BGM_File;
  host.bgmFolder = &BGM_Folder;
  host.animX = &AnimPoint.X;
  host.animY = &AnimPoint.Y;
  host.writeIniValue = [](const std::string& section, const std::string& key,
                          const std::string& value) {
    WriteIniValue(section, key, value, kSettingsPath);
  };
  host.folderOfPath = FolderOfPath;
  host.animateOpen = AnimateOpen;
  host.animateClose = AnimateClose;
  showVantrelPModal(GetModuleHandleW(nullptr), host);
}

}  // namespace vantrel
