#pragma once
// The button's behaviour as a state machine: each input updates the flags and
// returns the actions to carry out, in order (draw a state, raise an event,
// ask for mouse-leave tracking, move the focus). No windows involved.
#include <cstdint>
#include <vector>

#include "host/controls/button_palette.h"

namespace vantrel::controls {

enum class ButtonAction {
  Draw,             // DrawButton(value)
  Click,
  DblClick,
  MouseMove,        // with the received button, shift state and position
  FormActivate,     // value: 1 activated, 0 deactivated
  TrackMouseLeave,
  FocusPrevious,    // the keystroke "+{TAB}"
  FocusNext,        // the keystroke "{TAB}"
  PumpMessages,     // let pending window messages run
};

struct ButtonStep {
  ButtonAction action;
  int value = 0;
  bool operator==(const ButtonStep& o) const { return action == o.action && value == o.value; }
};

using ButtonSteps = std::vector<ButtonStep>;

// Mouse buttons as forms number them.
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kMiddleButton = 4;

enum class ButtonKey { Enter, Space, Left, Up, Right, Down, Other };

class ButtonLogic {
 public:
  // Fields as the control keeps them; all start at 0 or false.
  int lState = 0;
  bool bBusy = false;
  bool bHasFocus = false;
  bool bMouseInside = false;
  bool bClickArmed = false;
  bool bSpaceDown = false;
  bool bLeftDown = false;
  bool bFormActive = false;
  bool bIsDefault = false;
  std::int16_t iLastButton = 0;
  bool Enabled = true;
  bool FocusRect = true;

  // x, y in pixels relative to the client; inner size in pixels.
  ButtonSteps MouseMove(double x, double y, double innerWidth, double innerHeight);
  ButtonSteps MouseDown(int button);
  ButtonSteps LeftUp();
  ButtonSteps DoubleClick();
  ButtonSteps KeyDown(ButtonKey key);
  ButtonSteps KeyUp(ButtonKey key);
  ButtonSteps AccessKeyPressed();
  ButtonSteps FocusGained();
  ButtonSteps FocusLost();
  ButtonSteps AmbientChanged(bool propertyIsDisplayAsDefault, bool displayAsDefault);
  ButtonSteps MouseLeave();
  ButtonSteps FormActivation(bool active);

  // Property setters' redraws.
  ButtonSteps SetEnabled(bool value);
  ButtonSteps SetFocusRect(bool value);
  ButtonSteps Redraw();  // DrawButton(lState): caption, colour, font changes, resize
  // End of loading: clears bBusy and redraws.
  ButtonSteps FinishLoad();

 private:
  // DrawButton(s): nothing while bBusy, else stores s and draws.
  void Draw(ButtonSteps& out, int s);
  void DrawUnless(ButtonSteps& out, int s, int unless);
};

}  // namespace vantrel::controls
