#pragma once
// Adding the hack to the programs list of an XScreenSaver preferences file
// (~/.xscreensaver) as text: every other byte stays as it was. Pure.
//
// The list is one X resource whose value runs over continued lines (each
// ending in a backslash); entries are separated by \n escapes, each one
// "[-] [visual:] command args", as XScreenSaver writes them.
#include <string>

namespace vantrel {

// The entry the hack adds: a GL hack, drawing on the window it is given.
constexpr const char* kXScreenSaverEntry = "GL: vantrel --root";

enum class ProgramsEdit {
  Added,          // `text` now lists the hack as the list's last entry
  AlreadyListed,  // an entry, enabled or not, already runs a "vantrel"
  NoList,         // no "programs:" resource: not a preferences file
  NotText,        // NUL bytes: nothing a preferences file holds
};

struct ProgramsEditResult {
  ProgramsEdit outcome = ProgramsEdit::NoList;
  std::string text;  // the new file when Added, else the file unchanged
};

// Appends kXScreenSaverEntry to the last "programs:" list of `file`, in the
// file's own line ends (CRLF when the list's lines use them). The earlier
// entries keep their positions, so the "selected:" index still names the
// same hack.
ProgramsEditResult addToProgramsList(const std::string& file);

// True when the entry (one element of the list, without its \n escape)
// runs a program called vantrel, by any path.
bool entryRunsVantrel(const std::string& entry);

}  // namespace vantrel
