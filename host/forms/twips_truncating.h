// Twips, the host's layout unit: 1440 to the inch, so 15 to the pixel on a
// 96 dpi screen. Each screen axis has its own twips per pixel.
#pragma once

namespace vantrel {

// Twips per pixel for a screen of dotsPerInch (15 at 96 dpi); a screen that
// reports no resolution counts as 96 dpi.
int twipsPerPixel(int dotsPerInch);

// Pixels of a twips length, by integer division (truncating).
int twipsToPixels(int twips, int twipsPerPixelAxis);

int pixelsToTwips(int pixels, int twipsPerPixelAxis);

}  // namespace vantrel
