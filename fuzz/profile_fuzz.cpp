// Random engine calls on a file of any bytes. The engine keeps each file
// parsed between calls, edits that copy in place and writes a batch at its
// end; the file's bytes and every answer must be those of engines that read
// the file afresh for each call and write at once. ReadString is held to a
// plain model of the reading rules that scans the lines from the top; the
// rules of writing are the table cases', held to the system's functions by
// the differential test.
// Input: the file's bytes, a zero byte, then the bytes that choose the calls.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz/memory_file_system.h"
#include "ini/profile_engine.h"

namespace {

using std::string;
constexpr std::size_t npos = string::npos;
const char* const kFile = "plan.sw";

string Trim(const string& s)
{
    auto blank = [](unsigned char c) { return (c >= 0x09 && c <= 0x0D) || c == 0x1A || c == 0x20; };
    std::size_t begin = 0, end = s.size();
    while (begin < end && blank(s[begin]))
        ++begin;
    while (end > begin && blank(s[end - 1]))
        --end;
    return s.substr(begin, end - begin);
}

// Trimmed and folded to lower case, Windows-1252 letters included.
string Folded(const string& name)
{
    string folded = Trim(name);
    for (char& c : folded) {
        const unsigned char u = c;
        if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
            c = static_cast<char>(u + 32);
        else if (u == 0x8A || u == 0x8C || u == 0x8E || u == 0x9F)
            c = static_cast<char>(u == 0x9F ? 0xFF : u + 16);
    }
    return folded;
}

enum Kind { Other, Header, Key };
struct Parsed {
    Kind kind = Other; // blank lines and comments are Other
    string name, value;
    bool hasValue = false;
};

Parsed Parse(const string& line)
{
    const string t = Trim(line);
    const std::size_t close = t.rfind(']'), equals = t.find('=');
    if (t.empty() || t[0] == ';')
        return {};
    if (t[0] == '[' && close != npos)
        return {Header, Trim(t.substr(1, close - 1)), "", false};
    return {Key, Trim(t.substr(0, equals)), equals == npos ? "" : Trim(t.substr(equals + 1)), equals != npos};
}

// The lines of the bytes, ended by CR LF, CR or LF.
std::vector<Parsed> Lines(const string& bytes)
{
    std::vector<Parsed> lines;
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
        lines.push_back(Parse(bytes.substr(start, end - start)));
        start = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

// What ReadString gives: the first key of the name in the first section of the name.
string ModelRead(const string& bytes, const string& section, const string& key, const char* defaultValue, unsigned size)
{
    const std::vector<Parsed> lines = Lines(bytes);
    std::size_t i = 0;
    while (i < lines.size() && !(lines[i].kind == Header && Folded(lines[i].name) == Folded(section)))
        ++i;
    Parsed found;
    for (++i; !section.empty() && !key.empty() && i < lines.size() && lines[i].kind != Header; ++i) {
        if (lines[i].kind == Key && Folded(lines[i].name) == Folded(key)) {
            found = lines[i];
            break;
        }
    }
    string value = found.value;
    if (!found.hasValue)
        for (value = defaultValue ? defaultValue : ""; !value.empty() && value.back() == ' ';)
            value.pop_back();
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
        value = value.substr(1, value.size() - 2);
    return value.substr(0, size - 1);
}

// Names and values that collide on purpose: case, Windows-1252 letters, blanks, quotes, structure.
const char* const kDictionary[] = {"MAIN",       "main",   "1/1",     " Sec ",  "sec",  "K",     "k",    "\xC4",
                                   "\xE4",       "\x8A",   "\x9A",    "",       " ",    "a=b",   "=",    "[x]",
                                   "[x",         ";c",     "\"q\"",   "'q'",    "'x\"", "-7",    "0x1F", "0b101",
                                   "4294967297", "  lead", "trail  ", "a\r\nb", "v ;c", "\t9\t", "\x1A"};

// A random text, a dictionary word or the name on a line of the file (up to
// a zero byte, as the engine gets it).
string Pick(FuzzedDataProvider& in, const std::vector<Parsed>& lines)
{
    const unsigned choice = in.ConsumeIntegralInRange<unsigned>(0, 3);
    if (choice == 0)
        return in.ConsumeRandomLengthString(24).c_str();
    if (choice >= 2 && !lines.empty())
        return lines[in.ConsumeIntegralInRange<std::size_t>(0, lines.size() - 1)].name.c_str();
    return kDictionary[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kDictionary) - 1)];
}

void Check(bool ok, const string& what, const string& engine, const string& expected)
{
    if (ok)
        return;
    std::fprintf(stderr, "%s\nengine:   [%s]\nexpected: [%s]\n", what.c_str(), engine.c_str(), expected.c_str());
    std::abort();
}

// The file's bytes, none for no file.
string Bytes(const MemoryFileSystem& files)
{
    const auto file = files.files.find(kFile);
    return file == files.files.end() ? "" : file->second;
}

// The answer in a buffer of exactly size bytes, so the sanitizer sees any write past it.
string Read(ProfileEngine& engine, const string& section, const string& key, const char* defaultValue, unsigned size)
{
    std::vector<char> buffer(size, '\x7F');
    const unsigned got = engine.ReadString(section.c_str(), key.c_str(), defaultValue, buffer.data(), size, kFile);
    Check(got < size && buffer[got] == '\0', "read not terminated", string(buffer.data(), size), "");
    return string(buffer.data(), got);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    MemoryFileSystem files, afresh; // the engine's, and that of the engines that read afresh
    if (!input.empty()) {
        files.Put(kFile, input.substr(0, split));
        afresh.Put(kFile, input.substr(0, split));
    }
    ProfileEngine engine(files);
    const string calls = split == npos ? string() : input.substr(split + 1);
    FuzzedDataProvider in(reinterpret_cast<const std::uint8_t*>(calls.data()), calls.size());
    int batchDepth = 0;
    while (in.remaining_bytes() > 0) {
        const string bytes = Bytes(afresh);
        const std::vector<Parsed> lines = Lines(bytes);
        const string section = Pick(in, lines), key = Pick(in, lines), text = Pick(in, lines);
        const char *s = section.c_str(), *k = key.c_str(), *t = text.c_str();
        ProfileEngine fresh(afresh);
        switch (in.ConsumeIntegralInRange<int>(0, 7)) {
        case 0: {
            const char* const defaultValue = in.ConsumeBool() ? nullptr : t;
            const unsigned bufferSize = in.ConsumeIntegralInRange<unsigned>(1, 40);
            const string got = Read(engine, section, key, defaultValue, bufferSize);
            const string expected = ModelRead(bytes, section, key, defaultValue, bufferSize);
            Check(got == expected, "read [" + section + "] " + key, got, expected);
            Check(engine.ReadInt(s, k, 0, kFile) == fresh.ReadInt(s, k, 0, kFile), "ReadInt", section, key);
            break;
        }
        case 1:
        case 2:
            Check(engine.WriteString(s, k, t, kFile) && fresh.WriteString(s, k, t, kFile), "write failed", s, k);
            break;
        case 3:
            Check(engine.DeleteKey(s, k, kFile) == fresh.DeleteKey(s, k, kFile), "DeleteKey", s, k);
            break;
        case 4:
            Check(engine.DeleteSection(s, kFile) == fresh.DeleteSection(s, kFile), "DeleteSection", s, "");
            break;
        case 5: // another program rewrites the file between two calls
            if (batchDepth == 0) {
                const string outside = in.ConsumeRandomLengthString(64);
                files.Put(kFile, outside);
                afresh.Put(kFile, outside);
            }
            break;
        case 6:
            if (batchDepth < 3) {
                engine.BeginBatch();
                ++batchDepth;
            }
            break;
        default:
            if (batchDepth > 0) {
                Check(engine.EndBatch(), "EndBatch failed", s, k);
                --batchDepth;
            }
        }
        if (batchDepth == 0)
            Check(files.files == afresh.files, "file", Bytes(files), Bytes(afresh));
    }
    while (batchDepth-- > 0)
        engine.EndBatch();
    Check(files.files == afresh.files, "file", Bytes(files), Bytes(afresh));
    return 0;
}
