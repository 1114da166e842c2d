// Reading through the portable engine: the parser's rules and the copy rules
// of GetPrivateProfileStringA / GetPrivateProfileIntA.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <string>

#include "core/profile_engine.h"
#include "tests/core/temp_folder.h"

namespace {

struct ReadCase {
    const char* name;
    const char* content;
    const char* section;
    const char* key;
    const char* defaultValue;
    unsigned size;
    const char* expected; // the buffer up to the terminator
    unsigned expectedReturn;
};

const ReadCase kReadCases[] = {
    {"crlf", "[s]\r\nk=v\r\n", "s", "k", "d", 64, "v", 1},
    {"lf only", "[s]\nk=v\n", "s", "k", "d", 64, "v", 1},
    {"cr only", "[s]\rk=v\r", "s", "k", "d", 64, "v", 1},
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
    {"case folding ascii", "[Sec]\r\nKEY=v\r\n", "sEC", "key", "d", 64, "v", 1},
    {"case folding 1252", "[\xC4rger]\r\n\xDC\x62\x65r=v\r\n", "\xE4rger", "\xFC\x62\x65r", "d", 64, "v", 1},
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
    {"quoted cut size 4", "[s]\r\nk=\"abc\"\r\n", "s", "k", "d", 4, "abc", 3},
    {"quoted cut size 3", "[s]\r\nk=\"abc\"\r\n", "s", "k", "d", 3, "ab", 2},
    {"default trailing spaces and quotes", "", "s", "k", "\"d\"  ", 64, "d", 1},
    {"default leading spaces kept", "", "s", "k", "  d", 64, "  d", 3},
    {"null default", "", "s", "k", nullptr, 64, "", 0},
    {"size 1", "[s]\r\nk=val1\r\n", "s", "k", "d", 1, "", 0},
    {"size 2", "[s]\r\nk=val1\r\n", "s", "k", "d", 2, "v", 1},
    {"size of length", "[s]\r\nk=val1\r\n", "s", "k", "d", 4, "val", 3},
    {"size of length + 1", "[s]\r\nk=val1\r\n", "s", "k", "d", 5, "val1", 4},
    {"missing section", "[s]\r\nk=v\r\n", "x", "k", "default", 64, "default", 7},
    {"empty key name", "[s]\r\n=v\r\n", "s", "", "d", 64, "d", 1},
};

class EngineRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(EngineRead, BufferAndResult)
{
    const ReadCase& c = GetParam();
    TempFolder folder;
    std::string file = folder.File("read.ini");
    WriteBytes(file, c.content);
    ProfileEngine engine;
    char buffer[80];
    std::memset(buffer, 0x7F, sizeof buffer);
    unsigned result = engine.ReadString(c.section, c.key, c.defaultValue, buffer, c.size, file.c_str());
    EXPECT_EQ(result, c.expectedReturn);
    EXPECT_EQ(std::string(buffer, result), std::string(c.expected));
    EXPECT_EQ(buffer[result], '\0');
    EXPECT_EQ(buffer[c.size], 0x7F) << "wrote past the buffer";
}

INSTANTIATE_TEST_SUITE_P(Cases, EngineRead, ::testing::ValuesIn(kReadCases), [](const auto& info) {
    std::string name;
    for (const char* p = info.param.name; *p; ++p)
        name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return name;
});

TEST(EngineRead, SizeZeroLeavesBufferAlone)
{
    TempFolder folder;
    ProfileEngine engine;
    char buffer[4] = {'x', 'y', 'z', '\0'};
    EXPECT_EQ(engine.ReadString("s", "k", "d", buffer, 0, folder.File("none.ini").c_str()), 0u);
    EXPECT_STREQ(buffer, "xyz");
}

TEST(EngineRead, MissingFileGivesDefaults)
{
    TempFolder folder;
    ProfileEngine engine;
    char buffer[16];
    std::string file = folder.File("none.ini");
    EXPECT_EQ(engine.ReadString("s", "k", "dflt", buffer, sizeof buffer, file.c_str()), 4u);
    EXPECT_STREQ(buffer, "dflt");
    EXPECT_EQ(engine.ReadInt("s", "k", 42, file.c_str()), 42u);
    EXPECT_EQ(ReadBytes(file), "<missing>");
}

struct ListCase {
    unsigned size;
    unsigned expectedReturn;
    std::string expected; // every byte up to and including the final zero
};

TEST(EngineRead, KeyListSkipsLinesWithoutValueAndCutsAtTwoZeros)
{
    TempFolder folder;
    std::string file = folder.File("list.ini");
    WriteBytes(file, "[s]\r\nname1=val1\r\nname2=\r\nname3\r\n;c=1\r\nname4=val4\r\n");
    const ListCase cases[] = {
        {64, 18, std::string("name1\0name2\0name4\0\0", 19)},
        {20, 18, std::string("name1\0name2\0name4\0\0", 19)},
        {19, 17, std::string("name1\0name2\0name4\0\0", 19)},
        {16, 14, std::string("name1\0name2\0na\0\0", 16)},
        {2, 0, std::string("\0\0", 2)},
        {1, 0, std::string("\0", 1)},
    };
    ProfileEngine engine;
    for (const ListCase& c : cases) {
        char buffer[64];
        std::memset(buffer, 0x7F, sizeof buffer);
        unsigned result = engine.ReadString("s", nullptr, "d", buffer, c.size, file.c_str());
        EXPECT_EQ(result, c.expectedReturn) << "size " << c.size;
        EXPECT_EQ(std::string(buffer, c.expected.size()), c.expected) << "size " << c.size;
    }
}

TEST(EngineRead, SectionListInFileOrder)
{
    TempFolder folder;
    std::string file = folder.File("list.ini");
    WriteBytes(file, "k=v\r\n[ section1 ]\r\n[section2]\r\n[]\r\n[section3]\r\n");
    ProfileEngine engine;
    char buffer[64];
    EXPECT_EQ(engine.ReadString(nullptr, "k", "d", buffer, 29, file.c_str()), 27u);
    EXPECT_EQ(std::string(buffer, 28), std::string("section1\0section2\0section3\0\0", 28));
    EXPECT_EQ(engine.ReadString(nullptr, "k", "d", buffer, 28, file.c_str()), 26u);
}

struct IntCase {
    const char* value; // nullptr: no such key
    int defaultValue;
    std::uint32_t expected;
};

TEST(EngineRead, Integers)
{
    const IntCase cases[] = {
        {" 12", 5, 12},
        {"\t-7", 5, static_cast<std::uint32_t>(-7)},
        {"+1", 5, 1},
        {"-1", 5, 4294967295u},
        {"0x1F", 5, 31},
        {"0X1F", 5, 0},
        {"0b101", 5, 5},
        {"0o17", 5, 15},
        {"4294967296", 5, 0},
        {"4294967297", 5, 1},
        {"-4294967297", 5, 4294967295u},
        {"42A94967297", 5, 42},
        {"B4294967297", 5, 0},
        {"12abc", 5, 12},
        {"abc", 5, 0},
        {"", 5, 5},
        {"  ", 5, 5},
        {"\"\"", 5, 5},
        {"\"17\"", 5, 17},
        {"1234567890123456789012345678901234567890", 5, 1849262357u}, // the first 29 digits, wrapped
        {nullptr, -1, 4294967295u},
    };
    TempFolder folder;
    std::string file = folder.File("int.ini");
    ProfileEngine engine;
    for (const IntCase& c : cases) {
        WriteBytes(file, c.value ? std::string("[s]\r\nk=") + c.value + "\r\n" : std::string("[s]\r\n"));
        EXPECT_EQ(engine.ReadInt("s", "k", c.defaultValue, file.c_str()), c.expected)
            << "value " << (c.value ? c.value : "<none>");
    }
    WriteBytes(file, "[s]\r\nk\r\n");
    EXPECT_EQ(engine.ReadInt("s", "k", 9, file.c_str()), 9u) << "a line without '='";
    EXPECT_EQ(engine.ReadInt(nullptr, "k", 9, file.c_str()), 9u);
    EXPECT_EQ(engine.ReadInt("s", nullptr, 9, file.c_str()), 9u);
}

} // namespace
