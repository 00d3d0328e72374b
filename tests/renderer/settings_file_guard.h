#pragma once
// Writes the shared settings file for one test and puts back whatever was
// there before (or removes it) afterwards.
#include <windows.h>

#include <cstdio>
#include <string>

namespace vantrel {

class SettingsFileGuard {
 public:
  static constexpr const char* kPath = "C:\\orlek_temp\\Vantrel.ini";

  SettingsFileGuard() {
    CreateDirectoryA("C:\\orlek_temp", nullptr);
    if (FILE* file = std::fopen(kPath, "rb")) {
      had_ = true;
      char buffer[4096];
      std::size_t n;
      while ((n = std::fread(buffer, 1, sizeof(buffer), file)) > 0)
        saved_.append(buffer, n);
      std::fclose(file);
    }
  }
  ~SettingsFileGuard() {
    if (had_) {
      write(saved_);
    } else {
      remove();
    }
  }
  SettingsFileGuard(const SettingsFileGuard&) = delete;
  SettingsFileGuard& operator=(const SettingsFileGuard&) = delete;

  void write(const std::string& text) {
    if (FILE* file = std::fopen(kPath, "wb")) {
      std::fwrite(text.data(), 1, text.size(), file);
      std::fclose(file);
    }
  }
  void remove() { DeleteFileA(kPath); }

 private:
  bool had_ = false;
  std::string saved_;
};

}  // namespace vantrel
