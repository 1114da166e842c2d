#pragma once
// An exclusive lock on a lock file that no one writes: held by one open
// handle of one process at a time, also between two handles of the same
// process, and released by the system when the process ends, however it
// ends. POSIX: an open-file-description lock (fcntl F_OFD_SETLK), which
// conflicts with the record locks Wine takes for LockFileEx; Windows:
// LockFileEx on the file's first byte.
#include <cstdint>
#include <string>
#include <utility>

// Where two lock files are one: device and file number. Processes that wait
// for several locks take them in this order.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t file = 0;
    bool operator<(const FileIdentity& other) const
    {
        return device != other.device ? device < other.device : file < other.file;
    }
    bool operator==(const FileIdentity& other) const { return device == other.device && file == other.file; }
};

class FileLock {
public:
    FileLock() = default;
    ~FileLock() { Close(); }
    FileLock(FileLock&& other) noexcept : handle_(std::exchange(other.handle_, kNoHandle)), identity_(other.identity_)
    {
    }
    FileLock& operator=(FileLock&& other) noexcept
    {
        if (this != &other) {
            Close();
            handle_ = std::exchange(other.handle_, kNoHandle);
            identity_ = other.identity_;
        }
        return *this;
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Opens the lock file, creating it when missing; false when that fails
    // (no such folder, a folder the user may not write).
    bool Open(const std::string& path);
    const FileIdentity& identity() const { return identity_; }
    // Takes the lock, trying again until timeoutMs have passed; false when
    // another holder kept it all that time.
    bool Lock(unsigned timeoutMs);
    // Releases the lock and the file.
    void Close();

private:
    static constexpr std::intptr_t kNoHandle = -1;
    std::intptr_t handle_ = kNoHandle; // a file descriptor or a HANDLE
    FileIdentity identity_;
};
