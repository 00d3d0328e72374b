#pragma once
#include <string>

namespace vantrel {

// Where the host leaves the screen size for the renderer.
extern const char* const kSettingsPath;  // "C:\orlek_temp\Vantrel.ini"

// The largest side a window may take; anything above is a broken file, not
// a screen (GL viewports stop at this size on common drivers too).
constexpr int kMaxScreenSide = 16384;

struct WindowSize {
  int width;
  int height;
};

// One side as read from the file: 0 (also what text or a missing key
// reads as), a negative value or one above kMaxScreenSide gives the default.
int chooseScreenSide(int valueRead, int defaultValue);

// The user's frame ceiling as read from the file: 10 to 240 frames a second,
// or 0 (none but the display's) for a missing key, text or a value outside.
int chooseMaxFramesPerSecond(int valueRead);

struct RendererSettings {
  WindowSize size;
  int maxFramesPerSecond;  // chooseMaxFramesPerSecond's answer
};

// Reads "Width", "Height" and "MaxFramesPerSecond" of section "Settings"
// from the INI file at path, in one read of the file.
RendererSettings readRendererSettings(const std::string& path);

}  // namespace vantrel
