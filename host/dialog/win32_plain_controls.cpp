#include "host/dialog/win32_plain_controls.h"

namespace vantrel {
namespace {

const wchar_t kClassName[] = L"Vantrel.PlainControl";

PlainControl* controlOf(HWND hwnd) {
  return reinterpret_cast<PlainControl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void paintLabel(const PlainControl& c, HDC dc, const RECT& client) {
  HBRUSH back = CreateSolidBrush(c.back);
  FillRect(dc, &client, back);
  DeleteObject(back);
  RECT text = client;
  if (c.bordered) {
    FrameRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&text, -2, -2);
  }
  HGDIOBJ old = SelectObject(dc, c.font ? c.font : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  // File paths may hold "&"; nothing here is an access key.
  UINT format = DT_NOPREFIX | DT_WORDBREAK | DT_EDITCONTROL | (c.centred ? DT_CENTER : DT_LEFT);
  DrawTextW(dc, c.text.c_str(), static_cast<int>(c.text.size()), &text, format);
  SelectObject(dc, old);
}

// Images and picture boxes show their picture at its own size in the
// top-left corner, over the control's background.
void paintPicture(const PlainControl& c, HDC dc, const RECT& client) {
  HBRUSH back = CreateSolidBrush(c.kind == PlainKind::Picture ? RGB(0, 0, 0) : c.back);
  FillRect(dc, &client, back);
  DeleteObject(back);
  if (!c.picture) return;
  BITMAP info{};
  GetObjectW(c.picture, sizeof info, &info);
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, c.picture);
  BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
}

void paintShape(const PlainControl& c, HDC dc, const RECT& client) {
  HBRUSH line = CreateSolidBrush(c.line);
  FrameRect(dc, &client, line);
  DeleteObject(line);
}

void onPaint(PlainControl* c, HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT client;
  GetClientRect(hwnd, &client);
  switch (c->kind) {
    case PlainKind::Label: paintLabel(*c, dc, client); break;
    case PlainKind::Image:
    case PlainKind::Picture: paintPicture(*c, dc, client); break;
    case PlainKind::Shape: paintShape(*c, dc, client); break;
  }
  EndPaint(hwnd, &ps);
}

void onButtonDown(PlainControl* c, HWND hwnd, bool left) {
  if (left && c->onClick) {
    c->pressed = true;
    SetCapture(hwnd);
  }
  if (c->onMouseDown) c->onMouseDown();
}

void onLeftButtonUp(PlainControl* c, HWND hwnd, LPARAM lParam) {
  if (!c->pressed) return;
  c->pressed = false;
  ReleaseCapture();
  RECT client;
  GetClientRect(hwnd, &client);
  const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  if (PtInRect(&client, at) && c->onClick) c->onClick();
}

LRESULT CALLBACK plainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  PlainControl* c = controlOf(hwnd);
  if (!c) return DefWindowProcW(hwnd, msg, wParam, lParam);
  switch (msg) {
    case WM_PAINT: onPaint(c, hwnd); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN: onButtonDown(c, hwnd, true); return 0;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN: onButtonDown(c, hwnd, false); return 0;
    case WM_LBUTTONUP: onLeftButtonUp(c, hwnd, lParam); return 0;
    case WM_CAPTURECHANGED: c->pressed = false; return 0;
    case WM_SETCURSOR:
      if (c->cursor && LOWORD(lParam) == HTCLIENT) {
        SetCursor(c->cursor);
        return TRUE;
      }
      break;
    case WM_NCDESTROY: c->hwnd = nullptr; break;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

bool registerClassOnce(HINSTANCE instance) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, kClassName, &existing)) return true;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = plainProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512) /* IDC_ARROW */);
  wc.lpszClassName = kClassName;
  return RegisterClassExW(&wc) != 0;
}

// A shape is a rectangle outline: its window is clipped to the one-pixel
// frame so that whatever lies inside (the title label) stays visible.
void clipToOutline(HWND hwnd, const RECT& rect) {
  const int w = rect.right - rect.left;
  const int h = rect.bottom - rect.top;
  HRGN outer = CreateRectRgn(0, 0, w, h);
  HRGN inner = CreateRectRgn(1, 1, w - 1, h - 1);
  CombineRgn(outer, outer, inner, RGN_DIFF);
  DeleteObject(inner);
  if (!SetWindowRgn(hwnd, outer, TRUE)) DeleteObject(outer);
}

}  // namespace

HWND createPlainControl(PlainControl* control, HWND parent, int id, const RECT& rect) {
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
  if (!registerClassOnce(instance)) return nullptr;
  control->hwnd = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE, rect.left, rect.top,
                                  rect.right - rect.left, rect.bottom - rect.top, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                                  control);
  if (control->hwnd && control->kind == PlainKind::Shape) clipToOutline(control->hwnd, rect);
  return control->hwnd;
}

void setPlainText(PlainControl* control, const std::wstring& text) {
  control->text = text;
  if (control->hwnd) {
    SetWindowTextW(control->hwnd, text.c_str());
    InvalidateRect(control->hwnd, nullptr, FALSE);
  }
}

void setPlainPicture(PlainControl* control, HBITMAP picture) {
  control->picture = picture;
  if (control->hwnd) InvalidateRect(control->hwnd, nullptr, FALSE);
}

}  // namespace vantrel

namespace vantrel {

void fitLabelToText(PlainControl* control) {
  if (!control->hwnd || control->kind != PlainKind::Label || control->text.empty()) return;
  HDC dc = GetDC(control->hwnd);
  HGDIOBJ old = SelectObject(dc, control->font ? control->font : GetStockObject(DEFAULT_GUI_FONT));
  SIZE text{};
  GetTextExtentPoint32W(dc, control->text.c_str(), static_cast<int>(control->text.size()), &text);
  SelectObject(dc, old);
  ReleaseDC(control->hwnd, dc);
  RECT r;
  GetWindowRect(control->hwnd, &r);
  MapWindowPoints(nullptr, GetParent(control->hwnd), reinterpret_cast<POINT*>(&r), 2);
  const int width = r.right - r.left;
  if (text.cx <= width) return;
  // NOTE: a stand-in face (IPA Gothic under Wine) runs a little wider than
  // the designed one, which would cut captions sized for it.
  const int left = control->centred ? r.left - (text.cx - width) / 2 : r.left;
  SetWindowPos(control->hwnd, nullptr, left, r.top, text.cx, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace vantrel
