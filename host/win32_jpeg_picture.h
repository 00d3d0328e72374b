// A JPEG held in a resource, decoded by the platform's picture loader and
// painted scaled into a rectangle.
#pragma once

#include <windows.h>

namespace vantrel {

class JpegPicture {
 public:
  JpegPicture() = default;
  ~JpegPicture();
  JpegPicture(const JpegPicture&) = delete;
  JpegPicture& operator=(const JpegPicture&) = delete;

  // Decodes the RCDATA resource id of module (nullptr: this program); false
  // if it cannot.
  bool loadResource(int id, HMODULE module = nullptr);
  // The decoded picture's size in pixels; 0 by 0 when not loaded.
  SIZE size() const;
  // Paints the picture over the whole of target without distortion: scaled
  // with halftone filtering, the excess of a box of another shape cut off
  // equally on both sides. Nothing when not loaded.
  void paintFilling(HDC dc, const RECT& target) const;

 private:
  HBITMAP bitmap_ = nullptr;
};

}  // namespace vantrel
