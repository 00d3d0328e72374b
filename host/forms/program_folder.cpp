#include "host/forms/program_folder.h"

namespace vantrel {

std::string folderOfModulePath(const std::string& modulePath) {
  std::size_t slash = modulePath.find_last_of('\\');
  if (slash == std::string::npos) return std::string();
  std::string folder = modulePath.substr(0, slash);
  if (folder.size() == 2 && folder[1] == ':') folder += '\\';
  return folder;
}

}  // namespace vantrel
