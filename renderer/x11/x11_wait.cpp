#include "renderer/x11/x11_wait.h"

#include <poll.h>

#include <cmath>

#include "renderer/hack/stop_signals.h"

namespace vantrel {

void waitForX(Display* display, double seconds, pollfd other) {
  if (seconds == 0.0 || stopRequested() || XPending(display) > 0) return;
  // NOTE: a signal that comes after the test above has already written to
  // the wake-up descriptor, so the poll still returns at once.
  // NOTE: poll skips an entry whose descriptor is negative.
  pollfd watched[3] = {{ConnectionNumber(display), POLLIN, 0},
                       {stopSignalDescriptor(), POLLIN, 0},
                       other};
  timespec limit = {};
  if (seconds > 0.0) {
    const double whole = std::floor(seconds);
    limit.tv_sec = static_cast<time_t>(whole);
    limit.tv_nsec = static_cast<long>((seconds - whole) * 1e9);
  }
  ppoll(watched, 3, seconds > 0.0 ? &limit : nullptr, nullptr);
}

}  // namespace vantrel
