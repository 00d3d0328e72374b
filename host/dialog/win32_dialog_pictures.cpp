#include "host/dialog/win32_dialog_pictures.h"

#include <ocidl.h>
#include <olectl.h>
#include <cstring>

namespace vantrel {

std::string resourceBytes(HINSTANCE instance, int id) {
  HRSRC info = FindResourceW(instance, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  if (!info) return std::string();
  const DWORD size = SizeofResource(instance, info);
  HGLOBAL loaded = LoadResource(instance, info);
  const char* data = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
  if (!data) return std::string();
  return std::string(data, size);
}

HBITMAP loadJpegResource(HINSTANCE instance, int id) {
  const std::string bytes = resourceBytes(instance, id);
  if (bytes.empty()) return nullptr;
  const DWORD size = static_cast<DWORD>(bytes.size());
  const void* data = bytes.data();

  // OleLoadPicture reads from a stream, which needs movable global memory.
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!copy) return nullptr;
  void* target = GlobalLock(copy);
  if (!target) {
    GlobalFree(copy);
    return nullptr;
  }
  std::memcpy(target, data, size);
  GlobalUnlock(copy);

  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(copy, TRUE, &stream))) {
    GlobalFree(copy);
    return nullptr;
  }
  IPicture* picture = nullptr;
  HRESULT hr = OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture,
                              reinterpret_cast<void**>(&picture));
  stream->Release();
  if (FAILED(hr) || !picture) return nullptr;

  // The picture owns its bitmap; keep a copy that outlives it.
  OLE_HANDLE handle = 0;
  HBITMAP result = nullptr;
  if (SUCCEEDED(picture->get_Handle(&handle)) && handle) {
    result = static_cast<HBITMAP>(CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)),
                                            IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  }
  picture->Release();
  return result;
}

}  // namespace vantrel
