#pragma once
// The profile engine's file operations on POSIX systems: write a temporary
// file, fsync it, rename it over the target and fsync the folder.
#include "ini/profile_file_system.h"

#ifndef _WIN32

class PosixFileSystem final : public ProfileFileSystem {
public:
    std::string FullPath(const std::string& path) override;
    FileStamp Stamp(const std::string& fullPath) override;
    bool ReadAll(const std::string& fullPath, std::string& bytes) override;
    bool ReplaceAtomically(const std::string& fullPath, const std::string& bytes) override;
    void RemoveStaleTemporaries(const std::string& fullPath) override;
};

#endif
