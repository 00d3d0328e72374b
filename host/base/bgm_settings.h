// The shared music variables of the host: filled once at start-up from the
// settings file, edited by the settings dialog, played by the music unit.
#pragma once

#include <cstdint>
#include <string>

namespace vantrel {

extern std::int16_t BGM_Kind;   // 0 none, 1 audio CD, 2 sound file; others play nothing
extern std::int16_t BGM_Track;  // CD track to repeat; 0 plays the whole disc
extern std::string BGM_File;    // the WAV or MP3 file for kind 2, or empty
extern std::string BGM_Folder;  // where the file chooser opens; never stored

}  // namespace vantrel
