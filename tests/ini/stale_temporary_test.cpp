// Temporary files that killed writers left beside a file: the engine's first
// look at the file removes those whose writer is gone and nothing else.
#include <gtest/gtest.h>

#include <set>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "ini/profile_engine.h"
#include "tests/support/temp_folder.h"

namespace {

unsigned long OwnProcessId()
{
#ifdef _WIN32
    return GetCurrentProcessId();
#else
    return static_cast<unsigned long>(getpid());
#endif
}

// The id of a process that has ended: a child that never ran a line.
unsigned long EndedProcessId()
{
#ifdef _WIN32
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    if (!CreateProcessA(self, nullptr, nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr, &startup, &child))
        return 0;
    TerminateProcess(child.hProcess, 1);
    WaitForSingleObject(child.hProcess, INFINITE);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    return child.dwProcessId;
#else
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    waitpid(child, nullptr, 0);
    return static_cast<unsigned long>(child);
#endif
}

struct StaleCase {
    std::string name;
    bool removed;
};

TEST(StaleTemporaries, FirstLookRemovesOnlyThoseOfEndedWriters)
{
    TempFolder folder;
    const std::string own = std::to_string(OwnProcessId());
    const std::string ended = std::to_string(EndedProcessId());
    ASSERT_NE(ended, "0");
    const StaleCase cases[] = {
        {"plan.SW." + ended + ".tmp", true},
        {"plan.SW." + own + ".tmp", false}, // a writer that still runs
        {"plan.SW.abc.tmp", false},
        {"plan.SW.0" + ended + ".tmp", false},
        {"plan.SW." + ended + ".tmp.bak", false},
        {"plan.SW." + ended + ".TMPX", false},
        {"plan.SW.tmp", false},
        {"plan.SW..tmp", false},
        {"other.SW." + ended + ".tmp", false}, // another file's
        {"xplan.SW." + ended + ".tmp", false},
        {"plan.SW", false},
    };
    for (const StaleCase& c : cases)
        WriteBytes(folder.File(c.name), "[s]\r\nk=1\r\n");

    ProfileEngine engine;
    EXPECT_EQ(engine.ReadInt("s", "k", 0, folder.File("plan.SW").c_str()), 1u);

    for (const StaleCase& c : cases)
        EXPECT_EQ(ReadBytes(folder.File(c.name)) == "<missing>", c.removed) << c.name;
}

} // namespace
