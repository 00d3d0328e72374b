#include "tests/linux/x_test_support.h"

#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

extern char** environ;

namespace vantrel {
namespace xtest {

namespace {

double now() {
  timespec t = {};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec + t.tv_nsec / 1e9;
}

// Reads the display number Xvfb writes once it accepts connections.
std::string readDisplayNumber(int fd, double seconds) {
  std::string text;
  const double end = now() + seconds;
  while (now() < end && text.find('\n') == std::string::npos) {
    char c;
    const ssize_t n = read(fd, &c, 1);
    if (n == 1) {
      text.push_back(c);
    } else if (n == 0) {
      break;
    } else {
      sleepSeconds(0.01);
    }
  }
  if (text.find('\n') == std::string::npos) return "";
  return ":" + text.substr(0, text.find('\n'));
}

std::vector<char*> pointers(std::vector<std::string>& texts) {
  std::vector<char*> result;
  for (std::string& t : texts) result.push_back(&t[0]);
  result.push_back(nullptr);
  return result;
}

std::vector<std::string> environmentWith(
    const std::string& display, const std::vector<std::string>& extra) {
  std::vector<std::string> result;
  for (char** e = environ; *e != nullptr; ++e) {
    if (std::strncmp(*e, "DISPLAY=", 8) != 0) result.push_back(*e);
  }
  result.push_back("DISPLAY=" + display);
  result.insert(result.end(), extra.begin(), extra.end());
  return result;
}

int channelSpread(std::uint32_t pixel) {
  const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
  const int high = r > g ? (r > b ? r : b) : (g > b ? g : b);
  const int low = r < g ? (r < b ? r : b) : (g < b ? g : b);
  return high - low;
}

bool titled(Display* display, Window window, const char* title) {
  char* name = nullptr;
  if (XFetchName(display, window, &name) == 0 || name == nullptr) return false;
  const bool same = std::strcmp(name, title) == 0;
  XFree(name);
  return same;
}

Window findChildNamed(Display* display, const char* title) {
  Window root = 0, parent = 0, *children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent,
                  &children, &count)) {
    return 0;
  }
  Window found = 0;
  for (unsigned i = 0; i < count && found == 0; ++i) {
    if (titled(display, children[i], title)) found = children[i];
  }
  if (children != nullptr) XFree(children);
  return found;
}

}  // namespace

void sleepSeconds(double seconds) {
  timespec t;
  t.tv_sec = static_cast<time_t>(seconds);
  t.tv_nsec = static_cast<long>((seconds - t.tv_sec) * 1e9);
  nanosleep(&t, nullptr);
}

XvfbServer::~XvfbServer() { stop(); }

void XvfbServer::stop() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  int status = 0;
  waitpid(pid_, &status, 0);
  pid_ = -1;
  name_.clear();
}

bool XvfbServer::start(const std::string& geometry) {
  int fds[2];
  if (pipe(fds) != 0) return false;
  pid_ = fork();
  if (pid_ == 0) {
    close(fds[0]);
    const int quiet = open("/dev/null", O_WRONLY);
    dup2(quiet, 1);
    dup2(quiet, 2);
    const std::string fd = std::to_string(fds[1]);
    execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0",
           geometry.c_str(), "-nolisten", "tcp", "+extension", "GLX",
           static_cast<char*>(nullptr));
    _exit(127);
  }
  close(fds[1]);
  fcntl(fds[0], F_SETFL, O_NONBLOCK);
  name_ = pid_ > 0 ? readDisplayNumber(fds[0], 20.0) : "";
  close(fds[0]);
  return !name_.empty();
}

Child spawn(const std::string& program, const std::vector<std::string>& args,
            const std::string& display,
            const std::vector<std::string>& environment) {
  Child child;
  char path[] = "/tmp/vantrel-hack-stderr-XXXXXX";
  child.stderrFd = mkostemp(path, O_CLOEXEC);
  unlink(path);
  std::vector<std::string> argv = {program};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<std::string> envp = environmentWith(display, environment);
  child.pid = fork();
  if (child.pid == 0) {
    dup2(child.stderrFd, 2);
    execve(program.c_str(), pointers(argv).data(), pointers(envp).data());
    _exit(127);
  }
  return child;
}

int waitForExit(Child& child, double seconds) {
  const double end = now() + seconds;
  do {
    int status = 0;
    const pid_t done = waitpid(child.pid, &status, WNOHANG);
    if (done == child.pid) {
      child.pid = -1;
      if (WIFEXITED(status)) return WEXITSTATUS(status);
      return 128 + WTERMSIG(status);
    }
    sleepSeconds(0.01);
  } while (now() < end);
  return -1;
}

void killChild(Child& child) {
  if (child.pid > 0) {
    kill(child.pid, SIGKILL);
    int status = 0;
    waitpid(child.pid, &status, 0);
    child.pid = -1;
  }
  if (child.stderrFd >= 0) close(child.stderrFd);
  child.stderrFd = -1;
}

std::string stderrText(const Child& child) {
  std::string text;
  char buffer[4096];
  off_t offset = 0;
  for (;;) {
    const ssize_t n = pread(child.stderrFd, buffer, sizeof(buffer), offset);
    if (n <= 0) break;
    text.append(buffer, static_cast<std::size_t>(n));
    offset += n;
  }
  return text;
}

Picture capture(Display* display, Window window, int x, int y, int width,
                int height) {
  Picture picture;
  XImage* image =
      XGetImage(display, window, x, y, width, height, AllPlanes, ZPixmap);
  if (image == nullptr) return picture;
  picture.width = width;
  picture.height = height;
  picture.pixels.resize(static_cast<std::size_t>(width) * height);
  for (int row = 0; row < height; ++row) {
    for (int column = 0; column < width; ++column) {
      picture.pixels[static_cast<std::size_t>(row) * width + column] =
          static_cast<std::uint32_t>(XGetPixel(image, column, row)) & 0xFFFFFF;
    }
  }
  XDestroyImage(image);
  return picture;
}

Picture capture(Display* display, Window window) {
  XWindowAttributes attributes;
  if (XGetWindowAttributes(display, window, &attributes) == 0) return Picture();
  return capture(display, window, 0, 0, attributes.width, attributes.height);
}

int litPixels(const Picture& picture) {
  int lit = 0;
  for (std::uint32_t p : picture.pixels) lit += p != 0 ? 1 : 0;
  return lit;
}

int colouredPixels(const Picture& picture) {
  int coloured = 0;
  for (std::uint32_t p : picture.pixels)
    coloured += channelSpread(p) > 48 ? 1 : 0;
  return coloured;
}

int changedPixels(const Picture& a, const Picture& b) {
  if (a.pixels.size() != b.pixels.size()) return -1;
  int changed = 0;
  for (std::size_t i = 0; i < a.pixels.size(); ++i) {
    changed += a.pixels[i] != b.pixels[i] ? 1 : 0;
  }
  return changed;
}

Window createPlainWindow(Display* display, int width, int height) {
  const int screen = DefaultScreen(display);
  const Window window = XCreateSimpleWindow(
      display, RootWindow(display, screen), 0, 0, width, height, 0,
      BlackPixel(display, screen), BlackPixel(display, screen));
  XMapWindow(display, window);
  XSync(display, False);
  return window;
}

Window waitForWindowNamed(Display* display, const char* title, double seconds) {
  const double end = now() + seconds;
  do {
    const Window found = findChildNamed(display, title);
    if (found != 0) return found;
    sleepSeconds(0.05);
  } while (now() < end);
  return 0;
}

std::string hexWindowId(Window window) {
  char text[24];
  std::snprintf(text, sizeof(text), "0x%lx",
                static_cast<unsigned long>(window));
  return text;
}

}  // namespace xtest
}  // namespace vantrel
