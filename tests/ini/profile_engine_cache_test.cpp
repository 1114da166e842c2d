// The engine's cache and batches, observed through a file system that counts
// reads and replacements, and writes that cannot reach the disk.
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>

#ifdef _WIN32
#include <windows.h>

#include <thread>
#else
#include <unistd.h>
#endif

#include "ini/profile_batch.h"
#include "ini/profile_engine.h"
#include "tests/ini/counting_file_system.h"
#include "tests/ini/read_value.h"
#include "tests/support/temp_folder.h"

namespace {

class EngineCache : public ::testing::Test {
protected:
    TempFolder folder;
    std::string file = folder.File("cache.ini");
    CountingFileSystem files;
    ProfileEngine engine{files};
};

TEST_F(EngineCache, FileIsReadOnceAndWrittenOncePerChangeOrBatch)
{
    WriteBytes(file, "[s]\r\na=1\r\nb=2\r\n");
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(ReadValue(engine, file, "s", "a"), "1");
        EXPECT_EQ(engine.ReadInt("s", "b", 0, file.c_str()), 2u);
    }
    EXPECT_TRUE(engine.WriteString("s", "a", "1", file.c_str()));
    EXPECT_TRUE(engine.DeleteKey("s", "missing", file.c_str()));
    EXPECT_TRUE(engine.DeleteSection("missing", file.c_str()));
    EXPECT_EQ(files.replacements, 0) << "unchanged values are not written";
    EXPECT_TRUE(engine.WriteString("s", "a", "2", file.c_str()));
    EXPECT_EQ(ReadValue(engine, file, "s", "a"), "2");
    EXPECT_EQ(files.reads, 1) << "own writes need no re-read";
    EXPECT_EQ(files.replacements, 1) << "outside a batch every change is written at once";
    std::string second = folder.File("second.ini");
    {
        ProfileBatch outer(engine);
        for (int day = 1; day <= 31; ++day) {
            std::string section = std::to_string(day) + "/0";
            ProfileBatch inner(engine);
            EXPECT_TRUE(engine.WriteString(section.c_str(), "Day", std::to_string(day).c_str(), file.c_str()));
            EXPECT_TRUE(engine.WriteString(section.c_str(), "Info", "x", file.c_str()));
        }
        EXPECT_TRUE(engine.DeleteKey("3/0", "Info", file.c_str()));
        EXPECT_TRUE(engine.WriteString("s", "a", "2", second.c_str()));
        EXPECT_EQ(files.replacements, 1);
        EXPECT_EQ(ReadValue(engine, file, "31/0", "Day"), "31") << "reads inside a batch see its changes";
        EXPECT_EQ(ReadValue(engine, file, "3/0", "Info"), "<default>");
        EXPECT_TRUE(outer.End());
        EXPECT_TRUE(outer.End()) << "a second End changes nothing";
    }
    EXPECT_EQ(files.replacements, 3);
    EXPECT_EQ(ReadBytes(second), "[s]\r\na=2\r\n");
    ProfileEngine fresh;
    EXPECT_EQ(ReadValue(fresh, file, "17/0", "Day"), "17");
    EXPECT_EQ(ReadValue(fresh, file, "3/0", "Info"), "<default>");
    std::filesystem::directory_iterator entries(folder.path());
    EXPECT_EQ(std::distance(entries, std::filesystem::directory_iterator()), 2) << "no temporary file is left";
}

TEST_F(EngineCache, OutsideChangesAreSeenByTheNextCall)
{
    WriteBytes(file, "[s]\r\na=22\r\n");
    EXPECT_EQ(ReadValue(engine, file, "s", "a"), "22");
    // Same size, written at once: the replaced file is another file.
    std::string other = folder.File("other.ini");
    WriteBytes(other, "[s]\r\na=33\r\n");
    std::filesystem::rename(other, file);
    EXPECT_EQ(ReadValue(engine, file, "s", "a"), "33");
    // Changed in place within the time's granularity: seen after Recheck,
    // which a command does once it holds the lock.
    const auto time = std::filesystem::last_write_time(file);
    WriteBytes(file, "[s]\r\na=44\r\n");
    std::filesystem::last_write_time(file, time);
    engine.Recheck();
    EXPECT_EQ(ReadValue(engine, file, "s", "a"), "44");
    std::filesystem::remove(file);
    EXPECT_EQ(ReadValue(engine, file, "s", "a"), "<default>");
}

// A failed write leaves the file with its old contents and the engine
// forgets the unwritten change, so that every later read answers what the
// file says; the failed file is remembered for the user's message.
namespace fs = std::filesystem;

// Made by the file system, by the file's mode, by removing the folder.
enum class Failure { DiskFull, ReadOnlyFile, VanishedFolder };

TEST(EngineFailure, FailedWritesLeaveFileAndReadsAsTheyWere)
{
    for (Failure failure : {Failure::DiskFull, Failure::ReadOnlyFile, Failure::VanishedFolder}) {
        SCOPED_TRACE(static_cast<int>(failure));
#ifndef _WIN32
        if (failure == Failure::ReadOnlyFile && ::geteuid() == 0)
            continue; // file modes deny root nothing on POSIX
#endif
        TempFolder folder;
        const fs::path sub = folder.path() / "plans";
        fs::create_directories(sub);
        const std::string file = (sub / "plan.ini").string();
        WriteBytes(file, "[s]\r\na=1\r\n[t]\r\nb=2\r\n");
        CountingFileSystem files;
        ProfileEngine engine(files);
        ASSERT_EQ(ReadValue(engine, file, "s", "a"), "1");

        files.failWrites = failure == Failure::DiskFull;
        if (failure == Failure::ReadOnlyFile)
            fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        if (failure == Failure::VanishedFolder)
            fs::remove_all(sub);
        const std::string before = ReadBytes(file);
        const bool vanished = failure == Failure::VanishedFolder;

        EXPECT_FALSE(engine.WriteString("s", "a", "2", file.c_str()));
        EXPECT_EQ(ReadValue(engine, file, "s", "a"), vanished ? "<default>" : "1");
        {
            ProfileBatch batch(engine);
            EXPECT_TRUE(engine.WriteString("s", "a", "3", file.c_str()));
            EXPECT_TRUE(engine.DeleteSection("t", file.c_str()));
            EXPECT_EQ(ReadValue(engine, file, "s", "a"), "3") << "the batch sees its own change";
            EXPECT_FALSE(batch.End());
        }
        EXPECT_EQ(ReadBytes(file), before);
        EXPECT_EQ(ReadValue(engine, file, "s", "a"), vanished ? "<default>" : "1");
        EXPECT_EQ(ReadValue(engine, file, "t", "b"), vanished ? "<default>" : "2");
        EXPECT_EQ(engine.TakeFailedFile(), file) << "the first failure of the command";
        EXPECT_EQ(engine.TakeFailedFile(), "") << "told once";

        // Repaired, the next change is written on top of the old contents.
        files.failWrites = false;
        fs::create_directories(sub);
        if (!vanished)
            fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
        EXPECT_TRUE(engine.WriteString("s", "c", "4", file.c_str()));
        EXPECT_EQ(ReadBytes(file), vanished ? "[s]\r\nc=4\r\n" : "[s]\r\na=1\r\nc=4\r\n[t]\r\nb=2\r\n");
        EXPECT_EQ(engine.TakeFailedFile(), "");
    }
}

#ifdef _WIN32
// Another program reading the file (a virus scanner, a backup) holds it open
// without sharing its deletion: a change waits for it to let go, within about
// a second, and fails as any failed write beyond that.
TEST(EngineFailure, WriteWaitsForAReaderToLetGo)
{
    for (const DWORD heldMs : {100u, 3000u}) {
        SCOPED_TRACE(heldMs);
        TempFolder folder;
        const std::string file = folder.File("plan.ini");
        WriteBytes(file, "[s]\r\na=1\r\n");
        ProfileEngine engine;
        ASSERT_EQ(ReadValue(engine, file, "s", "a"), "1");
        HANDLE reader = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(reader, INVALID_HANDLE_VALUE);
        std::thread release([&] {
            Sleep(heldMs);
            CloseHandle(reader);
        });
        const bool written = engine.WriteString("s", "a", "2", file.c_str());
        release.join();
        EXPECT_EQ(written, heldMs < 1000);
        EXPECT_EQ(ReadBytes(file), heldMs < 1000 ? "[s]\r\na=2\r\n" : "[s]\r\na=1\r\n");
        EXPECT_EQ(engine.TakeFailedFile(), heldMs < 1000 ? "" : file);
    }
}
#endif

} // namespace
