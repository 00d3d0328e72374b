#include "renderer/wayland/output_presence.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantrel {
namespace {

// Applies events ('d' described, 'c' closed, 'r' removed; '.' is the
// program's loop doing the due steps) and returns the steps done, one
// letter each: M make surface, S drop surface, O drop output.
std::string run(OutputPresence& output, const std::string& events) {
  std::string steps;
  for (char event : events) {
    if (event == 'd') output.described();
    if (event == 'c') output.closed();
    if (event == 'r') output.removed();
    if (event != '.') continue;
    for (OutputStep step = output.nextStep(true); step != OutputStep::None;
         step = output.nextStep(true)) {
      steps += step == OutputStep::MakeSurface   ? 'M'
               : step == OutputStep::DropSurface ? 'S'
                                                 : 'O';
      output.stepDone(step);
    }
  }
  return steps;
}

TEST(OutputPresence, ASurfaceOnlyOnceCoveringAndDescribed) {
  OutputPresence output;
  EXPECT_TRUE(output.canShow());
  EXPECT_EQ(output.nextStep(true), OutputStep::None);
  output.described();
  EXPECT_EQ(output.nextStep(false), OutputStep::None);
  EXPECT_EQ(run(output, ".d.d."), "M");  // later descriptions: a new mode
  EXPECT_TRUE(output.canShow());
}

// An output turned off and on again: the surface closed while the output
// stays gets a new surface when the output is described anew.
TEST(OutputPresence, AClosedSurfaceComesBackWhenTheOutputIsDescribedAgain) {
  for (const char* events : {"d.c.d.", "d.cd.", "d.c..d."}) {
    OutputPresence output;
    EXPECT_EQ(run(output, events), "MSM") << events;
    EXPECT_TRUE(output.canShow()) << events;
  }
  OutputPresence output;
  EXPECT_EQ(run(output, "d.dc."), "MS");  // the off switch's own description
  EXPECT_FALSE(output.canShow());
}

// Closing and removal in either order, seen by the loop between them or
// together: the output is dropped once and shows no saver.
TEST(OutputPresence, CloseAndRemovalInEitherOrderDropTheOutput) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"d.c.r.", "MSO"}, {"d.r.c.", "MO"}, {"d.cr.", "MO"},
      {"d.rc.", "MO"},   {"d.c.dr.", "MSO"}, {"r.", "O"}};
  for (const auto& [events, steps] : cases) {
    OutputPresence output;
    EXPECT_EQ(run(output, events), steps) << events;
    EXPECT_FALSE(output.canShow()) << events;
    EXPECT_EQ(run(output, "dcr."), "") << events;
  }
}

}  // namespace
}  // namespace vantrel
