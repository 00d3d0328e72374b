#include "host/controls/button_logic.h"

namespace vantrel::controls {

void ButtonLogic::Draw(ButtonSteps& out, int s) {
  if (bBusy) return;
  lState = s;
  out.push_back({ButtonAction::Draw, s});
}

void ButtonLogic::DrawUnless(ButtonSteps& out, int s, int unless) {
  if (lState != unless) Draw(out, s);
}

ButtonSteps ButtonLogic::MouseMove(double x, double y, double w, double h) {
  ButtonSteps out;
  const bool inside = x >= 0 && x <= w && y >= 0 && y <= h;
  bMouseInside = inside;
  if (inside) out.push_back({ButtonAction::TrackMouseLeave});
  if (!bFormActive || bSpaceDown) return out;
  if (inside && bClickArmed) {
    DrawUnless(out, kStatePressed, kStatePressed);
  } else if (inside) {
    DrawUnless(out, kStateHot, kStateHot);
  } else if (bHasFocus) {
    DrawUnless(out, kStateFocused, kStateFocused);
  } else {
    DrawUnless(out, kStateNormal, kStateNormal);
  }
  out.push_back({ButtonAction::MouseMove});
  return out;
}

ButtonSteps ButtonLogic::MouseDown(int button) {
  ButtonSteps out;
  iLastButton = static_cast<std::int16_t>(button);
  if (button == kLeftButton) {
    bHasFocus = bClickArmed = bLeftDown = true;
    DrawUnless(out, kStatePressed, kStatePressed);
  }
  return out;
}

ButtonSteps ButtonLogic::LeftUp() {
  ButtonSteps out;
  if (bFormActive) {
    if (bMouseInside) {
      DrawUnless(out, kStateHot, kStateHot);
    } else if (bHasFocus) {
      Draw(out, kStateFocused);
    }
    if (bMouseInside && bHasFocus && bClickArmed) out.push_back({ButtonAction::Click});
  }
  bClickArmed = bLeftDown = false;
  return out;
}

ButtonSteps ButtonLogic::DoubleClick() {
  ButtonSteps out;
  if (iLastButton == kLeftButton) {
    Draw(out, kStatePressed);
    out.push_back({ButtonAction::DblClick});
  }
  return out;
}

ButtonSteps ButtonLogic::KeyDown(ButtonKey key) {
  ButtonSteps out;
  switch (key) {
    case ButtonKey::Enter:
      out.push_back({ButtonAction::Click});
      break;
    case ButtonKey::Space:
      if (!bLeftDown) {
        bSpaceDown = bClickArmed = true;
        DrawUnless(out, kStatePressed, kStatePressed);
      }
      break;
    case ButtonKey::Left:
    case ButtonKey::Up:
      out.push_back({ButtonAction::FocusPrevious});
      break;
    case ButtonKey::Right:
    case ButtonKey::Down:
      out.push_back({ButtonAction::FocusNext});
      break;
    case ButtonKey::Other:
      break;
  }
  return out;
}

ButtonSteps ButtonLogic::KeyUp(ButtonKey key) {
  ButtonSteps out;
  if (key != ButtonKey::Space || bLeftDown) return out;
  if (!bMouseInside) {
    Draw(out, kStateFocused);
  } else {
    DrawUnless(out, kStateHot, kStateHot);
  }
  if (bClickArmed) out.push_back({ButtonAction::Click});
  bSpaceDown = bClickArmed = false;
  return out;
}

ButtonSteps ButtonLogic::AccessKeyPressed() {
  ButtonSteps out;
  if (!Enabled) return out;
  if (bSpaceDown) {
    bSpaceDown = bClickArmed = false;
    if (!bMouseInside) {
      Draw(out, kStateFocused);
    } else {
      DrawUnless(out, kStateHot, kStateHot);
    }
  } else {
    out.push_back({ButtonAction::PumpMessages});
    out.push_back({ButtonAction::Click});
  }
  return out;
}

ButtonSteps ButtonLogic::FocusGained() {
  ButtonSteps out;
  bHasFocus = true;
  if (bMouseInside) {
    if (lState != kStateHot && lState != kStatePressed) Draw(out, kStateHot);
  } else if (!bClickArmed) {
    Draw(out, kStateFocused);
  }
  return out;
}

ButtonSteps ButtonLogic::FocusLost() {
  ButtonSteps out;
  bHasFocus = bClickArmed = bSpaceDown = false;
  if (!Enabled) return out;
  if (!bFormActive) {
    DrawUnless(out, kStateNormal, kStateNormal);
  } else if (bMouseInside) {
    DrawUnless(out, kStateHot, kStateHot);
  } else if (bIsDefault) {
    Draw(out, kStateFocused);
  } else {
    DrawUnless(out, kStateNormal, kStateNormal);
  }
  return out;
}

ButtonSteps ButtonLogic::AmbientChanged(bool isDisplayAsDefault, bool displayAsDefault) {
  ButtonSteps out;
  bIsDefault = displayAsDefault;
  if (Enabled && !bMouseInside && isDisplayAsDefault) {
    if (bIsDefault) {
      Draw(out, kStateFocused);
    } else {
      DrawUnless(out, kStateNormal, kStateNormal);
    }
  }
  return out;
}

// The three rows are alternatives, decided on the state at entry.
ButtonSteps ButtonLogic::MouseLeave() {
  ButtonSteps out;
  bMouseInside = false;
  if (bSpaceDown || lState == kStateDisabled) return out;
  const bool marked = bHasFocus || bIsDefault;
  if (!marked) {
    DrawUnless(out, kStateNormal, kStateNormal);
  } else if (lState == kStatePressed) {
    Draw(out, bClickArmed ? kStateFocused : kStateNormal);
  } else if (lState != kStateFocused && bFormActive) {
    Draw(out, kStateFocused);
  }
  return out;
}

ButtonSteps ButtonLogic::FormActivation(bool active) {
  ButtonSteps out;
  if (active) {
    bFormActive = true;
    if (Enabled && bMouseInside) {
      DrawUnless(out, kStateHot, kStateHot);
    } else if (Enabled && (bHasFocus || bIsDefault)) {
      Draw(out, kStateFocused);
    }
    out.push_back({ButtonAction::FormActivate, 1});
  } else {
    bFormActive = bClickArmed = bLeftDown = bSpaceDown = false;
    if (Enabled) DrawUnless(out, kStateNormal, kStateNormal);
    out.push_back({ButtonAction::FormActivate, 0});
  }
  return out;
}

ButtonSteps ButtonLogic::SetEnabled(bool value) {
  ButtonSteps out;
  Enabled = value;
  bBusy = false;
  if (bMouseInside && value) {
    Draw(out, kStateHot);
  } else if (bIsDefault && value) {
    Draw(out, kStateFocused);
  } else {
    const int v = value ? 1 : 0;
    if (v != lState) Draw(out, v);
  }
  return out;
}

ButtonSteps ButtonLogic::SetFocusRect(bool value) {
  ButtonSteps out;
  FocusRect = value;
  if (bHasFocus) Draw(out, lState);
  return out;
}

ButtonSteps ButtonLogic::Redraw() {
  ButtonSteps out;
  Draw(out, lState);
  return out;
}

ButtonSteps ButtonLogic::FinishLoad() {
  bBusy = false;
  return Redraw();
}

}  // namespace vantrel::controls
