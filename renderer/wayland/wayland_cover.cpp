#include "renderer/wayland/wayland_cover.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

#include "renderer/wayland/wayland_client.h"

namespace vantrel {

namespace {

// A black XRGB buffer in a fresh shared-memory file, which reads as zeros;
// nullptr when none can be had.
wl_buffer* blackBuffer(wl_shm* shm, int width, int height) {
  const int stride = width * 4;
  const std::int64_t size = static_cast<std::int64_t>(stride) * height;
  if (size > INT32_MAX) return nullptr;
  const int fd = memfd_create("vantrel-cover", MFD_CLOEXEC);
  if (fd < 0) return nullptr;
  wl_buffer* buffer = nullptr;
  if (ftruncate(fd, size) == 0) {
    wl_shm_pool* pool = wl_shm_create_pool(shm, fd, static_cast<int>(size));
    buffer = wl_shm_pool_create_buffer(pool, 0, width, height, stride,
                                       WL_SHM_FORMAT_XRGB8888);
    wl_shm_pool_destroy(pool);
  }
  close(fd);
  return buffer;
}

// One pixel stretched over the surface's size, in surface units.
// NOTE: the pixel is the middle one of 3x3: wlroots' pixman renderer,
// stretching a lone pixel, samples beyond it and leaves the last rows bare;
// the black border gives its filter black to read there.
wl_buffer* scaledPixel(WaylandOutput& output, int width, int height) {
  WaylandClient& client = *output.client;
  if (output.viewport == nullptr) {
    output.viewport =
        wp_viewporter_get_viewport(client.viewporter, output.surface);
    const wl_fixed_t one = wl_fixed_from_int(1);
    wp_viewport_set_source(output.viewport, one, one, one, one);
  }
  wp_viewport_set_destination(output.viewport, width / output.scale,
                              height / output.scale);
  wl_surface_set_buffer_scale(output.surface, 1);
  return output.coverBuffer != nullptr ? output.coverBuffer
                                       : blackBuffer(client.shm, 3, 3);
}

}  // namespace

bool coverOutput(WaylandOutput& output) {
  WaylandClient& client = *output.client;
  output.sizeChanged = false;
  if (client.shm == nullptr) return false;
  int width = 0, height = 0;
  pictureSize(output, width, height);
  wl_buffer* buffer = nullptr;
  if (client.viewporter != nullptr) {
    buffer = scaledPixel(output, width, height);
  } else {
    wl_surface_set_buffer_scale(output.surface, output.scale);
    buffer = blackBuffer(client.shm, width, height);
  }
  if (buffer == nullptr) return false;
  wl_surface_attach(output.surface, buffer, 0, 0);
  wl_surface_damage(output.surface, 0, 0, INT32_MAX, INT32_MAX);
  wl_surface_commit(output.surface);
  // The buffer it replaces is no longer the surface's: it may go.
  if (output.coverBuffer != nullptr && output.coverBuffer != buffer) {
    wl_buffer_destroy(output.coverBuffer);
  }
  output.coverBuffer = buffer;
  return true;
}

void releaseCover(WaylandOutput& output) {
  if (output.viewport != nullptr) wp_viewport_destroy(output.viewport);
  output.viewport = nullptr;
  if (output.coverBuffer != nullptr) wl_buffer_destroy(output.coverBuffer);
  output.coverBuffer = nullptr;
}

}  // namespace vantrel
