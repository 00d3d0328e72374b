// The form-host property services: property bags, saved layouts, ambient
// properties, access keys, and loading control properties from bad layouts.
#include <gtest/gtest.h>

#include <random>

#include "host/controls/button_properties.h"
#include "host/controls/frame_properties.h"
#include "host/forms/access_keys.h"
#include "host/forms/ambient.h"
#include "host/forms/focus_keys.h"
#include "host/forms/saved_layout.h"

namespace vantrel::forms {
namespace {

TEST(PropertyBag, DefaultsAreNotWrittenKeysIgnoreCaseBadValuesReadAsDefault) {
  PropertyBag bag;
  bag.WriteInt16("ShadowDepth", 5, 5);
  EXPECT_TRUE(bag.Entries().empty());
  bag.WriteInt16("ShadowDepth", 7, 5);
  EXPECT_EQ(bag.ReadInt16("shadowdepth", 5), 7);
  bag.WriteInt16("SHADOWDEPTH", 5, 5);  // back to the default: removed
  EXPECT_EQ(bag.FindRaw("ShadowDepth"), nullptr);
  bag.SetRaw("a", "12x");
  bag.SetRaw("b", "40000");
  bag.SetRaw("c", " -3 ");
  bag.SetRaw("d", "maybe");
  bag.SetRaw("e", "99999999999");
  EXPECT_EQ(bag.ReadInt32("a", 1), 1);
  EXPECT_EQ(bag.ReadInt16("b", 2), 2);
  EXPECT_EQ(bag.ReadInt32("b", 2), 40000);
  EXPECT_EQ(bag.ReadInt16("c", 0), -3);
  EXPECT_TRUE(bag.ReadBool("d", true));
  EXPECT_EQ(bag.ReadInt32("e", 4), 4);
  EXPECT_EQ(bag.ReadString("missing", "x"), "x");
  bag.SetRaw("f", "Arial;nine;400;0;0;0;0");
  FontDesc def;
  EXPECT_EQ(bag.ReadFont("f", def), def);
}

TEST(FontDesc, RoundTripsFacesWithSeparators) {
  FontDesc f;
  f.face = "A;B\\C";
  f.size = 9.75;
  f.weight = 700;
  f.charset = 128;
  f.italic = true;
  EXPECT_EQ(FontFromText(FontToText(f)), f);
  EXPECT_FALSE(FontFromText("Verdana;8.25;400;0;0;0").has_value());
  EXPECT_FALSE(FontFromText(";8.25;400;0;0;0;0").has_value());
}

TEST(SavedLayout, RoundTripsControlsInOrder) {
  SavedLayout layout;
  LayoutControl& frame = layout.Add("GFXFrameX1");
  frame.bag.SetRaw("Type", "Vantrel.GFXFrameX");
  frame.bag.SetRaw("Left", "180");
  frame.bag.SetRaw("shadowdepth", "7");
  LayoutControl& button = layout.Add("Cmd_Set");
  button.bag.SetRaw("Container", "");
  button.bag.SetRaw("Caption", "a\\b\nc");
  const SavedLayout back = ParseLayout(WriteLayout(layout));
  ASSERT_EQ(back.controls.size(), 2u);
  EXPECT_EQ(back.controls[0].name, "GFXFrameX1");
  EXPECT_EQ(back.controls[0].Type(), "Vantrel.GFXFrameX");
  EXPECT_EQ(back.controls[0].Left(), 180);
  EXPECT_EQ(back.Find("cmd_set")->bag.ReadString("Caption", ""), "a\\b\nc");
}

TEST(SavedLayout, BadInputLoadsControlsWithDefaults) {
  const char* text =
      "garbage before any section\n"
      "[GFXFrameX1]\n"
      "Type=Vantrel.GFXFrameX\n"
      "Width=wide\n"
      "ShadowDepth=0\n"
      "ShadowOpacity=250\n"
      "CornerDepth=70000\n"
      "ShowShadow=perhaps\n"
      "Sparkle=11\n"
      "no equals sign here\n"
      "=orphan value\n"
      "[\n"
      "[Cmd_Set]\r\n"
      "Caption=\xE8\xA8\xAD\xE5\xAE\x9A\r\n"
      "Enabled=0\r\n"
      "Font=broken\r\n"
      "[Cmd_Can";
  const SavedLayout layout = ParseLayout(text);
  ASSERT_EQ(layout.controls.size(), 3u);
  const LayoutControl& f = layout.controls[0];
  EXPECT_EQ(f.Width(2595), 2595);
  const controls::FrameProperties p = controls::ReadFrameProperties(f.bag, 0xE0E0E0);
  EXPECT_EQ(p.ShadowDepth, 0);        // as stored; drawing treats it as 1
  EXPECT_EQ(p.ShadowOpacity, 250);    // as stored; drawing clamps channels
  EXPECT_EQ(p.CornerDepth, 10);       // beyond 16 bits: default
  EXPECT_TRUE(p.ShowShadow);
  EXPECT_EQ(p.FillColour, 0xE0E0E0);  // missing: the container's colour
  EXPECT_EQ(p.FrameStyle, 1);
  const controls::ButtonProperties b =
      controls::ReadButtonProperties(layout.controls[1].bag, FontDesc{});
  EXPECT_EQ(b.Caption, "\xE8\xA8\xAD\xE5\xAE\x9A");
  EXPECT_FALSE(b.Enabled);
  EXPECT_EQ(b.Font, FontDesc{});
  EXPECT_EQ(layout.controls[2].name, "Cmd_Can");
  EXPECT_EQ(controls::ReadButtonProperties(layout.controls[2].bag, FontDesc{}).Caption, "&OK");
}

TEST(SavedLayout, RandomTextNeverBreaksTheReaders) {
  std::mt19937 rng(12345);
  const std::string alphabet = "[]=;\\\n\r &-0123456789abcXYZ\xE8\xA8";
  for (int round = 0; round < 2000; ++round) {
    std::string text = round % 2 ? "[c]\n" : "";
    const int len = static_cast<int>(rng() % 200);
    for (int i = 0; i < len; ++i) text += alphabet[rng() % alphabet.size()];
    const SavedLayout layout = ParseLayout(text);
    for (const LayoutControl& c : layout.controls) {
      EXPECT_FALSE(c.name.empty());
      const controls::FrameProperties f = controls::ReadFrameProperties(c.bag, 0);
      const controls::ButtonProperties b = controls::ReadButtonProperties(c.bag, FontDesc{});
      EXPECT_GE(f.ShadowDepth, INT16_MIN);
      EXPECT_FALSE(b.Font.face.empty());
    }
    // What is written reads back the same.
    EXPECT_EQ(WriteLayout(ParseLayout(WriteLayout(layout))), WriteLayout(layout));
  }
}

struct Probe : AmbientListener, AccessKeyTarget {
  std::vector<std::string> heard;
  int pressed = 0;
  AmbientContainer* detachOnNotice = nullptr;
  void AmbientChanged(const std::string& name) override {
    heard.push_back(name);
    if (detachOnNotice) detachOnNotice->Detach(this);
  }
  void AccessKeyPressed() override { ++pressed; }
};

TEST(Ambient, ChangesAreAnnouncedAndDefaultIsPerControl) {
  AmbientContainer form;
  Probe a, b;
  form.Attach(&a);
  form.Attach(&b);
  form.SetBackColor(0xE0E0E0);
  form.SetBackColor(0xE0E0E0);  // unchanged: no notice
  form.SetDefaultControl(&b);
  EXPECT_EQ(a.heard, (std::vector<std::string>{"BackColor", "DisplayAsDefault"}));
  EXPECT_FALSE(form.DisplayAsDefault(&a));
  EXPECT_TRUE(form.DisplayAsDefault(&b));
  a.detachOnNotice = &form;  // detaching during an announcement is safe
  form.SetUserMode(false);
  form.SetUserMode(true);
  EXPECT_EQ(a.heard.size(), 3u);
  EXPECT_EQ(b.heard.size(), 4u);
  form.Detach(&b);
  EXPECT_FALSE(form.DisplayAsDefault(&b));
  form.PropertyChanged(&a, "ShadowDepth");
  EXPECT_TRUE(form.Dirty());
}

TEST(AccessKeys, FirstMatchingControlAnswersWithoutRegardToCase) {
  AccessKeyMap keys;
  Probe ok, cancel, other;
  keys.Set(&ok, "o");
  keys.Set(&cancel, "C");
  keys.Set(&other, "c");
  EXPECT_TRUE(keys.Dispatch("c"));
  EXPECT_EQ(cancel.pressed, 1);
  EXPECT_EQ(other.pressed, 0);
  keys.Remove(&cancel);
  EXPECT_TRUE(keys.Dispatch("C"));
  EXPECT_EQ(other.pressed, 1);
  keys.Set(&ok, "");
  EXPECT_FALSE(keys.Dispatch("o"));
  EXPECT_FALSE(keys.Dispatch(""));
  EXPECT_EQ(FocusStepOf("+{TAB}"), -1);
  EXPECT_EQ(FocusStepOf("{TAB}"), 1);
  EXPECT_EQ(FocusStepOf("{ENTER}"), 0);
}

}  // namespace
}  // namespace vantrel::forms
