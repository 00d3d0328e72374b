// A form's saved layout: any text parses, and what is parsed, written back
// and parsed again is what was parsed the first time.
#include <cstdlib>

#include "host/forms/saved_layout.h"

namespace {
void check(bool ok) {
  if (!ok) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const vantrel::forms::SavedLayout first = vantrel::forms::ParseLayout(text);
  const std::string written = vantrel::forms::WriteLayout(first);
  const vantrel::forms::SavedLayout second = vantrel::forms::ParseLayout(written);
  check(vantrel::forms::WriteLayout(second) == written);
  check(second.controls.size() == first.controls.size());
  for (const auto& control : first.controls) {
    const auto* again = second.Find(control.name);
    check(again != nullptr);
    (void)control.Left();
    (void)control.Width(100);
    (void)control.Type();
  }
  return 0;
}
