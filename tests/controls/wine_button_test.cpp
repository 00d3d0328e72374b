// The button control on real windows: its drawn states read back with GDI,
// the intercepted messages, mouse, keyboard, access keys and focus movement.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "host/controls/win32_button.h"
#include "host/forms/win32_access_keys.h"
#include "tests/controls/wine_test_window.h"

namespace vantrel::controls {
namespace {

using testing::Rgb;

struct ButtonFixture : ::testing::Test {
  testing::TestForm form;
  forms::AmbientContainer ambient;
  forms::AccessKeyMap keys;
  ccXPButton button;
  int clicks = 0, dblClicks = 0;
  std::vector<int> activations;
  int W = 0, H = 0;
  const ButtonPalette pal = InitPalette();

  void SetUp() override {
    ambient.SetBackColor(Rgb(224, 224, 224));
    Load(button, "Cmd_Set", 300, 300);
    RECT rc{};
    GetClientRect(button.hWnd(), &rc);
    W = rc.right;
    H = rc.bottom;
  }
  void Load(ccXPButton& b, const char* name, int left, int top, const char* caption = "&OK") {
    b.Click = [this] { ++clicks; };
    b.DblClick = [this] { ++dblClicks; };
    b.FormActivate = [this](std::int32_t& s) { activations.push_back(s); };
    // 1575 x 495 twips: 105 x 33 pixels.
    ASSERT_TRUE(b.Create(form.hwnd, ambient, &keys, name, left, top, 1575, 495));
    forms::PropertyBag bag;
    bag.SetRaw("Caption", caption);
    b.ReadProperties(bag);
  }
  Colour Px(int x, int y) const { return button.Surface().Get(x, y); }
  void Activate(bool on) { SendMessageW(form.hwnd, WM_ACTIVATE, on ? WA_ACTIVE : WA_INACTIVE, 0); }
  void Mouse(UINT msg, int x, int y) {
    SendMessageW(button.hWnd(), msg, msg == WM_MOUSEMOVE ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
  }
  void ExpectGradientFace(int s) {
    EXPECT_EQ(Px(5, 1), pal.row1[s]);
    EXPECT_EQ(Px(5, 2), pal.row2[s]);
    EXPECT_EQ(Px(5, H - 3), pal.rowH3[s]);
    EXPECT_EQ(Px(5, H - 2), pal.rowH2[s]);
    const std::vector<Colour> face = GradientRows(pal.faceTop, pal.faceBottom, H - 6);
    const std::vector<Colour> rim = GradientRows(pal.rimTop[s], pal.rimBottom[s], H - 5);
    for (int y = 3; y <= H - 4; ++y) {
      EXPECT_EQ(Px(4, y), face[static_cast<size_t>(H - 3 - y)]) << "face row " << y;
      EXPECT_EQ(Px(1, y), rim[static_cast<size_t>(H - 2 - y)]) << "rim row " << y;
      EXPECT_EQ(Px(W - 2, y), rim[static_cast<size_t>(H - 2 - y)]) << "right rim row " << y;
    }
  }
  void ExpectBorderAndCorners(int s) {
    EXPECT_EQ(Px(W / 2, 0), pal.border[s]);
    EXPECT_EQ(Px(0, H / 2), pal.border[s]);
    EXPECT_EQ(Px(W - 1, H / 2), pal.border[s]);
    EXPECT_EQ(Px(W / 2, H - 1), pal.border[s]);
    EXPECT_EQ(Px(0, 1), pal.cornerB[s]);
    EXPECT_EQ(Px(2, 0), pal.cornerA[s]);
    EXPECT_EQ(Px(1, 1), pal.cornerC[s]);
    EXPECT_EQ(Px(W - 3, 0), pal.cornerA[s]);
    EXPECT_EQ(Px(W - 2, H - 2), pal.cornerC[s]);
    EXPECT_EQ(Px(1, H - 1), pal.cornerB[s]);
  }
};

TEST_F(ButtonFixture, NormalHotAndDefaultStatesDrawTheirGradients) {
  ASSERT_EQ(W, 105);
  ASSERT_EQ(H, 33);
  EXPECT_EQ(button.State().lState, kStateNormal);
  ExpectBorderAndCorners(kStateNormal);
  ExpectGradientFace(kStateNormal);
  Activate(true);
  Mouse(WM_MOUSEMOVE, 10, 10);
  EXPECT_EQ(button.State().lState, kStateHot);
  ExpectGradientFace(kStateHot);
  SendMessageW(button.hWnd(), WM_MOUSELEAVE, 0, 0);  // reaches the button only through the engine
  EXPECT_EQ(button.State().lState, kStateNormal);
  ambient.SetDefaultControl(&button);
  EXPECT_EQ(button.State().lState, kStateFocused);
  ExpectGradientFace(kStateFocused);
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  EXPECT_NE(GetWindowRgn(button.hWnd(), rgn), ERROR);
  EXPECT_TRUE(PtInRegion(rgn, W / 2, H / 2));
  DeleteObject(rgn);
}

TEST_F(ButtonFixture, PressedAndDisabledFacesAreFlat) {
  Activate(true);
  Mouse(WM_MOUSEMOVE, 10, 10);
  Mouse(WM_LBUTTONDOWN, 10, 10);
  EXPECT_EQ(button.State().lState, kStatePressed);
  ExpectBorderAndCorners(kStatePressed);
  EXPECT_EQ(Px(4, H / 2), pal.flatPressed);
  EXPECT_EQ(Px(W - 2, 2), pal.flatPressed);
  Mouse(WM_LBUTTONUP, 10, 10);
  button.SetEnabled(false);
  EXPECT_EQ(button.State().lState, kStateDisabled);
  ExpectBorderAndCorners(kStateDisabled);
  EXPECT_EQ(Px(4, H / 2), pal.flatDisabled);
  int captionPixels = 0;
  for (int y = 3; y < H - 3; ++y)
    for (int x = 3; x < W - 3; ++x) captionPixels += Px(x, y) == pal.disabledText;
  EXPECT_GT(captionPixels, 0);
  SendMessageW(button.hWnd(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(button.State().lState, kStateDisabled);  // state 0 is kept
  button.SetEnabled(true);
  EXPECT_EQ(button.State().lState, kStateNormal);  // outside, not default
}

TEST_F(ButtonFixture, MouseClicksOnlyWhenReleasedInside) {
  Activate(true);
  Mouse(WM_MOUSEMOVE, 10, 10);
  Mouse(WM_LBUTTONDOWN, 10, 10);
  Mouse(WM_LBUTTONUP, 10, 10);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(GetFocus(), button.hWnd());
  Mouse(WM_LBUTTONDOWN, 10, 10);
  Mouse(WM_MOUSEMOVE, W + 30, 10);
  EXPECT_EQ(button.State().lState, kStateFocused);
  Mouse(WM_LBUTTONUP, W + 30, 10);
  EXPECT_EQ(clicks, 1);
  Mouse(WM_MOUSEMOVE, 10, 10);
  Mouse(WM_LBUTTONDOWN, 10, 10);
  Mouse(WM_LBUTTONUP, 10, 10);
  Mouse(WM_LBUTTONDBLCLK, 10, 10);
  Mouse(WM_LBUTTONUP, 10, 10);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(dblClicks, 1);
}

TEST_F(ButtonFixture, ActivationReachesTheButtonAndClearsAPress) {
  Activate(true);
  Mouse(WM_MOUSEMOVE, 10, 10);
  Mouse(WM_LBUTTONDOWN, 10, 10);
  Activate(false);
  EXPECT_EQ(button.State().lState, kStateNormal);
  Activate(true);
  Mouse(WM_LBUTTONUP, 10, 10);
  EXPECT_EQ(clicks, 0);
  ASSERT_GE(activations.size(), 3u);
  EXPECT_EQ(std::vector<int>(activations.end() - 3, activations.end()), (std::vector<int>{1, 0, 1}));
}

TEST_F(ButtonFixture, KeysAccessKeyAndArrowFocus) {
  ccXPButton second;
  Load(second, "Cmd_Can", 2000, 300, "&Cancel");
  Activate(true);
  SetFocus(button.hWnd());
  SendMessageW(button.hWnd(), WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(button.State().lState, kStatePressed);
  SendMessageW(button.hWnd(), WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(clicks, 1);
  SendMessageW(button.hWnd(), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(clicks, 2);
  SendMessageW(button.hWnd(), WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_EQ(GetFocus(), second.hWnd());
  SendMessageW(second.hWnd(), WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(GetFocus(), button.hWnd());
  MSG alt = {};
  alt.hwnd = button.hWnd();
  alt.message = WM_SYSCHAR;
  alt.wParam = 'C';
  EXPECT_TRUE(forms::TranslateAccessKey(form.hwnd, alt, keys));
  EXPECT_EQ(clicks, 3);
  alt.wParam = 'z';
  EXPECT_FALSE(forms::TranslateAccessKey(form.hwnd, alt, keys));
}

TEST_F(ButtonFixture, ChainedButtonsUnhookInAnyOrder) {
  auto b2 = std::make_unique<ccXPButton>();
  auto b3 = std::make_unique<ccXPButton>();
  Load(*b2, "b2", 2000, 300);
  Load(*b3, "b3", 4000, 300);
  activations.clear();
  Activate(true);
  EXPECT_EQ(activations.size(), 3u);
  b2.reset();  // the middle of the chain first
  Activate(false);
  EXPECT_EQ(activations.size(), 5u);
  button.Destroy();  // then the first installed
  Activate(true);
  EXPECT_EQ(activations.size(), 6u);
  b3.reset();
  Activate(false);
  EXPECT_EQ(activations.size(), 6u);
  EXPECT_TRUE(IsWindow(form.hwnd));
}

TEST_F(ButtonFixture, SmallSizesAreRaisedAndDrawnAtOnce) {
  button.Move(300, 300, 1575, 50);
  RECT rc{};
  GetClientRect(button.hWnd(), &rc);
  EXPECT_EQ(rc.bottom, 7);  // 100 twips
  EXPECT_EQ(button.Surface().Height(), 7);
  EXPECT_EQ(Px(W / 2, 6), pal.border[kStateNormal]);
}

TEST_F(ButtonFixture, SnapMouseToPutsTheCursorOnTheCentre) {
  button.SnapMouseTo();
  POINT centre{0, 0};
  ClientToScreen(button.hWnd(), &centre);
  POINT cursor{};
  ASSERT_TRUE(GetCursorPos(&cursor));
  // origin + 52.5 and origin + 16.5, each sum rounded halves to even.
  const auto halfEven = [](long whole) { return whole % 2 != 0 ? whole + 1 : whole; };
  EXPECT_EQ(cursor.x, halfEven(centre.x + 52));
  EXPECT_EQ(cursor.y, halfEven(centre.y + 16));
}

TEST_F(ButtonFixture, ClosingTheFormFromClickIsSafe) {
  button.Click = [this] { DestroyWindow(form.hwnd); };
  Activate(true);
  Mouse(WM_MOUSEMOVE, 10, 10);
  Mouse(WM_LBUTTONDOWN, 10, 10);
  Mouse(WM_LBUTTONUP, 10, 10);
  EXPECT_FALSE(IsWindow(form.hwnd));
  EXPECT_EQ(button.hWnd(), nullptr);
}

TEST(WineButton, DesignTimeInterceptsNothingAndNewInstancesTakeDefaultCaptions) {
  testing::TestForm form;
  forms::AmbientContainer ambient;
  ambient.SetUserMode(false);
  const LONG_PTR proc = GetWindowLongPtrW(form.hwnd, GWLP_WNDPROC);
  std::vector<std::unique_ptr<ccXPButton>> buttons;
  for (int i = 0; i < 4; ++i) {
    buttons.push_back(std::make_unique<ccXPButton>());
    ASSERT_TRUE(buttons.back()->Create(form.hwnd, ambient, nullptr, "ccXPButton" + std::to_string(i + 1),
                                       300 + 1700 * i, 300, 1500, 450));
    buttons.back()->InitProperties();
  }
  EXPECT_EQ(buttons[0]->Caption(), "&OK");
  EXPECT_EQ(buttons[1]->Caption(), "&Cancel");
  EXPECT_EQ(buttons[2]->Caption(), "&Apply");
  EXPECT_EQ(buttons[3]->Caption(), "ccXPButton4");
  int activations = 0;
  buttons[0]->FormActivate = [&](std::int32_t&) { ++activations; };
  buttons[0]->ReadProperties(forms::PropertyBag{});
  SendMessageW(form.hwnd, WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(activations, 0);
  EXPECT_EQ(GetWindowLongPtrW(form.hwnd, GWLP_WNDPROC), proc);
}

}  // namespace
}  // namespace vantrel::controls
