#pragma once
// Which private-profile implementation a run uses: the portable engine, or
// on Windows, for comparing the two, the system's own functions.
#include <memory>

#include "ini/profile_store.h"

bool SystemProfileAvailable();
std::unique_ptr<ProfileStore> MakeProfileStore(bool system);
