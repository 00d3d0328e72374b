#pragma once
// What the renderer's windows ask of the renderer that owns them. Each
// window keeps a pointer to its owner in GWLP_USERDATA, set from
// CreateWindowEx's creation data at WM_NCCREATE: the one way from a window
// procedure back to the renderer's state. Platform header.
#include <windows.h>

namespace vantrel {

class WindowOwner {
 public:
  // WM_SIZE on the main window: the client size as the message packs it.
  virtual void onSize(LPARAM size) = 0;
  // WM_ACTIVATEAPP on the main window.
  virtual void onActivateApp(WPARAM active) = 0;
  // WM_KEYDOWN on any of the renderer's windows.
  virtual void onKey(WPARAM key) = 0;
  // WM_DISPLAYCHANGE on the main window.
  virtual void onDisplayChange() = 0;
  // WM_POWERBROADCAST on the main window; the message's result.
  virtual LRESULT onPowerBroadcast(WPARAM event, LPARAM setting) = 0;
  // The rendering context current on the main window again, with its
  // projection; after drawing on, making or closing another window.
  virtual void makeMainWindowCurrent() = 0;

 protected:
  ~WindowOwner() = default;
};

// Stores the creation data as the window's owner; call on WM_NCCREATE.
void keepWindowOwner(HWND window, LPARAM createStruct);
// The owner kept by keepWindowOwner; nullptr before WM_NCCREATE and after
// forgetWindowOwner.
WindowOwner* windowOwner(HWND window);
// The window no longer reaches its owner (the owner is going).
void forgetWindowOwner(HWND window);

}  // namespace vantrel
