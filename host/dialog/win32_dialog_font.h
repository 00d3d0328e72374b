// Fonts of the dialog's labels and buttons as their saved layout gives them
// ("ＭＳ Ｐゴシック" 9.75 points, Japanese character set), with a
// Japanese-capable stand-in where the face is not installed.
#pragma once

#include <windows.h>

#include <string>

#include "host/forms/font_desc.h"

namespace vantrel {

// face when it is installed, else the first installed Japanese stand-in.
std::wstring installedFontFace(const std::wstring& face);

// desc with its face replaced by installedFontFace of it.
forms::FontDesc withInstalledFace(forms::FontDesc desc);

// The font at the screen's resolution; the caller deletes it.
HFONT createDialogFont(const forms::FontDesc& desc);

}  // namespace vantrel
