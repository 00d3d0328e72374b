#pragma once
// The connection to the compositor: its globals, the seat's input and the
// outputs the saver covers. Platform header.
#include <wayland-client.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "renderer/wayland/pointer_travel.h"
#include "renderer/wayland/wayland_output.h"

namespace vantrel {

struct WaylandClient {
  wl_display* display = nullptr;
  wl_registry* registry = nullptr;
  wl_compositor* compositor = nullptr;
  wl_shm* shm = nullptr;                // for black covers
  wp_viewporter* viewporter = nullptr;  // optional: one-pixel covers
  zwlr_layer_shell_v1* layerShell = nullptr;
  xdg_wm_base* wmBase = nullptr;
  wl_seat* seat = nullptr;
  std::uint32_t seatVersion = 0;
  wl_pointer* pointer = nullptr;
  wl_keyboard* keyboard = nullptr;
  wl_touch* touch = nullptr;
  PointerTravel travel;

  std::vector<std::unique_ptr<WaylandOutput>> outputs;
  // Outputs bound after the first round trips get their surface at once.
  bool surfacesStarted = false;
  // A key, a button, a touch, pointer travel or a toplevel's close.
  bool userEnded = false;
};

// Listens to the registry and binds the globals the saver uses.
void listenToRegistry(WaylandClient& client);
// Input objects, globals and registry released, newest first; the outputs
// must be gone already.
void releaseGlobals(WaylandClient& client);

}  // namespace vantrel
