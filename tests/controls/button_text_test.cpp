// Access keys, default captions, gradient rows and the button's persisted
// properties.
#include <gtest/gtest.h>

#include "host/controls/access_key.h"
#include "host/controls/button_palette.h"
#include "host/controls/button_properties.h"
#include "host/controls/default_caption.h"

namespace vantrel::controls {
namespace {

TEST(AccessKey, MarkedCharactersInLowerCase) {
  EXPECT_EQ(GetAccessKey("&Cancel"), "c");
  EXPECT_EQ(GetAccessKey("&&x&y"), "y");
  EXPECT_EQ(GetAccessKey("abc&"), "");
  EXPECT_EQ(GetAccessKey("&"), "");
  EXPECT_EQ(GetAccessKey(""), "");
  EXPECT_EQ(GetAccessKey("no key"), "");
  EXPECT_EQ(GetAccessKey("a&&"), "");
  // An "&" in the second-to-last position does give a key.
  EXPECT_EQ(GetAccessKey("&X"), "x");
  EXPECT_EQ(GetAccessKey("&&&b"), "b");
  EXPECT_EQ(GetAccessKey("\xE8\xA8\xAD&\xE5\xAE\x9A"), "\xE5\xAE\x9A");  // whole UTF-8 character
}

TEST(DefaultCaption, OkCancelApplyThenOwnName) {
  EXPECT_EQ(DefaultCaption({}, "ccXPButton1"), "&OK");
  EXPECT_EQ(DefaultCaption({"&OK"}, "ccXPButton2"), "&Cancel");
  EXPECT_EQ(DefaultCaption({"&OK", "&Cancel"}, "ccXPButton3"), "&Apply");
  EXPECT_EQ(DefaultCaption({"&Apply", "&Cancel", "&OK"}, "ccXPButton4"), "ccXPButton4");
  EXPECT_EQ(DefaultCaption({"&OKAY", "x&OK"}, "b"), "&OK");  // whole captions only
}

TEST(Gradient, RowsRunFromBottomToTopColour) {
  const std::vector<Colour> rows = GradientRows(MakeColour(252, 252, 251), MakeColour(236, 235, 230), 16);
  ASSERT_EQ(rows.size(), 17u);
  EXPECT_EQ(rows.front(), MakeColour(236, 235, 230));
  EXPECT_EQ(rows.back(), MakeColour(252, 252, 251));
  // Row 8: 236 + 8 * 1, 235 + 8 * 1.0625 = 243.5 -> 244, 230 + 8 * 1.3125 = 240.5 -> 240.
  EXPECT_EQ(rows[8], MakeColour(244, 244, 240));
  EXPECT_EQ(GradientRows(1, 2, 0), (std::vector<Colour>{2}));
  EXPECT_TRUE(GradientRows(1, 2, -1).empty());
}

TEST(ButtonProperties, DefaultsAreNotWrittenAndFontAlwaysIs) {
  forms::PropertyBag bag;
  ButtonProperties p;
  WriteButtonProperties(bag, p);
  ASSERT_EQ(bag.Entries().size(), 1u);
  EXPECT_EQ(bag.Entries()[0].first, "Font");
  p.Caption = "\xE8\xA8\xAD\xE5\xAE\x9A";
  p.Enabled = false;
  p.Font.face = "\xEF\xBC\xAD\xEF\xBC\xB3 \xEF\xBC\xB0\xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF";
  p.Font.size = 9.75;
  p.Font.charset = 128;
  WriteButtonProperties(bag, p);
  const ButtonProperties back = ReadButtonProperties(bag, forms::FontDesc{});
  EXPECT_EQ(back.Caption, p.Caption);
  EXPECT_FALSE(back.Enabled);
  EXPECT_EQ(back.Font, p.Font);
}

}  // namespace
}  // namespace vantrel::controls
