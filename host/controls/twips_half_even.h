#pragma once
// Twips (1/1440 inch; 15 to a pixel on a standard display) to pixels.

namespace vantrel::controls {

// Nearest integer, halves to even.
int RoundHalfEven(double v);

// The size rounded to a 16-bit integer (saturating), divided by the twips per
// pixel, rounded halves to even. A non-positive twipsPerPixel counts as 15.
int TwipsToPixels(double twips, double twipsPerPixel);

// The inverse used to size windows: pixels * twipsPerPixel.
int PixelsToTwips(int pixels, double twipsPerPixel);

}  // namespace vantrel::controls
