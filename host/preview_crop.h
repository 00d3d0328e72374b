// Which part of the preview still fills a box of another size: pure
// geometry, in pixels.
#pragma once

namespace vantrel {

struct CropRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// The part of a sourceWidth by sourceHeight picture that, stretched over a
// targetWidth by targetHeight box, fills it without distortion: the whole
// picture when the shapes agree exactly, otherwise the centred largest part
// of the box's shape (the excess cut off equally on both sides). The whole
// picture for an empty box or picture.
CropRect previewCrop(int sourceWidth, int sourceHeight, int targetWidth, int targetHeight);

}  // namespace vantrel
