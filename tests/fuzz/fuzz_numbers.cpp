// The host's number conversions: every number it writes reads back as itself,
// and no text or double makes a conversion misbehave.
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "host/base/number_text.h"

namespace {
void check(bool ok) {
  if (!ok) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  (void)vantrel::leadingNumberToInt32(text);
  if (const auto number = vantrel::parseNumber(text)) {
    if (const auto floored = vantrel::floorToInt16(*number)) {
      check(*floored <= *number && *number < *floored + 1.0);
    }
  }

  if (size >= sizeof(std::int32_t)) {
    std::int32_t n;
    std::memcpy(&n, data, sizeof n);
    const std::string written = vantrel::numberToText(n);
    check(written[0] == (n < 0 ? '-' : ' '));
    const auto back = vantrel::parseNumber(written);
    check(back.has_value() && *back == static_cast<double>(n));
    check(vantrel::leadingNumberToInt32(written) == n);
  }
  if (size >= sizeof(double)) {
    double d;
    std::memcpy(&d, data, sizeof d);
    const auto floored = vantrel::floorToInt16(d);
    if (floored) check(*floored == std::floor(d));
    else check(!(std::floor(d) >= -32768.0 && std::floor(d) <= 32767.0));
  }
  return 0;
}
