// Text conversions of the settings dialog. The host holds its file names and
// settings keys as Japanese ANSI (code page 932) bytes whatever the system's
// own code page is; the dialog shows everything through the wide APIs.
#pragma once

#include <string>

namespace vantrel {

std::wstring wideFromCp932(const std::string& bytes);
std::string utf8FromWide(const std::wstring& wide);

// The code page 932 bytes of text; false when a character has no exact
// form there (the bytes would name another file).
bool cp932FromWide(const std::wstring& wide, std::string* bytes);

}  // namespace vantrel
