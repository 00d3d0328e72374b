// A test client that moves the pointer as a real device would, through
// zwlr_virtual_pointer_manager_v1: headless sway's seat has no devices.
// usage: virtual_pointer START_MS DX:DY:WAIT_MS... [click]
//   waits START_MS after the device appears (clients bind their pointers
//   then), moves by each DX:DY and waits WAIT_MS after it; "click" presses
//   and releases the left button.
#include <linux/input-event-codes.h>
#include <time.h>
#include <wayland-client.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

namespace {

wl_seat* seat = nullptr;
zwlr_virtual_pointer_manager_v1* manager = nullptr;

void onGlobal(void*, wl_registry* registry, uint32_t name,
              const char* interface, uint32_t) {
  if (std::strcmp(interface, wl_seat_interface.name) == 0 && seat == nullptr) {
    seat = static_cast<wl_seat*>(
        wl_registry_bind(registry, name, &wl_seat_interface, 1));
  } else if (std::strcmp(interface,
                         zwlr_virtual_pointer_manager_v1_interface.name) == 0) {
    manager = static_cast<zwlr_virtual_pointer_manager_v1*>(wl_registry_bind(
        registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
  }
}

void onGlobalRemove(void*, wl_registry*, uint32_t) {}

const wl_registry_listener kRegistryListener = {onGlobal, onGlobalRemove};

void sleepMs(long ms) {
  timespec span = {ms / 1000, (ms % 1000) * 1000000};
  nanosleep(&span, nullptr);
}

uint32_t nowMs() {
  timespec now = {};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<uint32_t>(now.tv_sec * 1000 + now.tv_nsec / 1000000);
}

void click(wl_display* display, zwlr_virtual_pointer_v1* pointer) {
  zwlr_virtual_pointer_v1_button(pointer, nowMs(), BTN_LEFT,
                                 WL_POINTER_BUTTON_STATE_PRESSED);
  zwlr_virtual_pointer_v1_frame(pointer);
  zwlr_virtual_pointer_v1_button(pointer, nowMs(), BTN_LEFT,
                                 WL_POINTER_BUTTON_STATE_RELEASED);
  zwlr_virtual_pointer_v1_frame(pointer);
  wl_display_roundtrip(display);
}

bool move(wl_display* display, zwlr_virtual_pointer_v1* pointer,
          const char* step) {
  int dx = 0, dy = 0;
  long wait = 0;
  if (std::sscanf(step, "%d:%d:%ld", &dx, &dy, &wait) != 3) return false;
  zwlr_virtual_pointer_v1_motion(pointer, nowMs(), wl_fixed_from_int(dx),
                                 wl_fixed_from_int(dy));
  zwlr_virtual_pointer_v1_frame(pointer);
  wl_display_roundtrip(display);
  sleepMs(wait);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  wl_display* display = wl_display_connect(nullptr);
  if (display == nullptr) {
    std::fputs("virtual_pointer: no Wayland display\n", stderr);
    return 1;
  }
  wl_registry* registry = wl_display_get_registry(display);
  wl_registry_add_listener(registry, &kRegistryListener, nullptr);
  wl_display_roundtrip(display);
  if (manager == nullptr) {
    std::fputs("virtual_pointer: no virtual pointer manager\n", stderr);
    return 1;
  }
  zwlr_virtual_pointer_v1* pointer =
      zwlr_virtual_pointer_manager_v1_create_virtual_pointer(manager, seat);
  wl_display_roundtrip(display);
  sleepMs(std::atol(argv[1]));
  for (int i = 2; i < argc; ++i) {
    if (std::strcmp(argv[i], "click") == 0) {
      click(display, pointer);
    } else if (!move(display, pointer, argv[i])) {
      std::fprintf(stderr, "virtual_pointer: bad step %s\n", argv[i]);
      return 2;
    }
  }
  zwlr_virtual_pointer_v1_destroy(pointer);
  zwlr_virtual_pointer_manager_v1_destroy(manager);
  if (seat != nullptr) wl_seat_destroy(seat);
  wl_registry_destroy(registry);
  wl_display_roundtrip(display);
  wl_display_disconnect(display);
  return 0;
}
