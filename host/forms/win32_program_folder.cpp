#include "host/forms/program_folder.h"

#include <windows.h>

#include <vector>

namespace vantrel {

std::string ProgramFolder() {
  std::vector<char> path(MAX_PATH);
  for (;;) {
    DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return std::string();
    if (n < path.size()) return folderOfModulePath(std::string(path.data(), n));
    path.resize(path.size() * 2);
  }
}

}  // namespace vantrel
