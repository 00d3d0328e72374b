// The host's settings operations (unit Vantrel_B) over the shared settings
// file. Names and values are bytes in code page 932; file paths are path
// texts (host/base/path_text.h).
#pragma once

#include <string>

namespace vantrel {

extern const char* const kSettingsFolder;  // "C:\orlek_temp"
extern const char* const kSettingsPath;    // "C:\orlek_temp\Vantrel.ini"
extern const char* const kSectionSettings; // "Settings": screen size, for the renderer
extern const char* const kSectionMusic;    // "Section": the music choice
extern const char* const kKeyBgmKind;      // "BGM区分"
extern const char* const kKeyBgmTrack;     // "BGMﾘﾋﾟｰﾄ"
extern const char* const kKeyBgmFile;      // "BGMﾌｧｲﾙ"

// One value; missing file, section or key and an empty value all give "".
// Cut to 255 bytes.
std::string ReadIniValue(const std::string& section, const std::string& key,
                         const std::string& path);

// Writes one value unchanged (an empty value is written, not deleted).
// Section and key names are limited to 127 bytes. Failure is silent.
void WriteIniValue(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& path);

// True when the file a path text names can be opened for reading; a
// trailing "\" is dropped first.
bool FileExists(const std::string& path);

// The folder part of a path text: up to the last ":" or "\" character,
// without a final "\".
std::string FolderOfPath(const std::string& path);

// Fills BGM_Kind, BGM_Track, BGM_File and BGM_Folder from the file at
// iniPath and repairs them (kind 2 needs a readable file).
void loadBgmSettingsFrom(const std::string& iniPath, const std::string& programFolder);

// loadBgmSettingsFrom the settings file, with the program's own folder.
void LoadBgmSettings();

}  // namespace vantrel
