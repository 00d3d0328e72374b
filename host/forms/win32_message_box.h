// The form host's modal message box, in UTF-16 so its text is right on any
// system code page.
#pragma once

#include <string>

namespace vantrel {

// An OK-only message box owned by no window; returns when it is dismissed.
void showMessageBox(const std::wstring& text, const std::wstring& caption);

}  // namespace vantrel
