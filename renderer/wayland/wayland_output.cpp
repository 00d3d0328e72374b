#include "renderer/wayland/wayland_output.h"

#include <algorithm>

#include "renderer/wayland/wayland_client.h"
#include "renderer/wayland/wayland_cover.h"

namespace vantrel {

namespace {

// A new size or scale: the EGL window follows at once, the picture at the
// next frame.
void applyConfiguredSize(WaylandOutput& output, int width, int height) {
  if (width == output.width && height == output.height && output.configured) {
    return;
  }
  output.width = width;
  output.height = height;
  output.sizeChanged = true;
  if (output.eglWindow != nullptr) {
    int pixelWidth = 0, pixelHeight = 0;
    pictureSize(output, pixelWidth, pixelHeight);
    wl_egl_window_resize(output.eglWindow, pixelWidth, pixelHeight, 0, 0);
  }
}

void markConfigured(WaylandOutput& output) {
  if (!output.configured) output.frameDue = true;
  output.configured = true;
}

void onLayerConfigure(void* data, zwlr_layer_surface_v1* layer,
                      std::uint32_t serial, std::uint32_t width,
                      std::uint32_t height) {
  auto& output = *static_cast<WaylandOutput*>(data);
  zwlr_layer_surface_v1_ack_configure(layer, serial);
  applyConfiguredSize(output, static_cast<int>(width),
                      static_cast<int>(height));
  markConfigured(output);
}

void onLayerClosed(void* data, zwlr_layer_surface_v1*) {
  static_cast<WaylandOutput*>(data)->presence.closed();
}

const zwlr_layer_surface_v1_listener kLayerListener = {onLayerConfigure,
                                                       onLayerClosed};

void onXdgSurfaceConfigure(void* data, xdg_surface* surface,
                           std::uint32_t serial) {
  auto& output = *static_cast<WaylandOutput*>(data);
  xdg_surface_ack_configure(surface, serial);
  markConfigured(output);
}

const xdg_surface_listener kXdgSurfaceListener = {onXdgSurfaceConfigure};

void onToplevelConfigure(void* data, xdg_toplevel*, std::int32_t width,
                         std::int32_t height, wl_array*) {
  applyConfiguredSize(*static_cast<WaylandOutput*>(data), width, height);
}

// Closing the fullscreen window is the user's way to end the saver there.
void onToplevelClose(void* data, xdg_toplevel*) {
  static_cast<WaylandOutput*>(data)->client->userEnded = true;
}

// Events of versions above the one bound; never sent.
void onToplevelBounds(void*, xdg_toplevel*, std::int32_t, std::int32_t) {}
void onToplevelCapabilities(void*, xdg_toplevel*, wl_array*) {}

const xdg_toplevel_listener kToplevelListener = {
    onToplevelConfigure, onToplevelClose, onToplevelBounds,
    onToplevelCapabilities};

void createLayerSurface(WaylandOutput& output) {
  output.layerSurface = zwlr_layer_shell_v1_get_layer_surface(
      output.client->layerShell, output.surface, output.output,
      ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY, "screensaver");
  zwlr_layer_surface_v1_add_listener(output.layerSurface, &kLayerListener,
                                     &output);
  zwlr_layer_surface_v1_set_anchor(output.layerSurface,
                                   ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP |
                                       ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM |
                                       ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT |
                                       ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT);
  zwlr_layer_surface_v1_set_exclusive_zone(output.layerSurface, -1);
  zwlr_layer_surface_v1_set_keyboard_interactivity(
      output.layerSurface,
      ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_EXCLUSIVE);
}

void createToplevel(WaylandOutput& output) {
  output.xdgSurface =
      xdg_wm_base_get_xdg_surface(output.client->wmBase, output.surface);
  xdg_surface_add_listener(output.xdgSurface, &kXdgSurfaceListener, &output);
  output.toplevel = xdg_surface_get_toplevel(output.xdgSurface);
  xdg_toplevel_add_listener(output.toplevel, &kToplevelListener, &output);
  xdg_toplevel_set_title(output.toplevel, "Vantrel");
  xdg_toplevel_set_app_id(output.toplevel, "vantrel");
  xdg_toplevel_set_fullscreen(output.toplevel, output.output);
}

// Opaque everywhere, so the compositor draws nothing beneath it.
void setOpaque(WaylandOutput& output) {
  wl_region* region = wl_compositor_create_region(output.client->compositor);
  wl_region_add(region, 0, 0, INT32_MAX, INT32_MAX);
  wl_surface_set_opaque_region(output.surface, region);
  wl_region_destroy(region);
}

void onGeometry(void*, wl_output*, std::int32_t, std::int32_t, std::int32_t,
                std::int32_t, std::int32_t, const char*, const char*,
                std::int32_t) {}

void onMode(void* data, wl_output*, std::uint32_t flags, std::int32_t width,
            std::int32_t height, std::int32_t milliHz) {
  if ((flags & WL_OUTPUT_MODE_CURRENT) == 0) return;
  auto& output = *static_cast<WaylandOutput*>(data);
  output.modeWidth = width;
  output.modeHeight = height;
  output.modeMilliHz = milliHz;
}

// A complete description: an output that came while the saver runs, or
// one turned on again, gets its surface then.
void onDone(void* data, wl_output*) {
  static_cast<WaylandOutput*>(data)->presence.described();
}

void onScale(void* data, wl_output*, std::int32_t factor) {
  auto& output = *static_cast<WaylandOutput*>(data);
  const std::int32_t scale = std::max(1, factor);
  if (scale == output.scale) return;
  output.scale = scale;
  if (output.surface == nullptr) return;
  wl_surface_set_buffer_scale(output.surface, scale);
  const int width = output.width, height = output.height;
  output.width = -1;  // forces the resize
  applyConfiguredSize(output, width, height);
}

// The compositor will show the next frame: time to draw it.
void onFrameDone(void* data, wl_callback* callback, std::uint32_t) {
  auto& output = *static_cast<WaylandOutput*>(data);
  wl_callback_destroy(callback);
  output.frameCallback = nullptr;
  output.frameDue = true;
}

const wl_callback_listener kFrameListener = {onFrameDone};

// Version 4 events; version 3 is bound.
void onOutputName(void*, wl_output*, const char*) {}
void onOutputDescription(void*, wl_output*, const char*) {}

const wl_output_listener kOutputListener = {
    onGeometry, onMode, onDone, onScale, onOutputName, onOutputDescription};

}  // namespace

void bindOutput(WaylandOutput& output, wl_registry* registry,
                std::uint32_t name, std::uint32_t version) {
  output.globalName = name;
  // Version 3 has scale and done, and nothing the listener lacks.
  output.output = static_cast<wl_output*>(wl_registry_bind(
      registry, name, &wl_output_interface, std::min(version, 3u)));
  wl_output_add_listener(output.output, &kOutputListener, &output);
  // Version 1 has no done event: its description is all there is.
  if (version < WL_OUTPUT_DONE_SINCE_VERSION) output.presence.described();
}

void createOutputSurface(WaylandOutput& output) {
  WaylandClient& client = *output.client;
  output.surface = wl_compositor_create_surface(client.compositor);
  wl_surface_set_buffer_scale(output.surface, output.scale);
  setOpaque(output);
  if (client.layerShell != nullptr) {
    createLayerSurface(output);
  } else {
    createToplevel(output);
  }
  wl_surface_commit(output.surface);
}

void pictureSize(const WaylandOutput& output, int& width, int& height) {
  width = output.width * output.scale;
  height = output.height * output.scale;
  // NOTE: a fullscreen toplevel's size may be left to the client; the mode
  // is the output's size in pixels then.
  // A buffer must be a whole number of surface units at the buffer scale.
  const int scale = output.scale;
  if (width <= 0) width = output.modeWidth > 0 ? output.modeWidth : 1024;
  if (height <= 0) height = output.modeHeight > 0 ? output.modeHeight : 768;
  width = std::max(scale, width - width % scale);
  height = std::max(scale, height - height % scale);
}

void requestNextFrame(WaylandOutput& output) {
  if (output.frameCallback != nullptr) {
    wl_callback_destroy(output.frameCallback);
  }
  output.frameCallback = wl_surface_frame(output.surface);
  wl_callback_add_listener(output.frameCallback, &kFrameListener, &output);
  output.frameDue = false;
}

void destroyOutputSurface(WaylandOutput& output) {
  if (output.frameCallback != nullptr) {
    wl_callback_destroy(output.frameCallback);
  }
  output.frameCallback = nullptr;
  if (output.eglWindow != nullptr) wl_egl_window_destroy(output.eglWindow);
  output.eglWindow = nullptr;
  releaseCover(output);
  if (output.toplevel != nullptr) xdg_toplevel_destroy(output.toplevel);
  if (output.xdgSurface != nullptr) xdg_surface_destroy(output.xdgSurface);
  if (output.layerSurface != nullptr) {
    zwlr_layer_surface_v1_destroy(output.layerSurface);
  }
  output.toplevel = nullptr;
  output.xdgSurface = nullptr;
  output.layerSurface = nullptr;
  if (output.surface != nullptr) wl_surface_destroy(output.surface);
  output.surface = nullptr;
  output.width = output.height = 0;
  output.configured = output.sizeChanged = output.frameDue = false;
  output.framesToSkip = 0;
  output.covered = output.opaqueKept = false;
  // A new surface's picture starts afresh, as a new output's does: its view
  // was released with the picture and starts again with the next one.
}

void destroyOutput(WaylandOutput& output) {
  destroyOutputSurface(output);
  if (output.output != nullptr) {
    if (wl_output_get_version(output.output) >=
        WL_OUTPUT_RELEASE_SINCE_VERSION) {
      wl_output_release(output.output);
    } else {
      wl_output_destroy(output.output);
    }
  }
  output.output = nullptr;
}

}  // namespace vantrel
