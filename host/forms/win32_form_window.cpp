#include "host/forms/win32_form_window.h"

namespace vantrel {
namespace {

const wchar_t kClassName[] = L"VantrelForm";

bool registerFormClass() {
  static bool registered = false;
  if (registered) return true;
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
  wc.lpszClassName = kClassName;
  registered = RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  return registered;
}

}  // namespace

FormWindow::~FormWindow() {
  if (hwnd_) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
  if (background_) DeleteObject(background_);
}

bool FormWindow::load(const FormStyle& style, FormEvents events) {
  if (!registerFormClass()) return false;
  events_ = std::move(events);
  background_ = CreateSolidBrush(style.background);
  RECT r = {0, 0, style.width, style.height};
  AdjustWindowRectEx(&r, style.style, FALSE, style.exStyle);
  // NOTE: the window procedure is set after creation, so every message it
  // sees can already find this object.
  hwnd_ = CreateWindowExW(style.exStyle, kClassName, style.caption.c_str(), style.style, 0, 0,
                          style.width ? r.right - r.left : 0, style.height ? r.bottom - r.top : 0,
                          nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) return false;
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FormWindow::windowProc));
  if (events_.load) events_.load();
  return true;
}

void FormWindow::setTimer(UINT_PTR id, UINT intervalMs, bool enabled) {
  timers_[id] = Timer{intervalMs, false};
  enableTimer(id, enabled);
}

void FormWindow::enableTimer(UINT_PTR id, bool enabled) {
  auto it = timers_.find(id);
  if (it == timers_.end() || !hwnd_) return;
  if (enabled && !it->second.enabled) SetTimer(hwnd_, id, it->second.interval, nullptr);
  if (!enabled && it->second.enabled) KillTimer(hwnd_, id);
  it->second.enabled = enabled;
}

bool FormWindow::timerEnabled(UINT_PTR id) const {
  auto it = timers_.find(id);
  return it != timers_.end() && it->second.enabled;
}

void FormWindow::show() {
  if (hwnd_) ShowWindow(hwnd_, SW_SHOW);
}

void FormWindow::showModal() {
  if (!hwnd_) return;
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  SetForegroundWindow(hwnd_);
  MSG msg;
  while (hwnd_ && GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void FormWindow::unload() {
  if (!hwnd_ || unloading_) return;
  unloading_ = true;
  if (events_.unload) events_.unload();
  if (hwnd_) DestroyWindow(hwnd_);
}

LRESULT CALLBACK FormWindow::windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  return self->handleMessage(msg, wp, lp);
}

LRESULT FormWindow::handleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  HWND hwnd = hwnd_;
  switch (msg) {
    case WM_TIMER:
      onTimer(static_cast<UINT_PTR>(wp));
      return 0;
    case WM_CLOSE:
      onClose();
      return 0;
    case WM_DESTROY:
      onDestroy();
      return 0;
    case WM_ERASEBKGND:
      onEraseBackground(reinterpret_cast<HDC>(wp));
      return 1;
    default:
      break;
  }
  LRESULT result = 0;
  if (events_.message && events_.message(msg, wp, lp, result)) return result;
  return DefWindowProcW(hwnd, msg, wp, lp);
}

void FormWindow::onTimer(UINT_PTR id) {
  if (timerEnabled(id) && events_.timer) events_.timer(id);
}

void FormWindow::onEraseBackground(HDC dc) {
  RECT r;
  GetClientRect(hwnd_, &r);
  FillRect(dc, &r, background_);
}

void FormWindow::onClose() { unload(); }

void FormWindow::onDestroy() {
  for (auto& t : timers_) t.second.enabled = false;
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  hwnd_ = nullptr;
  if (events_.destroyed) events_.destroyed();
}

int runMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace vantrel
