// The folder the running program was started from, as the host names it:
// no final "\" except for a drive root ("C:\").
#pragma once

#include <string>

namespace vantrel {

// The folder of a module's full path ("C:\Saver\Vantrel.scr" -> "C:\Saver",
// "C:\Vantrel.scr" -> "C:\").
std::string folderOfModulePath(const std::string& modulePath);

// The running program's own folder (Windows only), as a path text
// (host/base/path_text.h) like every path the host holds.
std::string ProgramFolder();

}  // namespace vantrel
