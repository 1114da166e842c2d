#pragma once
// The lock one user command holds on its files, so that no other process
// (a second Stundwerk on a shared folder, stundwerk-cli from a script) reads
// or writes them between the command's reads and its writes: the lock file
// "stundwerk.lock" in the folder of the settings file and in the folder of
// the month plans (one when they are one folder). Every process takes them
// in the same order, so two never wait for each other in a circle; the
// system releases them when a process ends, however it ends.
#include <functional>
#include <vector>

#include "core/settings.h"
#include "ini/file_lock.h"

class ProfileStore;

// How long a command waits for another process's command to end.
constexpr unsigned COMMAND_LOCK_WAIT_MS = 10000;

// Told when the wait ends without the lock; the command then changes nothing.
extern const char* const FILES_LOCKED;

class CommandLock {
public:
    // Takes the locks, then has the store look at its files anew and calls
    // reread, which brings the settings up to date. When that moved the
    // month plans to another folder, it starts over with that folder. False
    // when another process kept a lock for timeoutMs; nothing is held then.
    // A folder whose lock file cannot be created (missing, read-only) is not
    // locked: no one can write there through it.
    bool Take(ProfileStore& store, const Settings& settings, const std::function<void()>& reread,
              unsigned timeoutMs = COMMAND_LOCK_WAIT_MS);
    void Release() { locks_.clear(); }

private:
    bool LockFolders(const std::vector<std::string>& folders, unsigned timeoutMs);

    std::vector<FileLock> locks_;
};

// The folders whose lock a command on these settings takes.
std::vector<std::string> CommandLockFolders(const Settings& settings);
