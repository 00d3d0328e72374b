#include "host/music/win32_music_platform.h"

#include <windows.h>
#include <mmsystem.h>

#include <cstring>
#include <vector>

#include "host/base/win32_path_text.h"

namespace vantrel {
namespace {

// Copies the UTF-8 of a NUL-terminated wide text into out, cut to the whole
// characters that fit length bytes with the NUL.
void copyAsUtf8(const wchar_t* wide, char* out, std::uint32_t length) {
  if (!out || length == 0) return;
  std::string utf8 = utf8OfWide(wide);
  std::size_t n = utf8.size() < length - 1 ? utf8.size() : length - 1;
  while (n > 0 && n < utf8.size() && (static_cast<unsigned char>(utf8[n]) & 0xc0) == 0x80) --n;
  std::memcpy(out, utf8.data(), n);
  out[n] = '\0';
}

bool hasAnsiForm(const std::wstring& text) {
  BOOL usedDefault = FALSE;
  const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(), -1, nullptr, 0,
                                    nullptr, &usedDefault);
  return n > 0 && !usedDefault;
}

// The name PlaySoundW gets for a sound file.
// NOTE: Wine's PlaySound opens files through the ANSI code page, so a name
// outside it would fail; its short (8.3) form names the same file and is
// plain ASCII there. Names the code page holds are passed unchanged.
std::wstring soundNameOf(const std::wstring& name) {
  if (hasAnsiForm(name)) return name;
  wchar_t shortName[MAX_PATH] = {};
  const DWORD n = GetShortPathNameW(name.c_str(), shortName, MAX_PATH);
  if (n == 0 || n >= MAX_PATH || !hasAnsiForm(shortName)) return name;
  return shortName;
}

}  // namespace

std::uint32_t Win32MusicPlatform::sendString(const char* command, char* reply,
                                             std::uint32_t replyLength) {
  const std::wstring wide = wideOfUtf8(command);
  std::vector<wchar_t> buffer(replyLength + 1, L'\0');
  const MCIERROR result = mciSendStringW(wide.c_str(), reply ? buffer.data() : nullptr,
                                         reply ? replyLength : 0, nullptr);
  copyAsUtf8(buffer.data(), reply, replyLength);
  return result;
}

bool Win32MusicPlatform::errorString(std::uint32_t code, char* text, std::uint32_t textLength) {
  std::vector<wchar_t> buffer(textLength + 1, L'\0');
  if (!mciGetErrorStringW(code, buffer.data(), textLength)) return false;
  copyAsUtf8(buffer.data(), text, textLength);
  return true;
}

bool Win32MusicPlatform::playSound(const char* name, std::uint32_t flags) {
  if (!name) return PlaySoundW(nullptr, nullptr, flags) != FALSE;
  return PlaySoundW(soundNameOf(wideOfUtf8(name)).c_str(), nullptr, flags) != FALSE;
}

std::uint32_t Win32MusicPlatform::waveOutDeviceCount() { return waveOutGetNumDevs(); }

}  // namespace vantrel
