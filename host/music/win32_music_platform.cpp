#include "host/music/win32_music_platform.h"

#include <windows.h>
#include <mmsystem.h>

namespace vantrel {

std::uint32_t Win32MusicPlatform::sendString(const char* command, char* reply,
                                             std::uint32_t replyLength) {
  return mciSendStringA(command, reply, replyLength, nullptr);
}

bool Win32MusicPlatform::errorString(std::uint32_t code, char* text, std::uint32_t textLength) {
  return mciGetErrorStringA(code, text, textLength) != FALSE;
}

bool Win32MusicPlatform::playSound(const char* name, std::uint32_t flags) {
  return PlaySoundA(name, nullptr, flags) != FALSE;
}

std::uint32_t Win32MusicPlatform::waveOutDeviceCount() { return waveOutGetNumDevs(); }

}  // namespace vantrel
