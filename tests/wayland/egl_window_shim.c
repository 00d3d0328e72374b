// Preloaded by the tests in front of libwayland-egl: makes the EGL window of
// surfaces VANTREL_TEST_FAILED_WIDTH pixels wide (0: of every surface) fail,
// so an output whose GL start fails can be tried on a real compositor.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdlib.h>
#include <wayland-egl.h>

struct wl_egl_window* wl_egl_window_create(struct wl_surface* surface,
                                           int width, int height) {
  typedef struct wl_egl_window* (*Create)(struct wl_surface*, int, int);
  const char* failed = getenv("VANTREL_TEST_FAILED_WIDTH");
  if (failed != NULL && (atoi(failed) == 0 || atoi(failed) == width)) {
    return NULL;
  }
  Create create = (Create)dlsym(RTLD_NEXT, "wl_egl_window_create");
  return create(surface, width, height);
}
