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

// The preview window: one still picture, Img_Prev, over a black ground.
class Vantrel_R {
 public:
  bool show(HWND parent) {
    RECT r = {};
    int tppX = screenTwipsPerPixelX();
    int tppY = screenTwipsPerPixelY();
    int widthTwips = 0;
    int heightTwips = 0;
    if (GetWindowRect(parent, &r)) {
      widthTwips = sizeTwips16(r.right - r.left, tppX);
      heightTwips = sizeTwips16(r.bottom - r.top, tppY);
    }
    Img_Prev.loadResource(VANTREL_PREVIEW_JPEG);
    FormStyle style;
    style.caption = L"Preview Window";
    style.style = WS_CLIPCHILDREN;
    FormEvents events;
    events.destroyed = [] { PostQuitMessage(0); };
    events.message = [this](UINT msg, WPARAM, LPARAM, LRESULT& result) {
      if (msg != WM_PAINT) return false;
      onPaint();
      result = 0;
      return true;
    };
    if (!window_.load(style, events)) return false;
    HWND hwnd = window_.handle();
    LONG_PTR windowStyle = GetWindowLongPtrW(hwnd, GWL_STYLE);
    SetWindowLongPtrW(hwnd, GWL_STYLE, windowStyle | WS_CHILD);
    if (!SetParent(hwnd, parent)) return false;
    MoveWindow(hwnd, 0, 0, widthTwips / tppX, heightTwips / tppY, FALSE);
    window_.show();
    return true;
  }

 private:
  void onPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window_.handle(), &ps);
    RECT client;
    GetClientRect(window_.handle(), &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    Img_Prev.paint(dc, client);
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
