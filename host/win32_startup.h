// Start-up of the host (unit Vantrel_B): single instance, mode dispatch,
// settings folder and music settings, renderer check, screen size.
#pragma once

#include <string>

namespace vantrel {

// Runs the host for the argument text of its command line; returns the
// process exit code when the host ends without a run of its own.
int runHost(const std::string& arguments);

}  // namespace vantrel
