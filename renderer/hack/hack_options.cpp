#include "renderer/hack/hack_options.h"

#include <cctype>
#include <cstring>

#include "renderer/scene/frame_ceiling.h"

namespace vantrel {

namespace {

constexpr unsigned long kMaxResourceId = 0x1FFFFFFFul;

// The option's name without its one or two leading dashes, or nullptr when
// the argument is no option.
const char* optionName(const char* arg) {
  if (arg[0] != '-') return nullptr;
  if (arg[1] == '-') return arg + 2;
  return arg + 1;
}

// Digits only, in the given base, up to limit; no sign, no blanks.
bool parseDigits(const char* text, int base, unsigned long limit,
                 unsigned long& value) {
  if (*text == '\0') return false;
  unsigned long result = 0;
  for (const char* p = text; *p != '\0'; ++p) {
    const unsigned char c = static_cast<unsigned char>(*p);
    int digit;
    if (std::isdigit(c)) {
      digit = c - '0';
    } else if (base == 16 && std::isxdigit(c)) {
      digit = std::tolower(c) - 'a' + 10;
    } else {
      return false;
    }
    if (result > (limit - static_cast<unsigned long>(digit)) / base) {
      return false;
    }
    result = result * base + static_cast<unsigned long>(digit);
  }
  value = result;
  return true;
}

bool parseInRange(const char* text, int low, int high, int& value) {
  unsigned long parsed = 0;
  if (!parseDigits(text, 10, static_cast<unsigned long>(high), parsed)) {
    return false;
  }
  if (parsed < static_cast<unsigned long>(low)) return false;
  value = static_cast<int>(parsed);
  return true;
}

HackParse failure(std::string message) {
  HackParse result;
  result.error = std::move(message);
  return result;
}

// Applies one option that needs no value; false when the name is none.
bool applyFlag(const std::string& name, HackOptions& options) {
  if (name == "root") {
    if (options.target != HackTarget::WindowId) {
      options.target = HackTarget::Root;
    }
  } else if (name == "fps") {
    options.fps = true;
  } else if (name == "wayland") {
    options.wayland = true;
  } else if (name == "help" || name == "h") {
    options.help = true;
  } else if (name == "add-to-xscreensaver") {
    options.addToXScreenSaver = true;
  } else {
    return false;
  }
  return true;
}

// Applies an option with its value; the error text when the value is wrong.
std::string applyValue(const std::string& name, const char* value,
                       HackOptions& options) {
  if (name == "window-id") {
    if (!parseWindowId(value, options.windowId)) {
      return "--window-id needs a window id (decimal or 0x hexadecimal), not " +
             quotedArgument(value);
    }
    options.target = HackTarget::WindowId;
  } else if (name == "speed") {
    if (!parseInRange(value, kHackMinSpeed, kHackMaxSpeed, options.speed)) {
      return "--speed needs a whole number from 1 to 200, not " +
             quotedArgument(value);
    }
  } else if (!parseInRange(value, 0, kHackMaxStars, options.stars)) {
    return "--stars needs a whole number from 0 to 1000, not " +
           quotedArgument(value);
  }
  return "";
}

// A frame limit is only a ceiling: a bad one is reported and the display's
// own applies, rather than the saver not starting at all.
void applyFrameLimit(const char* value, HackParse& result) {
  if (parseInRange(value, kMinFrameCeiling, kMaxFrameCeiling,
                   result.options.maxFps)) {
    return;
  }
  result.options.maxFps = 0;
  result.warning = "--max-fps needs a whole number from 10 to 240, not " +
                   quotedArgument(value) + "; the display's rate applies";
}

bool takesValue(const std::string& name) {
  return name == "window-id" || name == "speed" || name == "stars" ||
         name == "max-fps";
}

}  // namespace

bool parseWindowId(const char* text, unsigned long& id) {
  unsigned long value = 0;
  const bool hex = text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  if (!parseDigits(hex ? text + 2 : text, hex ? 16 : 10, kMaxResourceId,
                   value) ||
      value == 0) {
    return false;
  }
  id = value;
  return true;
}

std::string quotedArgument(const char* text) {
  std::string result = text;
  for (char& c : result) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F) c = '?';
  }
  return "'" + result + "'";
}

bool rootTargetWindow(const char* environmentValue, unsigned long& id) {
  id = 0;
  if (environmentValue == nullptr || environmentValue[0] == '\0') return true;
  return parseWindowId(environmentValue, id);
}

HackParse parseHackOptions(int argc, const char* const* argv) {
  HackParse result;
  for (int i = 1; i < argc; ++i) {
    const char* raw = optionName(argv[i]);
    if (raw == nullptr) {
      return failure("unexpected argument " + quotedArgument(argv[i]));
    }
    const std::string name = raw;
    if (applyFlag(name, result.options)) continue;
    if (!takesValue(name)) {
      return failure("unknown option " + quotedArgument(argv[i]));
    }
    if (i + 1 >= argc) {
      return failure(quotedArgument(argv[i]) + " needs a value");
    }
    if (name == "max-fps") {
      applyFrameLimit(argv[++i], result);
      continue;
    }
    const std::string error = applyValue(name, argv[++i], result.options);
    if (!error.empty()) return failure(error);
  }
  if (result.options.wayland &&
      result.options.target != HackTarget::OwnWindow) {
    return failure(
        "--wayland draws on every output; it takes no --root or "
        "--window-id");
  }
  result.ok = true;
  return result;
}

std::string hackUsage(const char* programName) {
  return std::string("usage: ") + programName +
         " [--root | --window-id ID | --wayland] [--speed N] [--stars N]"
         " [--max-fps N] [--fps]\n"
         "       " + std::string(programName) + " --add-to-xscreensaver\n"
         "  Vantrel's star flight as an XScreenSaver hack.\n"
         "  --root          draw on XSCREENSAVER_WINDOW, or on the root "
         "window\n"
         "  --window-id ID  draw into that window (decimal or 0x hexadecimal)\n"
         "                  without either, a 1024x768 window; Escape ends it\n"
         "  --wayland       cover every output of a Wayland desktop; a key,\n"
         "                  a click or moving the pointer ends it\n"
         "  --speed N       flight speed, 1 to 200 (default 10)\n"
         "  --stars N       starting number of stars, 0 to 1000 (default 50);\n"
         "                  it then grows by one every 11 frames\n"
         "  --max-fps N     at most N frames a second, 10 to 240; without it,\n"
         "                  near 60 (every other refresh at 120 Hz, ...);\n"
         "                  half that in a small preview, 30 or fewer while\n"
         "                  the power-saver profile is on\n"
         "  --fps           print the frame rate to standard error once a "
         "second\n"
         "  --add-to-xscreensaver\n"
         "                  add \"GL: vantrel --root\" to the programs list\n"
         "                  in ~/.xscreensaver, once\n"
         "  Arrow keys change speed and stars in its own window. Single "
         "dashes work too.\n";
}

}  // namespace vantrel
