// The engine's cache, batches and failure handling, observed through a file
// system that counts reads and replacements and can be told to fail.
#include <gtest/gtest.h>

#include <string>

#include "core/profile_batch.h"
#include "core/profile_engine.h"
#include "tests/core/temp_folder.h"

namespace {

class CountingFileSystem final : public ProfileFileSystem {
public:
    std::string FullPath(const std::string& path) override { return real_.FullPath(path); }
    FileStamp Stamp(const std::string& fullPath) override { return real_.Stamp(fullPath); }
    bool ReadAll(const std::string& fullPath, std::string& bytes) override
    {
        ++reads;
        return real_.ReadAll(fullPath, bytes);
    }
    bool ReplaceAtomically(const std::string& fullPath, const std::string& bytes) override
    {
        ++replacements;
        return !failWrites && real_.ReplaceAtomically(fullPath, bytes);
    }

    int reads = 0;
    int replacements = 0;
    bool failWrites = false;

private:
    ProfileFileSystem& real_ = DefaultProfileFileSystem();
};

std::string Read(ProfileStore& store, const std::string& file, const char* key, const char* section = "s")
{
    char buffer[64];
    unsigned length = store.ReadString(section, key, "<default>", buffer, sizeof buffer, file.c_str());
    return std::string(buffer, length);
}

class EngineCache : public ::testing::Test {
protected:
    TempFolder folder;
    std::string file = folder.File("cache.ini");
    CountingFileSystem files;
    ProfileEngine engine{files};
};

TEST_F(EngineCache, UnchangedFileIsParsedOnce)
{
    WriteBytes(file, "[s]\r\na=1\r\nb=2\r\n");
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(Read(engine, file, "a"), "1");
        EXPECT_EQ(engine.ReadInt("s", "b", 0, file.c_str()), 2u);
    }
    EXPECT_EQ(files.reads, 1);
}

TEST_F(EngineCache, OwnWritesNeedNoReread)
{
    WriteBytes(file, "[s]\r\na=1\r\n");
    EXPECT_TRUE(engine.WriteString("s", "a", "2", file.c_str()));
    EXPECT_TRUE(engine.WriteString("s", "b", "3", file.c_str()));
    EXPECT_EQ(Read(engine, file, "a"), "2");
    EXPECT_EQ(files.reads, 1);
}

TEST_F(EngineCache, OutsideChangeIsSeenByTheNextCall)
{
    WriteBytes(file, "[s]\r\na=1\r\n");
    EXPECT_EQ(Read(engine, file, "a"), "1");
    WriteBytes(file, "[s]\r\na=22\r\n");
    EXPECT_EQ(Read(engine, file, "a"), "22");
    // Same size, written at once: the replaced file is another file.
    std::string other = folder.File("other.ini");
    WriteBytes(other, "[s]\r\na=33\r\n");
    std::filesystem::rename(other, file);
    EXPECT_EQ(Read(engine, file, "a"), "33");
    std::filesystem::remove(file);
    EXPECT_EQ(Read(engine, file, "a"), "<default>");
}

TEST_F(EngineCache, OutsideChangeIsKeptByTheNextWrite)
{
    WriteBytes(file, "[s]\r\na=1\r\n");
    EXPECT_EQ(Read(engine, file, "a"), "1");
    WriteBytes(file, "[s]\r\na=1\r\nz=outside\r\n");
    EXPECT_TRUE(engine.WriteString("s", "a", "2", file.c_str()));
    EXPECT_EQ(ReadBytes(file), "[s]\r\na=2\r\nz=outside\r\n");
}

TEST_F(EngineCache, IdenticalValueWritesNothing)
{
    WriteBytes(file, "[s]\r\na=1\r\n");
    EXPECT_TRUE(engine.WriteString("s", "a", "1", file.c_str()));
    EXPECT_TRUE(engine.DeleteKey("s", "missing", file.c_str()));
    EXPECT_TRUE(engine.DeleteSection("missing", file.c_str()));
    EXPECT_EQ(files.replacements, 0);
}

TEST_F(EngineCache, BatchWritesOnceAtTheOutermostEnd)
{
    {
        ProfileBatch outer(engine);
        for (int day = 1; day <= 31; ++day) {
            std::string section = std::to_string(day) + "/0";
            ProfileBatch inner(engine);
            EXPECT_TRUE(engine.WriteString(section.c_str(), "Day", std::to_string(day).c_str(), file.c_str()));
            EXPECT_TRUE(engine.WriteString(section.c_str(), "Info", "x", file.c_str()));
        }
        EXPECT_TRUE(engine.DeleteKey("3/0", "Info", file.c_str()));
        EXPECT_EQ(files.replacements, 0);
        EXPECT_EQ(ReadBytes(file), "<missing>");
        EXPECT_EQ(Read(engine, file, "Day", "31/0"), "31") << "reads inside a batch see its changes";
        EXPECT_EQ(Read(engine, file, "Info", "3/0"), "<default>");
    }
    EXPECT_EQ(files.replacements, 1);
    ProfileEngine fresh;
    EXPECT_EQ(Read(fresh, file, "Day", "17/0"), "17");
    EXPECT_EQ(Read(fresh, file, "Info", "3/0"), "<default>");
    EXPECT_TRUE(engine.WriteString("1/0", "Day", "9", file.c_str()));
    EXPECT_EQ(files.replacements, 2) << "outside a batch every change is written at once";
}

TEST_F(EngineCache, BatchCoversSeveralFiles)
{
    std::string second = folder.File("second.ini");
    {
        ProfileBatch batch(engine);
        engine.WriteString("s", "a", "1", file.c_str());
        engine.WriteString("s", "a", "2", second.c_str());
        engine.WriteString("s", "b", "3", file.c_str());
        EXPECT_TRUE(batch.End());
        EXPECT_TRUE(batch.End());
    }
    EXPECT_EQ(files.replacements, 2);
    EXPECT_EQ(ReadBytes(file), "[s]\r\na=1\r\nb=3\r\n");
    EXPECT_EQ(ReadBytes(second), "[s]\r\na=2\r\n");
}

TEST_F(EngineCache, FailedWriteKeepsTheFileAndTheCacheHonest)
{
    WriteBytes(file, "[s]\r\na=1\r\n");
    EXPECT_EQ(Read(engine, file, "a"), "1");
    files.failWrites = true;
    EXPECT_FALSE(engine.WriteString("s", "a", "2", file.c_str()));
    EXPECT_EQ(ReadBytes(file), "[s]\r\na=1\r\n");
    EXPECT_EQ(Read(engine, file, "a"), "1");

    {
        ProfileBatch batch(engine);
        EXPECT_TRUE(engine.WriteString("s", "a", "3", file.c_str()));
        EXPECT_FALSE(batch.End());
    }
    EXPECT_EQ(Read(engine, file, "a"), "1");
    files.failWrites = false;
    EXPECT_TRUE(engine.WriteString("s", "b", "4", file.c_str()));
    EXPECT_EQ(ReadBytes(file), "[s]\r\na=1\r\nb=4\r\n");
}

TEST(EngineFailure, MissingFolderReportsFailureAndCreatesNothing)
{
    TempFolder folder;
    std::string file = folder.File("no-such-folder/x.ini");
    ProfileEngine engine;
    EXPECT_FALSE(engine.WriteString("s", "k", "v", file.c_str()));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "no-such-folder"));
    char buffer[8];
    EXPECT_EQ(engine.ReadString("s", "k", "d", buffer, sizeof buffer, file.c_str()), 1u);
    EXPECT_STREQ(buffer, "d");
}

TEST(EngineFailure, NoTemporaryFileIsLeftBehind)
{
    TempFolder folder;
    std::string file = folder.File("x.ini");
    ProfileEngine engine;
    for (int i = 0; i < 3; ++i)
        engine.WriteString("s", "k", std::to_string(i).c_str(), file.c_str());
    int entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        EXPECT_EQ(entry.path().filename().string(), "x.ini");
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

} // namespace
