#pragma once
// SIGTERM, SIGINT and SIGHUP end the Linux program: how XScreenSaver,
// swayidle's resume and lockers stop a saver. POSIX only.

namespace vantrel {

// Installs the handlers. False when the wake-up pipe cannot be made; the
// flag still works then.
bool installStopSignals();
// True once one of the signals has come.
bool stopRequested();
// A descriptor that becomes readable when a signal comes, for loops that
// wait in poll; -1 when there is none.
int stopSignalDescriptor();

}  // namespace vantrel
