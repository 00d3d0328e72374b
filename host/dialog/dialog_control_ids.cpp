#include "host/dialog/dialog_control_ids.h"

namespace vantrel {

int dialogControlId(const std::string& name, int index) {
  struct Entry {
    const char* name;
    int index;
    int id;
  };
  static const Entry kIds[] = {
      {"GFXFrameX1", -1, 100}, {"Sh", 0, 110},        {"Sh", 1, 111},
      {"lbl", 14, 114},        {"lbl", 15, 115},      {"Img_BGM", 0, 120},
      {"Img_BGM", 1, 121},     {"Img_BGM", 2, 122},   {"lbl_BGM", 0, 130},
      {"lbl_BGM", 1, 131},     {"lbl_BGM", 2, 132},   {"BGM_Repeat", -1, 140},
      {"Cmd_File", -1, 141},   {"lbl_Fname", -1, 142}, {"Pic_m", 0, 150},
      {"Pic_m", 1, 151},       {"Cmd_Set", -1, 160},  {"Cmd_Can", -1, 161},
  };
  for (const Entry& e : kIds) {
    if (name == e.name && index == e.index) return e.id;
  }
  return 0;
}

}  // namespace vantrel
