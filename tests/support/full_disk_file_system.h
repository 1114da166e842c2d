#pragma once
// The platform's file system on a disk that can be made full: while diskFull
// is set every replacement fails and leaves the file as it was.
#include <string>

#include "ini/profile_file_system.h"

class FullDiskFileSystem final : public ProfileFileSystem {
public:
    std::string FullPath(const std::string& path) override { return real_.FullPath(path); }
    FileStamp Stamp(const std::string& fullPath) override { return real_.Stamp(fullPath); }
    bool ReadAll(const std::string& fullPath, std::string& bytes) override { return real_.ReadAll(fullPath, bytes); }
    bool ReplaceAtomically(const std::string& fullPath, const std::string& bytes) override
    {
        return !diskFull && real_.ReplaceAtomically(fullPath, bytes);
    }

    bool diskFull = false;

private:
    ProfileFileSystem& real_ = DefaultProfileFileSystem();
};
