#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/ByteIO.h"

namespace vh {

// True for both separators: paths may come written for either platform.
inline bool IsPathSep(char c) {
  return c == '/' || c == '\\';
}

// Finds an existing file or directory whose path matches `path` except for
// the case of its letters, component by component (the game's media use
// upper-case names). Returns `path` unchanged when nothing matches, so the
// caller's open reports the name the user gave.
std::string ResolvePathCI(const std::string& path);

// The path to write `path` to: an existing file or directory that differs
// only in case is reused, so a save replaces the file the user opened.
std::string ResolvePathForWrite(const std::string& path);

// Reads a whole file; raises EInOutError naming the file when it cannot be
// opened or read, or is larger than `maxSize`.
ByteStream ReadWholeFile(const std::string& path, size_t maxSize = SIZE_MAX);

// Writes `data` to a temporary file beside `path`; the caller commits it with
// CommitTempFile or drops it with DiscardTempFile. Raises EInOutError naming
// `path` on failure, leaving `path` untouched.
std::string WriteTempFile(const std::string& path, const ByteStream& data);
void CommitTempFile(const std::string& temp, const std::string& path);
void DiscardTempFile(const std::string& temp) noexcept;

// Replaces every target by its temporary file as one step: when any
// replacement fails, the targets already replaced get their old contents back
// and every temporary file is removed. Raises EInOutError naming the target.
struct TTempFile {
  std::string Temp;
  std::string Target;
};
void CommitTempFiles(const std::vector<TTempFile>& files);

// Writes a whole file through a temporary one, so a failure never leaves a
// half-written file behind.
void WriteWholeFile(const std::string& path, const ByteStream& data);

}  // namespace vh
