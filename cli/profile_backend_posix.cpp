#include "cli/profile_backend.h"

#include "ini/profile_engine.h"

bool SystemProfileAvailable()
{
    return false;
}

std::unique_ptr<ProfileStore> MakeProfileStore(bool)
{
    return std::make_unique<ProfileEngine>();
}
