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

WindowSize readWindowSize(const std::string& path) {
  WindowSize size;
  size.width = chooseScreenSide(
      readProfileInt(path, "Settings", "Width", kDefaultScreenWidth),
      kDefaultScreenWidth);
  size.height = chooseScreenSide(
      readProfileInt(path, "Settings", "Height", kDefaultScreenHeight),
      kDefaultScreenHeight);
  return size;
}

int chooseMaxFramesPerSecond(int valueRead) {
  // NOTE: the renderer writes no log: a bad value is ignored for the default.
  if (valueRead < kMinFrameCeiling || valueRead > kMaxFrameCeiling) return 0;
  return valueRead;
}

int readMaxFramesPerSecond(const std::string& path) {
  return chooseMaxFramesPerSecond(
      readProfileInt(path, "Settings", "MaxFramesPerSecond", 0));
}

}  // namespace vantrel
