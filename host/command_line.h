// The screensaver command line: which of the host's lives to lead.
#pragma once

#include <cstdint>
#include <string>

namespace vantrel {

enum class HostMode {
  Preview,    // "/p <handle>"
  Configure,  // "/c", "/c:<handle>"
  Saver,      // "/s": the host hides the cursor
  SaverQuiet, // empty argument text: a run without hiding the cursor
  Other       // anything else: ends after the renderer check
};

struct CommandLine {
  HostMode mode = HostMode::Other;
  std::int32_t previewHandle = 0;  // only for Preview
};

// The argument text of a full command line: what follows the program's own
// name (quoted or not), blanks before it dropped.
std::string argumentText(const std::string& fullCommandLine);

// The mode chosen by the second character of the argument text (the first is
// a switch sign and is not examined); for preview, the handle is the number
// that begins at the fourth character.
CommandLine parseCommandLine(const std::string& arguments);

}  // namespace vantrel
