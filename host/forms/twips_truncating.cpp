#include "host/forms/twips_truncating.h"

namespace vantrel {

int twipsPerPixel(int dotsPerInch) {
  if (dotsPerInch <= 0) dotsPerInch = 96;
  int t = 1440 / dotsPerInch;
  return t > 0 ? t : 1;
}

int twipsToPixels(int twips, int twipsPerPixelAxis) {
  return twipsPerPixelAxis > 0 ? twips / twipsPerPixelAxis : 0;
}

int pixelsToTwips(int pixels, int twipsPerPixelAxis) { return pixels * twipsPerPixelAxis; }

}  // namespace vantrel
