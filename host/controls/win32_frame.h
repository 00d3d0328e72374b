#pragma once
// GFXFrameX: a child window that paints a framed panel (square or rounded,
// one-pixel border, optional soft shadow to the lower right) into a
// persistent surface, which the window shows whenever it repaints. It is a
// container: create other controls with hWnd() as their parent.
//
// Use: GFXFrameX f; f.Create(form, ambient, "GFXFrameX1", 180, 180, 7155, 2595);
// then f.ReadProperties(bag) for a saved control (or f.InitProperties() for a
// new one). Positions and sizes are in twips.
#include <windows.h>

#include <cstdint>
#include <string>

#include "host/controls/frame_properties.h"
#include "host/controls/win32_gdi.h"
#include "host/forms/ambient.h"
#include "host/forms/property_bag.h"
#include "host/forms/win32_window_object.h"

namespace vantrel::controls {

class GFXFrameX : public forms::AmbientListener {
 public:
  GFXFrameX() = default;
  ~GFXFrameX();
  GFXFrameX(const GFXFrameX&) = delete;
  GFXFrameX& operator=(const GFXFrameX&) = delete;

  // Creates the window with the defaults of a new instance and draws it.
  bool Create(HWND parent, forms::AmbientContainer& container, const std::string& name,
              int left, int top, int width, int height);
  void Destroy();
  HWND hWnd() const { return hwnd_; }
  const std::string& Name() const { return name_; }

  // Properties; each setter clamps, reports the change to the container and
  // redraws.
  std::int32_t FrameStyle() const { return props_.FrameStyle; }
  void SetFrameStyle(std::int32_t value);
  std::int16_t ShadowOpacity() const { return props_.ShadowOpacity; }
  bool ShowShadow() const { return props_.ShowShadow; }
  void SetShowShadow(bool value);
  std::int16_t ShadowDepth() const { return props_.ShadowDepth; }
  void SetShadowDepth(int value);
  void Refresh();
  Colour FillColour() const { return props_.FillColour; }
  Colour BackColour() const { return props_.BackColour; }
  std::int32_t BackColourIs() const { return props_.BackColourIs; }
  Colour BorderColour() const { return props_.BorderColour; }
  std::int16_t CornerDepth() const { return props_.CornerDepth; }
  void SetCornerDepth(int value);

  // The container's notifications.
  void InitProperties();  // new instance: defaults, no redraw
  void ReadProperties(const forms::PropertyBag& bag);  // as stored, then redraw
  void WriteProperties(forms::PropertyBag& bag) const;
  void AmbientChanged(const std::string& name) override;

  // Moves and sizes the control (twips); the resize redraws it.
  void Move(int left, int top, int width, int height);

  // The drawn image, for reading back pixels.
  const MemorySurface& Surface() const { return surface_; }

 private:
  friend LRESULT CALLBACK forms::ObjectWindowProc<GFXFrameX>(HWND, UINT, WPARAM, LPARAM);
  void AttachWindow(HWND hwnd) { hwnd_ = hwnd; }
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void OnPaint();
  void OnSize(int width, int height);
  void DrawFrame();
  void Changed(const char* property);

  HWND hwnd_ = nullptr;
  forms::AmbientContainer* container_ = nullptr;
  std::string name_;
  FrameProperties props_;
  MemorySurface surface_;
  int widthTwips_ = 0;
  int heightTwips_ = 0;
};

}  // namespace vantrel::controls
