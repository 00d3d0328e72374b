// The CD track as the dialog's combo box shows and reads it: a 16-bit track
// number to and from the box's text.
#pragma once

#include <cstdint>
#include <string>

namespace vantrel {

// True when text is a number in ordinary decimal notation: blanks around it
// allowed, an optional sign, digits with an optional decimal point (at least
// one digit), and an optional exponent (E or e, optional sign, digits).
bool isNumericText(const std::string& text);

// The track saved for the combo box's text: a numeric text rounded to the
// nearest whole number, a half going to the even neighbour; 0 for any other
// text, the empty one included. A number beyond the 16-bit range is clamped
// to -32768 or 32767, so the stored setting always fits its 16-bit variable.
int16_t trackFromText(const std::string& text);

// The "##" display pattern: the number's digits with no leading zeros and a
// minus sign when negative; 0 gives the empty text.
std::string formatTrack(int value);

}  // namespace vantrel
