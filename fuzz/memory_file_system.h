#pragma once
// Files in memory for the fuzz targets; every replacement gets a new stamp.
#include <cstdint>
#include <map>
#include <string>

#include "ini/profile_file_system.h"

class MemoryFileSystem final : public ProfileFileSystem {
public:
    std::map<std::string, std::string> files;
    // Changes a file behind the engine's back, as another program would.
    void Put(const std::string& path, std::string bytes) { files[path] = std::move(bytes), serials_[path] = ++counter_; }
    std::string FullPath(const std::string& path) override { return path; }
    FileStamp Stamp(const std::string& path) override
    {
        FileStamp stamp;
        if (files.count(path))
            stamp.exists = true, stamp.size = files[path].size(), stamp.serial = serials_[path];
        return stamp;
    }
    bool ReadAll(const std::string& path, std::string& bytes) override
    {
        return files.count(path) && (bytes = files[path], true);
    }
    bool ReplaceAtomically(const std::string& path, const std::string& bytes) override { return Put(path, bytes), true; }
    void RemoveStaleTemporaries(const std::string&) override {}

private:
    std::map<std::string, std::uint64_t> serials_;
    std::uint64_t counter_ = 0;
};
