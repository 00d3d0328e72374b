#include "common/file_io.h"

#include <windows.h>

namespace vantrel {

ReadResult readWholeFile(const std::string& path, std::string& out) {
  // NOTE: shared read and write, as the profile functions open the file; a
  // file locked without sharing fails here and reads as missing.
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? ReadResult::Missing
                                                                           : ReadResult::Failed;
  }
  // Large reads straight into the string: a settings file grown huge by
  // accident costs one pass, not one small read per page.
  const DWORD kChunk = 1u << 20;
  std::string data;
  LARGE_INTEGER size = {};
  if (GetFileSizeEx(file, &size) && size.QuadPart > 0 && size.QuadPart < 0x7fffffff) {
    data.reserve(static_cast<std::size_t>(size.QuadPart) + kChunk);
  }
  bool ok = true;
  for (;;) {
    const std::size_t at = data.size();
    data.resize(at + kChunk);
    DWORD n = 0;
    ok = ReadFile(file, &data[at], kChunk, &n, nullptr) != FALSE;
    data.resize(at + (ok ? n : 0));
    if (!ok || n == 0) break;
  }
  CloseHandle(file);
  if (!ok) return ReadResult::Failed;
  out.swap(data);
  return ReadResult::Ok;
}

bool canOpenForReading(const std::string& path) {
  // NOTE: readers share only reading, as a plain "open for input" does, so a
  // file someone is writing counts as unreadable.
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

bool replaceWholeFile(const std::string& path, const std::string& contents) {
  // NOTE: Windows refuses to replace a read-only file, but Wine running as
  // root does not; refusing here keeps the user's protection on both.
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
  const std::string temp = path + ".new";
  HANDLE file = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  std::size_t done = 0;
  while (ok && done < contents.size()) {
    DWORD n = 0;
    DWORD chunk = static_cast<DWORD>(contents.size() - done > 0x100000 ? 0x100000 : contents.size() - done);
    ok = WriteFile(file, contents.data() + done, chunk, &n, nullptr) && n == chunk;
    done += n;
  }
  ok = ok && FlushFileBuffers(file);
  ok = CloseHandle(file) && ok;
  ok = ok && MoveFileExA(temp.c_str(), path.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!ok) DeleteFileA(temp.c_str());
  return ok;
}

}  // namespace vantrel
