// The settings dialog Vantrel_P: the window "■Vantrel■" that edits the
// background-music settings, shown modally.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

namespace vantrel {

// What the dialog uses of its host. Strings are code page 932 bytes.
struct VantrelPHost {
  std::int16_t* bgmKind = nullptr;
  std::int16_t* bgmTrack = nullptr;
  std::string* bgmFile = nullptr;
  std::string* bgmFolder = nullptr;
  std::int16_t* animX = nullptr;  // the zoom's screen point
  std::int16_t* animY = nullptr;
  std::function<void(const std::string& section, const std::string& key,
                     const std::string& value)> writeIniValue;
  std::function<std::string(const std::string& path)> folderOfPath;
  std::function<void(HWND)> animateOpen;
  std::function<void(HWND)> animateClose;
  // The layout in the saved-layout text form; empty uses the designed one.
  std::string layoutText;
};

// The web page the banner opens.
extern const char kAuthorWebPage[];

// Loads, shows and runs the dialog until it has closed. False when its
// window could not be made.
bool showVantrelPModal(HINSTANCE instance, const VantrelPHost& host);

}  // namespace vantrel
