// Writing through the portable engine: the bytes of the file after each kind
// of change. Lines an edit does not touch keep their bytes. A name or value
// can make a written line read as something else ("[x]" a header, ";c" a
// comment, "a=b" the key "a"): later writes follow the file as read afresh.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ini/profile_engine.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr const char* kMissing = "<missing>";

struct Change {
    const char* section;
    const char* key;   // nullptr: delete the section
    const char* value; // nullptr: delete the key
};

struct WriteCase {
    const char* name;
    const char* before; // kMissing: no file
    std::vector<Change> changes;
    const char* after;
};

const WriteCase kWriteCases[] = {
    {"new file, empty value", kMissing, {{"App", "key", "string"}, {"App", "e", ""}}, "[App]\r\nkey=string\r\ne=\r\n"},
    {"leading blanks of names and value dropped", kMissing, {{" App", "\tkey ", "  v "}}, "[App]\r\nkey =v \r\n"},
    {"build up and delete",
     kMissing,
     {{"App1", "key1", "string1"},
      {"App1", "key2", "string2"},
      {"App1", "key3", "string3"},
      {"App2", "key4", "string4"},
      {"App3", "key5", "string5"},
      {"App1", "key2", nullptr},
      {"App1", "key2", nullptr},
      {"App1", nullptr, nullptr}},
     "[App2]\r\nkey4=string4\r\n[App3]\r\nkey5=string5\r\n"},
    {"last key leaves header", "[App3]\r\nkey5=string5\r\n", {{"App3", "key5", nullptr}}, "[App3]\r\n"},
    {"untouched lines keep bytes",
     "; note\r\n\r\n[s]\r\n  a = 1 \r\n\r\n; c\r\nb=2\r\n[t]\r\nx=1\r\n",
     {{"t", "x", "9"}},
     "; note\r\n\r\n[s]\r\n  a = 1 \r\n\r\n; c\r\nb=2\r\n[t]\r\nx=9\r\n"},
    {"replaced key keeps file spelling", "[s]\r\n  Key = old \r\n", {{"S", "KEY", "new"}}, "[s]\r\nKey=new\r\n"},
    {"replaced last line keeps missing terminator", "[s]\r\nk=1", {{"s", "k", "2"}}, "[s]\r\nk=2"},
    {"new key after last entry before comment and blank",
     "[s]\r\na=1\r\n; end\r\n\r\n[t]\r\n",
     {{"s", "b", "2"}},
     "[s]\r\na=1\r\nb=2\r\n; end\r\n\r\n[t]\r\n"},
    {"new key into empty section", "[s]\r\n\r\n[t]\r\n", {{"s", "k", "v"}}, "[s]\r\nk=v\r\n\r\n[t]\r\n"},
    {"new key after key without value", "[s]\r\nflag\r\n", {{"s", "k", "v"}}, "[s]\r\nflag\r\nk=v\r\n"},
    {"new section after file without final line end", "[s]\r\nk=v", {{"t", "x", "1"}}, "[s]\r\nk=v\r\n[t]\r\nx=1\r\n"},
    {"new key after last line without line end", "[s]\r\nk=v", {{"s", "x", "1"}}, "[s]\r\nk=v\r\nx=1\r\n"},
    {"lf file keeps its line ends", "[s]\nk=v\n", {{"s", "x", "1"}}, "[s]\nk=v\nx=1\r\n"},
    {"key before first header untouched", "top=1\r\n[s]\r\n", {{"s", "k", "v"}}, "top=1\r\n[s]\r\nk=v\r\n"},
    {"duplicate section: first one edited",
     "[sec]\r\na=1\r\n[other]\r\n[SEC]\r\nb=2\r\n",
     {{"sec", "b", "3"}},
     "[sec]\r\na=1\r\nb=3\r\n[other]\r\n[SEC]\r\nb=2\r\n"},
    {"duplicate section: first one deleted",
     "[sec]\r\na=1\r\n[other]\r\n[sec]\r\nb=2\r\n",
     {{"sec", nullptr, nullptr}},
     "[other]\r\n[sec]\r\nb=2\r\n"},
    {"deleting a section takes its comments", "[s]\r\n;c\r\nk=v\r\n\r\n[t]\r\n", {{"s", nullptr, nullptr}}, "[t]\r\n"},
    {"delete missing key and section",
     "[s]\r\nk=v\r\n",
     {{"s", "x", nullptr}, {"x", nullptr, nullptr}},
     "[s]\r\nk=v\r\n"},
    {"delete key with blanks around", "[s]\r\n  k  =  v  \r\nj=1\r\n", {{"s", "k", nullptr}}, "[s]\r\nj=1\r\n"},
    {"delete from missing file creates nothing", kMissing, {{"s", "k", nullptr}, {"s", nullptr, nullptr}}, kMissing},
    {"line breaks in a value become blanks", kMissing, {{"s", "k", "a\r\nb\rc\nd"}}, "[s]\r\nk=a  b c d\r\n"},
    {"trailing blanks of a value are written", kMissing, {{"s", "k", "v  "}}, "[s]\r\nk=v  \r\n"},
    {"null section changes nothing", "[s]\r\n", {{nullptr, "k", "v"}}, "[s]\r\n"},
    {"key written as a header", "", {{"s", "[x]", "1"}, {"x", "k", "2"}}, "[s]\r\n[x]=1\r\nk=2\r\n"},
    {"key written as a header in a section",
     "[s]\r\na=1\r\n",
     {{"s", "[x]", "1"}, {"x", "k", "2"}},
     "[s]\r\na=1\r\n[x]=1\r\nk=2\r\n"},
    {"key written as a comment", "[s]\r\n", {{"s", ";c", "v"}, {"s", ";c", "w"}}, "[s]\r\n;c=w\r\n;c=v\r\n"},
    {"value closes a key-only line into a header",
     "[s]\r\n[abc\r\n",
     {{"s", "[abc", "x]"}, {"abc=x", "k", "1"}},
     "[s]\r\n[abc=x]\r\nk=1\r\n"},
    {"key with '=' is the key before it", "[s]\r\n", {{"s", "a=b", "v"}, {"s", "a", "w"}}, "[s]\r\na=w\r\n"},
};

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

// What is written reads back through this engine and a fresh one (a later
// program start); trailing blanks are written but dropped on reading.
TEST(EngineWrite, RoundTripOfStoredTexts)
{
    const std::string values[] = {"\xFC\x62\x65r", "v  ",         "a=b=c",
                                  ";no comment",   "[no header]", std::string(100000, 'x')};
    TempFolder folder;
    std::string file = folder.File("round.ini");
    ProfileEngine engine;
    for (const std::string& value : values) {
        ASSERT_TRUE(engine.WriteString("s", "k", value.c_str(), file.c_str()));
        ProfileEngine fresh;
        for (ProfileEngine* store : {&engine, &fresh}) {
            std::string buffer(value.size() + 2, '\0');
            buffer.resize(store->ReadString("s", "k", "", buffer.data(), unsigned(buffer.size()), file.c_str()));
            EXPECT_EQ(buffer, value.substr(0, value.find_last_not_of(' ') + 1));
        }
    }
}

} // namespace
