#include "renderer/hack/xscreensaver_file.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>

#include "common/file_io.h"
#include "renderer/hack/xscreensaver_programs.h"

namespace vantrel {

namespace {

FileEditReport report(int exitCode, const std::string& message) {
  FileEditReport result;
  result.exitCode = exitCode;
  result.message = message;
  return result;
}

// The file a symbolic link names, so the link stays a link; the path itself
// otherwise.
std::string resolvedPath(const std::string& path) {
  struct stat link = {};
  if (lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return path;
  char target[PATH_MAX];
  return realpath(path.c_str(), target) != nullptr ? std::string(target) : path;
}

bool writeAll(int fd, const std::string& contents) {
  std::size_t done = 0;
  while (done < contents.size()) {
    const ssize_t n =
        write(fd, contents.data() + done, contents.size() - done);
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Writes `contents` to `path` in one step with the owner and mode of `like`:
// a new file beside it, made private, given the old mode and flushed, then
// renamed over it. The old file stays whole on any failure.
bool writeLike(const std::string& path, const std::string& contents,
               const struct stat& like) {
  std::string temp = path + ".XXXXXX";
  const int fd = mkstemp(&temp[0]);
  if (fd < 0) return false;
  // NOTE: the owner only differs when root edits another user's file.
  const bool owned = fchown(fd, like.st_uid, like.st_gid) == 0;
  static_cast<void>(owned);
  bool ok = fchmod(fd, like.st_mode & 07777) == 0 && writeAll(fd, contents) &&
            fsync(fd) == 0;
  ok = close(fd) == 0 && ok;
  ok = ok && rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) unlink(temp.c_str());
  return ok;
}

}  // namespace

std::string xscreensaverFilePath(const char* home) {
  std::string folder = home != nullptr ? home : "";
  if (folder.empty()) {
    const passwd* entry = getpwuid(getuid());
    if (entry != nullptr && entry->pw_dir != nullptr) folder = entry->pw_dir;
  }
  return folder + "/.xscreensaver";
}

FileEditReport addToXScreenSaverFile(const std::string& path) {
  return addToXScreenSaverFile(path, [] {});
}

FileEditReport addToXScreenSaverFile(
    const std::string& path, const std::function<void()>& beforeReplace) {
  const std::string target = resolvedPath(path);
  std::string before;
  const ReadResult read = readWholeFile(target, before);
  if (read == ReadResult::Missing) {
    return report(1, path + " does not exist yet: open xscreensaver-settings "
                            "once to create it, then run this again");
  }
  struct stat info = {};
  if (read == ReadResult::Failed || stat(target.c_str(), &info) != 0) {
    return report(1, "cannot read " + path + "; nothing changed");
  }
  // NOTE: the mode bit as well as access(), which always says yes to root.
  if ((info.st_mode & S_IWUSR) == 0 || access(target.c_str(), W_OK) != 0) {
    return report(1, path + " is read-only; nothing changed");
  }
  const ProgramsEditResult edit = addToProgramsList(before);
  switch (edit.outcome) {
    case ProgramsEdit::AlreadyListed:
      return report(0, path + " already lists vantrel; nothing changed");
    case ProgramsEdit::NoList:
      return report(1, path + " has no \"programs:\" list, so it is no "
                              "XScreenSaver preferences file; nothing changed");
    case ProgramsEdit::NotText:
      return report(1, path + " is not a text file; nothing changed");
    case ProgramsEdit::Added:
      break;
  }
  const std::string backup = target + ".bak";
  if (!writeLike(backup, before, info)) {
    return report(1, "cannot write the backup " + backup + "; nothing changed");
  }
  beforeReplace();
  if (!writeLike(target, edit.text, info)) {
    return report(1, "cannot write " + path + "; nothing changed");
  }
  return report(0, std::string("added \"") + kXScreenSaverEntry +
                       "\" to the programs list in " + path +
                       " (the previous file is " + backup +
                       "); XScreenSaver rereads it by itself");
}

}  // namespace vantrel
