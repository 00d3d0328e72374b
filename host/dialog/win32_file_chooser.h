// The dialog's file chooser for the background-music file.
#pragma once

#include <windows.h>

#include <string>

namespace vantrel {

// Shows the platform's file-open dialog ("ﾌｧｲﾙを開く", one filter
// "BGMﾌｧｲﾙ (MP3 WAV)" of "*.MP3;*.WAV", no flags) in the folder a path text
// names, or in the platform's default folder when it is empty. True with the
// chosen path as a path text (host/base/path_text.h); false when the user
// cancels, the call fails, or the text would not read back whole from the
// settings file.
bool chooseBgmFile(HWND owner, HINSTANCE instance, const std::string& initialFolder,
                   std::string* chosen);

}  // namespace vantrel
