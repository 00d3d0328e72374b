// Path texts (host/base/path_text.h) to and from the platform's UTF-16 paths.
#pragma once

#include <string>

namespace vantrel {

// The UTF-16 path a path text names: a marked text from its UTF-8, any other
// from code page 932, whatever the system's own code page.
std::wstring widePathOf(const std::string& text);

// The path text of a UTF-16 path: its code page 932 bytes when they name
// exactly this path again, otherwise the marked UTF-8.
std::string pathTextOf(const std::wstring& path);

// UTF-8 of UTF-16 text (unpaired surrogates become U+FFFD).
std::string utf8OfWide(const std::wstring& wide);

// UTF-16 of UTF-8 text (invalid bytes become U+FFFD).
std::wstring wideOfUtf8(const std::string& utf8);

}  // namespace vantrel
