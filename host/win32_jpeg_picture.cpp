#include "host/win32_jpeg_picture.h"

#include "host/dialog/win32_dialog_pictures.h"
#include "host/preview_crop.h"

namespace vantrel {

JpegPicture::~JpegPicture() {
  if (bitmap_) DeleteObject(bitmap_);
}

bool JpegPicture::loadResource(int id, HMODULE module) {
  if (bitmap_) DeleteObject(bitmap_);
  bitmap_ = loadJpegResource(module ? module : GetModuleHandleW(nullptr), id);
  return bitmap_ != nullptr;
}

SIZE JpegPicture::size() const {
  BITMAP info = {};
  if (!bitmap_ || !GetObjectW(bitmap_, sizeof info, &info)) return SIZE{0, 0};
  return SIZE{info.bmWidth, info.bmHeight};
}

void JpegPicture::paintFilling(HDC dc, const RECT& target) const {
  const SIZE source = size();
  const int width = target.right - target.left;
  const int height = target.bottom - target.top;
  if (source.cx <= 0 || width <= 0 || height <= 0) return;
  const CropRect crop = previewCrop(source.cx, source.cy, width, height);
  HDC memory = CreateCompatibleDC(dc);
  if (!memory) return;
  HGDIOBJ old = SelectObject(memory, bitmap_);
  // Setup: halftone averages the source pixels of each target pixel, which
  // keeps a scaled still smooth; the brush origin must be reset after it.
  const int oldMode = SetStretchBltMode(dc, HALFTONE);
  POINT oldOrigin;
  SetBrushOrgEx(dc, 0, 0, &oldOrigin);
  StretchBlt(dc, target.left, target.top, width, height, memory, crop.x, crop.y, crop.width,
             crop.height, SRCCOPY);
  // Restore.
  SetBrushOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
  SetStretchBltMode(dc, oldMode);
  SelectObject(memory, old);
  DeleteDC(memory);
}

}  // namespace vantrel
