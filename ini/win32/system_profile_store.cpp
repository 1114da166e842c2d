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

bool SystemProfileStore::WriteString(const char* section, const char* key, const char* value, const char* file)
{
    return WritePrivateProfileStringA(section, key, value, file) != FALSE;
}

bool SystemProfileStore::DeleteKey(const char* section, const char* key, const char* file)
{
    return WritePrivateProfileStringA(section, key, nullptr, file) != FALSE;
}

bool SystemProfileStore::DeleteSection(const char* section, const char* file)
{
    return WritePrivateProfileStringA(section, nullptr, nullptr, file) != FALSE;
}
