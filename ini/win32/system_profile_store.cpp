#include "ini/win32/system_profile_store.h"

#include <windows.h>

unsigned SystemProfileStore::ReadString(const char* section, const char* key, const char* defaultValue, char* buffer,
                                        unsigned size, const char* file)
{
    return GetPrivateProfileStringA(section, key, defaultValue, buffer, size, file);
}

unsigned SystemProfileStore::ReadInt(const char* section, const char* key, int defaultValue, const char* file)
{
    return GetPrivateProfileIntA(section, key, defaultValue, file);
}

bool SystemProfileStore::Write(const char* section, const char* key, const char* value, const char* file)
{
    if (WritePrivateProfileStringA(section, key, value, file))
        return true;
    // A null section is a wrong call, not a file that could not be written.
    if (section)
        NoteFailedFile(file ? file : "");
    return false;
}

bool SystemProfileStore::WriteString(const char* section, const char* key, const char* value, const char* file)
{
    return Write(section, key, value, file);
}

bool SystemProfileStore::DeleteKey(const char* section, const char* key, const char* file)
{
    return Write(section, key, nullptr, file);
}

bool SystemProfileStore::DeleteSection(const char* section, const char* file)
{
    return Write(section, nullptr, nullptr, file);
}
