// A process killed in the middle of writing leaves the old or the new file,
// never a torn one: a child writes complete versions through the engine
// without pause and is killed with SIGKILL at arbitrary moments.
#ifndef _WIN32

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <string>
#include <thread>

#include "ini/profile_engine.h"
#include "tests/support/temp_folder.h"

namespace {

// Version v of the file holds letter 'a'+v, repeated a length that belongs to
// that letter, so a mix of two versions or a cut version is recognisable.
std::string ValueOf(int version)
{
    const int letter = version % 26;
    return std::string(20000 + letter * 1000, static_cast<char>('a' + letter));
}

bool IsCompleteVersion(const std::string& bytes)
{
    return bytes.size() > 7 && bytes[7] >= 'a' && bytes[7] <= 'z' &&
           bytes == "[s]\r\nk=" + ValueOf(bytes[7] - 'a') + "\r\n";
}

// Writes versions first, first+1, ... and tells the parent through the pipe
// once the first one is on disk, so that every round really writes.
[[noreturn]] void WriteForever(const std::string& file, int first, int ready)
{
    ProfileEngine engine;
    engine.WriteString("s", "k", ValueOf(first).c_str(), file.c_str());
    const char byte = 1;
    if (write(ready, &byte, 1) != 1)
        _exit(1);
    for (int version = first + 1;; ++version)
        engine.WriteString("s", "k", ValueOf(version).c_str(), file.c_str());
}

TEST(ProfileCrash, KilledWriterLeavesACompleteFile)
{
    TempFolder folder;
    std::string file = folder.File("plan.SW");
    ProfileEngine engine;
    ASSERT_TRUE(engine.WriteString("s", "k", ValueOf(0).c_str(), file.c_str()));
    std::mt19937 random(20240601); // fixed: the same moments on every run
    std::uniform_int_distribution<int> delay(0, 15000);
    int roundsThatChangedTheFile = 0;
    std::string previous = ReadBytes(file);
    for (int round = 0; round < 40; ++round) {
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        pid_t child = fork();
        ASSERT_GE(child, 0);
        // Each round starts on another letter than the one before.
        if (child == 0)
            WriteForever(file, round * 27 + 1, ready[1]);
        char byte = 0;
        ASSERT_EQ(read(ready[0], &byte, 1), 1);
        close(ready[0]);
        close(ready[1]);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));
        std::string bytes = ReadBytes(file);
        ASSERT_TRUE(IsCompleteVersion(bytes)) << "round " << round << ": " << bytes.size() << " bytes";
        if (bytes != previous)
            ++roundsThatChangedTheFile;
        previous = bytes;
    }
    EXPECT_GT(roundsThatChangedTheFile, 10) << "the writers must really have been writing";
    // Temporary files left by the killed writers do not stand in the way.
    EXPECT_TRUE(engine.WriteString("s", "k", ValueOf(3).c_str(), file.c_str()));
    EXPECT_TRUE(IsCompleteVersion(ReadBytes(file)));
}

} // namespace

#endif
