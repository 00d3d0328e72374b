#pragma once
// --add-to-xscreensaver: the hack added to the user's ~/.xscreensaver, the
// file edited in place of a hand edit. POSIX files, no X.
#include <functional>
#include <string>

namespace vantrel {

struct FileEditReport {
  int exitCode = 1;     // 0 when the file lists the hack afterwards
  std::string message;  // one line without a newline, saying what happened
};

// ~/.xscreensaver from HOME's value, or from the password database when HOME
// is unset or empty.
std::string xscreensaverFilePath(const char* home);

// Adds the hack to the programs list of the preferences file at `path`
// (through a symbolic link to the file it names): the new file replaces the
// old in one step, the old one stays beside it as <path>.bak, and owner and
// mode are kept. A file saved meanwhile by another program is read again
// (a few times). A file that is missing, unreadable, read-only, no
// preferences file, no regular file, one with other hard links, or (for
// root) not root's or in a folder that is not is left untouched, and the
// message says why.
FileEditReport addToXScreenSaverFile(const std::string& path);

// The same, with `beforeReplace` run once the new file and backup are
// written and flushed, just before the check that the file is still the one
// read: where a test saves the file as xscreensaver-settings might.
FileEditReport addToXScreenSaverFile(
    const std::string& path, const std::function<void()>& beforeReplace);

}  // namespace vantrel
