#pragma once
// The 8-bit picture's fade floor: 11/12 of a value from 1 to 6 (of 255)
// rounds back to the same value, so light that dim never fades out.

namespace vantrel {

constexpr int kFloorTableSize = 256;

// Frames between two floor passes: the pass is dear (a copy of the picture
// and a full-screen program), and one every 48th frame still takes a fully
// lit channel to black within 100 frames of fading.
constexpr int kFloorInterval = 48;

// The value an 8-bit channel holds after one fade by 11/12, rounded to
// nearest with halves up as the blending hardware does.
int fadedEightBit(int value);

// The highest value the fade leaves unchanged (6); every value from 1 to it
// is frozen.
int highestFrozenEightBit();

// 0 for a value the fade would leave unchanged (at most 6/255, too dim to
// see fade), so one pass makes it black; any other value as it is.
int flooredEightBit(int value);

}  // namespace vantrel
