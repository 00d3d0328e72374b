#include "host/dialog/dialog_layout.h"

#include <cstdlib>

#include "host/forms/saved_layout.h"

namespace vantrel {
namespace {

ControlKind kindOf(const std::string& type) {
  struct Entry {
    const char* type;
    ControlKind kind;
  };
  static const Entry kKinds[] = {
      {"Vantrel.GFXFrameX", ControlKind::Frame}, {"Vantrel.ccXPButton", ControlKind::Button},
      {"Label", ControlKind::Label},             {"Image", ControlKind::Image},
      {"PictureBox", ControlKind::Picture},      {"Shape", ControlKind::Shape},
      {"ComboBox", ControlKind::ComboBox},       {"Timer", ControlKind::Timer}};
  for (const Entry& e : kKinds) {
    if (forms::KeysEqual(type, e.type)) return e.kind;
  }
  return ControlKind::Unknown;
}

// "lbl_BGM(1)" gives "lbl_BGM" and 1; a name without a well-formed index
// is taken whole, with index -1.
void splitName(const std::string& full, std::string* name, int* index) {
  *name = full;
  *index = -1;
  const std::size_t open = full.find('(');
  if (open == std::string::npos || open == 0 || full.back() != ')') return;
  const std::string digits = full.substr(open + 1, full.size() - open - 2);
  if (digits.empty() || digits.size() > 4) return;
  for (char c : digits) {
    if (c < '0' || c > '9') return;
  }
  *name = full.substr(0, open);
  *index = std::atoi(digits.c_str());
}

}  // namespace

std::vector<ControlLayout> dialogLayoutFromText(const std::string& text) {
  const forms::SavedLayout saved = forms::ParseLayout(text);
  std::vector<ControlLayout> layout;
  for (const forms::LayoutControl& c : saved.controls) {
    ControlLayout entry;
    splitName(c.name, &entry.name, &entry.index);
    entry.kind = kindOf(c.Type());
    entry.container = c.Container();
    entry.left = c.Left();
    entry.top = c.Top();
    entry.width = c.Width();
    entry.height = c.Height();
    entry.properties = c.bag;
    layout.push_back(std::move(entry));
  }
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
