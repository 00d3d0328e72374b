#include "renderer/hack/xscreensaver_file.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "renderer/hack/folder_handle.h"
#include "renderer/hack/xscreensaver_programs.h"

namespace vantrel {

namespace {

// How often the file is read and edited anew when it changed meanwhile.
constexpr int kAttempts = 3;

FileEditReport report(int exitCode, const std::string& message) {
  FileEditReport result;
  result.exitCode = exitCode;
  result.message = message;
  return result;
}

// What one reading and writing of the file came to: done, as `report`
// says, or to be done again from the file's new contents.
struct Attempt {
  bool done = true;
  FileEditReport report;
};

Attempt finished(int exitCode, const std::string& message) {
  Attempt attempt;
  attempt.report = report(exitCode, message);
  return attempt;
}

Attempt again() {
  Attempt attempt;
  attempt.done = false;
  return attempt;
}

// The file to edit: the path as given, for messages, and the file it names
// once links are resolved, reached through its folder.
struct Target {
  std::string path;
  std::string resolved;
  std::string name;
  FolderHandle folder;
};

std::string missing(const std::string& path) {
  return path +
         " does not exist yet: open xscreensaver-settings once to "
         "create it, then run this again";
}

std::string unreadable(const std::string& path) {
  return "cannot read " + path + "; nothing changed";
}

std::string notRoots(const std::string& path) {
  return path +
         ", or a folder on its way from /, is not owned by root, "
         "and root edits no other user's file; nothing changed: run "
         "this as that user";
}

bool resolve(const std::string& path, std::string& resolved) {
  char buffer[PATH_MAX];
  if (realpath(path.c_str(), buffer) == nullptr) return false;
  resolved = buffer;
  return true;
}

// For root: a link at `path` is root's and sits in root's folders, so no
// other user chose the file it names.
bool linkIsRoots(const std::string& path) {
  struct stat link = {};
  if (lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return true;
  const std::size_t slash = path.rfind('/');
  std::string folder;
  FolderHandle above;
  return link.st_uid == 0 &&
         resolve(slash == std::string::npos ? "." : path.substr(0, slash + 1),
                 folder) &&
         above.open(folder, true) == FolderOpen::Ok;
}

// Why the file `info` describes is not one to replace, or "" when it is.
std::string refusal(const std::string& path, const struct stat& info) {
  if (!S_ISREG(info.st_mode)) {
    return path +
           " is not a regular file (a folder, FIFO, socket or "
           "device); nothing changed";
  }
  if (geteuid() == 0 && info.st_uid != 0) return notRoots(path);
  if (info.st_nlink > 1) {
    // A new file in its place would leave the other names on the old one.
    return path + " has " + std::to_string(info.st_nlink) +
           " names (hard links) that editing it would part; nothing "
           "changed: add the line \"  " +
           kXScreenSaverEntry + " \\n\\\" to its programs: list by hand";
  }
  return "";
}

// The backup and the new file, written beside the file, not yet in place.
struct Drafts {
  std::string backup;
  std::string file;
};

void discard(const Target& target, const Drafts& drafts) {
  if (!drafts.backup.empty()) target.folder.remove(drafts.backup);
  if (!drafts.file.empty()) target.folder.remove(drafts.file);
}

std::string backupOf(const Target& target) { return target.resolved + ".bak"; }

// Writes both drafts with the owner and mode of `read`; "" or why not.
std::string writeDrafts(const Target& target, const std::string& before,
                        const std::string& after, const struct stat& read,
                        Drafts& drafts) {
  const FolderHandle& folder = target.folder;
  drafts.backup = folder.writeTemporary(target.name + ".bak", before, read);
  if (drafts.backup.empty()) {
    return "cannot write the backup " + backupOf(target) + "; nothing changed";
  }
  drafts.file = folder.writeTemporary(target.name, after, read);
  if (drafts.file.empty()) {
    discard(target, drafts);
    return "cannot write " + target.path + "; nothing changed";
  }
  return "";
}

// Puts the backup, then the new file in place: both renames, no copy.
Attempt putInPlace(const Target& target, const Drafts& drafts) {
  const std::string backup = backupOf(target);
  if (!target.folder.replace(drafts.backup, target.name + ".bak")) {
    target.folder.remove(drafts.file);
    return finished(1,
                    "cannot write the backup " + backup + "; nothing changed");
  }
  if (!target.folder.replace(drafts.file, target.name)) {
    return finished(1, "cannot write " + target.path + "; nothing changed");
  }
  return finished(0, std::string("added \"") + kXScreenSaverEntry +
                         "\" to the programs list in " + target.path +
                         " (the previous file is " + backup +
                         "); XScreenSaver rereads it by itself");
}

// Writes the backup and the new file, then puts both in place unless the
// file is no longer the version `read` describes: a program that saved it
// meanwhile would lose its save.
Attempt replace(const Target& target, const std::string& before,
                const std::string& after, const struct stat& read,
                const std::function<void()>& beforeReplace) {
  Drafts drafts;
  const std::string failure = writeDrafts(target, before, after, read, drafts);
  if (!failure.empty()) return finished(1, failure);
  beforeReplace();
  struct stat now = {};
  if (!target.folder.status(target.name, now) || !sameVersion(read, now)) {
    discard(target, drafts);
    return again();
  }
  return putInPlace(target, drafts);
}

// What a file the entry is not added to says.
Attempt unchanged(const std::string& path, ProgramsEdit outcome) {
  switch (outcome) {
    case ProgramsEdit::AlreadyListed:
      return finished(0, path + " already lists vantrel; nothing changed");
    case ProgramsEdit::NoList:
      return finished(1, path +
                             " has no \"programs:\" list, so it is no "
                             "XScreenSaver preferences file; nothing changed");
    case ProgramsEdit::NotText:
    case ProgramsEdit::Added:
      break;
  }
  return finished(1, path + " is not a text file; nothing changed");
}

// Reads the file, checks it and adds the entry.
Attempt edit(const Target& target, const std::function<void()>& beforeReplace) {
  const std::string& path = target.path;
  struct stat info = {};
  if (!target.folder.status(target.name, info)) {
    return finished(1, errno == ENOENT ? missing(path) : unreadable(path));
  }
  const std::string refused = refusal(path, info);
  if (!refused.empty()) return finished(1, refused);
  std::string before;
  struct stat read = {};
  if (!target.folder.readRegular(target.name, before, read)) {
    return finished(1, unreadable(path));
  }
  if (!sameVersion(info, read)) return again();
  // NOTE: the mode bit as well as access(), which always says yes to root.
  if ((read.st_mode & S_IWUSR) == 0 || !target.folder.writable(target.name)) {
    return finished(1, path + " is read-only; nothing changed");
  }
  const ProgramsEditResult added = addToProgramsList(before);
  if (added.outcome != ProgramsEdit::Added) {
    return unchanged(path, added.outcome);
  }
  return replace(target, before, added.text, read, beforeReplace);
}

// Opens the folder of the file `target.path` names; "" or why not.
std::string locate(Target& target) {
  const std::string& path = target.path;
  if (!resolve(path, target.resolved)) {
    return errno == ENOENT ? missing(path) : unreadable(path);
  }
  const bool root = geteuid() == 0;
  if (root && !linkIsRoots(path)) return notRoots(path);
  const std::size_t slash = target.resolved.rfind('/');
  target.name = target.resolved.substr(slash + 1);
  switch (target.folder.open(target.resolved.substr(0, slash), root)) {
    case FolderOpen::Ok:
      return "";
    case FolderOpen::NotRootOwned:
      return notRoots(path);
    case FolderOpen::Failed:
      break;
  }
  return unreadable(path);
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
  Target target;
  target.path = path;
  const std::string unusable = locate(target);
  if (!unusable.empty()) return report(1, unusable);
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    const Attempt result = edit(target, beforeReplace);
    if (result.done) return result.report;
  }
  return report(1, path + " changed " + std::to_string(kAttempts) +
                       " times while it was edited (xscreensaver-settings "
                       "saving it?); nothing changed, run this again");
}

}  // namespace vantrel
