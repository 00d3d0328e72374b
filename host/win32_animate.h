// Zoom animations of a window's outline from and to AnimPoint.
#pragma once

#include <windows.h>

#include "host/anim_point.h"

namespace vantrel {

void AnimateOpen(HWND window);
void AnimateClose(HWND window);

}  // namespace vantrel
