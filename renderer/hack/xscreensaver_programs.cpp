#include "renderer/hack/xscreensaver_programs.h"

#include <cctype>
#include <cstddef>
#include <vector>

namespace vantrel {

namespace {

// One line of the file: [start, contentEnd) is its text without the line
// end, [contentEnd, end) the line end ("\n", "\r\n" or nothing at the end).
struct Line {
  std::size_t start = 0;
  std::size_t contentEnd = 0;
  std::size_t end = 0;
};

std::vector<Line> splitLines(const std::string& text) {
  std::vector<Line> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    Line line;
    line.start = start;
    const std::size_t newline = text.find('\n', start);
    line.end = newline == std::string::npos ? text.size() : newline + 1;
    line.contentEnd = newline == std::string::npos ? text.size() : newline;
    if (newline != std::string::npos && line.contentEnd > start &&
        text[line.contentEnd - 1] == '\r') {
      --line.contentEnd;
    }
    lines.push_back(line);
    start = line.end;
  }
  return lines;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string trimmed(const std::string& text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && isBlank(text[first])) ++first;
  while (last > first && isBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

bool endsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// An odd number of trailing backslashes continues the resource on the next
// line; an even number is escaped backslashes.
bool continues(const std::string& content) {
  std::size_t count = 0;
  while (count < content.size() &&
         content[content.size() - 1 - count] == '\\') {
    ++count;
  }
  return count % 2 == 1;
}

const char kKey[] = "programs:";

// The offset of the value on a "programs:" line, or npos for other lines.
std::size_t programsValueStart(const std::string& content) {
  std::size_t at = 0;
  while (at < content.size() && isBlank(content[at])) ++at;
  if (content.compare(at, sizeof(kKey) - 1, kKey) != 0) {
    return std::string::npos;
  }
  return at + sizeof(kKey) - 1;
}

// The lines the last "programs:" resource spans, and where its value starts
// on the first one.
struct ListSpan {
  std::size_t first = 0;
  std::size_t last = 0;
  std::size_t valueStart = 0;
};

std::string lineText(const std::string& file, const Line& line) {
  return file.substr(line.start, line.contentEnd - line.start);
}

// False when no line sets "programs:". As with any X resource, the last
// setting is the one that counts.
bool findProgramsList(const std::string& file, const std::vector<Line>& lines,
                      ListSpan& list) {
  bool found = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::size_t start = programsValueStart(lineText(file, lines[i]));
    if (start != std::string::npos) {
      list.first = i;
      list.valueStart = start;
      found = true;
    }
  }
  list.last = list.first;
  while (found && list.last + 1 < lines.size() &&
         continues(lineText(file, lines[list.last]))) {
    ++list.last;
  }
  return found;
}

// The list's value as one text: continuation backslashes removed, its \n
// escapes still in place.
std::string joinedValue(const std::string& file, const std::vector<Line>& lines,
                        const ListSpan& list) {
  std::string value;
  for (std::size_t i = list.first; i <= list.last; ++i) {
    std::string content = lineText(file, lines[i]);
    if (i == list.first) content = content.substr(list.valueStart);
    if (continues(content)) content.pop_back();
    value += content;
  }
  return value;
}

bool listsVantrel(const std::string& value) {
  std::size_t start = 0;
  for (;;) {
    const std::size_t escape = value.find("\\n", start);
    const std::string entry = value.substr(
        start, escape == std::string::npos ? std::string::npos
                                           : escape - start);
    if (entryRunsVantrel(entry)) return true;
    if (escape == std::string::npos) return false;
    start = escape + 2;
  }
}

std::string entryLine(bool continued) {
  return std::string("  ") + kXScreenSaverEntry +
         (continued ? " \\n\\" : " \\n");
}

// The file with our entry as the list's last, in the list's line ends.
std::string withEntry(const std::string& file, const std::vector<Line>& lines,
                      const ListSpan& list) {
  const Line& last = lines[list.last];
  const std::string eol =
      lines[list.first].end - lines[list.first].contentEnd == 2 ? "\r\n"
                                                                : "\n";
  const std::string missingEol = last.end == last.contentEnd ? eol : "";
  const std::string entries = trimmed(joinedValue(file, lines, list));
  // The entry before ours must end in a \n escape, or the two would merge.
  const bool needsSeparator = !entries.empty() && !endsWith(entries, "\\n");
  const std::string separator = needsSeparator ? "\\n\\" + eol : "";
  const std::string lastContent = lineText(file, last);
  std::string text = file;
  if (list.last > list.first && trimmed(lastContent).empty()) {
    // The usual end: a blank line closes the list; ours goes before it.
    text.insert(last.start, separator + entryLine(true) + eol);
  } else if (continues(lastContent)) {
    // The file ends inside the list.
    text += missingEol + separator + entryLine(false) + eol;
  } else {
    // The list's last line carries an entry (or nothing, after
    // "programs:"): it now continues onto our line, which ends the list.
    const std::string joint =
        entries.empty() ? "\\" : (needsSeparator ? " \\n\\" : "\\");
    text.insert(last.end, missingEol + entryLine(false) + eol);
    text.insert(last.contentEnd, joint);
  }
  return text;
}

}  // namespace

bool entryRunsVantrel(const std::string& entry) {
  std::string rest = trimmed(entry);
  if (!rest.empty() && rest[0] == '-') rest = trimmed(rest.substr(1));
  // A visual name such as "GL:" or "default-n:", and a display name in
  // quotes, in either order, before the command.
  for (int prefix = 0; prefix < 2; ++prefix) {
    std::size_t at = 0;
    while (at < rest.size() &&
           (std::isalnum(static_cast<unsigned char>(rest[at])) ||
            rest[at] == '-' || rest[at] == '_')) {
      ++at;
    }
    if (at > 0 && at < rest.size() && rest[at] == ':') {
      rest = trimmed(rest.substr(at + 1));
    }
    if (!rest.empty() && rest[0] == '"') {
      const std::size_t close = rest.find('"', 1);
      rest = close == std::string::npos ? "" : trimmed(rest.substr(close + 1));
    }
  }
  std::size_t wordEnd = 0;
  while (wordEnd < rest.size() && !isBlank(rest[wordEnd])) ++wordEnd;
  const std::string command = rest.substr(0, wordEnd);
  const std::size_t slash = command.rfind('/');
  return command.substr(slash == std::string::npos ? 0 : slash + 1) ==
         "vantrel";
}

ProgramsEditResult addToProgramsList(const std::string& file) {
  ProgramsEditResult result;
  result.text = file;
  if (file.find('\0') != std::string::npos) {
    result.outcome = ProgramsEdit::NotText;
    return result;
  }
  const std::vector<Line> lines = splitLines(file);
  ListSpan list;
  if (!findProgramsList(file, lines, list)) return result;  // NoList
  if (listsVantrel(joinedValue(file, lines, list))) {
    result.outcome = ProgramsEdit::AlreadyListed;
    return result;
  }
  result.outcome = ProgramsEdit::Added;
  result.text = withEntry(file, lines, list);
  return result;
}

}  // namespace vantrel
