#include "host/win32_preview_window.h"

#include <windows.h>

#include "host/forms/win32_form_window.h"
#include "host/forms/win32_screen.h"
#include "host/preview_picture.h"
#include "host/win32_jpeg_picture.h"

namespace vantrel {
namespace {

// A twips size as the 16-bit value the form host holds: 0 when it does not fit.
int sizeTwips16(int pixels, int twipsPerPixelAxis) {
  long twips = static_cast<long>(pixels) * twipsPerPixelAxis;
  return (twips >= -32768 && twips <= 32767) ? static_cast<int>(twips) : 0;
}

// The style of a window moved under a parent: WS_CHILD with WS_POPUP
// cleared, as SetParent requires, and no caption, border or sizing frame, so
// its client area is the whole of its box.
LONG_PTR childStyle(LONG_PTR style) {
  return (style | WS_CHILD) & ~static_cast<LONG_PTR>(WS_POPUP | WS_CAPTION | WS_THICKFRAME);
}

// The extended style without any edge, for the same reason.
LONG_PTR frameFreeExStyle(LONG_PTR exStyle) {
  return exStyle & ~static_cast<LONG_PTR>(WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME |
                                          WS_EX_STATICEDGE);
}

// The parent's size in twips, held as the 16-bit values the form host uses.
SIZE parentSizeTwips(HWND parent, int tppX, int tppY) {
  RECT r = {};
  if (!GetWindowRect(parent, &r)) return SIZE{0, 0};
  return SIZE{sizeTwips16(r.right - r.left, tppX), sizeTwips16(r.bottom - r.top, tppY)};
}

// The preview window: one still picture, Img_Prev, filling a black ground.
class Vantrel_R {
 public:
  bool show(HWND parent) {
    const int tppX = screenTwipsPerPixelX();
    const int tppY = screenTwipsPerPixelY();
    const SIZE twips = parentSizeTwips(parent, tppX, tppY);
    Img_Prev.loadResource(VANTREL_PREVIEW_JPEG);
    if (!window_.load(frameFreeStyle(), events())) return false;
    HWND hwnd = window_.handle();
    SetWindowLongPtrW(hwnd, GWL_STYLE, childStyle(GetWindowLongPtrW(hwnd, GWL_STYLE)));
    SetWindowLongPtrW(hwnd, GWL_EXSTYLE, frameFreeExStyle(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)));
    if (!SetParent(hwnd, parent)) return false;
    // NOTE: SWP_FRAMECHANGED makes the platform recompute the client area
    // after the style change; without it the old frame's size stays.
    SetWindowPos(hwnd, nullptr, 0, 0, twips.cx / tppX, twips.cy / tppY,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    window_.show();
    return true;
  }

 private:
  // Loaded as a frameless pop-up: an overlapped window would get a caption.
  static FormStyle frameFreeStyle() {
    FormStyle style;
    style.caption = L"Preview Window";
    style.style = WS_POPUP | WS_CLIPCHILDREN;
    return style;
  }

  FormEvents events() {
    FormEvents events;
    events.destroyed = [] { PostQuitMessage(0); };
    events.message = [this](UINT msg, WPARAM, LPARAM, LRESULT& result) {
      if (msg != WM_PAINT) return false;
      onPaint();
      result = 0;
      return true;
    };
    return events;
  }

  void onPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window_.handle(), &ps);
    RECT client;
    GetClientRect(window_.handle(), &client);
    // The still covers the whole client area; without one the erased black
    // ground stays.
    Img_Prev.paintFilling(dc, client);
    EndPaint(window_.handle(), &ps);
  }

  FormWindow window_;
  JpegPicture Img_Prev;
};

}  // namespace

void runPreview(std::int32_t parentHandle) {
  // NOTE: handles are 32-bit values even in 64-bit processes, so the
  // command line's number widens to a handle by sign extension.
  HWND parent = reinterpret_cast<HWND>(static_cast<LONG_PTR>(parentHandle));
  // A preview with no living parent would never be destroyed and would keep
  // an invisible process forever: end at once instead.
  if (!parent || !IsWindow(parent)) return;
  OleInitialize(nullptr);
  Vantrel_R preview;
  if (preview.show(parent)) runMessageLoop();
  OleUninitialize();
}

}  // namespace vantrel
