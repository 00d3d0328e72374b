#include "host/forms/program_folder.h"

#include <windows.h>

#include <vector>

#include "host/base/win32_path_text.h"

namespace vantrel {
namespace {

std::wstring moduleFileName() {
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return std::wstring();
    if (n < path.size()) return std::wstring(path.data(), n);
    path.resize(path.size() * 2);
  }
}

}  // namespace

std::string ProgramFolder() {
  // NOTE: the wide name, so a folder of any name is found; the folder rule
  // works on its UTF-8, whose bytes never hold a "\" inside a character.
  return pathTextOf(wideOfUtf8(folderOfModulePath(utf8OfWide(moduleFileName()))));
}

}  // namespace vantrel
