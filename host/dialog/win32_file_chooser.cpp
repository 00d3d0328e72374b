#include "host/dialog/win32_file_chooser.h"

#include <commdlg.h>

#include "host/base/path_text.h"
#include "host/base/win32_path_text.h"

namespace vantrel {

bool chooseBgmFile(HWND owner, HINSTANCE instance, const std::string& initialFolder,
                   std::string* chosen) {
  // Filter: description, NUL, pattern, list end.
  static const wchar_t kFilter[] =
      L"BGM\xFF8C\xFF67\xFF72\xFF99 (MP3 WAV)\0*.MP3;*.WAV\0";  // BGMﾌｧｲﾙ (MP3 WAV)
  static const wchar_t kTitle[] = L"\xFF8C\xFF67\xFF72\xFF99\x3092\x958B\x304F";  // ﾌｧｲﾙを開く
  constexpr DWORD kBufferChars = 255;
  wchar_t file[kBufferChars + 1] = {};
  wchar_t fileTitle[kBufferChars + 1] = {};
  const std::wstring folder = widePathOf(initialFolder);

  // NOTE: the wide structure keeps every name intact whatever the system's
  // ANSI code page; the result becomes the path text the host stores. The
  // structure size is the platform's own for this build, not the 32-bit 76
  // bytes.
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

  const std::string text = pathTextOf(file);
  if (!pathTextReadsBackWhole(text)) return false;
  *chosen = text;
  return true;
}

}  // namespace vantrel
