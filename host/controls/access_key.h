#pragma once
// The access key a caption marks with "&".
#include <string>

namespace vantrel::controls {

// The character after the first single "&", in lower case; "&&" is a literal
// ampersand and is skipped. Empty when there is none, including an "&" that
// ends the caption. Characters are UTF-8 sequences, so a marked non-ASCII
// character is returned whole.
std::string GetAccessKey(const std::string& caption);

}  // namespace vantrel::controls
