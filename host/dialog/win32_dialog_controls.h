// The dialog's framed panel and push buttons.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace vantrel {

struct DialogButton {
  HWND hwnd = nullptr;
  std::function<void()> onClick;
};

// The panel that holds the music controls, with a shadow of shadowDepth
// pixels. Its children's notifications reach the dialog window.
HWND createDialogFrame(HWND parent, int id, const RECT& rect, int shadowDepth);

bool createDialogButton(DialogButton* button, HWND parent, int id, const RECT& rect,
                        const std::wstring& caption, HFONT font, std::function<void()> onClick);
void setDialogButtonEnabled(DialogButton* button, bool enabled);

// Runs the click of the button a WM_COMMAND came from; false when it came
// from no button of these.
bool dispatchDialogButtonCommand(WPARAM wParam, LPARAM lParam,
                                 std::initializer_list<DialogButton*> buttons);

}  // namespace vantrel
