#include "renderer/hack/stop_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <initializer_list>

namespace vantrel {

namespace {

// The handler's only state, as a signal handler allows: the flag and the
// pipe it writes one byte to, so a loop blocked in poll wakes at once.
volatile std::sig_atomic_t stopFlag = 0;
int wakePipe[2] = {-1, -1};

extern "C" void onStopSignal(int) {
  const int savedErrno = errno;
  stopFlag = 1;
  if (wakePipe[1] >= 0) {
    const char byte = 1;
    // A full pipe already wakes the reader; nothing to do when it fails.
    (void)!write(wakePipe[1], &byte, 1);
  }
  errno = savedErrno;
}

bool openWakePipe() {
  if (pipe2(wakePipe, O_CLOEXEC | O_NONBLOCK) == 0) return true;
  wakePipe[0] = wakePipe[1] = -1;
  return false;
}

}  // namespace

bool installStopSignals() {
  const bool piped = openWakePipe();
  struct sigaction action = {};
  action.sa_handler = onStopSignal;
  sigemptyset(&action.sa_mask);
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
    sigaction(signal, &action, nullptr);
  }
  return piped;
}

bool stopRequested() { return stopFlag != 0; }

int stopSignalDescriptor() { return wakePipe[0]; }

}  // namespace vantrel
