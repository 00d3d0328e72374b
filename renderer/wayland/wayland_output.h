#pragma once
// One output and the saver's surface on it: an overlay layer surface, or a
// fullscreen toplevel where the compositor has no layer shell, with its EGL
// window and its own scene. Platform header.
#include <EGL/egl.h>
#include <wayland-client.h>
#include <wayland-egl.h>

#include <cstdint>

#include "renderer/gl/scene_view.h"
#include "renderer/wayland/output_presence.h"
#include "renderer/hack/frame_rate_meter.h"
#include "wlr-layer-shell-unstable-v1-client-protocol.h"
#include "viewporter-client-protocol.h"
#include "xdg-shell-client-protocol.h"

namespace vantrel {

struct WaylandClient;

struct WaylandOutput {
  WaylandClient* client = nullptr;
  std::uint32_t globalName = 0;  // the registry's name, for global_remove
  wl_output* output = nullptr;
  std::int32_t scale = 1;           // buffer pixels per surface unit
  int modeWidth = 0, modeHeight = 0;  // the current mode, in pixels
  int modeMilliHz = 0;  // the current mode's refresh; 0: unknown
  OutputPresence presence;  // the surface's steps, from the events

  wl_surface* surface = nullptr;
  zwlr_layer_surface_v1* layerSurface = nullptr;
  xdg_surface* xdgSurface = nullptr;
  xdg_toplevel* toplevel = nullptr;
  wl_callback* frameCallback = nullptr;
  wl_egl_window* eglWindow = nullptr;
  EGLDisplay eglDisplay = EGL_NO_DISPLAY;  // the surface's, for its swaps
  EGLSurface eglSurface = EGL_NO_SURFACE;
  // The black cover of an output the saver cannot draw on.
  wl_buffer* coverBuffer = nullptr;
  wp_viewport* viewport = nullptr;

  int width = 0, height = 0;  // surface units, from the last configure
  bool configured = false;    // a configure came and was acknowledged
  bool sizeChanged = false;   // size or scale differs from the picture's
  bool frameDue = false;      // the compositor asked for the next frame
  int framesToSkip = 0;  // frame callbacks left before the next drawing
  bool covered = false;       // black, never drawn on: its GL start failed

  SceneView view;
  FrameRateMeter meter;
  bool pictureStarted = false;  // EGL surface made, GL picture allocated
  bool opaqueKept = false;  // the kept back buffer's alpha is all 1
};

// Binds the output and listens to its mode, scale and done events.
void bindOutput(WaylandOutput& output, wl_registry* registry,
                std::uint32_t name, std::uint32_t version);
// The saver's surface on the output, layer or fullscreen toplevel, committed
// without a buffer so the compositor configures it.
void createOutputSurface(WaylandOutput& output);
// The picture's pixel size: the configured size times the scale, and the
// mode's size where the compositor left the size to the client.
void pictureSize(const WaylandOutput& output, int& width, int& height);
// Asks for the next frame callback before a swap.
void requestNextFrame(WaylandOutput& output);
// The surface's protocol objects released, newest first, and its picture's
// state forgotten; the output stays bound for a new surface. GL and EGL
// objects must be released before.
void destroyOutputSurface(WaylandOutput& output);
// The surface's protocol objects and the output released, newest first.
// GL and EGL objects must be released before.
void destroyOutput(WaylandOutput& output);

}  // namespace vantrel
