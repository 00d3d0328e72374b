#include "host/dialog/kind_selection.h"

namespace vantrel {

KindControls kindControlsFor(int kind) {
  KindControls c{};
  c.repeatEnabled = kind == 1;
  c.fileEnabled = kind == 2;
  c.selectedMark = (kind >= 0 && kind <= 2) ? kind : -1;
  return c;
}

}  // namespace vantrel
