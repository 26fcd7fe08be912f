// The recovery file's format, its place, the lock that tells a running owner from a dead one, and orphans.
#include "document/recovery.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <filesystem>
#include <system_error>
#include <utility>

#include "document/constructiondocument.h"
#include "text/environment.h"

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kHeader = "Lineato Wiederherstellung 1\n";
constexpr std::string_view kEnd = "Ende\n";
constexpr const char* kRecoverySuffix = ".recovery";
constexpr const char* kLockSuffix = ".lock";
constexpr const char* kAsideSuffix = ".unlesbar";

void PutField(std::string& out, std::string_view key, std::string_view value) {
    out += key;
    out += ' ';
    out += std::to_string(value.size());
    out += '\n';
    out += value;
    out += '\n';
}

// Reads the recovery format from the front of a view, consuming what it reads.
class Reader {
public:
    explicit Reader(std::string_view bytes) : rest_(bytes) {}

    bool Literal(std::string_view text) {
        if (rest_.substr(0, text.size()) != text) return false;
        rest_.remove_prefix(text.size());
        return true;
    }
    // "<key> <decimal>\n"
    std::optional<std::size_t> Number(std::string_view key) {
        if (!Literal(key) || !Literal(" ")) return std::nullopt;
        std::size_t value = 0;
        const auto [end, error] = std::from_chars(rest_.data(), rest_.data() + rest_.size(), value);
        if (error != std::errc() || end == rest_.data()) return std::nullopt;
        rest_.remove_prefix(static_cast<std::size_t>(end - rest_.data()));
        if (!Literal("\n")) return std::nullopt;
        return value;
    }
    // "<key> <length>\n<bytes>\n"
    std::optional<std::string> Field(std::string_view key) {
        const std::optional<std::size_t> length = Number(key);
        if (!length || *length >= rest_.size()) return std::nullopt;
        std::string value(rest_.substr(0, *length));
        rest_.remove_prefix(*length);
        if (!Literal("\n")) return std::nullopt;
        return value;
    }
    std::size_t Left() const { return rest_.size(); }

private:
    std::string_view rest_;
};

// path, or path-n from the second on. Appended piece by piece: "-" + string trips a false -Wrestrict of
// GCC 12 at -O3.
std::string Numbered(std::string path, int n) {
    if (n > 1) {
        path += '-';
        path += std::to_string(n);
    }
    return path;
}

// Opens (making it when missing) and locks the lock file; the descriptor, or -1 when another process holds
// it or it cannot be made (errno tells).
int LockFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

bool Exists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

}  // namespace

RecoveryState RecoveryStateOf(const ConstructionDocument& document) {
    return {document.Lines(), document.FileName(), document.Untitled()};
}

std::string RecoveryBytes(const RecoveryState& state) {
    std::size_t size = 64 + state.fileName.size();
    for (const std::string& line : state.lines)
        size += line.size() + 16;
    std::string out;
    out.reserve(size);
    out += kHeader;
    PutField(out, "Datei", state.fileName);
    out += state.untitled ? "Unbenannt 1\n" : "Unbenannt 0\n";
    out += "Zeilen " + std::to_string(state.lines.size()) + '\n';
    for (const std::string& line : state.lines)
        PutField(out, "Zeile", line);
    out += kEnd;
    return out;
}

std::optional<RecoveryState> ParseRecoveryBytes(std::string_view bytes) {
    Reader reader(bytes);
    RecoveryState state;
    if (!reader.Literal(kHeader)) return std::nullopt;
    std::optional<std::string> fileName = reader.Field("Datei");
    const std::optional<std::size_t> untitled = reader.Number("Unbenannt");
    const std::optional<std::size_t> count = fileName && untitled ? reader.Number("Zeilen") : std::nullopt;
    if (!count || *untitled > 1) return std::nullopt;
    state.fileName = std::move(*fileName);
    state.untitled = *untitled == 1;
    // Each line takes at least eight bytes: a count beyond that is damage, not a reason to reserve memory.
    if (*count > reader.Left() / 8) return std::nullopt;
    state.lines.reserve(*count);
    for (std::size_t i = 0; i < *count; ++i) {
        std::optional<std::string> line = reader.Field("Zeile");
        if (!line) return std::nullopt;
        state.lines.push_back(std::move(*line));
    }
    if (!reader.Literal(kEnd) || reader.Left() != 0) return std::nullopt;
    return state;
}

std::string ChooseRecoveryDirectory(const std::string& xdgStateHome, const std::string& home) {
    if (!xdgStateHome.empty() && xdgStateHome.front() == '/') return xdgStateHome + "/lineato";
    if (!home.empty()) return home + "/.local/state/lineato";
    return {};
}

std::string RecoveryDirectory() {
    return ChooseRecoveryDirectory(EnvironmentValue("XDG_STATE_HOME"), HomeDirectory());
}

RecoveryFile::RecoveryFile(std::string directory) : directory_(std::move(directory)) {
    claimError_ = Claim();
}

RecoveryFile::~RecoveryFile() {
    if (lock_ < 0) return;
    // The recovery file first: without it a lock file means nothing to anyone.
    ::unlink(path_.c_str());
    ::unlink(lockPath_.c_str());
    ::close(lock_);
}

int RecoveryFile::Claim() {
    if (directory_.empty()) return ENOENT;
    errno = 0;
    if (!MakeParentDirectories(directory_ + "/" + kLockSuffix)) return errno != 0 ? errno : ENOTDIR;
    const std::string pid = std::to_string(::getpid());
    for (int n = 1; n <= 100; ++n) {
        const std::string stem = Numbered(directory_ + "/" + pid, n);
        // An orphan of an earlier run with the same process id keeps its name.
        if (Exists(stem + kRecoverySuffix)) continue;
        const int fd = LockFile(stem + kLockSuffix);
        if (fd < 0) {
            if (errno == EWOULDBLOCK) continue;  // another window of this process
            return errno;
        }
        lock_ = fd;
        path_ = stem + kRecoverySuffix;
        lockPath_ = stem + kLockSuffix;
        return 0;
    }
    return EEXIST;
}

FileWriteResult RecoveryFile::Write(const RecoveryState& state) {
    // The directory may have come back (or been made writable) since the last try.
    if (lock_ < 0) claimError_ = Claim();
    if (lock_ < 0) return {claimError_};
    const std::string bytes = RecoveryBytes(state);
    const FileWriteResult written = ReplaceFile(path_, bytes, FileSync::NoFlush);
    if (written.error != ENOENT) return written;
    // The directory was removed under the running window, lock and all: made again, and a name claimed
    // again, so that recovery goes on.
    ::close(lock_);
    lock_ = -1;
    claimError_ = Claim();
    if (lock_ < 0) return {claimError_};
    return ReplaceFile(path_, bytes, FileSync::NoFlush);
}

OrphanRecovery::OrphanRecovery(std::string path, std::string lockPath, int lock)
    : path_(std::move(path)), lockPath_(std::move(lockPath)), lock_(lock) {}

OrphanRecovery::~OrphanRecovery() {
    if (!keepLock_) ::unlink(lockPath_.c_str());
    ::close(lock_);
}

std::optional<RecoveryState> OrphanRecovery::Read() const {
    const FileReadResult file = ReadFileBytes(path_);
    if (!file.bytes) return std::nullopt;
    return ParseRecoveryBytes(*file.bytes);
}

void OrphanRecovery::Discard() {
    ::unlink(path_.c_str());
    keepLock_ = false;
}

std::string OrphanRecovery::SetAside() {
    for (int n = 1; n <= 100; ++n) {
        const std::string aside = Numbered(path_ + kAsideSuffix, n);
        if (Exists(aside)) continue;
        if (::rename(path_.c_str(), aside.c_str()) != 0) return {};
        keepLock_ = false;
        return aside;
    }
    return {};
}

std::vector<std::unique_ptr<OrphanRecovery>> ClaimOrphans(const std::string& directory) {
    std::vector<std::pair<fs::file_time_type, std::unique_ptr<OrphanRecovery>>> found;
    std::error_code error;
    if (directory.empty()) return {};
    for (const fs::directory_entry& entry : fs::directory_iterator(directory, error)) {
        const std::string path = entry.path().string();
        const std::string_view suffix = kRecoverySuffix;
        if (path.size() <= suffix.size() ||
            path.compare(path.size() - suffix.size(), suffix.size(), suffix) != 0)
            continue;
        if (!entry.is_regular_file(error)) continue;
        const std::string lockPath = path.substr(0, path.size() - suffix.size()) + kLockSuffix;
        const int lock = LockFile(lockPath);
        if (lock < 0) continue;  // its window is running (or the lock cannot be had: leave it alone)
        auto orphan = std::make_unique<OrphanRecovery>(path, lockPath, lock);
        // Its owner may have ended normally in between.
        if (!Exists(path)) {
            orphan->Discard();
            continue;
        }
        const fs::file_time_type time = fs::last_write_time(path, error);
        found.emplace_back(error ? fs::file_time_type::min() : time, std::move(orphan));
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<std::unique_ptr<OrphanRecovery>> orphans;
    orphans.reserve(found.size());
    for (auto& [time, orphan] : found)
        orphans.push_back(std::move(orphan));
    return orphans;
}
