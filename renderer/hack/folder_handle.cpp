#include "renderer/hack/folder_handle.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <ctime>

namespace vantrel {

namespace {

// O_PATH: a folder that may be searched but not read can still be passed.
constexpr int kFolderFlags = O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

bool acceptable(int fd, bool rootOnly) {
  struct stat info = {};
  return fstat(fd, &info) == 0 && (!rootOnly || info.st_uid == 0);
}

bool writeAll(int fd, const std::string& contents) {
  std::size_t done = 0;
  while (done < contents.size()) {
    const ssize_t n = write(fd, contents.data() + done, contents.size() - done);
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

bool readAll(int fd, std::string& contents) {
  char buffer[4096];
  for (;;) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return n == 0;
    contents.append(buffer, static_cast<std::size_t>(n));
  }
}

// Creates a new private file called after `name`; -1 when none can be made.
int createBeside(int folder, const std::string& name, std::string& temp) {
  timespec now = {};
  clock_gettime(CLOCK_MONOTONIC, &now);
  for (long attempt = 0; attempt < 100; ++attempt) {
    temp = name + "." + std::to_string(getpid()) + "-" +
           std::to_string(now.tv_nsec + attempt);
    const int fd =
        openat(folder, temp.c_str(),
               O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace

FolderHandle::~FolderHandle() {
  if (fd_ >= 0) close(fd_);
}

FolderOpen FolderHandle::open(const std::string& path, bool rootOnly) {
  int fd = ::open("/", kFolderFlags);
  std::size_t start = 0;
  while (fd >= 0 && acceptable(fd, rootOnly) && start < path.size()) {
    const std::size_t slash = path.find('/', start);
    const std::size_t end = slash == std::string::npos ? path.size() : slash;
    const std::string part = path.substr(start, end - start);
    start = end + 1;
    if (part.empty()) continue;
    const int next = openat(fd, part.c_str(), kFolderFlags);
    close(fd);
    fd = next;
  }
  if (fd < 0) return FolderOpen::Failed;
  if (!acceptable(fd, rootOnly)) {
    close(fd);
    return FolderOpen::NotRootOwned;
  }
  fd_ = fd;
  return FolderOpen::Ok;
}

bool FolderHandle::status(const std::string& name, struct stat& info) const {
  return fstatat(fd_, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0;
}

bool FolderHandle::readRegular(const std::string& name, std::string& contents,
                               struct stat& info) const {
  const int fd =
      openat(fd_, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  contents.clear();
  const bool ok =
      fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && readAll(fd, contents);
  close(fd);
  return ok;
}

bool FolderHandle::writable(const std::string& name) const {
  return faccessat(fd_, name.c_str(), W_OK, 0) == 0;
}

std::string FolderHandle::writeTemporary(const std::string& name,
                                         const std::string& contents,
                                         const struct stat& like) const {
  std::string temp;
  const int fd = createBeside(fd_, name, temp);
  if (fd < 0) return "";
  // NOTE: the group may differ from the new file's; keeping it may fail
  // for a user outside that group, which leaves the user's own.
  const bool grouped = fchown(fd, like.st_uid, like.st_gid) == 0;
  static_cast<void>(grouped);
  bool ok = fchmod(fd, like.st_mode & 07777) == 0 && writeAll(fd, contents) &&
            fsync(fd) == 0;
  ok = close(fd) == 0 && ok;
  if (ok) return temp;
  remove(temp);
  return "";
}

bool FolderHandle::replace(const std::string& from,
                           const std::string& to) const {
  if (renameat(fd_, from.c_str(), fd_, to.c_str()) == 0) return true;
  remove(from);
  return false;
}

void FolderHandle::remove(const std::string& name) const {
  unlinkat(fd_, name.c_str(), 0);
}

bool sameVersion(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino &&
         a.st_size == b.st_size && a.st_mtim.tv_sec == b.st_mtim.tv_sec &&
         a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

}  // namespace vantrel
