// The dialog's file chooser for the background-music file.
#pragma once

#include <windows.h>

#include <string>

namespace vantrel {

// Shows the platform's file-open dialog ("ﾌｧｲﾙを開く", one filter
// "BGMﾌｧｲﾙ (MP3 WAV)" of "*.MP3;*.WAV", no flags) in initialFolder, or in
// the platform's default folder when it is empty. True with the chosen path
// as code page 932 bytes; false when the user cancels, the call fails, or
// the path does not fit the 255-character buffer of the host's settings
// (254 bytes and the terminating NUL) or has no code page 932 form.
bool chooseBgmFile(HWND owner, HINSTANCE instance, const std::string& initialFolderCp932,
                   std::string* chosenCp932);

}  // namespace vantrel
