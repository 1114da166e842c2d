// The same calls against the portable engine and the system's private-profile
// functions: return values, every byte of the buffers and the file bytes must
// agree. Cases where Wine is known to differ from Windows (whose behaviour the
// engine follows) name the reason; they are reported, not failed.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "ini/profile_engine.h"
#include "ini/win32/system_profile_store.h"
#include "tests/ini/profile_cases.h"
#include "tests/support/temp_folder.h"

namespace {

// Readable bytes: printable ASCII as it is, any other byte as \xNN.
std::string Escape(const std::string& bytes)
{
    std::string out;
    for (const unsigned char c : bytes) {
        char text[8];
        std::snprintf(text, sizeof text, c >= 0x20 && c < 0x7F && c != '\\' ? "%c" : "\\x%02X", c);
        out += text;
    }
    return out;
}

// One call: 'r' ReadString (text: the default), 'i' ReadInt (default -1), 'w' WriteString (text: the value),
// 'k' DeleteKey, 's' DeleteSection, 'o' another program writes text as the file.
struct Call {
    char kind;
    const char* section;
    const char* key = nullptr;
    const char* text = "dflt";
    unsigned size = 64;
};

// What a call returned, and the buffer it filled.
std::string Run(ProfileStore& store, const Call& call, const std::string& file)
{
    const char* const path = file.c_str();
    switch (call.kind) {
    case 'r': {
        std::string buffer(call.size + 8, '\xCC');
        const unsigned length = store.ReadString(call.section, call.key, call.text, buffer.data(), call.size, path);
        return "read " + std::to_string(length) + " [" + Escape(buffer) + "]";
    }
    case 'i':
        return "int " + std::to_string(store.ReadInt(call.section, call.key, -1, path));
    case 'w':
        return "write " + std::to_string(store.WriteString(call.section, call.key, call.text, path));
    case 'k':
        return "delete key " + std::to_string(store.DeleteKey(call.section, call.key, path));
    case 's':
        return "delete section " + std::to_string(store.DeleteSection(call.section, path));
    }
    WriteBytes(file, call.text);
    return "outside edit";
}

struct DiffCase {
    std::string name;
    std::string before; // kMissing: no file at the start
    std::vector<Call> calls;
    const char* fileName = "t.ini"; // relative to the case folder
};

const std::string kLongValue(30 * 1024, 'w');

// Why Wine differs from Windows in some of the engine tests' cases.
const char* const kRewrites = "Wine rewrites the whole file from what it parsed: blank lines, spacing, line ends and "
                              "the text after a header's ']' are not kept";
const char* const kListZero = "Wine ends a cut list with one zero where Windows writes two";
const char* const kEmptyName = "Wine finds a key before the first header or without a name by the empty name";
const char* const kCommentKey = "Wine keeps a ';' line as a key named by its text and finds it by that name";
const std::map<std::string, const char*> kWineDiffers = {
    {"case folding 1252", "Wine compares names by their code points without folding letters outside ASCII"},
    {"keys before first header", kEmptyName},
    {"empty key name", kEmptyName},
    {"comment", kCommentKey},
    {"key written as a comment", kCommentKey},
    {"key list cut", kListZero},
    {"section list cut", kListZero},
    {"untouched lines keep bytes", kRewrites},
    {"replaced last line keeps missing terminator", kRewrites},
    {"new key after last entry before comment and blank", kRewrites},
    {"new key into empty section", kRewrites},
    {"lf file keeps its line ends", kRewrites},
    {"key written as a header", kRewrites},
    {"line breaks in a value become blanks", "the engine writes CR and LF as blanks, the system writes them raw"},
};

// The cases only this test has, then the engine tests' cases.
std::vector<DiffCase> Cases()
{
    std::vector<DiffCase> cases = {
        {"utf-8 byte order mark on a line of its own", "\xEF\xBB\xBF\r\n[s]\r\nk=v\r\n", {{'r', "s", "k"}}},
        {"write into missing folder", kMissing, {{'w', "s", "k", "v"}, {'r', "s", "k"}}, "missing\\t.ini"},
        {"outside edit",
         "[s]\r\nk=v\r\n",
         {{'r', "s", "k"}, {'o', "", "", "[s]\r\nk=outside\r\n"}, {'r', "s", "k"}, {'w', "s", "j", "1"}}},
        {"30 KB value", kMissing, {{'w', "s", "k", kLongValue.c_str()}, {'r', "s", "k", "d", 40 * 1024}}},
    };
    for (const ReadCase& c : kReadCases)
        cases.push_back({c.name, c.content ? c.content : kMissing, {{'r', c.section, c.key, c.defaultValue, c.size}}});
    for (const IntCase& c : kIntCases)
        cases.push_back(
            {std::string("integer ") + c.value, std::string("[s]\r\nk=") + c.value + "\r\n", {{'i', "s", "k"}}});
    for (const WriteCase& c : kWriteCases) {
        cases.push_back({c.name, c.before, {}});
        for (const Change& change : c.changes)
            cases.back().calls.push_back({!change.key     ? 's'
                                          : !change.value ? 'k'
                                                          : 'w',
                                          change.section, change.key, change.value});
    }
    return cases;
}

// Runs a case's calls and writes down every observable result.
std::string Transcript(ProfileStore& store, const DiffCase& c)
{
    TempFolder folder;
    const std::string file = folder.File(c.fileName);
    if (c.before != kMissing)
        WriteBytes(file, c.before);
    std::string log;
    for (const Call& call : c.calls)
        log += Run(store, call, file) + "\n";
    return log + "file [" + Escape(ReadBytes(file)) + "]\n";
}

TEST(ProfileDifferential, EngineMatchesTheSystemFunctions)
{
    int expectedDifferences = 0;
    for (const DiffCase& c : Cases()) {
        ProfileEngine engine;
        SystemProfileStore system;
        const std::string ours = Transcript(engine, c), theirs = Transcript(system, c);
        const auto wine = kWineDiffers.find(c.name);
        if (wine == kWineDiffers.end()) {
            EXPECT_EQ(ours, theirs) << "case \"" << c.name << "\"";
        } else if (ours == theirs) {
            std::printf("note: \"%s\" no longer differs (%s)\n", c.name.c_str(), wine->second);
        } else {
            ++expectedDifferences;
            std::printf("expected difference in \"%s\": %s\n--- engine\n%s--- system\n%s", c.name.c_str(), wine->second,
                        ours.c_str(), theirs.c_str());
        }
    }
    std::printf("%d expected differences\n", expectedDifferences);
}

} // namespace
