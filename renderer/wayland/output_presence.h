#pragma once
// The saver's surface on one output as the compositor's events move it, in
// whatever order they come: the output described, the surface closed, the
// output removed. Pure, so every order can be tested without a compositor.

namespace vantrel {

// What the caller does next to the output's protocol objects.
enum class OutputStep {
  None,
  MakeSurface,  // make the saver's surface on the output
  DropSurface,  // release the closed surface; the output stays bound
  DropOutput,   // release surface and output: the output is gone
};

class OutputPresence {
 public:
  // The output's description is complete (wl_output.done): a new one after
  // a close means the output can be shown again (turned back on).
  void described();
  // The compositor will show the saver's surface no more.
  void closed();
  // The output left the registry.
  void removed();
  // The step due now; `covering` is false until the saver starts covering.
  OutputStep nextStep(bool covering) const;
  // The caller has done `step`, the one nextStep returned.
  void stepDone(OutputStep step);
  // True while the output shows a saver or is about to get one; the run
  // ends when no output can.
  bool canShow() const;

 private:
  enum class Phase { New, Shown, Closed, Dormant, Removed, Dropped };
  Phase phase_ = Phase::New;
  bool described_ = false;  // a description came since binding or closing
};

}  // namespace vantrel
