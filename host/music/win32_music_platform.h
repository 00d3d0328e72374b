// The music seam over the real Windows multimedia library (winmm).
#pragma once

#include "host/music/music_platform.h"

namespace vantrel {

class Win32MusicPlatform : public MusicPlatform {
 public:
  std::uint32_t sendString(const char* command, char* reply, std::uint32_t replyLength) override;
  bool errorString(std::uint32_t code, char* text, std::uint32_t textLength) override;
  bool playSound(const char* name, std::uint32_t flags) override;
  std::uint32_t waveOutDeviceCount() override;
};

}  // namespace vantrel
