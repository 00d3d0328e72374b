#include "host/dialog/win32_file_chooser.h"

#include <commdlg.h>

#include "host/dialog/win32_dialog_text.h"

namespace vantrel {

bool chooseBgmFile(HWND owner, HINSTANCE instance, const std::string& initialFolderCp932,
                   std::string* chosenCp932) {
  // Filter: description, NUL, pattern, list end.
  static const wchar_t kFilter[] =
      L"BGM\xFF8C\xFF67\xFF72\xFF99 (MP3 WAV)\0*.MP3;*.WAV\0";  // BGMﾌｧｲﾙ (MP3 WAV)
  static const wchar_t kTitle[] = L"\xFF8C\xFF67\xFF72\xFF99\x3092\x958B\x304F";  // ﾌｧｲﾙを開く
  constexpr DWORD kBufferChars = 255;
  wchar_t file[kBufferChars + 1] = {};
  wchar_t fileTitle[kBufferChars + 1] = {};
  const std::wstring folder = wideFromCp932(initialFolderCp932);

  // NOTE: the wide structure keeps Japanese names intact on systems whose
  // ANSI code page is not 932 (Wine's default is 1252); the result is
  // converted to the code page 932 bytes the host stores. The structure size
  // is the platform's own for this build, not the 32-bit 76 bytes.
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.hInstance = instance;
  ofn.lpstrFilter = kFilter;
  ofn.lpstrFile = file;
  ofn.nMaxFile = kBufferChars;
  ofn.lpstrFileTitle = fileTitle;
  ofn.nMaxFileTitle = kBufferChars;
  ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  ofn.lpstrTitle = kTitle;
  ofn.Flags = 0;
  if (GetOpenFileNameW(&ofn) <= 0) return false;

  std::string bytes;
  if (!cp932FromWide(file, &bytes)) return false;
  // The same limit as an ANSI buffer of 255 characters with its NUL, which
  // is also the longest value the host's settings read gives back whole.
  if (bytes.size() >= kBufferChars) return false;
  *chosenCp932 = bytes;
  return true;
}

}  // namespace vantrel
