#include "common/ini_file.h"

#include "common/file_io.h"
#include "common/ini_format.h"

namespace vantrel {

int readProfileInt(const std::string& path, const std::string& section, const std::string& key,
                   int defaultValue) {
  std::string value = readProfileString(path, section, key, "");
  if (value.empty()) return defaultValue;
  return ini::parseProfileInt(value);
}

std::string readProfileString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& defaultValue,
                              std::size_t bufferSize) {
  if (bufferSize == 0) return std::string();
  std::string text;
  std::optional<std::string> value;
  if (readWholeFile(path, text) == ReadResult::Ok) value = ini::findValue(text, section, key);
  std::string result = value ? *value : defaultValue;
  if (result.size() > bufferSize - 1) result.resize(bufferSize - 1);
  return result;
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
