#pragma once
// The few file operations the profile engine needs, behind an interface so
// that core stays free of <windows.h>: a POSIX implementation lives in core,
// the Win32 one (MoveFileExA with write-through) in ini/win32.
#include <cstdint>
#include <string>

// What identifies one state of a file on disk. Any difference means the file
// was changed since it was last read.
struct FileStamp {
    bool exists = false;
    std::int64_t modified = 0; // last-write time in the platform's finest unit
    std::uint64_t size = 0;
    std::uint64_t serial = 0; // inode where the platform has one (a replaced file gets a new one)

    bool operator==(const FileStamp& other) const
    {
        return exists == other.exists && modified == other.modified && size == other.size && serial == other.serial;
    }
    bool operator!=(const FileStamp& other) const { return !(*this == other); }
};

class ProfileFileSystem {
public:
    virtual ~ProfileFileSystem() = default;

    // The absolute form of path, used as the file's identity in caches.
    virtual std::string FullPath(const std::string& path) = 0;
    virtual FileStamp Stamp(const std::string& fullPath) = 0;
    // The whole file; false when it is missing or cannot be read.
    virtual bool ReadAll(const std::string& fullPath, std::string& bytes) = 0;
    // Writes bytes to a temporary file beside fullPath, flushes it to the
    // device and renames it over fullPath, so that the file is at every moment
    // either complete old or complete new. False (and the file untouched) on
    // any failure: missing or read-only folder, read-only file, disk full.
    virtual bool ReplaceAtomically(const std::string& fullPath, const std::string& bytes) = 0;
    // Deletes the temporary files ReplaceAtomically left beside fullPath in
    // processes that were killed before the rename: only those of its naming
    // pattern whose writer process no longer runs, so that another program
    // writing the same file at this moment keeps its temporary file.
    virtual void RemoveStaleTemporaries(const std::string& fullPath) = 0;
};

// The platform's file system: POSIX natively, Win32 on Windows builds (there
// it comes from ini_win32, which such programs must link).
ProfileFileSystem& DefaultProfileFileSystem();
