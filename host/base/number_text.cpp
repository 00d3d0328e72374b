#include "host/base/number_text.h"

#include <cmath>
#include <cstdlib>

#include "host/base/round_half_even.h"

namespace vantrel {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Scans a decimal number at pos (sign, digits, point, exponent) into out,
// without blanks; returns the position after it and whether digits were seen.
std::size_t scanNumber(const std::string& s, std::size_t pos, bool skipInnerBlanks,
                       std::string& out, bool& digits) {
  auto skip = [&](std::size_t p) {
    while (skipInnerBlanks && p < s.size() && isBlank(s[p])) ++p;
    return p;
  };
  digits = false;
  pos = skip(pos);
  if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) out += s[pos++];
  for (pos = skip(pos); pos < s.size() && isDigit(s[pos]); pos = skip(pos + 1)) {
    out += s[pos];
    digits = true;
  }
  if (pos < s.size() && s[pos] == '.') {
    out += '.';
    for (pos = skip(pos + 1); pos < s.size() && isDigit(s[pos]); pos = skip(pos + 1)) {
      out += s[pos];
      digits = true;
    }
  }
  if (digits && pos < s.size() && (s[pos] == 'e' || s[pos] == 'E')) {
    std::string exponent = "e";
    std::size_t p = skip(pos + 1);
    if (p < s.size() && (s[p] == '+' || s[p] == '-')) exponent += s[p++];
    bool expDigits = false;
    for (p = skip(p); p < s.size() && isDigit(s[p]); p = skip(p + 1)) {
      exponent += s[p];
      expDigits = true;
    }
    if (expDigits) {
      out += exponent;
      pos = p;
    }
  }
  return pos;
}

}  // namespace

std::string numberToText(long value) {
  return (value >= 0 ? " " : "") + std::to_string(value);
}

std::optional<double> parseNumber(const std::string& text) {
  std::size_t pos = 0;
  while (pos < text.size() && isBlank(text[pos])) ++pos;
  std::string number;
  bool digits = false;
  pos = scanNumber(text, pos, false, number, digits);
  while (pos < text.size() && isBlank(text[pos])) ++pos;
  if (!digits || pos != text.size()) return std::nullopt;
  double value = std::strtod(number.c_str(), nullptr);
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<std::int16_t> floorToInt16(double value) {
  double f = std::floor(value);
  if (!(f >= -32768.0 && f <= 32767.0)) return std::nullopt;
  return static_cast<std::int16_t>(f);
}

std::int32_t leadingNumberToInt32(const std::string& text) {
  std::string number;
  bool digits = false;
  scanNumber(text, 0, true, number, digits);
  if (!digits) return 0;
  double value = roundHalfEven(std::strtod(number.c_str(), nullptr));
  if (!(value >= -2147483648.0 && value <= 2147483647.0)) return 0;
  return static_cast<std::int32_t>(value);
}

}  // namespace vantrel
