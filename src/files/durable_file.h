// Writing files so that a crash or a full disk never leaves a torn one, and
// finding files the way the game's folder search does (ignoring letter case).
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace vela {

// Every call below that fails leaves errno at the cause and says in error
// which file it was.

// Creates the file anew, writes every byte, flushes it to disk and closes
// it. True only when all of that succeeded. Whatever stood at the name
// before is removed first, never written through: a link planted there is
// deleted, not followed (the file is opened O_EXCL | O_NOFOLLOW).
bool WriteAndSync(const std::string& path, std::span<const uint8_t> bytes, std::string& error);

// Replaces the file as a whole: the bytes go to a temporary file beside it
// ("<path>.tmp", written by WriteAndSync), which is flushed and then renamed
// over it; a link at path is replaced, not followed. A reader sees the old file or
// the new one, never a part. True only when the new file is in place.
bool ReplaceFile(const std::string& path, std::span<const uint8_t> bytes, std::string& error);
bool ReplaceFile(const std::string& path, std::string_view text, std::string& error);

// Renames from over to (a link at to is replaced); true on success.
bool RenameFile(const std::string& from, const std::string& to, std::string& error);

// Flushes the folder's entries (names created or renamed) to disk.
bool SyncFolder(const std::string& folder, std::string& error);

// The name of the file in the folder that equals name ignoring ASCII letter
// case; an exact match wins. Empty when there is none.
std::string FindFileNoCase(const std::string& folder, const std::string& name);

}  // namespace vela
