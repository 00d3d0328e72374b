#pragma once
// The renderer's request to become the foreground application. Platform
// header.
#include <windows.h>

namespace vantrel {

using ForegroundCall = BOOL(WINAPI*)(HWND);

// Asks for the foreground for window through `call` (nullptr:
// SetForegroundWindow); frames wait for the activation it brings. Harmless
// where the platform grants it anyway.
void requestForeground(HWND window, ForegroundCall call = nullptr);

}  // namespace vantrel
