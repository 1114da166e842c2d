#pragma once
// The cases of the profile engine's reads and writes: the engine tests hold
// the engine to the expected results, the differential test under Wine holds
// the system's own functions to the engine's.
#include <string>
#include <vector>

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

inline const ReadCase kReadCases[] = {
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

// ReadInt of "[s]\r\nk=<value>\r\n" with the default 5, as the signed value that callers store.
struct IntCase {
    const char* value;
    int expected;
};

inline const IntCase kIntCases[] = {
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

inline constexpr const char* kMissing = "<missing>";

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

inline const WriteCase kWriteCases[] = {
    {"new file, empty value", kMissing, {{"App", "key", "string"}, {"App", "e", ""}}, "[App]\r\nkey=string\r\ne=\r\n"},
    {"leading blanks of names and value dropped", kMissing, {{" App", "\tkey ", "  v "}}, "[App]\r\nkey =v \r\n"},
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
    {"identical value changes nothing", "[s]\r\nk=v\r\n", {{"s", "k", "v"}}, "[s]\r\nk=v\r\n"},
    {"null section changes nothing", "[s]\r\n", {{nullptr, "k", "v"}}, "[s]\r\n"},
    {"key written as a header", "", {{"s", "[x]", "1"}, {"x", "k", "2"}}, "[s]\r\n[x]=1\r\nk=2\r\n"},
    {"key written as a comment", "[s]\r\n", {{"s", ";c", "v"}, {"s", ";c", "w"}}, "[s]\r\n;c=w\r\n;c=v\r\n"},
    {"value closes a key-only line into a header",
     "[s]\r\n[abc\r\n",
     {{"s", "[abc", "x]"}, {"abc=x", "k", "1"}},
     "[s]\r\n[abc=x]\r\nk=1\r\n"},
    {"key with '=' is the key before it", "[s]\r\n", {{"s", "a=b", "v"}, {"s", "a", "w"}}, "[s]\r\na=w\r\n"},
};
