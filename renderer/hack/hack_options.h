#pragma once
// The Linux hack's command line, in XScreenSaver's conventions: options take
// one or two leading dashes, values follow as the next argument. Pure.
#include <string>

namespace vantrel {

// Where the hack draws.
enum class HackTarget {
  OwnWindow,  // a 1024 x 768 window of its own, ended by Escape or closing
  Root,       // XSCREENSAVER_WINDOW when given, else the root window
  WindowId,   // a foreign window, such as the settings program's preview
};

constexpr int kHackMinSpeed = 1;
constexpr int kHackMaxSpeed = 200;
constexpr int kHackMaxStars = 1000;

struct HackOptions {
  HackTarget target = HackTarget::OwnWindow;
  unsigned long windowId = 0;  // the X window id for WindowId
  int speed = 10;    // the scene's speed, kHackMinSpeed..kHackMaxSpeed
  int stars = 50;    // the starting star count, 0..kHackMaxStars
  // The frame ceiling, kMinFrameCeiling..kMaxFrameCeiling; 0: none but the
  // display's own (frame_ceiling.h).
  int maxFps = 0;
  bool fps = false;  // print the frame rate to stderr once a second
  bool wayland = false;  // every output of a Wayland desktop, not X11
  bool help = false;
  bool addToXScreenSaver = false;  // edit ~/.xscreensaver instead of drawing
};

struct HackParse {
  bool ok = false;
  HackOptions options;
  std::string error;  // one line without a newline, when !ok
  // One line without a newline on a value ignored for its default (a bad
  // --max-fps); empty when there is none.
  std::string warning;
};

// Parses argv[1..argc-1]. --window-id wins over --root in any order, as
// XScreenSaver's settings program passes both for its preview.
HackParse parseHackOptions(int argc, const char* const* argv);

// An X window id as decimal or 0x hexadecimal. False for anything else, for
// 0, and for values beyond X's 29-bit resource ids.
bool parseWindowId(const char* text, unsigned long& id);

// The window --root draws on, from XSCREENSAVER_WINDOW's value (nullptr or
// empty when unset): that id, or 0 for the root window. False when the value
// is no window id.
bool rootTargetWindow(const char* environmentValue, unsigned long& id);

// `text` in quotes as a one-line message shows it: control characters become
// '?', so no argument can break the line or move the terminal's cursor.
std::string quotedArgument(const char* text);

// The --help text, several lines ending in a newline.
std::string hackUsage(const char* programName);

}  // namespace vantrel
