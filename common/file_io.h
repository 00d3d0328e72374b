// Whole-file reads and crash-safe whole-file replacement, the only file
// access of the settings file. Paths are in the system's ANSI code page.
#pragma once

#include <string>

namespace vantrel {

enum class ReadResult { Ok, Missing, Failed };

// Reads the whole file into out. Missing: no such file. Failed: it exists
// but cannot be read (a folder, no permission, locked).
ReadResult readWholeFile(const std::string& path, std::string& out);

// True when the file can be opened for reading now (not a folder, not
// missing, not locked against readers).
bool canOpenForReading(const std::string& path);

// Writes contents to a new file beside path, flushes it to the disk and then
// puts it in place of path in one step, so a crash or a full disk part way
// leaves the previous file whole. False on any failure (the old file stays).
bool replaceWholeFile(const std::string& path, const std::string& contents);

}  // namespace vantrel
