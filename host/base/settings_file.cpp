#include "host/base/settings_file.h"

#include "common/ini_file.h"
#include "host/base/bgm_settings.h"
#include "host/base/number_text.h"
#include "host/base/path_text.h"

namespace vantrel {

const char* const kSettingsFolder = "C:\\orlek_temp";
const char* const kSettingsPath = "C:\\orlek_temp\\Vantrel.ini";
const char* const kSectionSettings = "Settings";
const char* const kSectionMusic = "Section";
// Shift-JIS bytes whatever the system code page: the file is shared with
// installations on Japanese systems.
const char* const kKeyBgmKind = "BGM\x8b\xe6\x95\xaa";       // BGM区分
const char* const kKeyBgmTrack = "BGM\xd8\xcb\xdf\xb0\xc4";  // BGMﾘﾋﾟｰﾄ
const char* const kKeyBgmFile = "BGM\xcc\xa7\xb2\xd9";       // BGMﾌｧｲﾙ

namespace {

const std::size_t kValueBuffer = 256;
const std::size_t kNameLimit = 127;

// Reads a stored number into target; empty gives 0, no number leaves it.
void loadNumber(const std::string& text, std::int16_t& target) {
  if (text.empty()) {
    target = 0;
    return;
  }
  if (auto number = parseNumber(text)) {
    if (auto value = floorToInt16(*number)) target = *value;
  }
}

// "BGMﾌｧｲﾙ" as ReadIniValue gives it, except that a marked UTF-8 path,
// which may be longer, comes back whole.
std::string readMusicFileValue(const ProfileFile& ini) {
  std::string value = ini.readString(kSectionMusic, kKeyBgmFile, "", kMarkedPathTextLimit + 1);
  if (!isUtf8PathText(value) && value.size() > kValueBuffer - 1) value.resize(kValueBuffer - 1);
  return value;
}

}  // namespace

std::string ReadIniValue(const std::string& section, const std::string& key,
                         const std::string& path) {
  return readProfileString(path, section, key, "", kValueBuffer);
}

void WriteIniValue(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& path) {
  writeProfileString(path, section.substr(0, kNameLimit), key.substr(0, kNameLimit), value);
}

bool FileExists(const std::string& path) {
  std::string p = path;
  if (!p.empty() && p.back() == '\\') p.pop_back();
  if (p.empty()) return false;
  return canOpenPathText(p);
}

std::string FolderOfPath(const std::string& path) { return folderOfPathText(path); }

void loadBgmSettingsFrom(const std::string& iniPath, const std::string& programFolder) {
  const ProfileFile ini(iniPath);
  loadNumber(ini.readString(kSectionMusic, kKeyBgmKind, "", kValueBuffer), BGM_Kind);
  loadNumber(ini.readString(kSectionMusic, kKeyBgmTrack, "", kValueBuffer), BGM_Track);
  std::string file = readMusicFileValue(ini);
  if (file.empty() || !FileExists(file)) {
    BGM_File.clear();
    if (BGM_Kind == 2) BGM_Kind = 0;
  } else {
    BGM_File = file;
  }
  BGM_Folder = BGM_File.empty() ? programFolder : FolderOfPath(BGM_File);
}

}  // namespace vantrel
