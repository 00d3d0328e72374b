// The saver run (window Vantrel_S, titled "Vantrel_Main"): starts the
// renderer and the music, keeps the music going and ends the host once the
// renderer's window has gone.
#pragma once

namespace vantrel {

// Loads the hidden saver window and runs the host's message loop; the
// window's unload ends the process, so this does not return normally.
// cursorHiddenByHost: "/s" mode, where the unload shows the cursor again.
void runSaver(bool cursorHiddenByHost);

}  // namespace vantrel
