#pragma once
// Files held in memory for the fuzz targets: no disk traffic, and every
// replacement gets a new stamp so the engine's cache sees each change.
#include <cstdint>
#include <map>
#include <string>

#include "ini/profile_file_system.h"

class MemoryFileSystem final : public ProfileFileSystem {
public:
    std::map<std::string, std::string> files;

    // Changes a file behind the engine's back, as another program would.
    void Put(const std::string& path, std::string bytes)
    {
        files[path] = std::move(bytes);
        serials_[path] = ++counter_;
    }

    std::string FullPath(const std::string& path) override { return path; }
    FileStamp Stamp(const std::string& fullPath) override
    {
        FileStamp stamp;
        auto found = files.find(fullPath);
        if (found == files.end())
            return stamp;
        stamp.exists = true;
        stamp.size = found->second.size();
        stamp.serial = serials_[fullPath];
        return stamp;
    }
    bool ReadAll(const std::string& fullPath, std::string& bytes) override
    {
        auto found = files.find(fullPath);
        if (found == files.end())
            return false;
        bytes = found->second;
        return true;
    }
    bool ReplaceAtomically(const std::string& fullPath, const std::string& bytes) override
    {
        Put(fullPath, bytes);
        return true;
    }
    // Nothing here is ever left half-written.
    void RemoveStaleTemporaries(const std::string&) override {}

private:
    std::map<std::string, std::uint64_t> serials_;
    std::uint64_t counter_ = 0;
};
