// Writes that cannot reach the disk: the file keeps its old contents, the
// engine forgets the unwritten change, so that every later read answers what
// the file says, and the failed file is remembered for the user's message.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "ini/profile_batch.h"
#include "ini/profile_engine.h"
#include "tests/ini/counting_file_system.h"
#include "tests/ini/read_value.h"
#include "tests/support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

// Made by the file system, by file and folder modes, by removing the folder.
enum class Failure { DiskFull, ReadOnlyFile, ReadOnlyFolder, VanishedFolder };

// Whether the failure can be made here: read-only modes deny root nothing
// on POSIX; on Windows a file's read-only attribute counts, a folder's not.
bool CanFail(Failure failure)
{
    if (failure != Failure::ReadOnlyFile && failure != Failure::ReadOnlyFolder)
        return true;
#ifdef _WIN32
    return failure == Failure::ReadOnlyFile;
#else
    return ::geteuid() != 0;
#endif
}

TEST(EngineFailure, FailedWritesLeaveFileAndReadsAsTheyWere)
{
    for (Failure failure :
         {Failure::DiskFull, Failure::ReadOnlyFile, Failure::ReadOnlyFolder, Failure::VanishedFolder}) {
        SCOPED_TRACE(static_cast<int>(failure));
        if (!CanFail(failure))
            continue;
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
        if (failure == Failure::ReadOnlyFolder)
            fs::permissions(sub, fs::perms::owner_read | fs::perms::owner_exec);
        if (failure == Failure::VanishedFolder)
            fs::remove_all(sub);
        const std::string before = ReadBytes(file);

        EXPECT_FALSE(engine.WriteString("s", "a", "2", file.c_str()));
        EXPECT_EQ(ReadValue(engine, file, "s", "a"), failure == Failure::VanishedFolder ? "<default>" : "1");
        {
            ProfileBatch batch(engine);
            EXPECT_TRUE(engine.WriteString("s", "a", "3", file.c_str()));
            EXPECT_TRUE(engine.DeleteSection("t", file.c_str()));
            EXPECT_EQ(ReadValue(engine, file, "s", "a"), "3") << "the batch sees its own change";
            EXPECT_FALSE(batch.End());
        }
        EXPECT_EQ(ReadBytes(file), before);
        EXPECT_EQ(ReadValue(engine, file, "s", "a"), failure == Failure::VanishedFolder ? "<default>" : "1");
        EXPECT_EQ(ReadValue(engine, file, "t", "b"), failure == Failure::VanishedFolder ? "<default>" : "2");
        EXPECT_EQ(engine.TakeFailedFile(), file) << "the first failure of the command";
        EXPECT_EQ(engine.TakeFailedFile(), "") << "told once";

        // Repaired, the next change is written on top of the old contents.
        files.failWrites = false;
        fs::create_directories(sub);
        fs::permissions(sub, fs::perms::owner_all);
        if (fs::exists(file))
            fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
        EXPECT_TRUE(engine.WriteString("s", "c", "4", file.c_str()));
        EXPECT_EQ(ReadBytes(file),
                  failure == Failure::VanishedFolder ? "[s]\r\nc=4\r\n" : "[s]\r\na=1\r\nc=4\r\n[t]\r\nb=2\r\n");
        EXPECT_EQ(engine.TakeFailedFile(), "");
    }
}

} // namespace
