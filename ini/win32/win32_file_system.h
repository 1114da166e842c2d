#pragma once
// The profile engine's file operations on Windows: a temporary file beside
// the target, FlushFileBuffers, then MoveFileExA with write-through.
#include "ini/profile_file_system.h"

class Win32FileSystem final : public ProfileFileSystem {
public:
    std::string FullPath(const std::string& path) override;
    FileStamp Stamp(const std::string& fullPath) override;
    bool ReadAll(const std::string& fullPath, std::string& bytes) override;
    bool ReplaceAtomically(const std::string& fullPath, const std::string& bytes) override;
    void RemoveStaleTemporaries(const std::string& fullPath) override;
};
