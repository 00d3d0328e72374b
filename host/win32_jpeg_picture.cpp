#include "host/win32_jpeg_picture.h"

#include <ole2.h>
#include <olectl.h>

#include <cstring>

#include "host/preview_crop.h"

namespace vantrel {
namespace {

// A movable global copy of bytes, as CreateStreamOnHGlobal wants; nullptr
// on failure.
HGLOBAL globalCopy(const void* bytes, DWORD size) {
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!copy) return nullptr;
  void* target = GlobalLock(copy);
  if (!target) {
    GlobalFree(copy);
    return nullptr;
  }
  std::memcpy(target, bytes, size);
  GlobalUnlock(copy);
  return copy;
}

// The bitmap a decoded JPEG is held in; nullptr for any other kind.
HBITMAP bitmapOf(IPicture* picture) {
  SHORT type = PICTYPE_UNINITIALIZED;
  OLE_HANDLE handle = 0;
  if (FAILED(picture->get_Type(&type)) || type != PICTYPE_BITMAP) return nullptr;
  if (FAILED(picture->get_Handle(&handle))) return nullptr;
  return reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
}

}  // namespace

JpegPicture::~JpegPicture() {
  if (picture_) picture_->Release();
}

bool JpegPicture::loadResource(int id, HMODULE module) {
  if (!module) module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (!found) return false;
  DWORD size = SizeofResource(module, found);
  HGLOBAL data = LoadResource(module, found);
  const void* bytes = data ? LockResource(data) : nullptr;
  if (!bytes || size == 0) return false;
  HGLOBAL copy = globalCopy(bytes, size);
  IStream* stream = nullptr;
  if (!copy || FAILED(CreateStreamOnHGlobal(copy, TRUE, &stream))) {
    if (copy) GlobalFree(copy);
    return false;
  }
  HRESULT hr = OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture,
                              reinterpret_cast<void**>(&picture_));
  stream->Release();
  if (FAILED(hr) || !picture_) return false;
  bitmap_ = bitmapOf(picture_);
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
