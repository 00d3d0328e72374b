#include "renderer/hack/power_profile_watch.h"

#include <systemd/sd-bus.h>

#include <cstring>
#include <iterator>
#include <string>

namespace vantrel {

namespace {

struct ProfileName {
  const char* name;  // bus name and interface alike
  const char* path;
};
constexpr ProfileName kProfileNames[] = {
    {"net.hadess.PowerProfiles", "/net/hadess/PowerProfiles"},
    {"org.freedesktop.UPower.PowerProfiles",
     "/org/freedesktop/UPower/PowerProfiles"},
};

bool isPowerSaver(const char* profile) {
  return profile != nullptr && std::strcmp(profile, "power-saver") == 0;
}

// The string in a variant, or nullptr when it holds something else.
const char* readStringVariant(sd_bus_message* message) {
  const char* value = nullptr;
  if (sd_bus_message_enter_container(message, 'v', "s") <= 0) return nullptr;
  if (sd_bus_message_read(message, "s", &value) <= 0) value = nullptr;
  sd_bus_message_exit_container(message);
  return value;
}

// ActiveProfile among PropertiesChanged's changed properties (a{sv}), or
// nullptr when it is not among them.
const char* changedProfile(sd_bus_message* message) {
  const char* profile = nullptr;
  if (sd_bus_message_enter_container(message, 'a', "{sv}") <= 0) return nullptr;
  while (sd_bus_message_enter_container(message, 'e', "sv") > 0) {
    const char* key = nullptr;
    if (sd_bus_message_read(message, "s", &key) <= 0) break;
    if (std::strcmp(key, "ActiveProfile") == 0) {
      profile = readStringVariant(message);
    } else if (sd_bus_message_skip(message, "v") < 0) {
      break;
    }
    sd_bus_message_exit_container(message);
  }
  return profile;
}

int nameIndex(const char* name) {
  for (int i = 0; i < static_cast<int>(std::size(kProfileNames)); ++i) {
    if (name != nullptr && std::strcmp(name, kProfileNames[i].name) == 0) {
      return i;
    }
  }
  return -1;
}

}  // namespace

PowerProfileWatch::~PowerProfileWatch() { stop(); }

void PowerProfileWatch::start() {
  stop();
  if (sd_bus_open_system(&bus_) < 0) {
    bus_ = nullptr;
    return;
  }
  // NOTE: the daemon's names in the match rules: the bus daemon then sends
  // only what their owners emit, and tells when they come and go.
  for (int i = 0; i < kNames; ++i) {
    const ProfileName& name = kProfileNames[i];
    sd_bus_match_signal(bus_, &slots_[2 * i], name.name, name.path,
                        "org.freedesktop.DBus.Properties", "PropertiesChanged",
                        onChanged, this);
    const std::string owner =
        std::string("type='signal',sender='org.freedesktop.DBus',"
                    "interface='org.freedesktop.DBus',member='NameOwnerChanged',"
                    "arg0='") + name.name + "'";
    sd_bus_add_match(bus_, &slots_[2 * i + 1], owner.c_str(), onOwner, this);
    askProfile(i);
  }
}

void PowerProfileWatch::stop() {
  for (sd_bus_slot*& slot : slots_) slot = sd_bus_slot_unref(slot);
  if (bus_ != nullptr) sd_bus_flush_close_unref(bus_);
  bus_ = nullptr;
  for (int i = 0; i < kNames; ++i) setProfile(i, nullptr);
}

void PowerProfileWatch::askProfile(int name) {
  // Floating: the call's slot goes with the connection.
  const ProfileName& profile = kProfileNames[name];
  sd_bus_message* call = nullptr;
  if (sd_bus_message_new_method_call(bus_, &call, profile.name, profile.path,
                                     "org.freedesktop.DBus.Properties",
                                     "Get") < 0) {
    return;
  }
  // NOTE: no activation: a missing daemon must not be started for a saver.
  sd_bus_message_set_auto_start(call, 0);
  if (sd_bus_message_append(call, "ss", profile.name, "ActiveProfile") >= 0) {
    sd_bus_call_async(bus_, nullptr, call, onReply, &asked_[name], 0);
  }
  sd_bus_message_unref(call);
}

void PowerProfileWatch::setProfile(int name, const char* profile) {
  const bool saving = isPowerSaver(profile);
  if (saving_[name] == saving) return;
  saving_[name] = saving;
  changed_ = true;
}

int PowerProfileWatch::onReply(sd_bus_message* message, void* data,
                               sd_bus_error*) {
  const Asked& asked = *static_cast<const Asked*>(data);
  // An error (no such name, no such property) says nothing.
  if (sd_bus_message_is_method_error(message, nullptr)) return 0;
  const char* profile = readStringVariant(message);
  if (profile != nullptr) asked.watch->setProfile(asked.name, profile);
  return 0;
}

int PowerProfileWatch::onChanged(sd_bus_message* message, void* data,
                                 sd_bus_error*) {
  auto& watch = *static_cast<PowerProfileWatch*>(data);
  const char* interface = nullptr;
  if (sd_bus_message_read(message, "s", &interface) <= 0) return 0;
  const int name = nameIndex(interface);
  if (name < 0) return 0;
  const char* profile = changedProfile(message);
  if (profile != nullptr) watch.setProfile(name, profile);
  return 0;
}

// The daemon came or went: a new owner is asked, a lost one says nothing
// any more.
int PowerProfileWatch::onOwner(sd_bus_message* message, void* data,
                               sd_bus_error*) {
  auto& watch = *static_cast<PowerProfileWatch*>(data);
  const char* name = nullptr;
  const char* before = nullptr;
  const char* after = nullptr;
  if (sd_bus_message_read(message, "sss", &name, &before, &after) <= 0) {
    return 0;
  }
  const int index = nameIndex(name);
  if (index < 0) return 0;
  watch.setProfile(index, nullptr);
  if (after != nullptr && after[0] != '\0') watch.askProfile(index);
  return 0;
}

pollfd PowerProfileWatch::pollEntry() const {
  pollfd entry = {-1, 0, 0};
  if (bus_ == nullptr) return entry;
  entry.fd = sd_bus_get_fd(bus_);
  const int events = sd_bus_get_events(bus_);
  entry.events = static_cast<short>(events > 0 ? events : POLLIN);
  return entry;
}

bool PowerProfileWatch::process() {
  if (bus_ != nullptr) {
    int result = 0;
    while ((result = sd_bus_process(bus_, nullptr)) > 0) {
    }
    // A connection that failed (the bus went away) ends the watch quietly.
    if (result < 0) stop();
  }
  const bool changed = changed_;
  changed_ = false;
  return changed;
}

bool PowerProfileWatch::powerSaving() const {
  for (bool saving : saving_) {
    if (saving) return true;
  }
  return false;
}

}  // namespace vantrel
