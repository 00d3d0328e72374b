#include "renderer/wayland/output_presence.h"

namespace vantrel {

void OutputPresence::described() { described_ = true; }

// NOTE: a compositor may send the close of a surface it no longer shows
// after the output's removal; removal wins, whatever came first.
void OutputPresence::closed() {
  if (phase_ != Phase::Shown) return;
  phase_ = Phase::Closed;
  described_ = false;
}

void OutputPresence::removed() {
  if (phase_ != Phase::Dropped) phase_ = Phase::Removed;
}

OutputStep OutputPresence::nextStep(bool covering) const {
  switch (phase_) {
    case Phase::Removed:
      return OutputStep::DropOutput;
    case Phase::Closed:
      return OutputStep::DropSurface;
    case Phase::New:
    case Phase::Dormant:
      return covering && described_ ? OutputStep::MakeSurface
                                    : OutputStep::None;
    default:
      return OutputStep::None;
  }
}

void OutputPresence::stepDone(OutputStep step) {
  switch (step) {
    case OutputStep::MakeSurface:
      phase_ = Phase::Shown;
      break;
    case OutputStep::DropSurface:
      phase_ = Phase::Dormant;
      break;
    case OutputStep::DropOutput:
      phase_ = Phase::Dropped;
      break;
    case OutputStep::None:
      break;
  }
}

bool OutputPresence::canShow() const {
  return phase_ == Phase::New || phase_ == Phase::Shown;
}

}  // namespace vantrel
