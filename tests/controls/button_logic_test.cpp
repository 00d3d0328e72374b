// The button's transition table: the sequences a user produces and what they
// draw and raise.
#include <gtest/gtest.h>

#include "host/controls/button_logic.h"

namespace vantrel::controls {
namespace {

using A = ButtonAction;

int Clicks(const ButtonSteps& steps) {
  int n = 0;
  for (const auto& s : steps) n += s.action == A::Click;
  return n;
}

bool Draws(const ButtonSteps& steps, int state) {
  for (const auto& s : steps) {
    if (s.action == A::Draw && s.value == state) return true;
  }
  return false;
}

void Append(ButtonSteps& all, const ButtonSteps& more) { all.insert(all.end(), more.begin(), more.end()); }

// A loaded, enabled button on an active form.
ButtonLogic ActiveButton() {
  ButtonLogic b;
  b.FinishLoad();
  b.SetEnabled(true);
  b.FormActivation(true);
  return b;
}

TEST(ButtonLogic, PressAndReleaseInsideClicksOnce) {
  ButtonLogic b = ActiveButton();
  ButtonSteps all;
  Append(all, b.MouseMove(5, 5, 50, 20));
  EXPECT_EQ(b.lState, kStateHot);
  Append(all, b.FocusGained());
  Append(all, b.MouseDown(kLeftButton));
  EXPECT_EQ(b.lState, kStatePressed);
  const ButtonSteps up = b.LeftUp();
  EXPECT_EQ(up, (ButtonSteps{{A::Draw, kStateHot}, {A::Click, 0}}));
  EXPECT_EQ(Clicks(all), 0);
  EXPECT_FALSE(b.bClickArmed);
}

TEST(ButtonLogic, DragOutAndReleaseGivesNoClickAndShowsFocus) {
  ButtonLogic b = ActiveButton();
  b.MouseMove(5, 5, 50, 20);
  b.FocusGained();
  b.MouseDown(kLeftButton);
  EXPECT_TRUE(Draws(b.MouseMove(70, 5, 50, 20), kStateFocused));
  EXPECT_FALSE(b.bMouseInside);
  const ButtonSteps up = b.LeftUp();
  EXPECT_EQ(Clicks(up), 0);
  EXPECT_EQ(b.lState, kStateFocused);
  // Dragged out and back in while held, it shows pressed again.
  b.MouseDown(kLeftButton);
  b.MouseMove(70, 5, 50, 20);
  EXPECT_TRUE(Draws(b.MouseMove(10, 10, 50, 20), kStatePressed));
}

TEST(ButtonLogic, SpaceWhileLeftButtonHeldChangesNothing) {
  ButtonLogic b = ActiveButton();
  b.MouseMove(5, 5, 50, 20);
  b.FocusGained();
  b.MouseDown(kLeftButton);
  b.MouseMove(70, 5, 50, 20);
  EXPECT_EQ(b.lState, kStateFocused);
  EXPECT_TRUE(b.KeyDown(ButtonKey::Space).empty());
  EXPECT_FALSE(b.bSpaceDown);
  EXPECT_TRUE(b.KeyUp(ButtonKey::Space).empty());
  EXPECT_EQ(b.lState, kStateFocused);
  // The mouse press is still the one pending: released inside it clicks once.
  b.MouseMove(5, 5, 50, 20);
  EXPECT_EQ(Clicks(b.LeftUp()), 1);
}

TEST(ButtonLogic, SpaceReleaseClicksAndEnterClicksAtKeyDown) {
  ButtonLogic b = ActiveButton();
  b.FocusGained();
  EXPECT_EQ(b.KeyDown(ButtonKey::Space), (ButtonSteps{{A::Draw, kStatePressed}}));
  EXPECT_TRUE(b.KeyDown(ButtonKey::Space).empty());  // auto-repeat: unless 4
  EXPECT_EQ(b.KeyUp(ButtonKey::Space), (ButtonSteps{{A::Draw, kStateFocused}, {A::Click, 0}}));
  EXPECT_EQ(b.KeyDown(ButtonKey::Enter), (ButtonSteps{{A::Click, 0}}));  // no pressed look
  EXPECT_EQ(b.lState, kStateFocused);
  EXPECT_EQ(b.KeyDown(ButtonKey::Up), (ButtonSteps{{A::FocusPrevious, 0}}));
  EXPECT_EQ(b.KeyDown(ButtonKey::Right), (ButtonSteps{{A::FocusNext, 0}}));
}

TEST(ButtonLogic, DoubleClickRaisesOneClickThenDblClick) {
  ButtonLogic b = ActiveButton();
  b.MouseMove(5, 5, 50, 20);
  b.FocusGained();
  ButtonSteps all;
  Append(all, b.MouseDown(kLeftButton));
  Append(all, b.LeftUp());
  const ButtonSteps dbl = b.DoubleClick();
  EXPECT_EQ(dbl, (ButtonSteps{{A::Draw, kStatePressed}, {A::DblClick, 0}}));
  Append(all, dbl);
  Append(all, b.LeftUp());
  EXPECT_EQ(Clicks(all), 1);
  b.MouseDown(kRightButton);
  EXPECT_TRUE(b.DoubleClick().empty());  // last button not the left one
}

TEST(ButtonLogic, DeactivationClearsAPendingPress) {
  ButtonLogic b = ActiveButton();
  b.MouseMove(5, 5, 50, 20);
  b.FocusGained();
  b.MouseDown(kLeftButton);
  EXPECT_EQ(b.FormActivation(false), (ButtonSteps{{A::Draw, kStateNormal}, {A::FormActivate, 0}}));
  EXPECT_FALSE(b.bClickArmed || b.bLeftDown || b.bSpaceDown || b.bFormActive);
  b.FormActivation(true);
  EXPECT_EQ(Clicks(b.LeftUp()), 0);
  // Inactive form: a release gives no click and moves draw nothing.
  b.FormActivation(false);
  b.MouseDown(kLeftButton);
  EXPECT_EQ(Clicks(b.LeftUp()), 0);
  EXPECT_TRUE(b.MouseMove(5, 5, 50, 20) == (ButtonSteps{{A::TrackMouseLeave, 0}}));
}

TEST(ButtonLogic, EnablingDrawsHotDefaultOrNormal) {
  ButtonLogic b = ActiveButton();
  EXPECT_EQ(b.SetEnabled(false), (ButtonSteps{{A::Draw, kStateDisabled}}));
  EXPECT_TRUE(b.FormActivation(true) == (ButtonSteps{{A::FormActivate, 1}}));  // disabled: no draw
  EXPECT_EQ(b.SetEnabled(true), (ButtonSteps{{A::Draw, kStateNormal}}));
  b.SetEnabled(false);
  b.AmbientChanged(true, true);
  EXPECT_EQ(b.SetEnabled(true), (ButtonSteps{{A::Draw, kStateFocused}}));
  b.SetEnabled(false);
  b.bMouseInside = true;
  EXPECT_EQ(b.SetEnabled(true), (ButtonSteps{{A::Draw, kStateHot}}));
  // Enabling also ends a busy spell.
  b.bBusy = true;
  EXPECT_FALSE(b.SetEnabled(true).empty());
  EXPECT_FALSE(b.bBusy);
}

TEST(ButtonLogic, MouseLeaveRows) {
  ButtonLogic b = ActiveButton();
  b.MouseMove(5, 5, 50, 20);
  EXPECT_EQ(b.MouseLeave(), (ButtonSteps{{A::Draw, kStateNormal}}));  // no focus, not default
  b.FocusGained();
  b.MouseMove(5, 5, 50, 20);
  b.MouseDown(kLeftButton);
  EXPECT_EQ(b.MouseLeave(), (ButtonSteps{{A::Draw, kStateFocused}}));  // pressed and armed
  b.MouseMove(5, 5, 50, 20);
  b.bClickArmed = false;
  b.lState = kStateHot;
  EXPECT_EQ(b.MouseLeave(), (ButtonSteps{{A::Draw, kStateFocused}}));  // focused, hot
  b.KeyDown(ButtonKey::Space);
  EXPECT_TRUE(b.MouseLeave().empty());  // space held: look kept
}

TEST(ButtonLogic, FocusAmbientAndAccessKeyRows) {
  ButtonLogic b = ActiveButton();
  EXPECT_EQ(b.FocusGained(), (ButtonSteps{{A::Draw, kStateFocused}}));
  b.AmbientChanged(true, true);
  EXPECT_EQ(b.FocusLost(), (ButtonSteps{{A::Draw, kStateFocused}}));  // default keeps the rim
  EXPECT_EQ(b.AmbientChanged(true, false), (ButtonSteps{{A::Draw, kStateNormal}}));
  EXPECT_TRUE(b.AmbientChanged(false, false).empty());  // another ambient property
  EXPECT_EQ(b.AccessKeyPressed(), (ButtonSteps{{A::PumpMessages, 0}, {A::Click, 0}}));
  b.FocusGained();
  b.KeyDown(ButtonKey::Space);
  EXPECT_EQ(b.AccessKeyPressed(), (ButtonSteps{{A::Draw, kStateFocused}}));  // cancels the space press
  EXPECT_EQ(Clicks(b.KeyUp(ButtonKey::Space)), 0);
  b.SetEnabled(false);
  EXPECT_TRUE(b.AccessKeyPressed().empty());
}

TEST(ButtonLogic, FocusRectAndBusy) {
  ButtonLogic b = ActiveButton();
  EXPECT_TRUE(b.SetFocusRect(false).empty());  // no focus: nothing drawn
  b.FocusGained();
  EXPECT_EQ(b.SetFocusRect(true), (ButtonSteps{{A::Draw, kStateFocused}}));
  b.bBusy = true;
  EXPECT_TRUE(b.Redraw().empty());
  EXPECT_EQ(b.lState, kStateFocused);  // a busy draw does not store the state
  EXPECT_EQ(b.FinishLoad(), (ButtonSteps{{A::Draw, kStateFocused}}));
}

}  // namespace
}  // namespace vantrel::controls
