#include "tests/controls/wine_test_window.h"

#include <algorithm>

namespace vantrel::controls::testing {

namespace {

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<RecordingWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self) {
    self->seen.push_back(msg);
    self->wParams.push_back(wp);
    if (msg >= WM_USER && msg < WM_USER + 100) {
      return self->answer >= 0 ? self->answer : static_cast<LRESULT>(wp + static_cast<WPARAM>(lp));
    }
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

void RegisterOnce(const wchar_t* name, WNDPROC proc) {
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = name;
  RegisterClassExW(&wc);
}

}  // namespace

RecordingWindow::RecordingWindow() {
  RegisterOnce(L"VantrelTestRecording", RecordingProc);
  hwnd = CreateWindowExW(0, L"VantrelTestRecording", L"recording", WS_OVERLAPPEDWINDOW, 0, 0, 200,
                         100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

RecordingWindow::~RecordingWindow() {
  if (IsWindow(hwnd)) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    DestroyWindow(hwnd);
  }
}

int RecordingWindow::Count(UINT msg) const {
  return static_cast<int>(std::count(seen.begin(), seen.end(), msg));
}

TestForm::TestForm(int width, int height) {
  RegisterOnce(L"VantrelTestForm", DefWindowProcW);
  hwnd = CreateWindowExW(0, L"VantrelTestForm", L"form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                         width, height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  Pump();
}

TestForm::~TestForm() {
  if (IsWindow(hwnd)) DestroyWindow(hwnd);
  Pump();
}

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace vantrel::controls::testing
