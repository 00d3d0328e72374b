#pragma once
// A form's saved layout: its controls, in creation order, each with a kind,
// a container, a position in twips and its persisted properties.
//
// Text format (UTF-8, one item a line):
//   ; comment
//   [Cmd_Set]                 starts a control, named as on the form
//   Type=Vantrel.ccXPButton   the control's kind
//   Container=GFXFrameX1      the control it sits in; empty or absent: the form
//   Left=2100                 position and size in twips
//   Caption=&OK               any other key is a persisted property
// Keys match without regard to case. In values "\\", "\n", "\r", "\t" stand
// for a backslash, line breaks and a tab, and "\s" for a blank (written at
// either end of a value, where reading trims). Lines outside a section, lines
// without "=", and unknown keys are kept or skipped but never fail the parse.
#include <string>
#include <vector>

#include "host/forms/property_bag.h"

namespace vantrel::forms {

struct LayoutControl {
  std::string name;
  PropertyBag bag;  // every key of the section, geometry included

  std::string Type() const { return bag.ReadString("Type", ""); }
  std::string Container() const { return bag.ReadString("Container", ""); }
  // Twips; a missing or malformed value reads as 0 (and the size as def).
  int Left() const { return bag.ReadInt32("Left", 0); }
  int Top() const { return bag.ReadInt32("Top", 0); }
  int Width(int def = 0) const { return bag.ReadInt32("Width", def); }
  int Height(int def = 0) const { return bag.ReadInt32("Height", def); }
};

struct SavedLayout {
  std::vector<LayoutControl> controls;

  // Null when no control has this name (case-insensitive).
  const LayoutControl* Find(const std::string& name) const;
  LayoutControl* Find(const std::string& name);
  // Returns the control of this name, adding it when missing.
  LayoutControl& Add(const std::string& name);
};

SavedLayout ParseLayout(const std::string& text);
std::string WriteLayout(const SavedLayout& layout);

}  // namespace vantrel::forms
