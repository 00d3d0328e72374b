#include "host/win32_startup.h"

#include <windows.h>

#include "host/base/number_text.h"
#include "host/base/settings_file.h"
#include "host/base/win32_path_text.h"
#include "host/command_line.h"
#include "host/configure_mode.h"
#include "host/forms/twips_truncating.h"
#include "host/forms/win32_message_box.h"
#include "host/forms/win32_screen.h"
#include "host/win32_preview_window.h"
#include "host/win32_renderer_start.h"
#include "host/win32_saver_window.h"
#include "host/win32_single_instance.h"

namespace vantrel {
namespace {

// "Vantrel.dll が同じﾌｫﾙﾀﾞ内に見つかりません！"
const wchar_t kRendererMissing[] =
    L"Vantrel.dll \u304c\u540c\u3058\uff8c\uff6b\uff99\uff80\uff9e\u5185\u306b"
    L"\u898b\u3064\u304b\u308a\u307e\u305b\u3093\uff01";
const wchar_t kProgramTitle[] = L"Vantrel";

// The modes whose process shows the saver window or the settings dialog.
bool leadsRunOrDialog(HostMode mode) {
  return mode == HostMode::Saver || mode == HostMode::SaverQuiet || mode == HostMode::Configure;
}

// The screen's pixel size from its twips size, as a 16-bit value.
std::int16_t screenPixels(int twips, int twipsPerPixelAxis) {
  return static_cast<std::int16_t>(twipsToPixels(twips, twipsPerPixelAxis));
}

void writeScreenSize() {
  std::int16_t width = screenPixels(screenWidthTwips(), screenTwipsPerPixelX());
  std::int16_t height = screenPixels(screenHeightTwips(), screenTwipsPerPixelY());
  WriteIniValue(kSectionSettings, "Width", numberToText(width), kSettingsPath);
  WriteIniValue(kSectionSettings, "Height", numberToText(height), kSettingsPath);
}

}  // namespace

int runHost(const std::string& arguments) {
  const CommandLine commandLine = parseCommandLine(arguments);
  waitAtStartGate();
  if (anotherInstanceOpen()) return 0;
  if (commandLine.mode == HostMode::Preview) {
    runPreview(commandLine.previewHandle);
    return 0;
  }
  if (leadsRunOrDialog(commandLine.mode) && !claimSingleInstance()) return 0;
  CreateDirectoryA(kSettingsFolder, nullptr);
  LoadBgmSettings();
  if (!FileExists(pathTextOf(rendererProgram()))) {
    showMessageBox(kRendererMissing, kProgramTitle);
    return 0;
  }
  if (commandLine.mode == HostMode::Configure) {
    runConfigureMode();
    return 0;
  }
  if (commandLine.mode != HostMode::Saver && commandLine.mode != HostMode::SaverQuiet) return 0;
  const bool hideCursor = commandLine.mode == HostMode::Saver;
  if (hideCursor) ShowCursor(FALSE);
  writeScreenSize();
  runSaver(hideCursor);
  return 0;
}

}  // namespace vantrel
