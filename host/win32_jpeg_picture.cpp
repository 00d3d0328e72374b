#include "host/win32_jpeg_picture.h"

#include <ole2.h>
#include <olectl.h>

#include <cstring>

namespace vantrel {

JpegPicture::~JpegPicture() {
  if (picture_) picture_->Release();
}

bool JpegPicture::loadResource(int id) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (!found) return false;
  DWORD size = SizeofResource(module, found);
  HGLOBAL data = LoadResource(module, found);
  const void* bytes = data ? LockResource(data) : nullptr;
  if (!bytes || size == 0) return false;
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!copy) return false;
  void* target = GlobalLock(copy);
  if (!target) {
    GlobalFree(copy);
    return false;
  }
  std::memcpy(target, bytes, size);
  GlobalUnlock(copy);
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(copy, TRUE, &stream))) {
    GlobalFree(copy);
    return false;
  }
  HRESULT hr = OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture,
                              reinterpret_cast<void**>(&picture_));
  stream->Release();
  return SUCCEEDED(hr) && picture_;
}

void JpegPicture::paint(HDC dc, const RECT& target) const {
  if (!picture_) return;
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  picture_->get_Width(&width);
  picture_->get_Height(&height);
  // NOTE: IPicture::Render takes the source in HIMETRIC with y running up,
  // hence the start at the bottom and the negative height.
  picture_->Render(dc, target.left, target.top, target.right - target.left,
                   target.bottom - target.top, 0, height, width, -height, nullptr);
}

}  // namespace vantrel
