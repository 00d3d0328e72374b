#include "host/base/win32_path_text.h"

#include <windows.h>

#include "host/base/path_text.h"

namespace vantrel {
namespace {

std::wstring toWide(UINT codePage, const std::string& bytes) {
  if (bytes.empty()) return std::wstring();
  const int size = static_cast<int>(bytes.size());
  const int n = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
  if (n <= 0) return std::wstring();
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), size, &wide[0], n);
  return wide;
}

// The code page 932 bytes of path; false when a character has no form there.
bool cp932Of(const std::wstring& path, std::string* bytes) {
  const int size = static_cast<int>(path.size());
  BOOL usedDefault = FALSE;
  const int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, path.data(), size, nullptr, 0,
                                    nullptr, &usedDefault);
  if (n <= 0 || usedDefault) return false;
  bytes->assign(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, path.data(), size, &(*bytes)[0], n, nullptr,
                      &usedDefault);
  return !usedDefault;
}

}  // namespace

std::wstring widePathOf(const std::string& text) {
  if (isUtf8PathText(text)) return wideOfUtf8(utf8OfPathText(text));
  return toWide(932, text);
}

std::string pathTextOf(const std::wstring& path) {
  std::string bytes;
  if (path.empty()) return bytes;
  // NOTE: checked by the way back as well: only bytes that decode to the very
  // same path may be stored unmarked.
  if (cp932Of(path, &bytes) && toWide(932, bytes) == path) return bytes;
  return utf8PathText(utf8OfWide(path));
}

std::string utf8OfWide(const std::wstring& wide) {
  if (wide.empty()) return std::string();
  const int size = static_cast<int>(wide.size());
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  if (n <= 0) return std::string();
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, &out[0], n, nullptr, nullptr);
  return out;
}

std::wstring wideOfUtf8(const std::string& utf8) { return toWide(CP_UTF8, utf8); }

bool canOpenPathText(const std::string& text) {
  const std::wstring path = widePathOf(text);
  if (path.empty()) return false;
  // NOTE: readers share only reading, as a plain "open for input" does, so a
  // file someone is writing counts as unreadable.
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

}  // namespace vantrel
