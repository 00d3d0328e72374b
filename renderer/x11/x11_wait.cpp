#include "renderer/x11/x11_wait.h"

#include <poll.h>

#include <cmath>

namespace vantrel {

void waitForX(Display* display, double seconds,
              const volatile std::sig_atomic_t& stop,
              const sigset_t& stopSignals) {
  if (seconds == 0.0 || XPending(display) > 0) return;
  // NOTE: the stop signals stay blocked from the flag's test until ppoll
  // swaps the mask, so a signal arriving in between still ends the wait.
  sigset_t previous;
  sigprocmask(SIG_BLOCK, &stopSignals, &previous);
  if (stop == 0) {
    pollfd connection = {ConnectionNumber(display), POLLIN, 0};
    timespec limit = {};
    if (seconds > 0.0) {
      const double whole = std::floor(seconds);
      limit.tv_sec = static_cast<time_t>(whole);
      limit.tv_nsec = static_cast<long>((seconds - whole) * 1e9);
    }
    sigset_t during = previous;
    for (int i = 1; i < NSIG; ++i) {
      if (sigismember(&stopSignals, i) == 1) sigdelset(&during, i);
    }
    ppoll(&connection, 1, seconds > 0.0 ? &limit : nullptr, &during);
  }
  sigprocmask(SIG_SETMASK, &previous, nullptr);
}

}  // namespace vantrel
