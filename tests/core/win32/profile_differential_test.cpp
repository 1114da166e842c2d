// The same operations against the portable engine and the system's private-
// profile functions: return values, every byte of the buffers and the file
// bytes must agree. Rows where Wine is known to differ from Windows (whose
// behaviour the engine follows) name the reason; they are reported, not failed.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/profile_engine.h"
#include "core/win32/system_profile_store.h"
#include "tests/core/temp_folder.h"

namespace {

enum class Op { ReadString, ReadInt, Write, DeleteKey, DeleteSection, OutsideEdit };

struct Step {
    Op op;
    const char* section = nullptr;
    const char* key = nullptr;
    const char* text = nullptr; // value, default, or the outside edit's content
    unsigned size = 64;
    int intDefault = 0;
};

Step Read(const char* section, const char* key, const char* defaultValue = "dflt", unsigned size = 64)
{
    return {Op::ReadString, section, key, defaultValue, size, 0};
}
Step Int(const char* section, const char* key, int defaultValue = 5)
{
    return {Op::ReadInt, section, key, nullptr, 0, defaultValue};
}
Step Write(const char* section, const char* key, const char* value)
{
    return {Op::Write, section, key, value};
}
Step DelKey(const char* section, const char* key)
{
    return {Op::DeleteKey, section, key};
}
Step DelSection(const char* section)
{
    return {Op::DeleteSection, section};
}
Step Outside(const char* content)
{
    return {Op::OutsideEdit, nullptr, nullptr, content};
}

constexpr const char* kNoFile = nullptr;

struct DiffCase {
    const char* name;
    std::string before; // ignored when missing is set
    bool missing;       // no file at the start
    std::vector<Step> steps;
    const char* wineDiffers; // why Wine differs from Windows here, or nullptr
    const char* fileName;    // relative to the case folder; default "t.ini"
};

// Readable bytes; runs of one byte (untouched buffer, long values) shortened.
std::string Escape(const std::string& bytes)
{
    std::string out;
    for (std::size_t i = 0; i < bytes.size();) {
        unsigned char c = static_cast<unsigned char>(bytes[i]);
        std::size_t run = 1;
        while (i + run < bytes.size() && bytes[i + run] == bytes[i])
            ++run;
        char text[8];
        if (c >= 0x20 && c < 0x7F && c != '\\' && c != '{') {
            std::snprintf(text, sizeof text, "%c", c);
        } else {
            std::snprintf(text, sizeof text, "\\x%02X", c);
        }
        if (run > 4) {
            out += "{" + std::string(text) + " x" + std::to_string(run) + "}";
            i += run;
        } else {
            out += text;
            ++i;
        }
    }
    return out;
}

// Section "n" with the keys k0, k1, ... holding the values.
std::string Ints(std::initializer_list<const char*> values)
{
    std::string content = "[n]\r\n";
    int i = 0;
    for (const char* v : values)
        content += "k" + std::to_string(i++) + "=" + v + "\r\n";
    return content;
}

std::vector<Step> IntSteps(int count)
{
    static std::vector<std::string> keys;
    if (keys.empty()) {
        for (int i = 0; i < 32; ++i)
            keys.push_back("k" + std::to_string(i));
    }
    std::vector<Step> steps;
    for (int i = 0; i < count; ++i)
        steps.push_back(Int("n", keys[i].c_str()));
    steps.push_back(Int("n", "missing", -1));
    return steps;
}

const std::string kBigValue(100 * 1024, 'v');
const std::string kLongValue(30 * 1024, 'w');

std::vector<DiffCase> Cases()
{
    const char* endings = "[a]\r\nx=1\r\n[s]\r\nk=v\r\n";
    return {
        {"crlf", endings, false, {Read("s", "k"), Read("a", "x")}, nullptr, nullptr},
        {"lf only", "[a]\nx=1\n[s]\nk=v\n", false, {Read("s", "k"), Read("a", "x")}, nullptr, nullptr},
        {"cr only", "[a]\rx=1\r[s]\rk=v\r", false, {Read("s", "k"), Read("a", "x")}, nullptr, nullptr},
        {"mixed endings", "[a]\r\nx=1\n\r[s]\rk=v", false, {Read("s", "k"), Read("a", "x")}, nullptr, nullptr},
        {"trailing ctrl-z",
         "[s]\r\nk=v\r\n\x1A",
         false,
         {Read("s", "k"), Write("s", "j", "1")},
         "Wine drops the ^Z line when it rewrites the file",
         nullptr},
        {"tabs around", "\t[s]\t\r\n\tk\t=\tv\t\r\n", false, {Read("s", "k")}, nullptr, nullptr},
        {"spaced header", "[ Sec ]\r\nk=v\r\n", false, {Read("Sec", "k"), Read(" sec ", "K")}, nullptr, nullptr},
        {"junk after header", "[Sec] junk\r\nk=v\r\n", false, {Read("Sec", "k")}, nullptr, nullptr},
        {"unclosed header", "[s]\r\n[Sec\r\nk=v\r\n", false, {Read("s", "k"), Read("Sec", "k")}, nullptr, nullptr},
        {"header to last bracket", "[a]b]\r\nk=v\r\n", false, {Read("a]b", "k"), Read("a", "k")}, nullptr, nullptr},
        {"duplicate section",
         "[sec]\r\na=1\r\n[t]\r\n[sec]\r\nb=2\r\n",
         false,
         {Read("sec", "a"), Read("sec", "b")},
         nullptr,
         nullptr},
        {"duplicate key", "[s]\r\nk=1\r\nk=2\r\n", false, {Read("s", "k")}, nullptr, nullptr},
        {"delete duplicate section",
         "[sec]\r\na=1\r\n[t]\r\nx=1\r\n[sec]\r\nb=2\r\n",
         false,
         {DelSection("sec"), Read("sec", "b")},
         nullptr,
         nullptr},
        {"case folding ascii", "[Sec]\r\nKEY=v\r\n", false, {Read("sEC", "key"), Read("SEC", "Key")}, nullptr, nullptr},
        {"case folding 1252",
         "[\xC4rger]\r\n\xDC\x62\x65r=v\r\n\xC9t\xE9=2\r\n",
         false,
         {Read("\xE4rger", "\xFC\x62\x65r"), Read("\xC4RGER", "\xE9T\xC9"), Read("\xC4rger", "\xDC\x62\x65r")},
         "Wine compares names by their code points without folding letters outside ASCII",
         nullptr},
        {"quoted values",
         "[s]\r\nk = \"a b\" \r\nm='x\"\r\ne=\"\"\r\nq=\"abc\"\r\nc=v ;c\r\n",
         false,
         {Read("s", "k"), Read("s", "m"), Read("s", "e"), Read("s", "c"), Read("s", "q", "d", 5)},
         nullptr,
         nullptr},
        {"quoted value cut",
         "[s]\r\nq=\"abc\"\r\n",
         false,
         {Read("s", "q", "d", 4)},
         "Wine cuts first and drops the closing quote's place afterwards",
         nullptr},
        {"default with quotes and blanks",
         "",
         false,
         {Read("s", "k", "\"d\"  "), Read("s", "k", "  d  "), Read("s", "k", nullptr)},
         nullptr,
         nullptr},
        {"buffer sizes",
         "[s]\r\nk=val1\r\n",
         false,
         {Read("s", "k", "d", 1), Read("s", "k", "d", 2), Read("s", "k", "d", 4), Read("s", "k", "d", 5)},
         nullptr,
         nullptr},
        {"key list",
         "[s]\r\nname1=val1\r\nname2=\r\nname3\r\nname4=val4\r\n",
         false,
         {Read("s", nullptr, "d", 64), Read("s", nullptr, "d", 20)},
         nullptr,
         nullptr},
        {"key list cut",
         "[s]\r\nname1=val1\r\nname2=\r\nname3\r\nname4=val4\r\n",
         false,
         {Read("s", nullptr, "d", 19), Read("s", nullptr, "d", 16)},
         "Wine ends a cut list with one zero where Windows writes two",
         nullptr},
        {"integers",
         Ints({" 12", "\t-7", "+1", "0x1F", "0X1F", "0b101", "0o17", "4294967297", "12abc", "abc", "",
               "1234567890123456789012345678901234567890"}),
         false, IntSteps(12), nullptr, nullptr},
        {"comments and spacing kept",
         "; head\r\n\r\n[s]\r\n  a = 1 \r\n\r\n; c\r\n[t]\r\nb=2\r\n",
         false,
         {Write("t", "b", "3")},
         "Wine rewrites the whole file, dropping blank lines and spacing",
         nullptr},
        {"new key before trailing comment",
         "[s]\r\na=1\r\n; end\r\n\r\n[t]\r\nx=1\r\n",
         false,
         {Write("s", "b", "2")},
         "Wine rewrites the whole file, dropping blank lines",
         nullptr},
        {"new section without final line end", "[s]\r\nk=v", false, {Write("t", "x", "1")}, nullptr, nullptr},
        {"key before first header",
         "top=1\r\n[s]\r\nk=v\r\n",
         false,
         {Write("s", "k", "w"), Read("s", "top")},
         nullptr,
         nullptr},
        {"delete missing key and section",
         "[s]\r\nk=v\r\n",
         false,
         {DelKey("s", "x"), DelKey("x", "k"), DelSection("x")},
         nullptr,
         nullptr},
        {"delete key with blanks",
         "[s]\r\n  k  =  v  \r\nj=1\r\n",
         false,
         {DelKey("s", "k"), Read("s", "k")},
         nullptr,
         nullptr},
        {"delete last key", "[s]\r\nk=v\r\n[t]\r\nx=1\r\n", false, {DelKey("s", "k")}, nullptr, nullptr},
        {"delete in missing file", "", true, {DelSection("s"), DelKey("s", "k")}, nullptr, nullptr},
        {"write into missing folder", "", true, {Write("s", "k", "v"), Read("s", "k")}, nullptr, "missing\\t.ini"},
        {"new file", "", true, {Write("App", "key", "string"), Write("App", "e", "")}, nullptr, nullptr},
        {"trailing blanks in value", "", true, {Write("s", "k", "  v  "), Read("s", "k")}, nullptr, nullptr},
        {"line break in value",
         "",
         true,
         {Write("s", "k", "a\r\nb"), Read("s", "k"), Read("s", "b")},
         "the engine writes CR and LF as blanks, the system writes them raw",
         nullptr},
        {"identical value", "[s]\r\nk=v\r\n", false, {Write("s", "k", "v")}, nullptr, nullptr},
        {"outside edit",
         "[s]\r\nk=v\r\n",
         false,
         {Read("s", "k"), Outside("[s]\r\nk=outside\r\n"), Read("s", "k"), Write("s", "j", "1")},
         nullptr,
         nullptr},
        {"100 KB value",
         "",
         true,
         {Write("s", "k", kBigValue.c_str()), Read("s", "k", "d", 100 * 1024 + 8)},
         "Wine 8 writes a value of 100 KB as an empty value",
         nullptr},
        {"30 KB value",
         "",
         true,
         {Write("s", "k", kLongValue.c_str()), Read("s", "k", "d", 40 * 1024)},
         nullptr,
         nullptr},
    };
}

// Runs a case's steps and writes down every observable result.
std::string Transcript(ProfileStore& store, const DiffCase& c)
{
    TempFolder folder;
    std::string file = folder.File(c.fileName ? c.fileName : "t.ini");
    if (!c.missing)
        WriteBytes(file, c.before);
    std::string log;
    for (const Step& step : c.steps) {
        switch (step.op) {
        case Op::ReadString: {
            std::string buffer(step.size + 8, '\xCC');
            unsigned result =
                store.ReadString(step.section, step.key, step.text, buffer.data(), step.size, file.c_str());
            log += "read " + std::to_string(result) + " [" + Escape(buffer) + "]\n";
            break;
        }
        case Op::ReadInt:
            log += "int " + std::to_string(store.ReadInt(step.section, step.key, step.intDefault, file.c_str())) + "\n";
            break;
        case Op::Write:
            log += "write " + std::to_string(store.WriteString(step.section, step.key, step.text, file.c_str())) + "\n";
            break;
        case Op::DeleteKey:
            log += "delete key " + std::to_string(store.DeleteKey(step.section, step.key, file.c_str())) + "\n";
            break;
        case Op::DeleteSection:
            log += "delete section " + std::to_string(store.DeleteSection(step.section, file.c_str())) + "\n";
            break;
        case Op::OutsideEdit:
            WriteBytes(file, step.text);
            break;
        }
    }
    log += "file [" + Escape(ReadBytes(file)) + "]\n";
    return log;
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
        std::string ours = Transcript(engine, c);
        std::string theirs = Transcript(system, c);
        if (c.wineDiffers) {
            if (ours != theirs) {
                ++expectedDifferences;
                std::printf("expected difference in \"%s\": %s\n--- engine\n%s--- system\n%s", c.name, c.wineDiffers,
                            ours.c_str(), theirs.c_str());
            } else {
                std::printf("note: \"%s\" no longer differs (%s)\n", c.name, c.wineDiffers);
            }
            continue;
        }
        EXPECT_EQ(ours, theirs) << "case \"" << c.name << "\"";
    }
    std::printf("%d expected differences\n", expectedDifferences);
}

} // namespace
