// ~/.xscreensaver as any bytes: the edit keeps every byte of the file in
// order, adds the entry so that a second run finds it, and leaves files it
// does not change exactly as they were.
#include <cstdlib>
#include <string>

#include "renderer/hack/xscreensaver_programs.h"
#include "tests/fuzz/fuzz_input.h"

namespace {
void check(bool ok) {
  if (!ok) std::abort();
}

// True when `inner` can be had from `outer` by deleting characters.
bool keptInOrder(const std::string& inner, const std::string& outer) {
  std::size_t at = 0;
  for (char c : outer) {
    if (at < inner.size() && inner[at] == c) ++at;
  }
  return at == inner.size();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const std::string file(reinterpret_cast<const char*>(data), size);
  const vantrel::ProgramsEditResult result = vantrel::addToProgramsList(file);
  if (result.outcome != vantrel::ProgramsEdit::Added) {
    check(result.text == file);
    return 0;
  }
  check(result.text.size() > file.size());
  check(keptInOrder(file, result.text));
  const vantrel::ProgramsEditResult again =
      vantrel::addToProgramsList(result.text);
  check(again.outcome == vantrel::ProgramsEdit::AlreadyListed);
  return 0;
}
