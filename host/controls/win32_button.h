#pragma once
// ccXPButton: a child window drawing its own push button (dark blue border
// with cut corners, white-to-beige face, blue rim when focused or default,
// orange rim while hot, flat faces when pressed or disabled), clipped to a
// rounded rectangle. Raises Click from the mouse, the space bar, Enter and its
// access key; the arrow keys move the focus.
//
// Use: ccXPButton b; b.Click = [] { ... };
//      b.Create(form, ambient, &accessKeys, "Cmd_Set", 2100, 2880, 1575, 495);
//      b.ReadProperties(bag);   // a saved control: also starts intercepting
//                               // the mouse leaving and the form's activation
// (or b.InitProperties() for a new instance at design time). Positions and
// sizes in twips. Destroying the window (e.g. closing the form from a Click
// handler) is safe; the object must outlive its window's message handling.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "host/controls/button_logic.h"
#include "host/controls/button_palette.h"
#include "host/controls/button_properties.h"
#include "host/controls/win32_gdi.h"
#include "host/controls/win32_subclass.h"
#include "host/forms/access_keys.h"
#include "host/forms/ambient.h"
#include "host/forms/property_bag.h"
#include "host/forms/win32_window_object.h"

namespace vantrel::controls {

class ccXPButton : public SubclassOwner,
                   public forms::AmbientListener,
                   public forms::AccessKeyTarget {
 public:
  // Intercepted WM_MOUSELEAVE of the button and WM_ACTIVATE / WM_NCACTIVATE
  // of its form. Sets neither bHandled nor lReturn.
  void zSubclass_Proc(bool bBefore, bool& bHandled, LRESULT& lReturn, HWND& lng_hWnd, UINT& uMsg,
                      WPARAM& wParam, LPARAM& lParam) override;
  // Puts the mouse cursor on the button's centre.
  void SnapMouseTo();
  HWND hWnd() const { return hwnd_; }
  const std::string& Caption() const { return props_.Caption; }
  void SetCaption(const std::string& caption);  // UTF-8; "&" marks the access key
  bool Enabled() const { return props_.Enabled; }
  void SetEnabled(bool enabled);
  const forms::FontDesc& Font() const { return props_.Font; }
  void SetFont(const forms::FontDesc& font);
  Colour ForeColor() const { return props_.ForeColor; }
  void SetForeColor(Colour colour);
  bool FocusRect() const { return props_.FocusRect; }
  void SetFocusRect(bool focusRect);
  // The font's attributes changed: take the font again, redraw, report "Font".
  void pFONT_FontChanged(const std::string& PropertyName);

  // Events.
  std::function<void()> Click;
  std::function<void()> DblClick;
  std::function<void(std::int16_t& Button, std::int16_t& Shift, float& X, float& y)> MouseMove;
  std::function<void(std::int32_t& State)> FormActivate;

  ccXPButton();
  ~ccXPButton();
  ccXPButton(const ccXPButton&) = delete;
  ccXPButton& operator=(const ccXPButton&) = delete;

  // Creates the window (undrawn until properties are set). keys may be null.
  bool Create(HWND parent, forms::AmbientContainer& container, forms::AccessKeyMap* keys,
              const std::string& name, int left, int top, int width, int height);
  // Stops intercepting, leaves the container and destroys the window.
  void Destroy();
  const std::string& Name() const { return name_; }

  void InitProperties();  // new instance: default caption, black, enabled
  void ReadProperties(const forms::PropertyBag& bag);
  void WriteProperties(forms::PropertyBag& bag) const;
  void AmbientChanged(const std::string& name) override;
  void AccessKeyPressed() override;

  void Move(int left, int top, int width, int height);  // twips

  // For reading back what was drawn.
  const MemorySurface& Surface() const { return surface_; }
  const ButtonLogic& State() const { return logic_; }

 private:
  friend LRESULT CALLBACK forms::ObjectWindowProc<ccXPButton>(HWND, UINT, WPARAM, LPARAM);
  void AttachWindow(HWND hwnd) { hwnd_ = hwnd; }
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void Run(const ButtonSteps& steps, std::int16_t button = 0, std::int16_t shift = 0,
           float x = 0, float y = 0);
  void DrawButton(int s);
  void TrackMouseLeave();
  void OnMouseMove(WPARAM wp, LPARAM lp);
  void OnSize(int width, int height);
  void OnPaint();
  void StartIntercepting();
  void StopIntercepting();
  void Changed(const char* property);

  HWND hwnd_ = nullptr;
  HWND lParentHwnd = nullptr;
  forms::AmbientContainer* container_ = nullptr;
  forms::AccessKeyMap* keys_ = nullptr;
  std::string name_;
  ButtonProperties props_;
  ButtonLogic logic_;
  ButtonPalette palette_;
  GdiObject<HFONT> pFONT;
  MessageHook hook_;
  bool intercepting_ = false;
  MemorySurface surface_;
  int regionWidth_ = -1;
  int regionHeight_ = -1;
};

// Captions of the other buttons of this kind on window's top-level form.
std::vector<std::string> SiblingButtonCaptions(HWND form, const ccXPButton* except);

}  // namespace vantrel::controls
