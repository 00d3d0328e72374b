#include "host/dialog/win32_dialog_controls.h"

namespace vantrel {
namespace {

const wchar_t kPanelClass[] = L"Vantrel.DialogPanel";

LRESULT CALLBACK panelProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      return SendMessageW(GetParent(hwnd), msg, wParam, lParam);
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      RECT r;
      GetClientRect(hwnd, &r);
      FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
      EndPaint(hwnd, &ps);
      return 0;
    }
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

HWND createDialogFrame(HWND parent, int id, const RECT& rect, int /*shadowDepth*/) {
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (!GetClassInfoExW(instance, kPanelClass, &existing)) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = panelProc;
    wc.hInstance = instance;
    wc.hbrBackground = CreateSolidBrush(RGB(224, 224, 224));
    wc.lpszClassName = kPanelClass;
    RegisterClassExW(&wc);
  }
  return CreateWindowExW(0, kPanelClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, rect.left,
                         rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

bool createDialogButton(DialogButton* button, HWND parent, int id, const RECT& rect,
                        const std::wstring& caption, HFONT font, std::function<void()> onClick) {
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
  button->onClick = std::move(onClick);
  button->hwnd = CreateWindowExW(0, L"BUTTON", caption.c_str(),
                                 WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, rect.left,
                                 rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                                 nullptr);
  if (button->hwnd) SendMessageW(button->hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return button->hwnd != nullptr;
}

void setDialogButtonEnabled(DialogButton* button, bool enabled) {
  if (button->hwnd) EnableWindow(button->hwnd, enabled);
}

bool dispatchDialogButtonCommand(WPARAM wParam, LPARAM lParam,
                                 std::initializer_list<DialogButton*> buttons) {
  if (HIWORD(wParam) != BN_CLICKED) return false;
  for (DialogButton* b : buttons) {
    if (b->hwnd && b->hwnd == reinterpret_cast<HWND>(lParam)) {
      if (b->onClick) b->onClick();
      return true;
    }
  }
  return false;
}

}  // namespace vantrel
