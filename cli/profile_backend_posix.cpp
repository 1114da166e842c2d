#include "cli/profile_backend.h"

#include "core/profile_engine.h"

bool SystemProfileAvailable()
{
    return false;
}

std::unique_ptr<ProfileStore> MakeProfileStore(bool)
{
    return std::make_unique<ProfileEngine>();
}
