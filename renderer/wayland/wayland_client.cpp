#include "renderer/wayland/wayland_client.h"

#include <linux/input-event-codes.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace vantrel {

namespace {

// The pointer's image over the saver: none.
void hideCursor(wl_pointer* pointer, std::uint32_t serial) {
  wl_pointer_set_cursor(pointer, serial, nullptr, 0, 0);
}

void onPointerEnter(void* data, wl_pointer* pointer, std::uint32_t serial,
                    wl_surface*, wl_fixed_t x, wl_fixed_t y) {
  auto& client = *static_cast<WaylandClient*>(data);
  hideCursor(pointer, serial);
  client.travel.enter(wl_fixed_to_double(x), wl_fixed_to_double(y));
}

void onPointerLeave(void*, wl_pointer*, std::uint32_t, wl_surface*) {}

void onPointerMotion(void* data, wl_pointer*, std::uint32_t, wl_fixed_t x,
                     wl_fixed_t y) {
  auto& client = *static_cast<WaylandClient*>(data);
  if (client.travel.moveTo(wl_fixed_to_double(x), wl_fixed_to_double(y))) {
    client.userEnded = true;
  }
}

void onPointerButton(void* data, wl_pointer*, std::uint32_t, std::uint32_t,
                     std::uint32_t, std::uint32_t state) {
  if (state == WL_POINTER_BUTTON_STATE_PRESSED) {
    static_cast<WaylandClient*>(data)->userEnded = true;
  }
}

void onPointerAxis(void*, wl_pointer*, std::uint32_t, std::uint32_t,
                   wl_fixed_t) {}
void onPointerFrame(void*, wl_pointer*) {}
void onPointerAxisSource(void*, wl_pointer*, std::uint32_t) {}
void onPointerAxisStop(void*, wl_pointer*, std::uint32_t, std::uint32_t) {}
void onPointerAxisDiscrete(void*, wl_pointer*, std::uint32_t, std::int32_t) {}
void onPointerAxisValue120(void*, wl_pointer*, std::uint32_t, std::int32_t) {}

const wl_pointer_listener kPointerListener = {
    onPointerEnter,      onPointerLeave,      onPointerMotion,
    onPointerButton,     onPointerAxis,       onPointerFrame,
    onPointerAxisSource, onPointerAxisStop,   onPointerAxisDiscrete,
    onPointerAxisValue120};

// The keymap is not needed: any key ends the saver.
void onKeymap(void*, wl_keyboard*, std::uint32_t, std::int32_t fd,
              std::uint32_t) {
  close(fd);
}

void onKeyboardEnter(void*, wl_keyboard*, std::uint32_t, wl_surface*,
                     wl_array*) {}
void onKeyboardLeave(void*, wl_keyboard*, std::uint32_t, wl_surface*) {}

// NOTE: only presses count: the release of the key that started the saver
// by hand (Enter in a terminal) comes after its surfaces appear.
void onKey(void* data, wl_keyboard*, std::uint32_t, std::uint32_t,
           std::uint32_t, std::uint32_t state) {
  if (state == WL_KEYBOARD_KEY_STATE_PRESSED) {
    static_cast<WaylandClient*>(data)->userEnded = true;
  }
}

void onModifiers(void*, wl_keyboard*, std::uint32_t, std::uint32_t,
                 std::uint32_t, std::uint32_t, std::uint32_t) {}
void onRepeatInfo(void*, wl_keyboard*, std::int32_t, std::int32_t) {}

const wl_keyboard_listener kKeyboardListener = {
    onKeymap, onKeyboardEnter, onKeyboardLeave,
    onKey,    onModifiers,     onRepeatInfo};

void onTouchDown(void* data, wl_touch*, std::uint32_t, std::uint32_t,
                 wl_surface*, std::int32_t, wl_fixed_t, wl_fixed_t) {
  static_cast<WaylandClient*>(data)->userEnded = true;
}

void onTouchUp(void*, wl_touch*, std::uint32_t, std::uint32_t, std::int32_t) {}
void onTouchMotion(void*, wl_touch*, std::uint32_t, std::int32_t, wl_fixed_t,
                   wl_fixed_t) {}
void onTouchFrame(void*, wl_touch*) {}
void onTouchCancel(void*, wl_touch*) {}
void onTouchShape(void*, wl_touch*, std::int32_t, wl_fixed_t, wl_fixed_t) {}
void onTouchOrientation(void*, wl_touch*, std::int32_t, wl_fixed_t) {}

const wl_touch_listener kTouchListener = {
    onTouchDown,  onTouchUp,    onTouchMotion,     onTouchFrame,
    onTouchCancel, onTouchShape, onTouchOrientation};

void releasePointer(WaylandClient& client) {
  if (client.pointer == nullptr) return;
  if (client.seatVersion >= WL_POINTER_RELEASE_SINCE_VERSION) {
    wl_pointer_release(client.pointer);
  } else {
    wl_pointer_destroy(client.pointer);
  }
  client.pointer = nullptr;
}

void releaseKeyboard(WaylandClient& client) {
  if (client.keyboard == nullptr) return;
  if (client.seatVersion >= WL_KEYBOARD_RELEASE_SINCE_VERSION) {
    wl_keyboard_release(client.keyboard);
  } else {
    wl_keyboard_destroy(client.keyboard);
  }
  client.keyboard = nullptr;
}

void releaseTouch(WaylandClient& client) {
  if (client.touch == nullptr) return;
  if (client.seatVersion >= WL_TOUCH_RELEASE_SINCE_VERSION) {
    wl_touch_release(client.touch);
  } else {
    wl_touch_destroy(client.touch);
  }
  client.touch = nullptr;
}

// NOTE: wlroots makes a client's input objects inert when the seat loses the
// capability, so they are released then and bound fresh when it returns.
void onSeatCapabilities(void* data, wl_seat* seat, std::uint32_t caps) {
  auto& client = *static_cast<WaylandClient*>(data);
  const bool pointer = (caps & WL_SEAT_CAPABILITY_POINTER) != 0;
  const bool keyboard = (caps & WL_SEAT_CAPABILITY_KEYBOARD) != 0;
  const bool touch = (caps & WL_SEAT_CAPABILITY_TOUCH) != 0;
  if (!pointer) releasePointer(client);
  if (!keyboard) releaseKeyboard(client);
  if (!touch) releaseTouch(client);
  if (pointer && client.pointer == nullptr) {
    client.pointer = wl_seat_get_pointer(seat);
    wl_pointer_add_listener(client.pointer, &kPointerListener, &client);
  }
  if (keyboard && client.keyboard == nullptr) {
    client.keyboard = wl_seat_get_keyboard(seat);
    wl_keyboard_add_listener(client.keyboard, &kKeyboardListener, &client);
  }
  if (touch && client.touch == nullptr) {
    client.touch = wl_seat_get_touch(seat);
    wl_touch_add_listener(client.touch, &kTouchListener, &client);
  }
}

void onSeatName(void*, wl_seat*, const char*) {}

const wl_seat_listener kSeatListener = {onSeatCapabilities, onSeatName};

void onPing(void*, xdg_wm_base* base, std::uint32_t serial) {
  xdg_wm_base_pong(base, serial);
}

const xdg_wm_base_listener kWmBaseListener = {onPing};

void addOutput(WaylandClient& client, std::uint32_t name,
               std::uint32_t version) {
  client.outputs.push_back(std::make_unique<WaylandOutput>());
  WaylandOutput& output = *client.outputs.back();
  output.client = &client;
  bindOutput(output, client.registry, name, version);
}

template <typename T>
T* bindGlobal(wl_registry* registry, std::uint32_t name,
              const wl_interface* interface, std::uint32_t version) {
  return static_cast<T*>(wl_registry_bind(registry, name, interface, version));
}

void bindSeat(WaylandClient& client, std::uint32_t name,
              std::uint32_t version) {
  // Version 5 knows releases and every event the listeners above take.
  client.seatVersion = std::min<std::uint32_t>(version, 5);
  client.seat = bindGlobal<wl_seat>(client.registry, name, &wl_seat_interface,
                                    client.seatVersion);
  wl_seat_add_listener(client.seat, &kSeatListener, &client);
}

void onGlobal(void* data, wl_registry* registry, std::uint32_t name,
              const char* interface, std::uint32_t version) {
  auto& client = *static_cast<WaylandClient*>(data);
  if (std::strcmp(interface, wl_compositor_interface.name) == 0) {
    client.compositor = bindGlobal<wl_compositor>(
        registry, name, &wl_compositor_interface, std::min(version, 4u));
  } else if (std::strcmp(interface, wl_shm_interface.name) == 0) {
    client.shm = bindGlobal<wl_shm>(registry, name, &wl_shm_interface, 1);
  } else if (std::strcmp(interface, wp_viewporter_interface.name) == 0) {
    client.viewporter = bindGlobal<wp_viewporter>(
        registry, name, &wp_viewporter_interface, 1);
  } else if (std::strcmp(interface, zwlr_layer_shell_v1_interface.name) == 0) {
    client.layerShell = bindGlobal<zwlr_layer_shell_v1>(
        registry, name, &zwlr_layer_shell_v1_interface, std::min(version, 4u));
  } else if (std::strcmp(interface, xdg_wm_base_interface.name) == 0) {
    client.wmBase = bindGlobal<xdg_wm_base>(registry, name,
                                            &xdg_wm_base_interface, 1);
    xdg_wm_base_add_listener(client.wmBase, &kWmBaseListener, &client);
  } else if (std::strcmp(interface, wl_seat_interface.name) == 0 &&
             client.seat == nullptr) {
    bindSeat(client, name, version);
  } else if (std::strcmp(interface, wl_output_interface.name) == 0) {
    addOutput(client, name, version);
  }
}

// An output that goes away is only marked: its GL objects are released by
// the drawing side, with the context current on its surface.
void onGlobalRemove(void* data, wl_registry*, std::uint32_t name) {
  auto& client = *static_cast<WaylandClient*>(data);
  for (auto& output : client.outputs) {
    if (output->globalName == name) output->presence.removed();
  }
}

const wl_registry_listener kRegistryListener = {onGlobal, onGlobalRemove};

}  // namespace

void listenToRegistry(WaylandClient& client) {
  client.registry = wl_display_get_registry(client.display);
  wl_registry_add_listener(client.registry, &kRegistryListener, &client);
}

void releaseGlobals(WaylandClient& client) {
  releaseTouch(client);
  releaseKeyboard(client);
  releasePointer(client);
  if (client.seat != nullptr) wl_seat_destroy(client.seat);
  if (client.wmBase != nullptr) xdg_wm_base_destroy(client.wmBase);
  if (client.layerShell != nullptr) {
    // The destroy request came with version 3; before, only the proxy goes.
    if (zwlr_layer_shell_v1_get_version(client.layerShell) >= 3) {
      zwlr_layer_shell_v1_destroy(client.layerShell);
    } else {
      wl_proxy_destroy(reinterpret_cast<wl_proxy*>(client.layerShell));
    }
  }
  if (client.viewporter != nullptr) wp_viewporter_destroy(client.viewporter);
  // Version 1 of wl_shm has no release: only the proxy goes.
  if (client.shm != nullptr) wl_shm_destroy(client.shm);
  if (client.compositor != nullptr) wl_compositor_destroy(client.compositor);
  if (client.registry != nullptr) wl_registry_destroy(client.registry);
  wl_display* display = client.display;
  client = WaylandClient();
  client.display = display;
}

}  // namespace vantrel
