// What the fault drills and the soak runner share: the settings file kept
// safe around a drill, the programs' processes counted and ended by id, the
// renderer's process found from its window, and the settings file's checks.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace vantrel {
namespace drill {

extern const char kSettingsPath[];    // "C:\orlek_temp\Vantrel.ini"
extern const char kSettingsFolder[];  // "C:\orlek_temp"

// Whole-file bytes; empty when the file cannot be read.
std::string readBytes(const std::string& path);
bool writeBytes(const std::string& path, const std::string& bytes);

// Keeps the user's settings file: taken aside when made, put back (or
// removed, when there was none) when destroyed.
class SettingsBackup {
 public:
  SettingsBackup();
  ~SettingsBackup();
  SettingsBackup(const SettingsBackup&) = delete;
  SettingsBackup& operator=(const SettingsBackup&) = delete;

 private:
  bool existed_ = false;
  std::string bytes_;
};

// Removes whatever stands at path: a file (read-only too) or a folder tree.
void removeAnything(const std::string& path);

// Ids of running processes whose program file is Vantrel.scr or Vantrel.dll.
std::vector<DWORD> programProcesses();

// Ends the processes of those ids and waits for each; returns how many ended.
int endProcesses(const std::vector<DWORD>& ids);

// The process that owns a window, opened to wait on, query and terminate;
// nullptr when it cannot be opened.
HANDLE openWindowProcess(HWND window);

// Whether the cursor shows for the foreground window's input, as the user
// would see it over that window.
bool cursorShowingInForeground();

// Checks of the settings file after a saver run; each returns an empty string
// when it holds and otherwise what is wrong.
//  - every line is a section header, a key=value line or blank;
//  - section "Settings" holds "Width= <width>" and "Height= <height>", with
//    the leading blank the host writes;
//  - the music keys read back as given.
struct MusicKeys {
  std::string kind, track, file;
};
std::string checkSettingsFile(const std::string& bytes, int width, int height,
                              const MusicKeys& music);
MusicKeys readMusicKeys(const std::string& bytes);

// The music section as the settings dialog writes it ("BGM区分", "BGMﾘﾋﾟｰﾄ",
// "BGMﾌｧｲﾙ" in code page 932).
std::string musicSection(const std::string& kind, const std::string& file);

// The folder of the running program, narrow.
std::string binFolderA();

}  // namespace drill
}  // namespace vantrel
