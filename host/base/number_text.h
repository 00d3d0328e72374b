// The host's conversions between numbers and the text it stores or reads.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vantrel {

// A number as the host writes it: one blank before a non-negative number,
// a minus sign before a negative one (" 1024", "-5").
std::string numberToText(long value);

// The value of a numeric text: optional blanks, an optional sign, digits
// with an optional decimal point and exponent, optional blanks; nothing
// else. nullopt for anything that is no number (the empty text included).
std::optional<double> parseNumber(const std::string& text);

// value rounded down and held as a 16-bit integer; nullopt outside that range.
std::optional<std::int16_t> floorToInt16(double value);

// The leading number of a text as the platform's "value of" reads it: blanks
// skipped anywhere, reading stops at the first character that cannot belong
// to a number, no digits give 0; then rounded half to even into 32 bits, or
// 0 when it does not fit.
std::int32_t leadingNumberToInt32(const std::string& text);

}  // namespace vantrel
