#pragma once
// Whether power-profiles-daemon's active profile is "power-saver", read on
// the system bus and followed as it changes. Without a system bus or the
// daemon it stays false, and nothing is said. Platform header (sd-bus).
#include <poll.h>
#include <systemd/sd-bus.h>

namespace vantrel {

class PowerProfileWatch {
 public:
  PowerProfileWatch() = default;
  ~PowerProfileWatch();
  PowerProfileWatch(const PowerProfileWatch&) = delete;
  PowerProfileWatch& operator=(const PowerProfileWatch&) = delete;

  // Connects and asks for the profile; the answers come through process().
  // Does nothing without a system bus.
  void start();
  // The connection for a poll: its descriptor (-1 without one) and events.
  pollfd pollEntry() const;
  // Takes what came on the bus without blocking; true when powerSaving()
  // changed.
  bool process();
  bool powerSaving() const;

 private:
  // The daemon answers on two names: its old one and, since 0.20, its
  // UPower one; either may be missing.
  static constexpr int kNames = 2;

  void stop();
  void askProfile(int name);
  void setProfile(int name, const char* profile);
  static int onReply(sd_bus_message* message, void* data, sd_bus_error*);
  static int onChanged(sd_bus_message* message, void* data, sd_bus_error*);
  static int onOwner(sd_bus_message* message, void* data, sd_bus_error*);

  // A reply's user data: which name it answers for.
  struct Asked {
    PowerProfileWatch* watch;
    int name;
  };

  sd_bus* bus_ = nullptr;
  Asked asked_[kNames] = {{this, 0}, {this, 1}};
  sd_bus_slot* slots_[2 * kNames] = {};  // the signal matches
  bool saving_[kNames] = {};  // each name's last word: "power-saver"
  bool changed_ = false;
};

}  // namespace vantrel
