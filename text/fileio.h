// The one way the program reads a whole file and the one way it writes one (atomically).
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

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

// Whether a replaced file is flushed to disk before it is renamed over the old one. Without the flush the
// new file is still whole for every other process, and after the program's own crash; only a crash of the
// whole system may lose it.
enum class FileSync { Flush, NoFlush };

// How a write ended: 0, or the errno of the step that failed (EISDIR when the name is a directory,
// EINVAL when it is something else that is not a regular file).
struct FileWriteResult {
    int error = 0;
    bool Ok() const { return error == 0; }
};

// Replaces the file at path with bytes, whole or not at all: the bytes go to a new file beside it, which
// is flushed to disk (unless NoFlush) and then renamed over the target. A symbolic link is followed and
// its target replaced; an existing target keeps its permission bits. On any failure the old file is
// untouched and no temporary is left behind; so when path names something other than a regular file.
FileWriteResult ReplaceFile(const std::string& path, std::string_view bytes, FileSync sync = FileSync::Flush);
// ReplaceFile with the flush; true when written.
bool ReplaceFileAtomically(const std::string& path, std::string_view bytes);

// The steps of ReplaceFile, for tests that make one of them fail.
enum class WriteStep { Create, Write, Flush, Rename };
// Called before each step of every ReplaceFile while set; a non-zero result makes that step fail with
// that errno (ENOSPC at Write is a full disk, EROFS at Create a read-only one). Tests only.
using WriteFaultHook = std::function<int(WriteStep)>;
void SetWriteFaultHook(WriteFaultHook hook);

// Sets a write fault hook for its lifetime.
class ScopedWriteFault {
public:
    explicit ScopedWriteFault(WriteFaultHook hook) { SetWriteFaultHook(std::move(hook)); }
    // Every write fails at step with error.
    ScopedWriteFault(WriteStep step, int error)
        : ScopedWriteFault([step, error](WriteStep at) { return at == step ? error : 0; }) {}
    ~ScopedWriteFault() { SetWriteFaultHook(nullptr); }
    ScopedWriteFault(const ScopedWriteFault&) = delete;
    ScopedWriteFault& operator=(const ScopedWriteFault&) = delete;
};

// Whether both paths name one existing file (after symbolic links), so that writing one would destroy
// the other.
bool SameFile(const std::string& a, const std::string& b);

// Makes the missing directories above path (not path itself), readable only by the user; true when the
// directory holding path exists afterwards.
bool MakeParentDirectories(const std::string& path);
