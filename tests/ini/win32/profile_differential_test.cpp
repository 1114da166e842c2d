// The same calls against the portable engine and the system's private-profile
// functions: return values, every byte of the buffers and the file bytes must
// agree. Cases where Wine is known to differ from Windows (whose behaviour the
// engine follows) name the reason; they are reported, not failed.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "ini/profile_engine.h"
#include "ini/win32/system_profile_store.h"
#include "tests/support/temp_folder.h"

namespace {

// Readable bytes; a run of one byte (an untouched buffer, a long value) as "byte*count".
std::string Escape(const std::string& bytes)
{
    std::string out;
    for (std::size_t i = 0, run; i < bytes.size(); i += run) {
        for (run = 1; i + run < bytes.size() && bytes[i + run] == bytes[i];)
            ++run;
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        char text[8];
        std::snprintf(text, sizeof text, c >= 0x20 && c < 0x7F && c != '\\' && c != '*' ? "%c" : "\\x%02X", c);
        out += text + (run > 1 ? "*" + std::to_string(run) : "");
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

const std::string kMissing = "<missing>";

struct DiffCase {
    std::string name;
    std::string before; // kMissing: no file at the start
    std::vector<Call> calls;
    const char* wineDiffers = nullptr; // why Wine differs from Windows here
    const char* fileName = "t.ini";    // relative to the case folder
};

const std::string kBigValue(100 * 1024, 'v');
const std::string kLongValue(30 * 1024, 'w');

std::vector<DiffCase> Cases()
{
    const char* const list = "[s]\r\nname1=val1\r\nname2=\r\nname3\r\nname4=val4\r\n";
    const char* const rewrites = "Wine rewrites the whole file, dropping blank lines and spacing";
    const char* const bomAsUtf8 = "Wine reads a file that starts with a UTF-8 byte order mark as UTF-8 (and writes it "
                                  "back so); Windows reads the mark as the first bytes of the first line";
    std::vector<DiffCase> cases = {
        {"mixed endings", "[a]\r\nx=1\n\r[s]\rk=v", {{'r', "s", "k"}, {'r', "a", "x"}}},
        {"trailing ctrl-z",
         "[s]\r\nk=v\r\n\x1A",
         {{'r', "s", "k"}, {'w', "s", "j", "1"}},
         "Wine drops the ^Z line when it rewrites the file"},
        {"utf-8 byte order mark before the first header",
         "\xEF\xBB\xBF[s]\r\nk=v\r\n[t]\r\nx=1\r\n",
         {{'r', "s", "k"}, {'r', "t", "x"}, {'w', "s", "k", "w"}},
         bomAsUtf8},
        {"utf-8 byte order mark on a line of its own", "\xEF\xBB\xBF\r\n[s]\r\nk=v\r\n", {{'r', "s", "k"}}},
        {"tabs around", "\t[s]\t\r\n\tk\t=\tv\t\r\n", {{'r', "s", "k"}}},
        {"spaced header", "[ Sec ]\r\nk=v\r\n", {{'r', "Sec", "k"}, {'r', " sec ", "K"}}},
        {"junk after header", "[Sec] junk\r\nk=v\r\n", {{'r', "Sec", "k"}}},
        {"unclosed header", "[s]\r\n[Sec\r\nk=v\r\n", {{'r', "s", "k"}, {'r', "Sec", "k"}}},
        {"header to last bracket", "[a]b]\r\nk=v\r\n", {{'r', "a]b", "k"}, {'r', "a", "k"}}},
        {"duplicate section", "[sec]\r\na=1\r\n[t]\r\n[sec]\r\nb=2\r\n", {{'r', "sec", "a"}, {'r', "sec", "b"}}},
        {"duplicate key", "[s]\r\nk=1\r\nk=2\r\n", {{'r', "s", "k"}}},
        {"delete duplicate section", "[s]\r\na=1\r\n[t]\r\nx=1\r\n[s]\r\nb=2\r\n", {{'s', "s"}, {'r', "s", "b"}}},
        {"case folding ascii", "[Sec]\r\nKEY=v\r\n", {{'r', "sEC", "key"}, {'r', "SEC", "Key"}}},
        {"case folding 1252",
         "[\xC4rger]\r\n\xDC\x62\x65r=v\r\n\xC9t\xE9=2\r\n",
         {{'r', "\xE4rger", "\xFC\x62\x65r"}, {'r', "\xC4RGER", "\xE9T\xC9"}, {'r', "\xC4rger", "\xDC\x62\x65r"}},
         "Wine compares names by their code points without folding letters outside ASCII"},
        {"quoted values",
         "[s]\r\nk = \"a b\" \r\nm='x\"\r\ne=\"\"\r\nq=\"abc\"\r\nc=v ;c\r\n",
         {{'r', "s", "k"}, {'r', "s", "m"}, {'r', "s", "e"}, {'r', "s", "c"}, {'r', "s", "q", "d", 5}}},
        {"quoted value cut",
         "[s]\r\nq=\"abc\"\r\n",
         {{'r', "s", "q", "d", 4}},
         "Wine cuts first and drops the closing quote's place afterwards"},
        {"default with quotes and blanks",
         "",
         {{'r', "s", "k", "\"d\"  "}, {'r', "s", "k", "  d  "}, {'r', "s", "k", nullptr}}},
        {"buffer sizes",
         "[s]\r\nk=val1\r\n",
         {{'r', "s", "k", "d", 1}, {'r', "s", "k", "d", 2}, {'r', "s", "k", "d", 4}, {'r', "s", "k", "d", 5}}},
        {"key list", list, {{'r', "s", nullptr, "d", 64}, {'r', "s", nullptr, "d", 20}}},
        {"key list cut",
         list,
         {{'r', "s", nullptr, "d", 19}, {'r', "s", nullptr, "d", 16}},
         "Wine ends a cut list with one zero where Windows writes two"},
        {"comments and spacing kept",
         "; head\r\n\r\n[s]\r\n  a = 1 \r\n\r\n; c\r\n[t]\r\nb=2\r\n",
         {{'w', "t", "b", "3"}},
         rewrites},
        {"new key before trailing comment",
         "[s]\r\na=1\r\n; end\r\n\r\n[t]\r\nx=1\r\n",
         {{'w', "s", "b", "2"}},
         rewrites},
        {"new section without final line end", "[s]\r\nk=v", {{'w', "t", "x", "1"}}},
        {"key before first header", "top=1\r\n[s]\r\nk=v\r\n", {{'w', "s", "k", "w"}, {'r', "s", "top"}}},
        {"delete missing key and section", "[s]\r\nk=v\r\n", {{'k', "s", "x"}, {'k', "x", "k"}, {'s', "x"}}},
        {"delete key with blanks", "[s]\r\n  k  =  v  \r\nj=1\r\n", {{'k', "s", "k"}, {'r', "s", "k"}}},
        {"delete last key", "[s]\r\nk=v\r\n[t]\r\nx=1\r\n", {{'k', "s", "k"}}},
        {"delete in missing file", kMissing, {{'s', "s"}, {'k', "s", "k"}}},
        {"write into missing folder", kMissing, {{'w', "s", "k", "v"}, {'r', "s", "k"}}, nullptr, "missing\\t.ini"},
        {"new file", kMissing, {{'w', "App", "key", "string"}, {'w', "App", "e", ""}}},
        {"trailing blanks in value", kMissing, {{'w', "s", "k", "  v  "}, {'r', "s", "k"}}},
        {"line break in value",
         kMissing,
         {{'w', "s", "k", "a\r\nb"}, {'r', "s", "k"}, {'r', "s", "b"}},
         "the engine writes CR and LF as blanks, the system writes them raw"},
        {"identical value", "[s]\r\nk=v\r\n", {{'w', "s", "k", "v"}}},
        {"outside edit",
         "[s]\r\nk=v\r\n",
         {{'r', "s", "k"}, {'o', "", "", "[s]\r\nk=outside\r\n"}, {'r', "s", "k"}, {'w', "s", "j", "1"}}},
        {"100 KB value",
         kMissing,
         {{'w', "s", "k", kBigValue.c_str()}, {'r', "s", "k", "d", 100 * 1024 + 8}},
         "Wine 8 does not store a value over 64 KB"},
        {"30 KB value", kMissing, {{'w', "s", "k", kLongValue.c_str()}, {'r', "s", "k", "d", 40 * 1024}}},
    };
    for (const char* value : {" 12", "\t-7", "+1", "0x1F", "0X1F", "0b101", "0o17", "4294967297", "12abc", "abc", "",
                              "1234567890123456789012345678901234567890"})
        cases.push_back(
            {std::string("integer ") + value, std::string("[n]\r\nk=") + value + "\r\n", {{'i', "n", "k"}}});
    return cases;
}

// Wine 8 leaves a value over 64 KB unconverted and then uses whatever its stack
// holds; clearing the stack before every call makes that outcome repeatable.
__attribute__((noinline)) void ClearStack()
{
    volatile char junk[64 * 1024];
    for (char volatile& c : junk)
        c = 0;
}

// Runs a case's calls and writes down every observable result.
std::string Transcript(ProfileStore& store, const DiffCase& c)
{
    TempFolder folder;
    const std::string file = folder.File(c.fileName);
    if (c.before != kMissing)
        WriteBytes(file, c.before);
    std::string log;
    for (const Call& call : c.calls) {
        ClearStack();
        log += Run(store, call, file) + "\n";
    }
    return log + "file [" + Escape(ReadBytes(file)) + "]\n";
}

std::string WineVersion()
{
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    using Getter = const char*(CDECL*)();
    auto getter =
        ntdll ? reinterpret_cast<Getter>(reinterpret_cast<void*>(GetProcAddress(ntdll, "wine_get_version"))) : nullptr;
    return getter ? getter() : "none (real Windows)";
}

TEST(ProfileDifferential, EngineMatchesTheSystemFunctions)
{
    std::printf("Wine version: %s, ANSI code page %u\n", WineVersion().c_str(), GetACP());
    int expectedDifferences = 0;
    for (const DiffCase& c : Cases()) {
        ProfileEngine engine;
        SystemProfileStore system;
        const std::string ours = Transcript(engine, c), theirs = Transcript(system, c);
        if (!c.wineDiffers) {
            EXPECT_EQ(ours, theirs) << "case \"" << c.name << "\"";
        } else if (ours == theirs) {
            std::printf("note: \"%s\" no longer differs (%s)\n", c.name.c_str(), c.wineDiffers);
        } else {
            ++expectedDifferences;
            std::printf("expected difference in \"%s\": %s\n--- engine\n%s--- system\n%s", c.name.c_str(),
                        c.wineDiffers, ours.c_str(), theirs.c_str());
        }
    }
    std::printf("%d expected differences\n", expectedDifferences);
}

} // namespace
