// A JPEG held in a resource, decoded by the platform (OleLoadPicture) and
// painted scaled into a rectangle.
#pragma once

#include <windows.h>

struct IPicture;

namespace vantrel {

class JpegPicture {
 public:
  JpegPicture() = default;
  ~JpegPicture();
  JpegPicture(const JpegPicture&) = delete;
  JpegPicture& operator=(const JpegPicture&) = delete;

  // Decodes the RCDATA resource id of this program; false if it cannot.
  bool loadResource(int id);
  // Paints the picture stretched over target; nothing when not loaded.
  void paint(HDC dc, const RECT& target) const;

 private:
  IPicture* picture_ = nullptr;
};

}  // namespace vantrel
