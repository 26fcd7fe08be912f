// The one way the program reads a whole file and the one way it writes one (atomically).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Larger inputs are refused rather than read: a construction of a million lines is a few tens of
// megabytes, and a runaway input must not exhaust memory.
inline constexpr std::size_t kMaxReadFileSize = std::size_t{128} << 20;

struct FileReadResult {
    std::optional<std::string> bytes;  // nullopt when the file could not be read
    std::string reason;                // why not, in English, for diagnostics ("Is a directory", ...)
};

// The bytes of a regular file. A missing file, a directory, a pipe, a device (which could block or never
// end), an unreadable file and one larger than kMaxReadFileSize all give nullopt with a reason.
FileReadResult ReadFileBytes(const std::string& path);
// Everything readable from the open descriptor fd up to its end (standard input, say), at most
// kMaxReadFileSize bytes; more is refused with a reason, so an endless stream ends the read.
FileReadResult ReadDescriptorBytes(int fd);

// Replaces the file at path with bytes, whole or not at all: the bytes go to a new file beside it, which
// is flushed to disk and then renamed over the target. A symbolic link is followed and its target
// replaced; an existing target keeps its permission bits. Returns false, with the old file untouched, on
// any failure, and when path names something other than a regular file.
bool ReplaceFileAtomically(const std::string& path, std::string_view bytes);

// Makes the missing directories above path (not path itself), readable only by the user; true when the
// directory holding path exists afterwards.
bool MakeParentDirectories(const std::string& path);
