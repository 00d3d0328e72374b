#include "renderer/windows/window_size.h"

#include "common/ini_file.h"
#include "renderer/scene/frame_ceiling.h"
#include "renderer/scene/renderer_state.h"

namespace vantrel {

const char* const kSettingsPath = "C:\\orlek_temp\\Vantrel.ini";

int chooseScreenSide(int valueRead, int defaultValue) {
  // NOTE: a negative or huge size would give an invisible or unusable
  // window; the file is then broken and the default is the better guess.
  if (valueRead <= 0 || valueRead > kMaxScreenSide) return defaultValue;
  return valueRead;
}

int chooseMaxFramesPerSecond(int valueRead) {
  // NOTE: the renderer writes no log: a bad value is ignored for the default.
  if (valueRead < kMinFrameCeiling || valueRead > kMaxFrameCeiling) return 0;
  return valueRead;
}

RendererSettings readRendererSettings(const std::string& path) {
  const ProfileFile file(path);
  RendererSettings settings;
  settings.size.width = chooseScreenSide(
      file.readInt("Settings", "Width", kDefaultScreenWidth), kDefaultScreenWidth);
  settings.size.height = chooseScreenSide(
      file.readInt("Settings", "Height", kDefaultScreenHeight), kDefaultScreenHeight);
  settings.maxFramesPerSecond =
      chooseMaxFramesPerSecond(file.readInt("Settings", "MaxFramesPerSecond", 0));
  return settings;
}

}  // namespace vantrel
