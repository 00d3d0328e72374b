// The dialog's track text: any text converts without undefined behaviour to a
// 16-bit track, numeric texts round half to even like the C library's
// nearest rounding, other texts give 0, and the "##" text of every track
// converts back to that track.
#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "host/dialog/track_text.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

std::int16_t expectedTrack(const std::string& text) {
  std::size_t b = text.find_first_not_of(" \t");
  std::size_t e = text.find_last_not_of(" \t");
  const std::string t = b == std::string::npos ? std::string() : text.substr(b, e - b + 1);
  const double v = std::strtod(t.c_str(), nullptr);
  if (!(v < 32767.5)) return 32767;
  if (!(v > -32768.5)) return -32768;
  return static_cast<std::int16_t>(std::nearbyint(v));  // default mode: half to even
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  if (text.find('\0') != std::string::npos) return 0;  // a combo box text has no NUL
  const std::int16_t track = vantrel::trackFromText(text);
  if (!vantrel::isNumericText(text)) {
    check(track == 0);
  } else {
    check(std::fegetround() == FE_TONEAREST);
    check(track == expectedTrack(text));
  }

  if (size >= 2) {
    std::int16_t n;
    std::memcpy(&n, data, sizeof n);
    check(vantrel::trackFromText(vantrel::formatTrack(n)) == n);
  }
  return 0;
}
