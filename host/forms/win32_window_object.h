// Ties a window to the object that handles its messages: the object arrives
// as the creation parameter, is stored with the window at WM_NCCREATE and let
// go at WM_NCDESTROY, after which no message reaches it.
#pragma once

#include <windows.h>

namespace vantrel::forms {

// The window procedure of objects of type T. T provides
// `void AttachWindow(HWND)` (null when the window goes) and
// `LRESULT Handle(UINT, WPARAM, LPARAM)`; a class that keeps them private
// befriends ObjectWindowProc<T>.
template <class T>
LRESULT CALLBACK ObjectWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* created = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    created->AttachWindow(hwnd);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* self = reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->AttachWindow(nullptr);
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
  try {
    return self->Handle(msg, wp, lp);
  } catch (...) {
    return 0;  // NOTE: no exception may cross into the system's dispatch
  }
}

// Destroys an object's window without the object seeing the messages of its
// destruction: the binding is cut and the object's handle cleared first.
inline void DestroyObjectWindow(HWND& hwnd) {
  if (!hwnd) return;
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  const HWND window = hwnd;
  hwnd = nullptr;
  DestroyWindow(window);
}

}  // namespace vantrel::forms
