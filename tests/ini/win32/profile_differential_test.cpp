// The same operations against the portable engine and the system's private-
// profile functions: return values, every byte of the buffers and the file
// bytes must agree. Rows where Wine is known to differ from Windows (whose
// behaviour the engine follows) name the reason; they are reported, not failed.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "ini/profile_engine.h"
#include "ini/win32/system_profile_store.h"
#include "tests/support/temp_folder.h"

namespace {

// Readable bytes; runs of one byte (untouched buffer, long values) shortened.
std::string Escape(const std::string& bytes)
{
    std::string out;
    for (std::size_t i = 0, run; i < bytes.size(); i += run) {
        for (run = 1; i + run < bytes.size() && bytes[i + run] == bytes[i];)
            ++run;
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        char text[8];
        std::snprintf(text, sizeof text, c >= 0x20 && c < 0x7F && c != '\\' && c != '{' ? "%c" : "\\x%02X", c);
        if (run > 4)
            out += "{" + std::string(text) + " x" + std::to_string(run) + "}";
        else
            for (std::size_t k = 0; k < run; ++k)
                out += text;
    }
    return out;
}

// A step runs one call and tells what it saw.
using Step = std::function<std::string(ProfileStore& store, const char* file)>;

Step Read(const char* section, const char* key, const char* dflt = "dflt", unsigned size = 64)
{
    return [=](ProfileStore& store, const char* file) {
        std::string buffer(size + 8, '\xCC');
        unsigned result = store.ReadString(section, key, dflt, buffer.data(), size, file);
        return "read " + std::to_string(result) + " [" + Escape(buffer) + "]";
    };
}
Step Int(const char* section, const char* key, int dflt = 5)
{
    return [=](ProfileStore& store, const char* file) {
        return "int " + std::to_string(store.ReadInt(section, key, dflt, file));
    };
}
Step Write(const char* section, const char* key, const char* value)
{
    return [=](ProfileStore& store, const char* file) {
        return "write " + std::to_string(store.WriteString(section, key, value, file));
    };
}
Step DelKey(const char* section, const char* key)
{
    return [=](ProfileStore& store, const char* file) {
        return "delete key " + std::to_string(store.DeleteKey(section, key, file));
    };
}
Step DelSection(const char* section)
{
    return [=](ProfileStore& store, const char* file) {
        return "delete section " + std::to_string(store.DeleteSection(section, file));
    };
}
Step Outside(const char* content)
{
    return [=](ProfileStore&, const char* file) {
        WriteBytes(file, content);
        return std::string("outside edit");
    };
}

const std::string kMissing = "<missing>";

struct DiffCase {
    const char* name;
    std::string before; // kMissing: no file at the start
    std::vector<Step> steps;
    const char* wineDiffers = nullptr; // why Wine differs from Windows here
    const char* fileName = "t.ini";    // relative to the case folder
};

// Section "n" with one key per value, each read as an integer, then a missing key.
DiffCase Integers(std::initializer_list<const char*> values)
{
    static const char* const keys[] = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "o", "p", "q"};
    DiffCase c{"integers", "[n]\r\n", {}};
    for (const char* v : values) {
        const char* key = keys[c.steps.size()];
        c.before += std::string(key) + "=" + v + "\r\n";
        c.steps.push_back(Int("n", key));
    }
    c.steps.push_back(Int("n", "missing", -1));
    return c;
}

const std::string kBigValue(100 * 1024, 'v');
const std::string kLongValue(30 * 1024, 'w');

std::vector<DiffCase> Cases()
{
    const std::vector<Step> readBoth = {Read("s", "k"), Read("a", "x")};
    const char* const list = "[s]\r\nname1=val1\r\nname2=\r\nname3\r\nname4=val4\r\n";
    // Why Wine differs from Windows in some cases.
    const char* const rewrites = "Wine rewrites the whole file, dropping blank lines and spacing";
    const char* const ctrlZ = "Wine drops the ^Z line when it rewrites the file";
    const char* const noFolding = "Wine compares names by their code points without folding letters outside ASCII";
    const char* const cutQuote = "Wine cuts first and drops the closing quote's place afterwards";
    const char* const listZero = "Wine ends a cut list with one zero where Windows writes two";
    const char* const rawBreaks = "the engine writes CR and LF as blanks, the system writes them raw";
    const char* const bigValue = "Wine 8 does not store a value over 64 KB";
    const char* const bomAsUtf8 = "Wine reads a file that starts with a UTF-8 byte order mark as UTF-8 (and writes it "
                                  "back so); Windows reads the mark as the first bytes of the first line";
    return {
        {"crlf", "[a]\r\nx=1\r\n[s]\r\nk=v\r\n", readBoth},
        {"lf only", "[a]\nx=1\n[s]\nk=v\n", readBoth},
        {"cr only", "[a]\rx=1\r[s]\rk=v\r", readBoth},
        {"mixed endings", "[a]\r\nx=1\n\r[s]\rk=v", readBoth},
        {"trailing ctrl-z", "[s]\r\nk=v\r\n\x1A", {Read("s", "k"), Write("s", "j", "1")}, ctrlZ},
        {"utf-8 byte order mark before the first header",
         "\xEF\xBB\xBF[s]\r\nk=v\r\n[t]\r\nx=1\r\n",
         {Read("s", "k"), Read("t", "x"), Write("s", "k", "w")},
         bomAsUtf8},
        {"utf-8 byte order mark on a line of its own", "\xEF\xBB\xBF\r\n[s]\r\nk=v\r\n", {Read("s", "k")}},
        {"utf-8 byte order mark and a letter in utf-8",
         "\xEF\xBB\xBF\r\n[s]\r\nk=\xC3\xA4\r\n",
         {Read("s", "k")},
         bomAsUtf8},
        {"tabs around", "\t[s]\t\r\n\tk\t=\tv\t\r\n", {Read("s", "k")}},
        {"spaced header", "[ Sec ]\r\nk=v\r\n", {Read("Sec", "k"), Read(" sec ", "K")}},
        {"junk after header", "[Sec] junk\r\nk=v\r\n", {Read("Sec", "k")}},
        {"unclosed header", "[s]\r\n[Sec\r\nk=v\r\n", {Read("s", "k"), Read("Sec", "k")}},
        {"header to last bracket", "[a]b]\r\nk=v\r\n", {Read("a]b", "k"), Read("a", "k")}},
        {"duplicate section", "[sec]\r\na=1\r\n[t]\r\n[sec]\r\nb=2\r\n", {Read("sec", "a"), Read("sec", "b")}},
        {"duplicate key", "[s]\r\nk=1\r\nk=2\r\n", {Read("s", "k")}},
        {"delete duplicate section", "[s]\r\na=1\r\n[t]\r\nx=1\r\n[s]\r\nb=2\r\n", {DelSection("s"), Read("s", "b")}},
        {"case folding ascii", "[Sec]\r\nKEY=v\r\n", {Read("sEC", "key"), Read("SEC", "Key")}},
        {"case folding 1252",
         "[\xC4rger]\r\n\xDC\x62\x65r=v\r\n\xC9t\xE9=2\r\n",
         {Read("\xE4rger", "\xFC\x62\x65r"), Read("\xC4RGER", "\xE9T\xC9"), Read("\xC4rger", "\xDC\x62\x65r")},
         noFolding},
        {"quoted values",
         "[s]\r\nk = \"a b\" \r\nm='x\"\r\ne=\"\"\r\nq=\"abc\"\r\nc=v ;c\r\n",
         {Read("s", "k"), Read("s", "m"), Read("s", "e"), Read("s", "c"), Read("s", "q", "d", 5)}},
        {"quoted value cut", "[s]\r\nq=\"abc\"\r\n", {Read("s", "q", "d", 4)}, cutQuote},
        {"default with quotes and blanks",
         "",
         {Read("s", "k", "\"d\"  "), Read("s", "k", "  d  "), Read("s", "k", nullptr)}},
        {"buffer sizes",
         "[s]\r\nk=val1\r\n",
         {Read("s", "k", "d", 1), Read("s", "k", "d", 2), Read("s", "k", "d", 4), Read("s", "k", "d", 5)}},
        {"key list", list, {Read("s", nullptr, "d", 64), Read("s", nullptr, "d", 20)}},
        {"key list cut", list, {Read("s", nullptr, "d", 19), Read("s", nullptr, "d", 16)}, listZero},
        Integers({" 12", "\t-7", "+1", "0x1F", "0X1F", "0b101", "0o17", "4294967297", "12abc", "abc", "",
                  "1234567890123456789012345678901234567890"}),
        {"comments and spacing kept",
         "; head\r\n\r\n[s]\r\n  a = 1 \r\n\r\n; c\r\n[t]\r\nb=2\r\n",
         {Write("t", "b", "3")},
         rewrites},
        {"new key before trailing comment",
         "[s]\r\na=1\r\n; end\r\n\r\n[t]\r\nx=1\r\n",
         {Write("s", "b", "2")},
         rewrites},
        {"new section without final line end", "[s]\r\nk=v", {Write("t", "x", "1")}},
        {"key before first header", "top=1\r\n[s]\r\nk=v\r\n", {Write("s", "k", "w"), Read("s", "top")}},
        {"delete missing key and section", "[s]\r\nk=v\r\n", {DelKey("s", "x"), DelKey("x", "k"), DelSection("x")}},
        {"delete key with blanks", "[s]\r\n  k  =  v  \r\nj=1\r\n", {DelKey("s", "k"), Read("s", "k")}},
        {"delete last key", "[s]\r\nk=v\r\n[t]\r\nx=1\r\n", {DelKey("s", "k")}},
        {"delete in missing file", kMissing, {DelSection("s"), DelKey("s", "k")}},
        {"write into missing folder", kMissing, {Write("s", "k", "v"), Read("s", "k")}, nullptr, "missing\\t.ini"},
        {"new file", kMissing, {Write("App", "key", "string"), Write("App", "e", "")}},
        {"trailing blanks in value", kMissing, {Write("s", "k", "  v  "), Read("s", "k")}},
        {"line break in value", kMissing, {Write("s", "k", "a\r\nb"), Read("s", "k"), Read("s", "b")}, rawBreaks},
        {"identical value", "[s]\r\nk=v\r\n", {Write("s", "k", "v")}},
        {"outside edit",
         "[s]\r\nk=v\r\n",
         {Read("s", "k"), Outside("[s]\r\nk=outside\r\n"), Read("s", "k"), Write("s", "j", "1")}},
        {"100 KB value", kMissing, {Write("s", "k", kBigValue.c_str()), Read("s", "k", "d", 100 * 1024 + 8)}, bigValue},
        {"30 KB value", kMissing, {Write("s", "k", kLongValue.c_str()), Read("s", "k", "d", 40 * 1024)}},
    };
}

// Wine 8 leaves a value over 64 KB unconverted and then uses whatever its stack
// holds; clearing the stack before every call makes that outcome repeatable.
__attribute__((noinline)) void ClearStack()
{
    volatile char junk[64 * 1024];
    for (char volatile& c : junk)
        c = 0;
}

// Runs a case's steps and writes down every observable result.
std::string Transcript(ProfileStore& store, const DiffCase& c)
{
    TempFolder folder;
    std::string file = folder.File(c.fileName);
    if (c.before != kMissing)
        WriteBytes(file, c.before);
    std::string log;
    for (const Step& step : c.steps) {
        ClearStack();
        log += step(store, file.c_str()) + "\n";
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
        if (!c.wineDiffers) {
            EXPECT_EQ(ours, theirs) << "case \"" << c.name << "\"";
        } else if (ours == theirs) {
            std::printf("note: \"%s\" no longer differs (%s)\n", c.name, c.wineDiffers);
        } else {
            ++expectedDifferences;
            std::printf("expected difference in \"%s\": %s\n--- engine\n%s--- system\n%s", c.name, c.wineDiffers,
                        ours.c_str(), theirs.c_str());
        }
    }
    std::printf("%d expected differences\n", expectedDifferences);
}

} // namespace
