#pragma once
// A black cover for an output the saver cannot draw on: without a buffer
// its surface would not be mapped, and the compositor would show the
// desktop there. Platform header.
#include "renderer/wayland/wayland_output.h"

namespace vantrel {

// Attaches a black buffer the size of the output's surface and commits:
// one pixel scaled by wp_viewporter where the compositor offers it, else a
// buffer of the output's pixel size. Called again after a new size or
// scale. False when no shared memory can be had.
bool coverOutput(WaylandOutput& output);
// The cover's buffer and viewport released (the surface stays).
void releaseCover(WaylandOutput& output);

}  // namespace vantrel
