// Temporary files that killed writers left beside a file: the engine's first
// look at the file removes those whose writer is gone and nothing else.
#include <gtest/gtest.h>

#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

#include "ini/profile_engine.h"
#include "tests/support/temp_folder.h"

namespace {

struct StaleCase {
    std::string name;
    bool removed;
};

TEST(StaleTemporaries, FirstLookRemovesOnlyThoseOfEndedWriters)
{
    TempFolder folder;
#ifdef _WIN32
    const std::string own = std::to_string(GetCurrentProcessId());
#else
    const std::string own = std::to_string(getpid());
#endif
    // No process has this id: beyond the largest Linux hands out (2^22), and
    // Windows answers ERROR_INVALID_PARAMETER for it.
    const std::string ended = "99999996";
    const StaleCase cases[] = {
        {"plan.SW." + ended + ".tmp", true},
        {"plan.SW." + own + ".tmp", false}, // a writer that still runs
        {"plan.SW.abc.tmp", false},
        {"plan.SW.0" + ended + ".tmp", false},
        {"plan.SW." + ended + ".tmp.bak", false},
        {"plan.SW..tmp", false},
        {"plan.SW", false},
        {"other.SW." + ended + ".tmp", false}, // another file's
    };
    for (const StaleCase& c : cases)
        WriteBytes(folder.File(c.name), "[s]\r\nk=1\r\n");

    ProfileEngine engine;
    EXPECT_EQ(engine.ReadInt("s", "k", 0, folder.File("plan.SW").c_str()), 1u);

    for (const StaleCase& c : cases)
        EXPECT_EQ(ReadBytes(folder.File(c.name)) == "<missing>", c.removed) << c.name;
}

} // namespace
