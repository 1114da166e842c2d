#pragma once
// The Win32 private-profile functions themselves behind the ProfileStore
// interface. Batches are ignored: the system writes every change at once.
#include "ini/profile_store.h"

class SystemProfileStore final : public ProfileStore {
public:
    unsigned ReadString(const char* section, const char* key, const char* defaultValue, char* buffer, unsigned size,
                        const char* file) override;
    unsigned ReadInt(const char* section, const char* key, int defaultValue, const char* file) override;
    bool WriteString(const char* section, const char* key, const char* value, const char* file) override;
    bool DeleteKey(const char* section, const char* key, const char* file) override;
    bool DeleteSection(const char* section, const char* file) override;

private:
    // WritePrivateProfileStringA, noting the file when it fails.
    bool Write(const char* section, const char* key, const char* value, const char* file);
};
