// Shows the settings dialog over the real settings file without the rest of
// the host, so the window can be looked at and driven on its own.
#include <windows.h>

#include <string>

#include "common/ini_file.h"
#include "host/dialog/win32_vantrel_p.h"

namespace {

const char kIniPath[] = "C:\\orlek_temp\\Vantrel.ini";

std::string folderOf(const std::string& path) {
  const std::size_t cut = path.find_last_of(":\\");
  if (cut == std::string::npos) return std::string();
  std::string folder = path.substr(0, cut + 1);
  if (!folder.empty() && folder.back() == '\\') folder.pop_back();
  return folder;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  std::int16_t kind = static_cast<std::int16_t>(
      vantrel::readProfileInt(kIniPath, "Section", "BGM\x8b\xe6\x95\xaa", 0));
  std::int16_t track = static_cast<std::int16_t>(
      vantrel::readProfileInt(kIniPath, "Section", "BGM\xd8\xcb\xdf\xb0\xc4", 0));
  std::string file = vantrel::readProfileString(kIniPath, "Section", "BGM\xcc\xa7\xb2\xd9", "");
  std::string folder = folderOf(file);
  std::int16_t x = 0, y = 0;
  vantrel::VantrelPHost host;
  host.bgmKind = &kind;
  host.bgmTrack = &track;
  host.bgmFile = &file;
  host.bgmFolder = &folder;
  host.animX = &x;
  host.animY = &y;
  host.writeIniValue = [](const std::string& section, const std::string& key,
                          const std::string& value) {
    vantrel::writeProfileString(kIniPath, section, key, value);
  };
  host.folderOfPath = folderOf;
  return vantrel::showVantrelPModal(instance, host) ? 0 : 1;
}
