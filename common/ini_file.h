// The settings file as the platform's private-profile functions see it,
// shared by the host and the renderer. Every call reads the file afresh.
#pragma once

#include <cstddef>
#include <string>

namespace vantrel {

// GetPrivateProfileIntA: the number at the start of the value; defaultValue
// when the file, section or key is missing or the value is empty.
int readProfileInt(const std::string& path, const std::string& section, const std::string& key,
                   int defaultValue);

// GetPrivateProfileStringA: the value (blanks around it stripped), or
// defaultValue when missing; cut to bufferSize - 1 bytes.
std::string readProfileString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& defaultValue,
                              std::size_t bufferSize = 256);

// The file read once for several values, each answered as the two functions
// above answer it: a program reading all its settings at start-up pays for
// one read of the file, however large the file has grown.
class ProfileFile {
 public:
  explicit ProfileFile(const std::string& path);

  int readInt(const std::string& section, const std::string& key, int defaultValue) const;
  std::string readString(const std::string& section, const std::string& key,
                         const std::string& defaultValue, std::size_t bufferSize = 256) const;

 private:
  bool readable_ = false;
  std::string text_;
};

// WritePrivateProfileStringA as Windows does it: creates the file, section or
// key, writes the value unchanged (leading blank and empty value included)
// and keeps every other line. The file is replaced in one step. False when
// it cannot be written, or a name or value holds a line break.
bool writeProfileString(const std::string& path, const std::string& section,
                        const std::string& key, const std::string& value);

}  // namespace vantrel
