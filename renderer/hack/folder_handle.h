#pragma once
// A folder opened once, and the files in it reached through it (openat,
// renameat): its path is resolved once, and a folder or link swapped in
// afterwards is not followed. POSIX files, no X.
#include <sys/stat.h>

#include <string>

namespace vantrel {

enum class FolderOpen { Ok, Failed, NotRootOwned };

class FolderHandle {
 public:
  FolderHandle() = default;
  ~FolderHandle();
  FolderHandle(const FolderHandle&) = delete;
  FolderHandle& operator=(const FolderHandle&) = delete;

  // Opens the absolute, link-free `path` (as realpath gives it) one folder
  // at a time from /, following no link; with `rootOnly`, each of those
  // folders must be root's.
  FolderOpen open(const std::string& path, bool rootOnly);

  // lstat of `name` in the folder: false when it cannot be had.
  bool status(const std::string& name, struct stat& info) const;

  // Reads the regular file `name` whole, without following a link or
  // waiting on a FIFO; `info` is its status as opened. False otherwise.
  bool readRegular(const std::string& name, std::string& contents,
                   struct stat& info) const;

  // True when the file may be written by the real user (access(2)).
  bool writable(const std::string& name) const;

  // A new file beside `name` holding `contents`, with the owner and mode
  // of `like`, flushed to the disk: its name, or "" on failure (nothing
  // left behind).
  std::string writeTemporary(const std::string& name,
                             const std::string& contents,
                             const struct stat& like) const;

  // Renames `from` over `to` in one step; removes `from` on failure.
  bool replace(const std::string& from, const std::string& to) const;

  void remove(const std::string& name) const;

 private:
  int fd_ = -1;
};

// True when `a` and `b` are the same version of the same file: device,
// inode, size and modification time to the nanosecond.
bool sameVersion(const struct stat& a, const struct stat& b);

}  // namespace vantrel
