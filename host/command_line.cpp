#include "host/command_line.h"

#include "host/base/number_text.h"

namespace vantrel {

std::string argumentText(const std::string& fullCommandLine) {
  std::size_t pos = 0;
  const std::string& s = fullCommandLine;
  while (pos < s.size() && (s[pos] == ' ' || s[pos] == '\t')) ++pos;
  if (pos < s.size() && s[pos] == '"') {
    std::size_t close = s.find('"', pos + 1);
    pos = close == std::string::npos ? s.size() : close + 1;
  } else {
    while (pos < s.size() && s[pos] != ' ' && s[pos] != '\t') ++pos;
  }
  while (pos < s.size() && (s[pos] == ' ' || s[pos] == '\t')) ++pos;
  return s.substr(pos);
}

CommandLine parseCommandLine(const std::string& arguments) {
  CommandLine result;
  if (arguments.empty()) {
    result.mode = HostMode::SaverQuiet;
    return result;
  }
  if (arguments.size() < 2) return result;
  switch (arguments[1]) {
    case 'p':
    case 'P':
      result.mode = HostMode::Preview;
      if (arguments.size() > 3) result.previewHandle = leadingNumberToInt32(arguments.substr(3));
      break;
    case 'c':
    case 'C':
      result.mode = HostMode::Configure;
      break;
    case 's':
    case 'S':
      result.mode = HostMode::Saver;
      break;
    default:
      break;
  }
  return result;
}

}  // namespace vantrel
