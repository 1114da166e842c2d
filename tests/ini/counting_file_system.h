#pragma once
// The platform's file system, counting reads and replacements of files; its
// replacements can be told to fail.
#include <map>
#include <string>

#include "ini/profile_file_system.h"

class CountingFileSystem final : public ProfileFileSystem {
public:
    std::string FullPath(const std::string& path) override { return real_.FullPath(path); }
    FileStamp Stamp(const std::string& fullPath) override { return real_.Stamp(fullPath); }
    bool ReadAll(const std::string& fullPath, std::string& bytes) override
    {
        ++reads;
        return real_.ReadAll(fullPath, bytes);
    }
    bool ReplaceAtomically(const std::string& fullPath, const std::string& bytes) override
    {
        ++replacements;
        ++writes[fullPath];
        return !failWrites && real_.ReplaceAtomically(fullPath, bytes);
    }
    void RemoveStaleTemporaries(const std::string& fullPath) override { real_.RemoveStaleTemporaries(fullPath); }

    int reads = 0;
    int replacements = 0;
    std::map<std::string, int> writes; // replacements of each file
    bool failWrites = false;

private:
    ProfileFileSystem& real_ = DefaultProfileFileSystem();
};
