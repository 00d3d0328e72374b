// The test environment's record of played sound: an ALSA file device whose
// path is in VANTREL_AUDIO_CAPTURE (a Unix path, reached through drive Z:).
#pragma once

#include <windows.h>

#include <cstdlib>
#include <string>

#include "tests/host/win32_process_helpers.h"

namespace vantrel {
namespace test {

class AudioCapture {
 public:
  AudioCapture() {
    const char* unixPath = std::getenv("VANTREL_AUDIO_CAPTURE");
    if (!unixPath || !*unixPath) return;
    path_ = std::string("Z:") + unixPath;
    for (char& c : path_) {
      if (c == '/') c = '\\';
    }
  }
  bool available() const { return !path_.empty(); }

  unsigned long long size() const {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path_.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  }
  // True when sound is written within ms.
  // NOTE: the ALSA file device truncates its file whenever a program opens
  // it, so growth is judged between successive samples.
  bool growsWithin(DWORD ms) const {
    unsigned long long last = size();
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
      pumpFor(50);
      const unsigned long long now = size();
      if (now > last) return true;
      last = now;
    }
    return false;
  }
  // True when no sound is written for ms.
  bool staysStill(DWORD ms) const {
    const unsigned long long before = size();
    pumpFor(ms);
    return size() == before;
  }

 private:
  std::string path_;
};

}  // namespace test
}  // namespace vantrel
