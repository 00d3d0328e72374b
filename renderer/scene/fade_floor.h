#pragma once
// The 8-bit picture's fade floor: 11/12 of a value from 1 to 6 (of 255)
// rounds back to the same value, so light that dim never fades out.

namespace vantrel {

constexpr int kFloorTableSize = 256;

// 60ths of a second between two floor passes (48 frames at 60 Hz): the pass
// is dear (a copy of the picture and a full-screen program), and one every
// 0.8 s still takes a fully lit channel to black within 100 60ths of fading.
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

// The same for a frame `sixtieths` long (frame_light.h), whose fade is
// (11/12)^sixtieths: a shorter step fades less, so more low values round
// back to themselves (up to about 23 at 240 frames a second). The blending
// may round the fade's alpha to 8 bits first, so the higher of the exact
// and the rounded fade's limit, but never above what 48 60ths of fading take
// below half a step (32); at exactly 1, highestFrozenEightBit().
int highestFrozenEightBit(double sixtieths);

// 0 for a value from 1 to `highestFrozen`, any other value as it is.
int flooredEightBit(int value, int highestFrozen);

}  // namespace vantrel
