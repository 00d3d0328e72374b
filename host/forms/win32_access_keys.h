#pragma once
// Alt+key dispatch for a form's message loop.
#include <windows.h>

#include "host/forms/access_keys.h"

namespace vantrel::forms {

// Call from the form's message loop before TranslateMessage. True when msg was
// an Alt+key (WM_SYSCHAR) for a window of `form` whose key a control owns;
// the control has then been told and the message must not be dispatched.
bool TranslateAccessKey(HWND form, const MSG& msg, AccessKeyMap& keys);

// The UTF-8 text of one UTF-16 character (empty for surrogates and controls).
std::string CharToUtf8(wchar_t c);

}  // namespace vantrel::forms
