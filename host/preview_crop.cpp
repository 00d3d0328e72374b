#include "host/preview_crop.h"

namespace vantrel {
namespace {

// numerator / denominator rounded to the nearest whole number, at least 1.
int roundedQuotient(long long numerator, long long denominator) {
  long long q = (2 * numerator + denominator) / (2 * denominator);
  return q < 1 ? 1 : static_cast<int>(q);
}

}  // namespace

CropRect previewCrop(int sourceWidth, int sourceHeight, int targetWidth, int targetHeight) {
  CropRect crop;
  crop.width = sourceWidth;
  crop.height = sourceHeight;
  if (sourceWidth <= 0 || sourceHeight <= 0 || targetWidth <= 0 || targetHeight <= 0) return crop;
  // Cross products compare the two shapes without rounding.
  const long long wide = static_cast<long long>(targetWidth) * sourceHeight;
  const long long tall = static_cast<long long>(targetHeight) * sourceWidth;
  if (wide > tall) {
    crop.height = roundedQuotient(static_cast<long long>(sourceWidth) * targetHeight, targetWidth);
    crop.y = (sourceHeight - crop.height) / 2;
  } else if (tall > wide) {
    crop.width = roundedQuotient(static_cast<long long>(sourceHeight) * targetWidth, targetHeight);
    crop.x = (sourceWidth - crop.width) / 2;
  }
  return crop;
}

}  // namespace vantrel
