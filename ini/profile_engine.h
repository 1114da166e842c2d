#pragma once
// The portable profile engine: the private-profile functions' behaviour on
// any platform. Parsed files are cached by identity (full path, last-write
// time, size), so an unchanged file is parsed once and an outside change is
// seen by the next call. Lines no edit touches keep their bytes; every change
// replaces the file atomically, and the first look at a file clears the
// temporary files that killed writers left beside it. Outside a batch each
// change is written at once; inside one, the outermost batch's end writes
// each changed file once.
#include <cstdint>
#include <map>
#include <string>

#include "ini/profile_document.h"
#include "ini/profile_file_system.h"
#include "ini/profile_store.h"

class ProfileEngine final : public ProfileStore {
public:
    explicit ProfileEngine(ProfileFileSystem& files) : files_(files) {}
    // On the platform's file system (Windows programs link ini_win32).
    ProfileEngine() : ProfileEngine(DefaultProfileFileSystem()) {}
    ProfileEngine(const ProfileEngine&) = delete;
    ProfileEngine& operator=(const ProfileEngine&) = delete;

    // A null section lists the section names, a null key the section's keys.
    unsigned ReadString(const char* section, const char* key, const char* defaultValue, char* buffer, unsigned size,
                        const char* file) override;
    unsigned ReadInt(const char* section, const char* key, int defaultValue, const char* file) override;
    // Each CR and LF of the value is written as a blank.
    bool WriteString(const char* section, const char* key, const char* value, const char* file) override;
    bool DeleteKey(const char* section, const char* key, const char* file) override;
    bool DeleteSection(const char* section, const char* file) override;

    void BeginBatch() override;
    bool EndBatch() override;
    bool InBatch() const override { return batchDepth_ > 0; }
    // The next look at each cached file reads its bytes and parses them
    // again unless they are the ones it holds.
    void Recheck() override;

private:
    struct CachedFile {
        FileStamp stamp;
        ProfileDocument document;
        std::string bytes;       // the file as last read or written
        bool recheck = false;    // compare bytes at the next look (Recheck)
        bool dirty = false;      // changed inside a batch, not yet written
        std::uint64_t batch = 0; // the batch in which the disk was last compared
        std::uint64_t lastUse = 0;
    };
    using Cache = std::map<std::string, CachedFile>;

    std::string FullPathOf(const char* file);
    Cache::iterator Load(const char* file);
    bool Changed(Cache::iterator entry);
    bool Persist(Cache::iterator entry);
    // Drops the least recently used clean files beyond the cache's size, never keep.
    void Evict(Cache::iterator keep);
    void Forget(Cache::iterator entry);

    ProfileFileSystem& files_;
    Cache cache_;
    std::uint64_t useCounter_ = 0;
    int batchDepth_ = 0;
    std::uint64_t batchSerial_ = 0;                 // numbers the outermost batches from 1
    std::map<std::string, std::string> batchPaths_; // full paths resolved in this batch
    // The file the last call of this batch loaded, by the name the caller
    // gave: a command reads one plan hundreds of times in a row.
    std::string lastName_;
    Cache::iterator last_ = cache_.end();
};
