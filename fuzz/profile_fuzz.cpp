// The INI parser and a random sequence of engine calls on the parsed file,
// each answer and the file's bytes after each change compared with the plain
// model of fuzz/profile_model.h.
// Input: the file's bytes, then a zero byte, then the bytes that choose the
// calls (no zero byte: the file alone, read back by every name it holds).
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/memory_file_system.h"
#include "fuzz/profile_model.h"
#include "ini/profile_engine.h"

namespace {

const char* const FILE_NAME = "plan.sw";

// Names and values that collide on purpose: case, Windows-1252 letters,
// blanks, quotes, the structural characters.
const char* const DICTIONARY[] = {"MAIN",    "main",   "Options", "1/1",   "1/2",  " Sec ", "sec",        "K",
                                  "k",       "Key",    "\xC4",    "\xE4",  "\x8A", "\x9A",  "",           " ",
                                  "a=b",     "=",      "[x]",     "[x",    ";c",   "#k",    "\"q\"",      "'q'",
                                  "\"a b\"", "'x\"",   "12",      "-7",    "0x1F", "0b101", "4294967297", "  lead",
                                  "trail  ", "a\r\nb", "v ;c",    "\t9\t", "\x1A"};
constexpr std::size_t DICTIONARY_SIZE = sizeof DICTIONARY / sizeof DICTIONARY[0];

// The callers' names and values are C strings: a pick ends at a zero byte.
std::string CText(std::string text)
{
    return text.substr(0, text.find('\0'));
}

std::string Pick(FuzzedDataProvider& in, const ProfileModel& model)
{
    const unsigned choice = in.ConsumeIntegralInRange<unsigned>(0, 3);
    if (choice == 0) {
        return CText(in.ConsumeRandomLengthString(24));
    }
    if (choice >= 2) {
        const std::vector<std::string> names = model.Names();
        if (!names.empty())
            return CText(names[in.ConsumeIntegralInRange<std::size_t>(0, names.size() - 1)]);
    }
    return DICTIONARY[in.ConsumeIntegralInRange<std::size_t>(0, DICTIONARY_SIZE - 1)];
}

// Bytes outside printable ASCII as \xNN, so that a report shows every byte.
std::string Escaped(const std::string& text)
{
    std::string out;
    for (unsigned char c : text) {
        char hex[8];
        std::snprintf(hex, sizeof hex, c < 0x20 || c > 0x7E || c == '\\' ? "\\x%02X" : "%c", c);
        out += hex;
    }
    return out;
}

[[noreturn]] void Fail(const std::string& what, const std::string& a, const std::string& b)
{
    std::fprintf(stderr, "profile engine differs from the model: %s\nengine: [%s]\nmodel:  [%s]\n",
                 Escaped(what).c_str(), Escaped(a).c_str(), Escaped(b).c_str());
    std::abort();
}

void CheckFile(MemoryFileSystem& files, const ProfileModel& model)
{
    auto found = files.files.find(FILE_NAME);
    const bool exists = found != files.files.end();
    if (exists != model.exists)
        Fail("file existence", exists ? "exists" : "missing", model.exists ? "exists" : "missing");
    if (exists && found->second != model.Bytes())
        Fail("file bytes", found->second, model.Bytes());
}

void CheckRead(ProfileEngine& engine, const ProfileModel& model, const std::string& section, const std::string& key,
               const char* defaultValue, unsigned size)
{
    // Exactly size bytes, so the sanitizer sees any write past the buffer.
    std::vector<char> buffer(size, '\x7F');
    const unsigned got = engine.ReadString(section.c_str(), key.c_str(), defaultValue, buffer.data(), size, FILE_NAME);
    const std::string expected = model.ReadString(section, key, defaultValue, size);
    const std::string actual(buffer.data(), got);
    if (got != expected.size() || actual != expected || buffer[got] != '\0')
        Fail("ReadString [" + section + "] " + key, actual, expected);
    const int intDefault = static_cast<int>(size) - 3;
    const unsigned number = engine.ReadInt(section.c_str(), key.c_str(), intDefault, FILE_NAME);
    const std::uint32_t expectedNumber = model.ReadInt(section, key, intDefault);
    if (number != expectedNumber)
        Fail("ReadInt [" + section + "] " + key, std::to_string(number), std::to_string(expectedNumber));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::string file = input.substr(0, split);
    const std::string calls = split == std::string::npos ? std::string() : input.substr(split + 1);

    MemoryFileSystem files;
    ProfileEngine engine(files);
    ProfileModel model;
    if (!input.empty()) {
        files.Put(FILE_NAME, file);
        model.Load(file);
    }

    // Every name the file holds, looked up as section and as key.
    const std::vector<std::string> names = model.Names();
    const std::size_t probe = names.size() < 6 ? names.size() : 6;
    for (std::size_t s = 0; s < probe; ++s) {
        for (std::size_t k = 0; k < probe; ++k)
            CheckRead(engine, model, CText(names[s]), CText(names[k]), "dflt", 300);
    }

    FuzzedDataProvider in(reinterpret_cast<const std::uint8_t*>(calls.data()), calls.size());
    int batchDepth = 0;
    while (in.remaining_bytes() > 0) {
        const std::string section = Pick(in, model);
        const std::string key = Pick(in, model);
        switch (in.ConsumeIntegralInRange<int>(0, 7)) {
        case 0: {
            const std::string value = Pick(in, model);
            const bool nullDefault = in.ConsumeBool();
            const unsigned bufferSize = in.ConsumeIntegralInRange<unsigned>(1, 40);
            CheckRead(engine, model, section, key, nullDefault ? nullptr : value.c_str(), bufferSize);
            break;
        }
        case 1:
        case 2: {
            const std::string value = Pick(in, model);
            if (!engine.WriteString(section.c_str(), key.c_str(), value.c_str(), FILE_NAME))
                Fail("WriteString failed", section, key);
            model.Write(section, key, value);
            break;
        }
        case 3:
            engine.DeleteKey(section.c_str(), key.c_str(), FILE_NAME);
            model.DeleteKey(section, key);
            break;
        case 4:
            engine.DeleteSection(section.c_str(), FILE_NAME);
            model.DeleteSection(section);
            break;
        case 5:
            // Another program rewrites the file between two calls.
            if (batchDepth == 0) {
                const std::string bytes = in.ConsumeRandomLengthString(64);
                files.Put(FILE_NAME, bytes);
                model.Load(bytes);
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
                if (!engine.EndBatch())
                    Fail("EndBatch failed", section, key);
                --batchDepth;
            }
            break;
        }
        if (batchDepth == 0)
            CheckFile(files, model);
    }
    while (batchDepth-- > 0)
        engine.EndBatch();
    CheckFile(files, model);
    return 0;
}
