// The portable engine on the shared cases: reading follows the parser's
// rules and the copy rules of GetPrivateProfileStringA /
// GetPrivateProfileIntA; writing gives the file's bytes after each kind of
// change. Lines an edit does not touch keep their bytes. A name or value can
// make a written line read as something else ("[x]" a header, ";c" a comment,
// "a=b" the key "a"): later writes follow the file as read afresh.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "ini/profile_engine.h"
#include "tests/ini/profile_cases.h"
#include "tests/support/temp_folder.h"

namespace {

TEST(EngineRead, BufferAndResult)
{
    for (const ReadCase& c : kReadCases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        std::string file = folder.File("read.ini");
        if (c.content)
            WriteBytes(file, c.content);
        ProfileEngine engine;
        char buffer[80];
        std::memset(buffer, 0x7F, sizeof buffer);
        EXPECT_EQ(engine.ReadString(c.section, c.key, c.defaultValue, buffer, c.size, file.c_str()), c.expectedReturn);
        std::string written = c.expected + '\0';
        written.resize(std::min<std::size_t>(written.size(), c.size));
        EXPECT_EQ(std::string(buffer, written.size()), written);
        EXPECT_EQ(buffer[c.size], 0x7F) << "wrote past the buffer";
        EXPECT_EQ(ReadBytes(file) == "<missing>", !c.content) << "reading creates no file";
    }
}

TEST(EngineRead, Integers)
{
    // The result as the signed value that callers store.
    TempFolder folder;
    std::string file = folder.File("int.ini");
    ProfileEngine engine;
    EXPECT_EQ(engine.ReadInt("s", "k", 42, file.c_str()), 42u) << "missing file";
    for (const IntCase& c : kIntCases) {
        WriteBytes(file, std::string("[s]\r\nk=") + c.value + "\r\n");
        EXPECT_EQ(static_cast<int>(engine.ReadInt("s", "k", 5, file.c_str())), c.expected) << c.value;
    }
    WriteBytes(file, "[s]\r\nk\r\n");
    EXPECT_EQ(engine.ReadInt("s", "k", -1, file.c_str()), 4294967295u) << "a line without '='";
    EXPECT_EQ(engine.ReadInt(nullptr, "k", 9, file.c_str()), 9u);
    EXPECT_EQ(engine.ReadInt("s", nullptr, 9, file.c_str()), 9u);
}

TEST(EngineWrite, FileBytes)
{
    for (const WriteCase& c : kWriteCases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        std::string file = folder.File("write.ini");
        if (std::string(c.before) != kMissing)
            WriteBytes(file, c.before);
        ProfileEngine engine;
        for (const Change& change : c.changes) {
            bool result = !change.key     ? engine.DeleteSection(change.section, file.c_str())
                          : !change.value ? engine.DeleteKey(change.section, change.key, file.c_str())
                                          : engine.WriteString(change.section, change.key, change.value, file.c_str());
            EXPECT_EQ(result, change.section != nullptr);
        }
        EXPECT_EQ(ReadBytes(file), c.after);
    }
}

} // namespace
