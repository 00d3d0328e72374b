#include "host/forms/win32_access_keys.h"

namespace vantrel::forms {

std::string CharToUtf8(wchar_t c) {
  if (c < 0x20 || (c >= 0xD800 && c <= 0xDFFF)) return std::string();
  char buf[8] = {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, &c, 1, buf, sizeof buf, nullptr, nullptr);
  return n > 0 ? std::string(buf, static_cast<size_t>(n)) : std::string();
}

bool TranslateAccessKey(HWND form, const MSG& msg, AccessKeyMap& keys) {
  if (msg.message != WM_SYSCHAR || !form) return false;
  if (msg.hwnd != form && !IsChild(form, msg.hwnd)) return false;
  // NOTE: a window created with the ANSI API receives WM_SYSCHAR in its code
  // page; the Unicode check decides how to read wParam.
  wchar_t c = 0;
  if (IsWindowUnicode(msg.hwnd)) {
    c = static_cast<wchar_t>(msg.wParam);
  } else {
    const char ch = static_cast<char>(msg.wParam);
    if (MultiByteToWideChar(CP_ACP, 0, &ch, 1, &c, 1) != 1) return false;
  }
  return keys.Dispatch(CharToUtf8(c));
}

}  // namespace vantrel::forms
