// The screensaver command line: any full command line, however long or odd,
// yields one mode, chosen by the second character of the argument text.
#include <cctype>
#include <cstdlib>

#include "host/command_line.h"

namespace {
void check(bool ok) {
  if (!ok) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string full(reinterpret_cast<const char*>(data), size);
  const std::string args = vantrel::argumentText(full);
  check(args.size() <= full.size());
  const vantrel::CommandLine line = vantrel::parseCommandLine(args);

  using vantrel::HostMode;
  if (args.empty()) {
    check(line.mode == HostMode::SaverQuiet);
  } else if (args.size() < 2) {
    check(line.mode == HostMode::Other);
  } else {
    const int letter = std::toupper(static_cast<unsigned char>(args[1]));
    const HostMode expected = letter == 'P'   ? HostMode::Preview
                              : letter == 'C' ? HostMode::Configure
                              : letter == 'S' ? HostMode::Saver
                                              : HostMode::Other;
    check(line.mode == expected);
  }
  if (line.mode != HostMode::Preview) check(line.previewHandle == 0);
  return 0;
}
