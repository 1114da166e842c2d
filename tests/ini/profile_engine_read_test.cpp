// Reading through the portable engine: the parser's rules and the copy rules
// of GetPrivateProfileStringA / GetPrivateProfileIntA.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "ini/profile_engine.h"
#include "tests/support/temp_folder.h"

namespace {

using namespace std::string_literals;

struct ReadCase {
    const char* name;
    const char* content; // nullptr: no file
    const char* section;
    const char* key;
    const char* defaultValue;
    unsigned size;
    std::string expected; // the buffer up to the terminator (listings: up to the last name's zero)
    unsigned expectedReturn;
};

const ReadCase kReadCases[] = {
    {"mixed endings", "[a]\r\nx=1\n\r[s]\rk=v", "s", "k", "d", 64, "v", 1},
    {"trailing ctrl-z", "[s]\r\nk=v\r\n\x1A", "s", "k", "d", 64, "v", 1},
    {"tabs around", "\t[s]\t\r\n\tk\t=\tv\t\r\n", "s", "k", "d", 64, "v", 1},
    {"no-break space is text", "[s]\r\nk=\xA0v\xA0\r\n", "s", "k", "d", 64, "\xA0v\xA0", 3},
    {"spaced header", "[ Sec ]\r\nk=v\r\n", "Sec", "k", "d", 64, "v", 1},
    {"junk after header", "[Sec] junk\r\nk=v\r\n", "Sec", "k", "d", 64, "v", 1},
    {"unclosed header is a key", "[s]\r\n[Sec\r\nk=v\r\n", "s", "k", "d", 64, "v", 1},
    {"header to last bracket", "[a]b]\r\nk=v\r\n", "a]b", "k", "d", 64, "v", 1},
    {"first of duplicate sections", "[s]\r\nk=1\r\n[t]\r\n[S]\r\nk=2\r\nj=3\r\n", "s", "j", "d", 64, "d", 1},
    {"first of duplicate keys", "[s]\r\nk=1\r\nK=2\r\n", "s", "k", "d", 64, "1", 1},
    {"case folding 1252", "[\xC4rger]\r\n\xDC\x62\x65r=v\r\n", "\xE4RGER", "\xFC\x42\x65r", "d", 64, "v", 1},
    {"caller names trimmed", "[s]\r\nk=v\r\n", " s ", "\tk ", "d", 64, "v", 1},
    {"keys before first header", "k=v\r\n[s]\r\n", "", "k", "d", 64, "d", 1},
    {"comment", "[s]\r\n;k=v\r\n", "s", ";k", "d", 64, "d", 1},
    {"hash is a key character", "[s]\r\n#k=v\r\n", "s", "#k", "d", 64, "v", 1},
    {"no inline comments", "[s]\r\nk=v ;c\r\n", "s", "k", "d", 64, "v ;c", 4},
    {"key without value", "[s]\r\nk\r\n", "s", "k", "d", 64, "d", 1},
    {"empty value is no default", "[s]\r\nk=\r\n", "s", "k", "d", 64, "", 0},
    {"quoted with blanks", "[s]\r\nk = \"a b\" \r\n", "s", "k", "d", 64, "a b", 3},
    {"mismatched quotes stay", "[s]\r\nk='x\"\r\n", "s", "k", "d", 64, "'x\"", 3},
    {"empty quotes", "[s]\r\nk=\"\"\r\n", "s", "k", "d", 64, "", 0},
    {"quoted cut size 3", "[s]\r\nk=\"abc\"\r\n", "s", "k", "d", 3, "ab", 2},
    {"default trailing spaces and quotes", "", "s", "k", "\"d\"  ", 64, "d", 1},
    {"default leading spaces kept", "", "s", "k", "  d", 64, "  d", 3},
    {"null default", "", "s", "k", nullptr, 64, "", 0},
    {"size 0 leaves the buffer alone", "[s]\r\nk=v\r\n", "s", "k", "d", 0, "", 0},
    {"size 1", "[s]\r\nk=val1\r\n", "s", "k", "d", 1, "", 0},
    {"size of length", "[s]\r\nk=val1\r\n", "s", "k", "d", 4, "val", 3},
    {"size of length + 1", "[s]\r\nk=val1\r\n", "s", "k", "d", 5, "val1", 4},
    {"missing section", "[s]\r\nk=v\r\n", "x", "k", "default", 64, "default", 7},
    {"missing file", nullptr, "s", "k", "dflt", 64, "dflt", 4},
    {"empty key name", "[s]\r\n=v\r\n", "s", "", "d", 64, "d", 1},
    // Listings: names without value and comments are skipped; a cut list ends in two zeros.
    {"key list", "[s]\r\nab=1\r\ncd=\r\nef\r\n;c=1\r\ngh=4\r\n", "s", nullptr, "d", 11, "ab\0cd\0gh\0"s, 9},
    {"key list cut", "[s]\r\nab=1\r\ncd=\r\ngh=4\r\n", "s", nullptr, "d", 9, "ab\0cd\0g\0"s, 7},
    {"key list size 1", "[s]\r\nab=1\r\n", "s", nullptr, "d", 1, "", 0},
    {"section list", "k=v\r\n[ s1 ]\r\n[s2]\r\n[]\r\n[s3]\r\n", nullptr, "k", "d", 11, "s1\0s2\0s3\0"s, 9},
    {"section list cut", "[s1]\r\n[s2]\r\n[s3]\r\n", nullptr, "k", "d", 10, "s1\0s2\0s3\0"s, 8},
};

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
    const struct {
        const char* value;
        int expected;
    } cases[] = {
        {" 12", 12},         {"\t-7", -7},
        {"+1", 1},           {"-1", -1},
        {"0x1F", 31},        {"0X1F", 0},
        {"0b101", 5},        {"0o17", 15},
        {"4294967296", 0},   {"4294967297", 1},
        {"-4294967297", -1}, {"42A94967297", 42},
        {"B4294967297", 0},  {"12abc", 12},
        {"abc", 0},          {"", 5},
        {"  ", 5},           {"\"\"", 5},
        {"\"17\"", 17},      {"1234567890123456789012345678901234567890", 1849262357}}; // the first 29 digits, wrapped
    TempFolder folder;
    std::string file = folder.File("int.ini");
    ProfileEngine engine;
    EXPECT_EQ(engine.ReadInt("s", "k", 42, file.c_str()), 42u) << "missing file";
    for (const auto& c : cases) {
        WriteBytes(file, std::string("[s]\r\nk=") + c.value + "\r\n");
        EXPECT_EQ(static_cast<int>(engine.ReadInt("s", "k", 5, file.c_str())), c.expected) << c.value;
    }
    WriteBytes(file, "[s]\r\nk\r\n");
    EXPECT_EQ(engine.ReadInt("s", "k", -1, file.c_str()), 4294967295u) << "a line without '='";
    EXPECT_EQ(engine.ReadInt(nullptr, "k", 9, file.c_str()), 9u);
    EXPECT_EQ(engine.ReadInt("s", nullptr, 9, file.c_str()), 9u);
}

} // namespace
