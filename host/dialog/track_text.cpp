#include "host/dialog/track_text.h"

#include <cstdlib>

#include "host/base/round_half_even.h"

namespace vantrel {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The text without the blanks around it.
std::string trimmed(const std::string& text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && isBlank(text[first])) ++first;
  while (last > first && isBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

}  // namespace

bool isNumericText(const std::string& text) {
  const std::string t = trimmed(text);
  std::size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < t.size() && isDigit(t[i])) { ++i; ++digits; }
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && isDigit(t[i])) { ++i; ++digits; }
  }
  if (digits == 0) return false;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t expDigits = 0;
    while (i < t.size() && isDigit(t[i])) { ++i; ++expDigits; }
    if (expDigits == 0) return false;
  }
  return i == t.size();
}

int16_t trackFromText(const std::string& text) {
  if (!isNumericText(text)) return 0;
  // NOTE: strtod follows the C locale's decimal point, which is what the
  // notation above demands; the program never changes the locale.
  const double value = std::strtod(trimmed(text).c_str(), nullptr);
  // A huge exponent gives HUGE_VAL, which the clamp below turns into the
  // range's end like any other number that does not fit.
  if (!(value < 32767.5)) return 32767;
  if (!(value > -32768.5)) return -32768;
  return static_cast<int16_t>(roundHalfEven(value));
}

std::string formatTrack(int value) {
  if (value == 0) return std::string();
  return std::to_string(value);
}

}  // namespace vantrel
