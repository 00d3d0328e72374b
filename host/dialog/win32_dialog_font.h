// The font of the dialog's labels and buttons: "ＭＳ Ｐゴシック" 9.75 points,
// normal weight, Japanese character set, or a Japanese-capable stand-in
// where that face is not installed.
#pragma once

#include <windows.h>

#include <string>

namespace vantrel {

// The first installed face of the preferred list.
std::wstring dialogFontFace();

// The font at the screen's resolution; the caller deletes it.
HFONT createDialogFont();

}  // namespace vantrel
