// The narrow seam between the music unit and the Windows multimedia library:
// exactly the four calls it makes, with their Win32 meaning. Texts are UTF-8
// on this side; the platform's side uses the wide entry points, so a path
// in any script reaches the device unchanged.
#pragma once

#include <cstdint>

namespace vantrel {

class MusicPlatform {
 public:
  virtual ~MusicPlatform() = default;
  // mciSendStringW(command, reply, replyLength characters, no callback
  // window); the reply comes back cut to whole characters that fit
  // replyLength bytes with the NUL. reply may be null with length 0.
  virtual std::uint32_t sendString(const char* command, char* reply, std::uint32_t replyLength) = 0;
  // mciGetErrorStringW, cut as a reply is: true on success.
  virtual bool errorString(std::uint32_t code, char* text, std::uint32_t textLength) = 0;
  // PlaySoundW(name, no module, flags); name null stops wave sounds.
  virtual bool playSound(const char* name, std::uint32_t flags) = 0;
  // waveOutGetNumDevs.
  virtual std::uint32_t waveOutDeviceCount() = 0;
};

}  // namespace vantrel
