// Random engine calls on a file of any bytes. The engine keeps each file
// parsed between calls, edits that copy in place and writes a batch at its
// end; every answer and the file's bytes must be those of engines that read
// the file afresh for each call and write at once. The rules of reading and
// writing are the table cases', held to the system's functions by the
// differential test.
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

// Names and values that collide on purpose: case, Windows-1252 letters, blanks, quotes, structure.
const char* const kDictionary[] = {"MAIN",       "main",   "1/1",     " Sec ",  "sec",  "K",     "k",    "\xC4",
                                   "\xE4",       "\x8A",   "\x9A",    "",       " ",    "a=b",   "=",    "[x]",
                                   "[x",         ";c",     "\"q\"",   "'q'",    "'x\"", "-7",    "0x1F", "0b101",
                                   "4294967297", "  lead", "trail  ", "a\r\nb", "v ;c", "\t9\t", "\x1A"};

// A random text, a dictionary word or a name from a line of the file: its
// text up to a line end, '=' or ']', after a '['.
string Pick(FuzzedDataProvider& in, const string& bytes)
{
    const unsigned choice = in.ConsumeIntegralInRange<unsigned>(0, 3);
    if (choice == 0)
        return in.ConsumeRandomLengthString(24).c_str();
    if (choice >= 2 && !bytes.empty()) {
        const std::size_t at = bytes.find_last_of("\r\n[", in.ConsumeIntegralInRange<std::size_t>(0, bytes.size() - 1));
        const std::size_t start = at == npos ? 0 : at + 1;
        return bytes.substr(start, bytes.find_first_of("\r\n=]", start) - start).c_str();
    }
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
        const string section = Pick(in, bytes), key = Pick(in, bytes), text = Pick(in, bytes);
        const char *s = section.c_str(), *k = key.c_str(), *t = text.c_str();
        ProfileEngine fresh(afresh);
        switch (in.ConsumeIntegralInRange<int>(0, 7)) {
        case 0: {
            const char* const defaultValue = in.ConsumeBool() ? nullptr : t;
            const unsigned bufferSize = in.ConsumeIntegralInRange<unsigned>(1, 40);
            const string got = Read(engine, section, key, defaultValue, bufferSize);
            const string expected = Read(fresh, section, key, defaultValue, bufferSize);
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
