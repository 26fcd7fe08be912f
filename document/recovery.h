// Crash recovery: after every change the window writes its construction to a recovery file of its own in
// the user's state directory; a normal end removes it. A recovery file whose owner is no longer running
// is an orphan, offered at the next start.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/fileio.h"

class ConstructionDocument;

// What a recovery file holds: the document's lines (Windows-1252, exactly as held) and its file state.
struct RecoveryState {
    std::vector<std::string> lines;
    std::string fileName;  // the file last opened or saved, empty when none
    bool untitled = true;  // a plain save asks for a name

    bool operator==(const RecoveryState&) const = default;
};

RecoveryState RecoveryStateOf(const ConstructionDocument& document);

// The file's bytes; every field is length-prefixed, so any byte may stand in a line or in the name.
std::string RecoveryBytes(const RecoveryState& state);
// The state in bytes, or nullopt when they are not a whole recovery file.
std::optional<RecoveryState> ParseRecoveryBytes(std::string_view bytes);

// The recovery files' directory: "lineato" in $XDG_STATE_HOME when that is an absolute path, else in
// .local/state in the home directory ($HOME, else the account's); empty when no home is known.
std::string ChooseRecoveryDirectory(const std::string& xdgStateHome, const std::string& home);
// The same from this process's environment.
std::string RecoveryDirectory();

// The recovery file of this window: <pid>.recovery beside the lock <pid>.lock, which it holds (flock)
// while it lives, so that other runs can tell it from an orphan. A second window of the same process
// takes <pid>-2, and so on.
class RecoveryFile {
public:
    // Claims a name in directory, making the directory when missing; a failure shows at Write.
    explicit RecoveryFile(std::string directory);
    // Removes the file and its lock: the run ended normally.
    ~RecoveryFile();
    RecoveryFile(const RecoveryFile&) = delete;
    RecoveryFile& operator=(const RecoveryFile&) = delete;

    // Replaces the file with state (not flushed to disk: it has to outlive the program, not the system).
    FileWriteResult Write(const RecoveryState& state);
    // The file's path, empty while no name could be claimed.
    const std::string& Path() const { return path_; }
    const std::string& Directory() const { return directory_; }

private:
    int Claim();

    std::string directory_;
    std::string path_;
    std::string lockPath_;
    int lock_ = -1;
    int claimError_ = 0;
};

// A recovery file of a run that did not end normally. Its lock is held while this object lives, so that
// a window starting at the same moment does not offer it too; when neither Discard nor SetAside ran, it
// stays for a later start.
class OrphanRecovery {
public:
    OrphanRecovery(std::string path, std::string lockPath, int lock);
    ~OrphanRecovery();
    OrphanRecovery(const OrphanRecovery&) = delete;
    OrphanRecovery& operator=(const OrphanRecovery&) = delete;

    const std::string& Path() const { return path_; }
    // The state it holds, or nullopt when it cannot be read or is damaged.
    std::optional<RecoveryState> Read() const;
    // Removes it (answered, or recovered).
    void Discard();
    // Renames the unreadable file aside (never deletes it) and returns the new path; empty when even that
    // fails and it stays where it is.
    std::string SetAside();

private:
    std::string path_;
    std::string lockPath_;
    int lock_;
    bool keepLock_ = true;  // the lock file stays while its recovery file does
};

// The orphans in directory, newest first, each claimed; files of running windows are left alone.
std::vector<std::unique_ptr<OrphanRecovery>> ClaimOrphans(const std::string& directory);
