// A process killed in the middle of writing leaves the old or the new file,
// never a torn one: a child writes complete versions through the engine
// without pause and is killed with SIGKILL at arbitrary moments.
#ifndef _WIN32

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "ini/profile_engine.h"
#include "tests/support/temp_folder.h"

namespace {

// Version v holds letter 'a'+v%26 a length that belongs to that letter, so a
// mix of two versions or a cut version is recognisable.
std::string ValueOf(int version)
{
    const int letter = version % 26;
    return std::string(20000 + letter * 1000, static_cast<char>('a' + letter));
}

TEST(ProfileCrash, KilledWriterLeavesACompleteFile)
{
    TempFolder folder;
    const std::string file = folder.File("plan.SW");
    WriteBytes(file, "[s]\r\nk=" + ValueOf(0) + "\r\n");
    int changes = 0;
    std::string previous = ReadBytes(file);
    // Kill moments in microseconds after the start, the child's start-up included.
    for (int delay = 1000; delay < 41000; delay += 1000) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ProfileEngine engine;
            for (int version = delay;; ++version)
                engine.WriteString("s", "k", ValueOf(version).c_str(), file.c_str());
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delay));
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        const std::string bytes = ReadBytes(file);
        ASSERT_TRUE(bytes.size() > 7 && bytes == "[s]\r\nk=" + ValueOf(bytes[7] - 'a') + "\r\n")
            << delay << ": " << bytes.size() << " bytes";
        changes += bytes != previous;
        previous = bytes;
    }
    EXPECT_GT(changes, 10) << "the writers must really have been writing";
}

} // namespace

#endif
