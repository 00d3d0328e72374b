#include "host/base/path_text.h"

#include "common/file_io.h"

namespace vantrel {

// NOTE: file names are bytes here; a marked path's UTF-8 is what the system
// uses, and unmarked bytes are taken as they are.
bool canOpenPathText(const std::string& text) {
  return canOpenForReading(isUtf8PathText(text) ? utf8OfPathText(text) : text);
}

}  // namespace vantrel
