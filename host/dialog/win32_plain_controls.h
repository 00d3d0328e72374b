// The plain controls of the settings dialog: labels, images, picture boxes
// and rectangle shapes, each a small child window. The owner keeps each
// PlainControl alive for as long as its window exists.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace vantrel {

enum class PlainKind { Label, Image, Picture, Shape };

struct PlainControl {
  PlainKind kind = PlainKind::Label;
  HWND hwnd = nullptr;
  std::wstring text;                    // labels
  HFONT font = nullptr;                 // labels; not owned
  bool centred = false;                 // labels: centred text
  bool bordered = false;                // labels: single-line border
  COLORREF back = RGB(224, 224, 224);   // labels and images; pictures are black
  COLORREF line = RGB(0, 0, 0);         // shapes: outline colour
  HBITMAP picture = nullptr;            // images and pictures; not owned
  HCURSOR cursor = nullptr;             // pictures: the pointer over them
  std::function<void()> onMouseDown;    // any mouse button pressed
  std::function<void()> onClick;        // left button pressed and released inside
  bool pressed = false;
};

// Creates the control's window at rect (pixels, in parent's client area).
HWND createPlainControl(PlainControl* control, HWND parent, int id, const RECT& rect);

void setPlainText(PlainControl* control, const std::wstring& text);
void setPlainPicture(PlainControl* control, HBITMAP picture);

// Widens a label whose caption is wider than the label in its font, keeping
// its left edge (its centre when centred), so the caption shows whole.
void fitLabelToText(PlainControl* control);

}  // namespace vantrel
