// The INI parser and random engine calls, each answer and the file's bytes
// after each change compared with a plain model that scans the lines from the
// top on every call (no index, no cache). ReadInt runs under the sanitizers;
// its values are the read test's table.
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

string Trim(const string& s, bool left = true, bool right = true)
{
    auto blank = [](unsigned char c) { return (c >= 0x09 && c <= 0x0D) || c == 0x1A || c == 0x20; };
    std::size_t begin = 0, end = s.size();
    while (left && begin < end && blank(s[begin]))
        ++begin;
    while (right && end > begin && blank(s[end - 1]))
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

string OneLine(string s)
{
    for (char& c : s)
        c = c == '\r' || c == '\n' ? ' ' : c;
    return s;
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

struct Model {
    bool exists = false;
    std::vector<std::pair<string, string>> lines; // text, terminator

    void Load(const string& bytes)
    {
        exists = true;
        lines.clear();
        for (std::size_t start = 0, end; start < bytes.size(); start = end) {
            end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
            const std::size_t ending = bytes.compare(end, 2, "\r\n") == 0 ? 2 : end < bytes.size();
            lines.push_back({bytes.substr(start, end - start), bytes.substr(end, ending)});
            end += ending;
        }
    }
    string Bytes() const
    {
        string out;
        for (const auto& line : lines)
            out += line.first + line.second;
        return out;
    }
    // The first line in [from, to) of the kind with the name, or npos.
    std::size_t Find(std::size_t from, std::size_t to, Kind kind, const string& name) const
    {
        for (std::size_t i = from; i < to; ++i)
            if (Parse(lines[i].first).kind == kind && Folded(Parse(lines[i].first).name) == Folded(name))
                return i;
        return npos;
    }
    std::size_t End(std::size_t header) const
    {
        std::size_t i = header + 1;
        while (i < lines.size() && Parse(lines[i].first).kind != Header)
            ++i;
        return i;
    }
    std::size_t FindKey(const string& section, const string& key) const
    {
        const std::size_t header = Find(0, lines.size(), Header, section);
        return header == npos ? npos : Find(header + 1, End(header), Key, key);
    }
    string ReadString(const string& section, const string& key, const char* defaultValue, unsigned size) const
    {
        const std::size_t line = section.empty() || key.empty() ? npos : FindKey(section, key);
        const Parsed found = line == npos ? Parsed() : Parse(lines[line].first);
        string value = found.value;
        if (!found.hasValue)
            for (value = defaultValue ? defaultValue : ""; !value.empty() && value.back() == ' ';)
                value.pop_back();
        if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
            value = value.substr(1, value.size() - 2);
        return value.substr(0, size - 1);
    }
    void Write(const string& section, const string& key, const string& value)
    {
        const string newValue = OneLine(Trim(value, true, false)), name = OneLine(Trim(key, true, false));
        const std::size_t header = Find(0, lines.size(), Header, section);
        const std::size_t line = FindKey(section, name);
        exists = true;
        if (line != npos) {
            // Unchanged when the text after '=' (left-trimmed, trailing blanks kept) is the new value.
            string& text = lines[line].first;
            if (!Parse(text).hasValue || Trim(text.substr(text.find('=') + 1), true, false) != newValue)
                text = Parse(text).name + "=" + newValue;
            return;
        }
        std::size_t at = lines.size(); // a new section goes to the end, a new key after its section's last key
        if (header != npos)
            for (std::size_t i = at = header + 1; i < End(header); ++i)
                at = Parse(lines[i].first).kind == Key ? i + 1 : at;
        if (at > 0 && lines[at - 1].second.empty())
            lines[at - 1].second = "\r\n";
        if (header == npos)
            lines.insert(lines.begin() + at++, {"[" + OneLine(Trim(section, true, false)) + "]", "\r\n"});
        lines.insert(lines.begin() + at, {name + "=" + newValue, "\r\n"});
    }
    void Delete(const string& section, const char* key)
    {
        const std::size_t header = Find(0, lines.size(), Header, section);
        const std::size_t line = key ? FindKey(section, key) : header;
        if (line != npos)
            lines.erase(lines.begin() + line, lines.begin() + (key ? line + 1 : End(header)));
    }
};

// Names and values that collide on purpose: case, Windows-1252 letters, blanks, quotes, structure.
const char* const kDictionary[] = {"MAIN",       "main",   "1/1",     " Sec ",  "sec",  "K",     "k",    "\xC4",
                                   "\xE4",       "\x8A",   "\x9A",    "",       " ",    "a=b",   "=",    "[x]",
                                   "[x",         ";c",     "\"q\"",   "'q'",    "'x\"", "-7",    "0x1F", "0b101",
                                   "4294967297", "  lead", "trail  ", "a\r\nb", "v ;c", "\t9\t", "\x1A"};

// A random text, a dictionary word or the name on a line of the file (up to
// a zero byte, as the engine gets it).
string Pick(FuzzedDataProvider& in, const Model& model)
{
    const unsigned choice = in.ConsumeIntegralInRange<unsigned>(0, 3);
    if (choice == 0)
        return in.ConsumeRandomLengthString(24).c_str();
    if (choice >= 2 && !model.lines.empty())
        return Parse(model.lines[in.ConsumeIntegralInRange<std::size_t>(0, model.lines.size() - 1)].first).name.c_str();
    return kDictionary[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kDictionary) - 1)];
}

void Check(bool ok, const string& what, const string& engine, const string& model)
{
    if (ok)
        return;
    std::fprintf(stderr, "differs from the model: %s\nengine: [%s]\nmodel:  [%s]\n", what.c_str(), engine.c_str(),
                 model.c_str());
    std::abort();
}

void CheckFile(MemoryFileSystem& files, const Model& model)
{
    const string bytes = files.files.count(kFile) ? files.files[kFile] : "<missing>";
    Check(bytes == (model.exists ? model.Bytes() : "<missing>"), "file", bytes, model.Bytes());
}

void CheckRead(ProfileEngine& engine, const Model& model, const string& section, const string& key,
               const char* defaultValue, unsigned size)
{
    std::vector<char> buffer(size, '\x7F'); // exactly size bytes, so the sanitizer sees any write past it
    const unsigned got = engine.ReadString(section.c_str(), key.c_str(), defaultValue, buffer.data(), size, kFile);
    const string expected = model.ReadString(section, key, defaultValue, size);
    Check(string(buffer.data(), got) == expected && buffer[got] == '\0', "read [" + section + "] " + key,
          string(buffer.data(), got), expected);
    engine.ReadInt(section.c_str(), key.c_str(), 0, kFile);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    MemoryFileSystem files;
    ProfileEngine engine(files);
    Model model;
    if (!input.empty()) {
        files.Put(kFile, input.substr(0, split));
        model.Load(input.substr(0, split));
    }
    const string calls = split == npos ? string() : input.substr(split + 1);
    FuzzedDataProvider in(reinterpret_cast<const std::uint8_t*>(calls.data()), calls.size());
    int batchDepth = 0;
    while (in.remaining_bytes() > 0) {
        const string section = Pick(in, model), key = Pick(in, model), text = Pick(in, model);
        switch (in.ConsumeIntegralInRange<int>(0, 7)) {
        case 0: {
            const char* const defaultValue = in.ConsumeBool() ? nullptr : text.c_str();
            CheckRead(engine, model, section, key, defaultValue, in.ConsumeIntegralInRange<unsigned>(1, 40));
            break;
        }
        case 1:
        case 2:
            Check(engine.WriteString(section.c_str(), key.c_str(), text.c_str(), kFile), "write failed", section, key);
            model.Write(section, key, text);
            break;
        case 3:
            engine.DeleteKey(section.c_str(), key.c_str(), kFile);
            model.Delete(section, key.c_str());
            break;
        case 4:
            engine.DeleteSection(section.c_str(), kFile);
            model.Delete(section, nullptr);
            break;
        case 5: // another program rewrites the file between two calls
            if (batchDepth == 0) {
                const string bytes = in.ConsumeRandomLengthString(64);
                files.Put(kFile, bytes);
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
                Check(engine.EndBatch(), "EndBatch failed", section, key);
                --batchDepth;
            }
        }
        if (batchDepth == 0)
            CheckFile(files, model);
    }
    while (batchDepth-- > 0)
        engine.EndBatch();
    CheckFile(files, model);
    return 0;
}
