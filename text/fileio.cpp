// Reading whole files within a size bound, and replacing files atomically through a temporary beside them.
#include "text/fileio.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

namespace {

const char* const kTooLarge = "File too large";

// Reads until the end, refusing more than kMaxReadFileSize bytes.
FileReadResult ReadAll(int fd) {
    FileReadResult result;
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) {
            result.reason = std::strerror(errno);
            return result;
        }
        if (count == 0) break;
        if (bytes.size() + static_cast<std::size_t>(count) > kMaxReadFileSize) {
            result.reason = kTooLarge;
            return result;
        }
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
    result.bytes = std::move(bytes);
    return result;
}

WriteFaultHook& FaultHook() {
    static WriteFaultHook hook;
    return hook;
}

// The error a test injects before step, or 0.
int InjectedFault(WriteStep step) {
    const WriteFaultHook& hook = FaultHook();
    return hook ? hook(step) : 0;
}

// 0, or the errno of the failed write.
int WriteAll(int fd, std::string_view bytes) {
    if (const int fault = InjectedFault(WriteStep::Write)) return fault;
    while (!bytes.empty()) {
        const ssize_t count = ::write(fd, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return errno;
        if (count == 0) return EIO;
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return 0;
}

// Links followed to the end of a dangling chain, as many as the kernel follows.
constexpr int kMaxLinkHops = 40;

// Opens a new file beside target, honouring the umask; returns its descriptor and name, or -1 with errno.
int CreateTemporaryBeside(const std::filesystem::path& target, std::filesystem::path& name) {
    if (const int fault = InjectedFault(WriteStep::Create)) {
        errno = fault;
        return -1;
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target;
        name += ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(attempt);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// The errno of the step, or 0; an injected fault takes the place of the call, which is then not made.
template <typename Call>
int Step(WriteStep step, Call call) {
    if (const int fault = InjectedFault(step)) return fault;
    return call() != 0 ? errno : 0;
}

}  // namespace

FileReadResult ReadFileBytes(const std::string& path) {
    FileReadResult result;
    // O_NONBLOCK: opening a FIFO without a writer must not wait; regular files ignore the flag.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        result.reason = std::strerror(errno);
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        result.reason = std::strerror(errno);
    } else if (S_ISDIR(info.st_mode)) {
        result.reason = std::strerror(EISDIR);
    } else if (!S_ISREG(info.st_mode)) {
        result.reason = "Not a regular file";
    } else if (static_cast<std::uintmax_t>(info.st_size) > kMaxReadFileSize) {
        result.reason = kTooLarge;
    } else {
        result = ReadAll(fd);
    }
    ::close(fd);
    return result;
}

FileReadResult ReadDescriptorBytes(int fd) {
    return ReadAll(fd);
}

void SetWriteFaultHook(WriteFaultHook hook) {
    FaultHook() = std::move(hook);
}

FileWriteResult ReplaceFile(const std::string& path, std::string_view bytes, FileSync sync) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path target = path;
    struct stat info {};
    const bool exists = ::stat(path.c_str(), &info) == 0;
    if (exists) {
        if (S_ISDIR(info.st_mode)) return {EISDIR};
        if (!S_ISREG(info.st_mode)) return {EINVAL};
        target = fs::canonical(target, error);
        if (error) return {error.value()};
        // The rename would replace a write-protected file as well; it stays protected, as with a write in
        // place.
        if (::access(target.c_str(), W_OK) != 0) return {errno};
    } else if (fs::is_symlink(target, error)) {
        // A dangling link: its final target is made, as the shell's redirection does; the link stays.
        // Replacing the link itself would surprise.
        for (int hop = 0; hop < kMaxLinkHops && fs::is_symlink(target, error); ++hop) {
            const fs::path next = fs::read_symlink(target, error);
            if (error) return {error.value()};
            target = next.is_absolute() ? next : target.parent_path() / next;
        }
        if (fs::is_symlink(target, error)) return {ELOOP};
    }

    fs::path temporary;
    const int fd = CreateTemporaryBeside(target, temporary);
    if (fd < 0) return {errno != 0 ? errno : EIO};
    int failure = WriteAll(fd, bytes);
    if (failure == 0 && exists && ::fchmod(fd, info.st_mode & 07777) != 0) failure = errno;
    if (failure == 0 && sync == FileSync::Flush)
        failure = Step(WriteStep::Flush, [fd] { return ::fsync(fd); });
    // A full disk may show only when the last blocks are written out at close.
    if (::close(fd) != 0 && failure == 0) failure = errno;
    if (failure == 0)
        failure = Step(WriteStep::Rename, [&] { return ::rename(temporary.c_str(), target.c_str()); });
    if (failure != 0) ::unlink(temporary.c_str());
    return {failure};
}

bool ReplaceFileAtomically(const std::string& path, std::string_view bytes) {
    return ReplaceFile(path, bytes).Ok();
}

bool SameFile(const std::string& a, const std::string& b) {
    struct stat first {};
    struct stat second {};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool MakeParentDirectories(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    // The missing directories, nearest first; made from the top down, each private to the user.
    std::vector<fs::path> missing;
    for (fs::path dir = fs::path(path).parent_path(); !dir.empty() && !fs::exists(dir, error);
         dir = dir.parent_path()) {
        missing.push_back(dir);
        if (dir == dir.parent_path()) break;
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it)
        if (::mkdir(it->c_str(), 0700) != 0 && errno != EEXIST) return false;
    const fs::path parent = fs::path(path).parent_path();
    return parent.empty() || fs::is_directory(parent, error);
}
