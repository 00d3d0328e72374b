#include "host/controls/default_caption.h"

namespace vantrel::controls {

std::string DefaultCaption(const std::vector<std::string>& siblings, const std::string& name) {
  std::string all = "|";
  for (const auto& c : siblings) all += c + "|";
  for (const char* candidate : {"&OK", "&Cancel", "&Apply"}) {
    if (all.find(std::string("|") + candidate + "|") == std::string::npos) return candidate;
  }
  return name;
}

}  // namespace vantrel::controls
