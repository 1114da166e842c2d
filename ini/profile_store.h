#pragma once
// The private-profile functions on a named file: the one way the core reads
// and writes settings and month plans. Two backends implement it: the portable
// engine (every build) and the Win32 system functions (Windows builds only).
#include <string>
#include <utility>

class ProfileStore {
public:
    virtual ~ProfileStore() = default;

    // GetPrivateProfileStringA: copies at most size-1 characters and a
    // terminator; returns the number of characters copied.
    virtual unsigned ReadString(const char* section, const char* key, const char* defaultValue, char* buffer,
                                unsigned size, const char* file) = 0;
    // GetPrivateProfileIntA: the unsigned 32-bit result.
    virtual unsigned ReadInt(const char* section, const char* key, int defaultValue, const char* file) = 0;
    // WritePrivateProfileStringA with a non-null key and value.
    virtual bool WriteString(const char* section, const char* key, const char* value, const char* file) = 0;
    // WritePrivateProfileStringA with a null value.
    virtual bool DeleteKey(const char* section, const char* key, const char* file) = 0;
    // WritePrivateProfileStringA with a null key.
    virtual bool DeleteSection(const char* section, const char* file) = 0;

    // A batch (see ProfileBatch) keeps changes in memory until the outermost
    // batch ends, which writes each changed file once. Batches nest. Backends
    // that write through at once ignore them.
    virtual void BeginBatch() {}
    // Ends one level; false when writing a changed file failed at the end of
    // the outermost batch (those files then keep their old contents).
    virtual bool EndBatch() { return true; }
    // Whether a batch is open, with changes that may not be written yet.
    virtual bool InBatch() const { return false; }

    // Another process may have changed the files since they were last read
    // (it held the command lock meanwhile): the next look at each file must
    // see its contents as they are now, even when a change kept the file's
    // size and time (times are coarse). Backends that read the disk on every
    // call ignore it.
    virtual void Recheck() {}

    // The first file that kept its old contents against a change since the
    // last call, or empty; the end of a user command asks, to tell the user
    // once however many writes of the command failed.
    std::string TakeFailedFile() { return std::exchange(failedFile_, std::string()); }

protected:
    void NoteFailedFile(const std::string& file)
    {
        if (failedFile_.empty())
            failedFile_ = file;
    }

private:
    std::string failedFile_;
};
