// The music settings loaded from any settings file: whatever the file holds,
// the loaded state is consistent — a sound-file kind always names a readable
// file, the folder follows the file, and nothing misbehaves.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "host/base/bgm_settings.h"
#include "host/base/settings_file.h"

namespace {
void check(bool ok) {
  if (!ok) std::abort();
}

std::string tempPath() {
  static const std::string path = "/tmp/vantrel-fuzz-bgm-" + std::to_string(getpid()) + ".ini";
  return path;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = tempPath();
  if (FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(data, 1, size, f);
    std::fclose(f);
  }
  // The settings are loaded once per process in the program; start afresh.
  vantrel::BGM_Kind = 0;
  vantrel::BGM_Track = 0;
  vantrel::BGM_File.clear();
  vantrel::BGM_Folder.clear();
  vantrel::loadBgmSettingsFrom(path, "/program");

  if (vantrel::BGM_Kind == 2) {
    check(!vantrel::BGM_File.empty());
    check(vantrel::FileExists(vantrel::BGM_File));
  }
  if (vantrel::BGM_File.empty()) check(vantrel::BGM_Folder == "/program");
  else check(vantrel::BGM_Folder == vantrel::FolderOfPath(vantrel::BGM_File));
  // The folder is the start of the path (a marked path's keeps its marker).
  if (!vantrel::BGM_File.empty()) check(vantrel::BGM_File.rfind(vantrel::BGM_Folder, 0) == 0);
  std::remove(path.c_str());
  return 0;
}
