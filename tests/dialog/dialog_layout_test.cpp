#include "host/dialog/dialog_layout.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace vantrel {
namespace {

std::string storedLayoutText() {
  std::ifstream in(VANTREL_DIALOG_LAYOUT_FILE, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct Designed {
  const char* name;
  int index;
  ControlKind kind;
  const char* container;
  long left, top, width, height;
  const char* caption;
};

// The dialog as designed; the stored layout must say exactly this.
const Designed kDesign[] = {
    {"GFXFrameX1", -1, ControlKind::Frame, "", 180, 180, 7155, 2595, ""},
    {"Sh", 0, ControlKind::Shape, "GFXFrameX1", 300, 240, 1695, 315, ""},
    {"Sh", 1, ControlKind::Shape, "GFXFrameX1", 420, 360, 1695, 315, ""},
    {"lbl", 15, ControlKind::Label, "GFXFrameX1", 300, 300, 1665, 195, "BGM"},
    {"Img_BGM", 1, ControlKind::Image, "GFXFrameX1", 420, 780, 195, 195, ""},
    {"lbl_BGM", 1, ControlKind::Label, "GFXFrameX1", 660, 780, 645, 195, u8"音楽CD"},
    {"BGM_Repeat", -1, ControlKind::ComboBox, "GFXFrameX1", 1440, 720, 615, 300, ""},
    {"lbl", 14, ControlKind::Label, "GFXFrameX1", 2100, 780, 990, 195, u8"曲目をﾘﾋﾟｰﾄ"},
    {"Img_BGM", 0, ControlKind::Image, "GFXFrameX1", 420, 1080, 195, 195, ""},
    {"lbl_BGM", 0, ControlKind::Label, "GFXFrameX1", 660, 1080, 330, 195, u8"なし"},
    {"Img_BGM", 2, ControlKind::Image, "GFXFrameX1", 420, 1380, 195, 195, ""},
    {"lbl_BGM", 2, ControlKind::Label, "GFXFrameX1", 660, 1380, 900, 195, u8"MP3、WAV"},
    {"Cmd_File", -1, ControlKind::Button, "GFXFrameX1", 360, 1680, 675, 375, "..."},
    {"lbl_Fname", -1, ControlKind::Label, "GFXFrameX1", 1080, 1680, 5595, 495, ""},
    {"Pic_m", 0, ControlKind::Picture, "", 180, 2880, 1845, 780, ""},
    {"Pic_m", 1, ControlKind::Picture, "", 5400, 2880, 1845, 780, ""},
    {"Cmd_Set", -1, ControlKind::Button, "", 2100, 2880, 1575, 495, u8"設定"},
    {"Cmd_Can", -1, ControlKind::Button, "", 3780, 2880, 1515, 495, u8"ｷｬﾝｾﾙ"},
    {"Img_Ra", 0, ControlKind::Image, "", 8040, 300, 180, 180, ""},
    {"Img_Ra", 1, ControlKind::Image, "", 8040, 600, 180, 180, ""},
};

TEST(DialogLayout, StoredLayoutHoldsTheDesignedControls) {
  const std::vector<ControlLayout> layout = dialogLayoutFromText(storedLayoutText());
  for (const Designed& d : kDesign) {
    SCOPED_TRACE(std::string(d.name) + "(" + std::to_string(d.index) + ")");
    const ControlLayout* c = findControl(layout, d.name, d.index);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->kind, d.kind);
    EXPECT_EQ(c->container, d.container);
    EXPECT_EQ(c->left, d.left);
    EXPECT_EQ(c->top, d.top);
    EXPECT_EQ(c->width, d.width);
    EXPECT_EQ(c->height, d.height);
    EXPECT_EQ(c->caption(), d.caption);
  }
  // Exactly one frame, stored with its shadow depth under the lower-case key.
  const ControlLayout* frame = findControl(layout, "GFXFrameX1");
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->properties.ReadInt16("ShadowDepth", 5), 7);
  const ControlLayout* timer = findControl(layout, "Timer1");
  ASSERT_NE(timer, nullptr);
  EXPECT_EQ(timer->properties.ReadInt32("Interval", 0), 100);
  EXPECT_TRUE(timer->properties.ReadBool("Enabled", false));
}

TEST(DialogLayout, BannerFramesAndMarksNameTheirPictures) {
  const std::vector<ControlLayout> layout = dialogLayoutFromText(storedLayoutText());
  for (int n = 1; n <= 24; ++n) {
    const ControlLayout* frame = findControl(layout, "Pic_t", n);
    ASSERT_NE(frame, nullptr) << n;
    EXPECT_EQ(frame->properties.ReadInt32("Picture", 0), 200 + n);
    // Below the window's client area, never seen.
    EXPECT_GE(frame->top, 5280);
    EXPECT_EQ(frame->width, 1800);
    EXPECT_EQ(frame->height, 750);
  }
  EXPECT_EQ(findControl(layout, "Pic_t", 25), nullptr);
  EXPECT_EQ(findControl(layout, "Img_Ra", 0)->properties.ReadInt32("Picture", 0), 231);
  EXPECT_EQ(findControl(layout, "Img_Ra", 1)->properties.ReadInt32("Picture", 0), 232);
  // The labels and buttons all carry the dialog's Japanese font.
  for (const ControlLayout& c : layout) {
    if (c.kind != ControlKind::Label && c.kind != ControlKind::Button) continue;
    EXPECT_EQ(c.properties.ReadString("Font", ""), u8"ＭＳ Ｐゴシック;9.75;400;128;0;0;0") << c.name;
  }
}

TEST(DialogLayout, ArrayNamesSplitOnlyWhenWellFormed) {
  const std::vector<ControlLayout> layout = dialogLayoutFromText(
      "[a(3)]\nType=Label\n[b(x)]\nType=Shape\n[(4)]\nType=Image\n[c(12]\nType=Timer\n[d]\nType=Odd\n");
  ASSERT_EQ(layout.size(), 5u);
  EXPECT_EQ(layout[0].name, "a");
  EXPECT_EQ(layout[0].index, 3);
  EXPECT_EQ(layout[0].kind, ControlKind::Label);
  EXPECT_EQ(layout[1].name, "b(x)");
  EXPECT_EQ(layout[1].index, -1);
  EXPECT_EQ(layout[2].name, "(4)");
  EXPECT_EQ(layout[3].name, "c(12");
  EXPECT_EQ(layout[4].kind, ControlKind::Unknown);
}

}  // namespace
}  // namespace vantrel
