#include "core/command_lock.h"

#include <algorithm>

#include "core/period.h"
#include "core/settings_file.h"
#include "ini/profile_store.h"

const char* const FILES_LOCKED = "Die Dateien von Stundwerk werden gerade von einem anderen Programm bearbeitet\n"
                                 "(z.B. einem zweiten Stundwerk mit einem offenen Dialog oder stundwerk-cli).\n\n"
                                 "Der Befehl wurde nicht ausgeführt. Bitte versuchen Sie es später noch einmal.";

namespace {

constexpr const char* kLockFileName = "stundwerk.lock";

} // namespace

std::vector<std::string> CommandLockFolders(const Settings& settings)
{
    // Any plan name gives the plans' folder.
    return {DefaultWorkingDir(settings.SettingsPath), DefaultWorkingDir(MonthPlanFileName(settings, 1, 2000).c_str())};
}

bool CommandLock::LockFolders(const std::vector<std::string>& folders, unsigned timeoutMs)
{
    locks_.clear();
    for (const std::string& folder : folders) {
        FileLock lock;
        if (!lock.Open(folder + kLockFileName))
            continue;
        // Two names of one folder are one lock: a second lock on it would
        // wait for the first.
        const bool known = std::any_of(locks_.begin(), locks_.end(),
                                       [&](const FileLock& held) { return held.identity() == lock.identity(); });
        if (!known)
            locks_.push_back(std::move(lock));
    }
    std::sort(locks_.begin(), locks_.end(),
              [](const FileLock& a, const FileLock& b) { return a.identity() < b.identity(); });
    for (FileLock& lock : locks_) {
        if (!lock.Lock(timeoutMs)) {
            locks_.clear();
            return false;
        }
    }
    return true;
}

bool CommandLock::Take(ProfileStore& store, const Settings& settings, const std::function<void()>& reread,
                       unsigned timeoutMs)
{
    std::vector<std::string> folders = CommandLockFolders(settings);
    for (;;) {
        if (!LockFolders(folders, timeoutMs))
            return false;
        store.Recheck();
        reread();
        std::vector<std::string> now = CommandLockFolders(settings);
        if (now == folders)
            return true;
        folders = std::move(now);
    }
}
