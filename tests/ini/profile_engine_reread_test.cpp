// A name or value can make a written line read as something other than the
// key: "[x]" becomes a header, ";c" a comment, "a=b" the key "a", a value
// closing a "[..." key-only line a header. Afterwards the engine must answer
// and write as it would after reading the file afresh. (Found by fuzz/.)
#include <gtest/gtest.h>

#include <string>

#include "ini/profile_engine.h"
#include "tests/ini/read_value.h"
#include "tests/support/temp_folder.h"

namespace {

struct Write {
    const char* section;
    const char* key;
    const char* value;
};

struct RereadCase {
    const char* name;
    const char* before;
    Write first;  // the write whose line reads differently
    Write second; // a write that relies on the file's real structure
    const char* after;
};

const RereadCase kCases[] = {
    {"key becomes a header of a new section", "", {"s", "[x]", "1"}, {"x", "k", "2"}, "[s]\r\n[x]=1\r\nk=2\r\n"},
    {"key becomes a header in a section",
     "[s]\r\na=1\r\n",
     {"s", "[x]", "1"},
     {"x", "k", "2"},
     "[s]\r\na=1\r\n[x]=1\r\nk=2\r\n"},
    {"key becomes a comment", "[s]\r\n", {"s", ";c", "v"}, {"s", ";c", "w"}, "[s]\r\n;c=w\r\n;c=v\r\n"},
    {"value closes a key-only line into a header",
     "[s]\r\n[abc\r\n",
     {"s", "[abc", "x]"},
     {"abc=x", "k", "1"},
     "[s]\r\n[abc=x]\r\nk=1\r\n"},
    {"key with '=' is the key before it", "[s]\r\n", {"s", "a=b", "v"}, {"s", "a", "w"}, "[s]\r\na=w\r\n"},
};

std::string Read(ProfileEngine& engine, const Write& w, const std::string& file)
{
    return ReadValue(engine, file, w.section, w.key);
}

TEST(EngineReread, WritesAndReadsFollowTheFileAfterALineReadsDifferently)
{
    for (const RereadCase& c : kCases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const std::string file = folder.File("plan.ini");
        WriteBytes(file, c.before);
        ProfileEngine engine;
        ASSERT_TRUE(engine.WriteString(c.first.section, c.first.key, c.first.value, file.c_str()));
        ProfileEngine fresh;
        EXPECT_EQ(Read(engine, c.first, file), Read(fresh, c.first, file));
        EXPECT_EQ(Read(engine, c.second, file), Read(fresh, c.second, file));
        ASSERT_TRUE(engine.WriteString(c.second.section, c.second.key, c.second.value, file.c_str()));
        EXPECT_EQ(ReadBytes(file), c.after);
    }
}

} // namespace
