#include "renderer/wayland/wayland_program.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "renderer/gl/gl_scene.h"
#include "renderer/hack/hack_clock.h"
#include "renderer/hack/power_profile_watch.h"
#include "renderer/scene/frame_ceiling.h"
#include "renderer/hack/stop_signals.h"
#include "renderer/wayland/wayland_client.h"
#include "renderer/wayland/wayland_cover.h"
#include "renderer/wayland/wayland_picture.h"

namespace vantrel {

namespace {

struct WaylandHack {
  WaylandClient client;
  EglContext egl;
  PictureSettings settings;
  long long frames = 0;
  std::uint32_t nextSeed = 0;
  FrameLimits limits;
  PowerProfileWatch power;
};

std::string connect(WaylandHack& hack) {
  hack.client.display = wl_display_connect(nullptr);
  if (hack.client.display == nullptr) {
    return "cannot connect to a Wayland display";
  }
  listenToRegistry(hack.client);
  // Two round trips: the globals, then each output's mode and scale.
  if (wl_display_roundtrip(hack.client.display) < 0 ||
      wl_display_roundtrip(hack.client.display) < 0) {
    return "the Wayland display failed while starting";
  }
  if (hack.client.compositor == nullptr) {
    return "the compositor has no wl_compositor";
  }
  if (hack.client.layerShell == nullptr && hack.client.wmBase == nullptr) {
    return "the compositor offers neither the layer shell nor xdg-shell";
  }
  return "";
}

void startSettings(WaylandHack& hack, const HackOptions& options) {
  PictureSettings& settings = hack.settings;
  settings.options = options;
  settings.switches = measuringSwitchesFrom(std::getenv("VANTREL_BARE_FRAME"),
                                            std::getenv("VANTREL_KEPT_PICTURE"),
                                            std::getenv("VANTREL_HOLD_STARS"),
                                            std::getenv("VANTREL_PACING"));
  settings.start = monotonicReading();
  hack.nextSeed = static_cast<std::uint32_t>(settings.start.count);
  hack.limits.maxFramesPerSecond = options.maxFps;
  hack.power.start();
}

// Frames evenly spaced at a whole divisor of the output's refresh: only
// every k-th frame callback is drawn on. True when this one is passed over;
// a commit without a buffer asks for the next.
bool skipFrame(WaylandHack& hack, WaylandOutput& output) {
  if (output.framesToSkip <= 0) {
    output.framesToSkip =
        refreshesPerFrame(output.modeMilliHz / 1000.0, hack.limits) - 1;
    return false;
  }
  --output.framesToSkip;
  requestNextFrame(output);
  wl_surface_commit(output.surface);
  return true;
}

void applyOutputStep(WaylandHack& hack, WaylandOutput& output,
                     OutputStep step) {
  switch (step) {
    case OutputStep::MakeSurface:
      createOutputSurface(output);
      break;
    case OutputStep::DropSurface:
      releasePicture(output, hack.egl);
      destroyOutputSurface(output);
      break;
    case OutputStep::DropOutput:
      releasePicture(output, hack.egl);
      destroyOutput(output);
      break;
    case OutputStep::None:
      break;
  }
}

// Surfaces made, dropped and remade as the outputs' events ask; false once
// no output can show a saver, whatever order those events came in.
bool applyOutputSteps(WaylandHack& hack) {
  auto& outputs = hack.client.outputs;
  const bool covering = hack.client.surfacesStarted;
  for (auto& output : outputs) {
    OutputPresence& presence = output->presence;
    for (OutputStep step = presence.nextStep(covering);
         step != OutputStep::None; step = presence.nextStep(covering)) {
      applyOutputStep(hack, *output, step);
      presence.stepDone(step);
    }
  }
  outputs.erase(std::remove_if(outputs.begin(), outputs.end(),
                               [](const auto& output) {
                                 return output->output == nullptr;
                               }),
                outputs.end());
  return std::any_of(outputs.begin(), outputs.end(), [](const auto& output) {
    return output->presence.canShow();
  });
}

// An output whose picture cannot start is covered black and never drawn
// on; like the others, it ends the run on input.
bool startOutputPicture(WaylandHack& hack, WaylandOutput& output) {
  if (startPicture(output, hack.egl, hack.settings, hack.nextSeed++)) {
    return true;
  }
  std::fputs("vantrel: cannot draw on an output; it stays black\n", stderr);
  releasePicture(output, hack.egl);
  output.covered = true;
  coverOutput(output);
  return false;
}

// Draws every output whose frame the compositor asked for. An EGL failure
// on one output leaves it black; the others go on.
void drawDueOutputs(WaylandHack& hack) {
  for (auto& output : hack.client.outputs) {
    if (output->covered) {
      if (output->sizeChanged) coverOutput(*output);
      continue;
    }
    // NOTE: VANTREL_PACING=off only measures the drawing's own speed: frames
    // are drawn as fast as they can be, and the compositor shows what it will.
    const bool waitForFrame = hack.settings.switches.paced && !output->frameDue;
    if (!output->configured || waitForFrame) {
      continue;
    }
    if (!output->pictureStarted && !startOutputPicture(hack, *output)) {
      continue;
    }
    if (hack.settings.switches.paced && skipFrame(hack, *output)) continue;
    drawPicture(*output, hack.egl, hack.settings);
    ++hack.frames;
    reportFrameRate(output->meter, clockSeconds(CLOCK_MONOTONIC),
                    hack.settings.options.fps,
                    output->view.state().starCount);
  }
}

// Waits for the compositor's events or a stop signal; false when the
// connection is gone.
bool waitForEvents(WaylandHack& hack, bool block) {
  wl_display* display = hack.client.display;
  while (wl_display_prepare_read(display) != 0) {
    if (wl_display_dispatch_pending(display) < 0) return false;
  }
  // A full socket takes the rest of the requests once it can.
  bool pending = false;
  if (wl_display_flush(display) < 0) {
    if (errno != EAGAIN) {
      wl_display_cancel_read(display);
      return false;
    }
    pending = true;
  }
  const short events = static_cast<short>(pending ? POLLIN | POLLOUT : POLLIN);
  // NOTE: poll skips an entry whose descriptor is negative.
  pollfd fds[3] = {{wl_display_get_fd(display), events, 0},
                   {stopSignalDescriptor(), POLLIN, 0},
                   hack.power.pollEntry()};
  const int ready = poll(fds, 3, block ? 1000 : 0);
  if (ready > 0 && (fds[0].revents & POLLIN) != 0) {
    if (wl_display_read_events(display) < 0) return false;
  } else {
    wl_display_cancel_read(display);
    if (ready > 0 && (fds[0].revents & (POLLERR | POLLHUP)) != 0) return false;
  }
  if (hack.power.process()) hack.limits.powerSaving = hack.power.powerSaving();
  return wl_display_dispatch_pending(display) >= 0;
}

void runLoop(WaylandHack& hack) {
  hack.client.surfacesStarted = true;
  while (!stopRequested() && !hack.client.userEnded) {
    if (!applyOutputSteps(hack)) return;
    drawDueOutputs(hack);
    if (!waitForEvents(hack, hack.settings.switches.paced)) return;
  }
}

// Pictures and EGL first, then the protocol objects, newest first.
void shutDown(WaylandHack& hack) {
  for (auto& output : hack.client.outputs) releasePicture(*output, hack.egl);
  stopEgl(hack.egl);
  for (auto& output : hack.client.outputs) destroyOutput(*output);
  hack.client.outputs.clear();
  releaseGlobals(hack.client);
  if (hack.client.display != nullptr) {
    wl_display_flush(hack.client.display);
    wl_display_disconnect(hack.client.display);
  }
  hack.client.display = nullptr;
}

std::string run(WaylandHack& hack, const HackOptions& options) {
  std::string error = connect(hack);
  if (!error.empty()) return error;
  error = startEgl(hack.client.display, hack.egl);
  if (!error.empty()) return error;
  startSettings(hack, options);
  runLoop(hack);
  return "";
}

}  // namespace

std::string runWaylandHack(const HackOptions& options) {
  WaylandHack hack;
  const std::string error = run(hack, options);
  const double seconds =
      static_cast<double>(monotonicNanoseconds() - hack.settings.start.count) /
      kMonotonicCountsPerSecond;
  shutDown(hack);
  if (error.empty()) {
    writeFrameStats(std::getenv("VANTREL_FRAME_STATS"), hack.frames, seconds,
                    clockSeconds(CLOCK_PROCESS_CPUTIME_ID));
  }
  return error;
}

}  // namespace vantrel
