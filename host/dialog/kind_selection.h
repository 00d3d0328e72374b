// Which of the dialog's controls a music kind enables, and which kind mark
// is shown selected. Kinds: 0 none, 1 audio CD, 2 sound file.
#pragma once

namespace vantrel {

struct KindControls {
  bool repeatEnabled;  // the track combo box, for the CD kind only
  bool fileEnabled;    // the file chooser button, for the file kind only
  int selectedMark;    // the kind row showing the filled mark; -1 for none
};

// The state for a kind, at load and after a kind is clicked alike. A kind
// outside 0-2 (from an edited settings file) selects no mark and enables
// neither control.
KindControls kindControlsFor(int kind);

}  // namespace vantrel
