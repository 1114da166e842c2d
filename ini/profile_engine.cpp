#include "ini/profile_engine.h"

#include <cstring>
#include <iterator>

#include "ini/profile_values.h"

namespace {

// Enough for a month plan, the previous one and the settings, with room.
constexpr std::size_t kCachedFiles = 16;

// GetPrivateProfileIntA reads the value through a buffer of this size.
constexpr unsigned kIntTextSize = 30;

} // namespace

std::string ProfileEngine::FullPathOf(const char* file)
{
    const std::string path = file ? file : "";
    if (batchDepth_ == 0)
        return files_.FullPath(path);
    auto known = batchPaths_.find(path);
    if (known == batchPaths_.end())
        known = batchPaths_.emplace(path, files_.FullPath(path)).first;
    return known->second;
}

ProfileEngine::Cache::iterator ProfileEngine::Load(const char* file)
{
    // The same name in the same batch is the same file, already compared
    // with the disk once (see below).
    if (batchDepth_ > 0 && last_ != cache_.end() && std::strcmp(lastName_.c_str(), file ? file : "") == 0) {
        last_->second.lastUse = ++useCounter_;
        return last_;
    }
    std::string fullPath = FullPathOf(file);
    auto entry = cache_.find(fullPath);
    // Inside a batch the changed document is the truth, whatever the disk
    // says, and a file looked at once in the batch is not looked at again:
    // a batch is one user command, which reads the same keys many times.
    const bool checkedInBatch = entry != cache_.end() && batchDepth_ > 0 && entry->second.batch == batchSerial_;
    // A file this process has not looked at yet (or no longer remembers)
    // may have temporary files beside it from a writer killed before its
    // rename; they are cleared before the file is used.
    if (entry == cache_.end())
        files_.RemoveStaleTemporaries(fullPath);
    if (entry == cache_.end() || (!entry->second.dirty && !checkedInBatch)) {
        FileStamp stamp = files_.Stamp(fullPath);
        const bool recheck = entry != cache_.end() && entry->second.recheck;
        if (entry == cache_.end() || entry->second.stamp != stamp || recheck) {
            std::string bytes;
            if (!stamp.exists || !files_.ReadAll(fullPath, bytes))
                bytes.clear();
            CachedFile& cached = cache_[fullPath];
            if (!recheck || bytes != cached.bytes) {
                cached.document = ProfileDocument::Parse(bytes);
                cached.bytes = std::move(bytes);
            }
            cached.stamp = stamp;
            cached.dirty = false;
            cached.recheck = false;
            entry = cache_.find(fullPath);
        }
    }
    entry->second.batch = batchDepth_ > 0 ? batchSerial_ : 0;
    entry->second.lastUse = ++useCounter_;
    Evict(entry);
    if (batchDepth_ > 0) {
        lastName_ = file ? file : "";
        last_ = entry;
    }
    return entry;
}

void ProfileEngine::Forget(Cache::iterator entry)
{
    if (entry == last_)
        last_ = cache_.end();
    cache_.erase(entry);
}

void ProfileEngine::Evict(Cache::iterator keep)
{
    while (cache_.size() > kCachedFiles) {
        auto oldest = cache_.end();
        for (auto it = cache_.begin(); it != cache_.end(); ++it) {
            if (it != keep && !it->second.dirty &&
                (oldest == cache_.end() || it->second.lastUse < oldest->second.lastUse))
                oldest = it;
        }
        if (oldest == cache_.end())
            return;
        Forget(oldest);
    }
}

bool ProfileEngine::Persist(Cache::iterator entry)
{
    const std::string& fullPath = entry->first;
    std::string bytes = entry->second.document.Serialize();
    if (!files_.ReplaceAtomically(fullPath, bytes)) {
        // The cached document holds a change the disk does not: forget it,
        // so the next call reads what is really there.
        NoteFailedFile(fullPath);
        Forget(entry);
        return false;
    }
    entry->second.stamp = files_.Stamp(fullPath);
    entry->second.bytes = std::move(bytes);
    entry->second.dirty = false;
    return true;
}

bool ProfileEngine::Changed(Cache::iterator entry)
{
    if (batchDepth_ > 0) {
        entry->second.dirty = true;
        return true;
    }
    return Persist(entry);
}

unsigned ProfileEngine::ReadString(const char* section, const char* key, const char* defaultValue, char* buffer,
                                   unsigned size, const char* file)
{
    if (size == 0 || !buffer)
        return 0;
    auto entry = Load(file);
    const ProfileDocument& document = entry->second.document;
    if (!section)
        return CopyProfileNameList(document.SectionNames(), buffer, size);
    if (!key)
        return CopyProfileNameList(document.KeyNames(section), buffer, size);
    // An empty section or key name never matches, not even the lines before
    // the first header.
    if (*section && *key) {
        if (auto value = document.FindValue(section, key))
            return CopyProfileValue(*value, buffer, size);
    }
    return CopyProfileDefault(defaultValue, buffer, size);
}

unsigned ProfileEngine::ReadInt(const char* section, const char* key, int defaultValue, const char* file)
{
    // The value as ReadString would copy it into a buffer of kIntTextSize,
    // read from the document without the copy. Empty names match nothing.
    if (!section || !key || !*section || !*key)
        return static_cast<unsigned>(defaultValue);
    const auto value = Load(file)->second.document.FindValue(section, key);
    if (!value)
        return static_cast<unsigned>(defaultValue);
    std::string_view text = UnquoteProfileValue(*value).substr(0, kIntTextSize - 1);
    if (text.empty())
        return static_cast<unsigned>(defaultValue);
    return ParseProfileInt(text.substr(0, text.find('\0'))); // a buffer's text ends at its first zero
}

bool ProfileEngine::WriteString(const char* section, const char* key, const char* value, const char* file)
{
    if (!section)
        return false;
    if (!key)
        return DeleteSection(section, file);
    if (!value)
        return DeleteKey(section, key, file);
    auto entry = Load(file);
    if (!entry->second.document.SetValue(section, key, value))
        return true;
    return Changed(entry);
}

bool ProfileEngine::DeleteKey(const char* section, const char* key, const char* file)
{
    if (!section)
        return false;
    if (!key)
        return DeleteSection(section, file);
    auto entry = Load(file);
    if (!entry->second.document.DeleteKey(section, key))
        return true;
    return Changed(entry);
}

bool ProfileEngine::DeleteSection(const char* section, const char* file)
{
    if (!section)
        return false;
    auto entry = Load(file);
    if (!entry->second.document.DeleteSection(section))
        return true;
    return Changed(entry);
}

void ProfileEngine::BeginBatch()
{
    if (batchDepth_++ == 0)
        ++batchSerial_;
}

bool ProfileEngine::EndBatch()
{
    if (batchDepth_ == 0)
        return true;
    if (--batchDepth_ > 0)
        return true;
    batchPaths_.clear();
    last_ = cache_.end();
    bool written = true;
    for (auto it = cache_.begin(); it != cache_.end();) {
        auto next = std::next(it);
        if (it->second.dirty && !Persist(it))
            written = false;
        it = next;
    }
    Evict(cache_.end());
    return written;
}

void ProfileEngine::Recheck()
{
    // Also inside a batch: a file already looked at in it is looked at again.
    last_ = cache_.end();
    for (auto& entry : cache_) {
        entry.second.recheck = !entry.second.dirty;
        entry.second.batch = 0;
    }
}
