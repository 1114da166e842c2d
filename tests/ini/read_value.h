#pragma once
// A value read through a profile store, as many bytes as the call returns;
// "<default>" where the key is missing.
#include <string>

#include "ini/profile_store.h"

inline std::string ReadValue(ProfileStore& store, const std::string& file, const char* section, const char* key)
{
    char buffer[64];
    const unsigned length = store.ReadString(section, key, "<default>", buffer, sizeof buffer, file.c_str());
    return std::string(buffer, length);
}
