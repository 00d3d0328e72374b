// How the host holds a file path as bytes (BGM_File, BGM_Folder, the settings
// file's "BGMﾌｧｲﾙ"): the path's code page 932 bytes when it has an exact form
// there, as every settings file written so far holds it; otherwise the marker
// "<UTF-8>" followed by the path in UTF-8. "<" can begin no real path, and
// the marker is plain ASCII, so no marked text reads as a 932 path.
#pragma once

#include <cstddef>
#include <string>

namespace vantrel {

extern const char kUtf8PathMarker[];  // "<UTF-8>"

// Longest marked text the settings file keeps: the marker and 254 UTF-16
// units (the file chooser's buffer) of at most 3 UTF-8 bytes each.
const std::size_t kMarkedPathTextLimit = 7 + 254 * 3;

// True when text is a marked UTF-8 path.
bool isUtf8PathText(const std::string& text);

// The marked text of a UTF-8 path.
std::string utf8PathText(const std::string& utf8);

// The UTF-8 path of a marked text (the text after the marker).
std::string utf8OfPathText(const std::string& text);

// True when the settings file gives text back whole: unmarked text within
// the 255 bytes of the host's settings read, less one (an ANSI buffer of 255
// characters holds 254 and its NUL), marked text within its own limit.
bool pathTextReadsBackWhole(const std::string& text);

// The folder part of a path text: up to its last ":" or "" character, that
// "" dropped. A "" byte inside a code page 932 character (the second byte
// of "ソ" or "表") is no separator.
std::string folderOfPathText(const std::string& text);

// True when the file a path text names can be opened for reading now.
// Platform: the wide file API on Windows; the bytes themselves elsewhere.
bool canOpenPathText(const std::string& text);

}  // namespace vantrel
