#pragma once
// The renderer's request to become the foreground application. Platform
// header.
#include <windows.h>

namespace vantrel {

using ForegroundCall = BOOL(WINAPI*)(HWND);

// Lets tests see the request (nullptr: SetForegroundWindow).
void setForegroundCall(ForegroundCall call);

// Asks for the foreground for window; frames wait for the activation it
// brings. Harmless where the platform grants it anyway.
void requestForeground(HWND window);

}  // namespace vantrel
