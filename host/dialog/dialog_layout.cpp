#include "host/dialog/dialog_layout.h"

namespace vantrel {

const std::vector<ControlLayout>& designedDialogLayout() {
  static const std::vector<ControlLayout> layout = {
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
  };
  return layout;
}

const ControlLayout* findControl(const std::vector<ControlLayout>& layout, const std::string& name,
                                 int index) {
  for (const ControlLayout& c : layout) {
    if (c.name == name && c.index == index) return &c;
  }
  return nullptr;
}

}  // namespace vantrel
