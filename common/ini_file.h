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

// WritePrivateProfileStringA as Windows does it: creates the file, section or
// key, writes the value unchanged (leading blank and empty value included)
// and keeps every other line. The file is replaced in one step. False when
// it cannot be written, or a name or value holds a line break.
bool writeProfileString(const std::string& path, const std::string& section,
                        const std::string& key, const std::string& value);

}  // namespace vantrel
