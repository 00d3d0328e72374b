#include "common/ini_file.h"

#include "common/file_io.h"
#include "common/ini_format.h"

namespace vantrel {

ProfileFile::ProfileFile(const std::string& path) {
  readable_ = readWholeFile(path, text_) == ReadResult::Ok;
}

int ProfileFile::readInt(const std::string& section, const std::string& key,
                         int defaultValue) const {
  std::string value = readString(section, key, "");
  if (value.empty()) return defaultValue;
  return ini::parseProfileInt(value);
}

std::string ProfileFile::readString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue,
                                    std::size_t bufferSize) const {
  if (bufferSize == 0) return std::string();
  std::optional<std::string> value;
  if (readable_) value = ini::findValue(text_, section, key);
  std::string result = value ? *value : defaultValue;
  if (result.size() > bufferSize - 1) result.resize(bufferSize - 1);
  return result;
}

int readProfileInt(const std::string& path, const std::string& section, const std::string& key,
                   int defaultValue) {
  return ProfileFile(path).readInt(section, key, defaultValue);
}

std::string readProfileString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& defaultValue,
                              std::size_t bufferSize) {
  return ProfileFile(path).readString(section, key, defaultValue, bufferSize);
}

bool writeProfileString(const std::string& path, const std::string& section,
                        const std::string& key, const std::string& value) {
  if (!ini::isSingleLine(section) || !ini::isSingleLine(key) || !ini::isSingleLine(value)) {
    return false;
  }
  // A file that exists but cannot be read is never replaced: that would lose it.
  std::string text;
  if (readWholeFile(path, text) == ReadResult::Failed) return false;
  return replaceWholeFile(path, ini::setValue(text, section, key, value));
}

}  // namespace vantrel
