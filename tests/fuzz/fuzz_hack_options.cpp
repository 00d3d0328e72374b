// The Linux hack's command line: any arguments either parse into options
// within their ranges or give one line naming what is wrong.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "renderer/hack/hack_options.h"
#include "tests/fuzz/fuzz_input.h"

namespace {
void check(bool ok) {
  if (!ok) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  // One argument per NUL-separated field, as many as the input holds.
  const std::size_t count =
      std::min<std::size_t>(16, std::count(data, data + size, 0) + 1);
  const std::vector<std::string> fields =
      vantrel::fuzz::splitFields(data, size, count);
  std::vector<const char*> argv = {"vantrel"};
  for (const std::string& field : fields) argv.push_back(field.c_str());
  const vantrel::HackParse parsed =
      vantrel::parseHackOptions(static_cast<int>(argv.size()), argv.data());
  if (parsed.ok) {
    const vantrel::HackOptions& o = parsed.options;
    check(o.speed >= vantrel::kHackMinSpeed &&
          o.speed <= vantrel::kHackMaxSpeed);
    check(o.stars >= 0 && o.stars <= vantrel::kHackMaxStars);
    check(o.target != vantrel::HackTarget::WindowId ||
          (o.windowId != 0 && o.windowId <= 0x1FFFFFFFul));
  } else {
    check(!parsed.error.empty() &&
          parsed.error.find('\n') == std::string::npos);
  }
  unsigned long id = 0;
  if (vantrel::rootTargetWindow(fields[0].c_str(), id) && id != 0) {
    check(id <= 0x1FFFFFFFul);
  }
  return 0;
}
