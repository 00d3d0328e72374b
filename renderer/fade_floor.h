#pragma once
// The 8-bit picture's fade floor: 11/12 of a value from 1 to 6 (of 255)
// rounds back to the same value, so light that dim never fades out.

namespace vantrel {

constexpr int kFloorTableSize = 256;

// The value an 8-bit channel holds after one fade by 11/12, rounded to
// nearest with halves up as the blending hardware does.
int fadedEightBit(int value);

// A colour table (entry v for the channel value v / 255) that takes one
// step off each value the fade would leave unchanged and keeps every other.
void eightBitFloorTable(float table[kFloorTableSize]);

}  // namespace vantrel
