#include "cli/profile_backend.h"

#include "ini/profile_engine.h"
#include "ini/win32/system_profile_store.h"

bool SystemProfileAvailable()
{
    return true;
}

std::unique_ptr<ProfileStore> MakeProfileStore(bool system)
{
    if (system)
        return std::make_unique<SystemProfileStore>();
    return std::make_unique<ProfileEngine>();
}
