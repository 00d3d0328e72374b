#include "tests/drills/drill_support.h"

#include <tlhelp32.h>

#include <fstream>
#include <sstream>

#include "common/ini_format.h"

namespace vantrel {
namespace drill {

const char kSettingsPath[] = "C:\\orlek_temp\\Vantrel.ini";
const char kSettingsFolder[] = "C:\\orlek_temp";

namespace {

const char kKeyKind[] = "BGM\x8b\xe6\x95\xaa";        // BGM区分
const char kKeyTrack[] = "BGM\xd8\xcb\xdf\xb0\xc4";   // BGMﾘﾋﾟｰﾄ
const char kKeyFile[] = "BGM\xcc\xa7\xb2\xd9";        // BGMﾌｧｲﾙ

bool sameNameNoCase(const wchar_t* a, const wchar_t* b) { return lstrcmpiW(a, b) == 0; }

}  // namespace

std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

bool writeBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  out.close();
  return static_cast<bool>(out);
}

SettingsBackup::SettingsBackup() {
  DWORD attributes = GetFileAttributesA(kSettingsPath);
  existed_ = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  if (existed_) bytes_ = readBytes(kSettingsPath);
}

SettingsBackup::~SettingsBackup() {
  removeAnything(kSettingsPath);
  removeAnything(std::string(kSettingsPath) + ".new");
  if (existed_) {
    CreateDirectoryA(kSettingsFolder, nullptr);
    writeBytes(kSettingsPath, bytes_);
  }
}

void removeAnything(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    DeleteFileA(path.c_str());
    return;
  }
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name != "." && name != "..") removeAnything(path + "\\" + name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(path.c_str());
}

std::vector<DWORD> programProcesses() {
  std::vector<DWORD> ids;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return ids;
  PROCESSENTRY32W entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    if (entry.th32ProcessID == GetCurrentProcessId()) continue;
    if (sameNameNoCase(entry.szExeFile, L"Vantrel.scr") ||
        sameNameNoCase(entry.szExeFile, L"Vantrel.dll")) {
      ids.push_back(entry.th32ProcessID);
    }
  }
  CloseHandle(snapshot);
  return ids;
}

int endProcesses(const std::vector<DWORD>& ids) {
  int ended = 0;
  for (DWORD id : ids) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
    if (!process) continue;
    TerminateProcess(process, 97);
    if (WaitForSingleObject(process, 5000) == WAIT_OBJECT_0) ++ended;
    CloseHandle(process);
  }
  return ended;
}

HANDLE openWindowProcess(HWND window) {
  DWORD id = 0;
  GetWindowThreadProcessId(window, &id);
  if (!id) return nullptr;
  return OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION, FALSE, id);
}

bool cursorShowingInForeground() {
  CURSORINFO info = {};
  info.cbSize = sizeof info;
  if (!GetCursorInfo(&info)) return false;
  return (info.flags & CURSOR_SHOWING) != 0;
}

MusicKeys readMusicKeys(const std::string& bytes) {
  MusicKeys keys;
  keys.kind = ini::findValue(bytes, "Section", kKeyKind).value_or("<missing>");
  keys.track = ini::findValue(bytes, "Section", kKeyTrack).value_or("<missing>");
  keys.file = ini::findValue(bytes, "Section", kKeyFile).value_or("<missing>");
  return keys;
}

std::string checkSettingsFile(const std::string& bytes, int width, int height,
                              const MusicKeys& music) {
  if (bytes.empty()) return "the settings file is empty or unreadable";
  std::string section;
  bool widthSeen = false;
  bool heightSeen = false;
  std::size_t pos = 0;
  int lineNumber = 0;
  while (pos < bytes.size()) {
    std::size_t end = bytes.find('\n', pos);
    std::string line = bytes.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
    pos = end == std::string::npos ? bytes.size() : end + 1;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    if (line.front() == '[') {
      std::size_t close = line.find(']');
      if (close == std::string::npos) return "line " + std::to_string(lineNumber) + ": broken section";
      section = line.substr(1, close - 1);
      continue;
    }
    if (line.find('=') == std::string::npos) {
      return "line " + std::to_string(lineNumber) + ": neither a section nor a key";
    }
    if (ini::namesEqual(section, "Settings")) {
      if (line == "Width= " + std::to_string(width)) widthSeen = true;
      if (line == "Height= " + std::to_string(height)) heightSeen = true;
    }
  }
  if (!widthSeen) return "no \"Width= " + std::to_string(width) + "\" line in [Settings]";
  if (!heightSeen) return "no \"Height= " + std::to_string(height) + "\" line in [Settings]";
  const MusicKeys now = readMusicKeys(bytes);
  if (now.kind != music.kind || now.track != music.track || now.file != music.file) {
    return "the music keys changed";
  }
  return std::string();
}

std::string musicSection(const std::string& kind, const std::string& file) {
  return std::string("[Section]\r\n") + kKeyKind + "=" + kind + "\r\n" + kKeyTrack + "= 0\r\n" +
         kKeyFile + "=" + file + "\r\n";
}

std::string binFolderA() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string p(path);
  return p.substr(0, p.find_last_of('\\'));
}

}  // namespace drill
}  // namespace vantrel
