// The private-profile (INI) text format as the platform's profile functions
// read and edit it, over byte strings. Names are raw bytes in the file's
// code page (Shift-JIS for the host's Japanese keys); no file access here.
#pragma once

#include <optional>
#include <string>

namespace vantrel {
namespace ini {

// True when two section or key names are the same, ignoring the case of
// ASCII letters. The trail byte of a Shift-JIS double-byte character is never
// folded, so two different kana cannot match by accident.
bool namesEqual(const std::string& a, const std::string& b);

// The value stored for key in section, blanks around it stripped and one pair
// of matching enclosing quotes removed; nullopt when the section or key is
// missing. The first matching section and key win.
std::optional<std::string> findValue(const std::string& text, const std::string& section,
                                     const std::string& key);

// The text with key in section set to value exactly as given (leading blanks
// kept, empty written as empty). Other lines keep their bytes and order; new
// lines take the line ending of the file's first line (CRLF for a new file);
// a new section is appended after one blank line.
std::string setValue(const std::string& text, const std::string& section, const std::string& key,
                     const std::string& value);

// The number at the start of a profile value: leading blanks skipped, an
// optional sign, decimal digits; no digits gives 0. Wraps at 32 bits.
int parseProfileInt(const std::string& value);

// True when text can be written as a name or value without changing the
// file's line structure (no CR, LF or NUL).
bool isSingleLine(const std::string& text);

}  // namespace ini
}  // namespace vantrel
