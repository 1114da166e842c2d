// The INI parser and random engine calls, each answer and the file's bytes
// after each change compared with a plain model that scans the lines from the
// top on every call (no index, no cache).
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
const char* const FILE_NAME = "plan.sw";

bool IsBlank(unsigned char c) { return (c >= 0x09 && c <= 0x0D) || c == 0x1A || c == 0x20; }
string TrimLeft(const string& s)
{
    std::size_t b = 0;
    while (b < s.size() && IsBlank(s[b]))
        ++b;
    return s.substr(b);
}
string TrimRight(string s)
{
    while (!s.empty() && IsBlank(s.back()))
        s.pop_back();
    return s;
}
string Trim(const string& s) { return TrimLeft(TrimRight(s)); }
// Windows-1252 case folding.
unsigned char Lower(unsigned char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return c + 32;
    return c == 0x8A || c == 0x8C || c == 0x8E ? c + 16 : c == 0x9F ? 0xFF : c;
}
bool SameName(const string& a, const string& b)
{
    for (std::size_t i = 0; a.size() == b.size() && i <= a.size(); ++i)
        if (i == a.size() || Lower(a[i]) != Lower(b[i]))
            return i == a.size();
    return false;
}
string Unquote(const string& s)
{
    return s.size() >= 2 && (s[0] == '"' || s[0] == '\'') && s.back() == s[0] ? s.substr(1, s.size() - 2) : s;
}
string OneLine(string s)
{
    for (char& c : s)
        c = c == '\r' || c == '\n' ? ' ' : c;
    return s;
}

struct Model {
    bool exists = false;
    std::vector<std::pair<string, string>> lines; // text, terminator
    enum Kind { Blank, Comment, Header, Key };
    struct Parsed {
        Kind kind;
        string name, value;
        bool hasValue = false;
    };
    static Parsed Parse(const string& text)
    {
        const string t = Trim(text);
        if (t.empty() || t[0] == ';')
            return {t.empty() ? Blank : Comment};
        const std::size_t close = t.rfind(']'), eq = t.find('=');
        if (t[0] == '[' && close != npos)
            return {Header, Trim(t.substr(1, close - 1))};
        if (eq == npos)
            return {Key, t};
        return {Key, TrimRight(t.substr(0, eq)), TrimLeft(t.substr(eq + 1)), true};
    }
    void Load(const string& bytes)
    {
        exists = true, lines.clear();
        std::size_t start = 0;
        for (std::size_t i = 0; i < bytes.size();) {
            if (bytes[i] != '\r' && bytes[i] != '\n') {
                ++i;
                continue;
            }
            const std::size_t len = bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n' ? 2 : 1;
            lines.push_back({bytes.substr(start, i - start), bytes.substr(i, len)});
            start = i += len;
        }
        if (start < bytes.size())
            lines.push_back({bytes.substr(start), ""});
    }
    string Bytes() const
    {
        string out;
        for (const auto& line : lines)
            out += line.first + line.second;
        return out;
    }
    std::size_t FindHeader(const string& section) const
    {
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (Parse(lines[i].first).kind == Header && SameName(Parse(lines[i].first).name, Trim(section)))
                return i;
        return npos;
    }
    std::size_t SectionEnd(std::size_t header) const
    {
        std::size_t i = header + 1;
        while (i < lines.size() && Parse(lines[i].first).kind != Header)
            ++i;
        return i;
    }
    std::size_t FindKey(std::size_t header, const string& key) const
    {
        for (std::size_t i = header + 1; i < SectionEnd(header); ++i)
            if (Parse(lines[i].first).kind == Key && SameName(Parse(lines[i].first).name, Trim(key)))
                return i;
        return npos;
    }
    // The raw value of the first matching key of the first matching section; an empty name never matches.
    bool Find(const string& section, const string& key, string& value) const
    {
        const std::size_t header = section.empty() || key.empty() ? npos : FindHeader(section);
        const std::size_t line = header == npos ? npos : FindKey(header, key);
        if (line == npos)
            return false;
        const Parsed p = Parse(lines[line].first);
        return value = p.value, p.hasValue;
    }
    string ReadString(const string& section, const string& key, const char* defaultValue, unsigned size) const
    {
        string value;
        if (!Find(section, key, value))
            for (value = defaultValue ? defaultValue : ""; !value.empty() && value.back() == ' ';)
                value.pop_back();
        return Unquote(value).substr(0, size - 1);
    }
    std::uint32_t ReadInt(const string& section, const string& key, int defaultValue) const
    {
        string v;
        if (Find(section, key, v))
            v = Unquote(v).substr(0, 29);
        if (v.empty())
            return static_cast<std::uint32_t>(defaultValue);
        std::size_t i = 0;
        while (i < v.size() && static_cast<unsigned char>(v[i]) <= 0x20)
            ++i;
        const bool negative = i < v.size() && (v[i] == '+' || v[i] == '-') && v[i++] == '-';
        unsigned base = 10;
        if (i + 1 < v.size() && v[i] == '0' && (v[i + 1] == 'x' || v[i + 1] == 'o' || v[i + 1] == 'b'))
            base = v[i + 1] == 'x' ? 16 : v[i + 1] == 'o' ? 8 : 2, i += 2;
        std::uint32_t result = 0;
        for (unsigned digit; i < v.size(); ++i, result = result * base + digit) {
            const char c = v[i];
            digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : 99;
            if (digit >= base)
                break;
        }
        return negative ? 0u - result : result;
    }
    void Write(const string& section, const string& key, const string& value)
    {
        const string newValue = OneLine(TrimLeft(value)), keyName = OneLine(TrimLeft(key));
        const std::size_t header = FindHeader(section);
        exists = true;
        if (header == npos) {
            if (!lines.empty() && lines.back().second.empty())
                lines.back().second = "\r\n";
            lines.push_back({"[" + OneLine(TrimLeft(section)) + "]", "\r\n"});
            lines.push_back({keyName + "=" + newValue, "\r\n"});
            return;
        }
        const std::size_t line = FindKey(header, keyName);
        if (line != npos) {
            // Unchanged when the text after '=' (left-trimmed, trailing blanks kept) is the new value.
            const string& text = lines[line].first;
            if (!Parse(text).hasValue || TrimLeft(text.substr(text.find('=') + 1)) != newValue)
                lines[line].first = Parse(text).name + "=" + newValue;
            return;
        }
        std::size_t at = header + 1; // after the section's last key line
        for (std::size_t i = header + 1; i < SectionEnd(header); ++i)
            at = Parse(lines[i].first).kind == Key ? i + 1 : at;
        if (lines[at - 1].second.empty())
            lines[at - 1].second = "\r\n";
        lines.insert(lines.begin() + at, {keyName + "=" + newValue, "\r\n"});
    }
    void DeleteKey(const string& section, const string& key)
    {
        const std::size_t header = FindHeader(section), line = header == npos ? npos : FindKey(header, key);
        if (line != npos)
            lines.erase(lines.begin() + line);
    }
    void DeleteSection(const string& section)
    {
        const std::size_t header = FindHeader(section);
        if (header != npos)
            lines.erase(lines.begin() + header, lines.begin() + SectionEnd(header));
    }
    std::vector<string> Names() const
    {
        std::vector<string> names;
        for (const auto& line : lines)
            if (Parse(line.first).kind != Blank && !Parse(line.first).name.empty())
                names.push_back(Parse(line.first).name.substr(0, Parse(line.first).name.find('\0')));
        return names;
    }
};

// Names and values that collide on purpose: case, Windows-1252 letters, blanks, quotes, structure.
const char* const DICTIONARY[] = {"MAIN", "main", "1/1", " Sec ", "sec", "K", "k", "\xC4", "\xE4", "\x8A", "\x9A",
                                  "", " ", "a=b", "=", "[x]", "[x", ";c", "\"q\"", "'q'", "'x\"", "-7", "0x1F",
                                  "0b101", "4294967297", "  lead", "trail  ", "a\r\nb", "v ;c", "\t9\t", "\x1A"};

string Pick(FuzzedDataProvider& in, const Model& model)
{
    const unsigned choice = in.ConsumeIntegralInRange<unsigned>(0, 3);
    const std::vector<string> names = model.Names();
    if (choice == 0) {
        const string text = in.ConsumeRandomLengthString(24);
        return text.substr(0, text.find('\0'));
    }
    if (choice >= 2 && !names.empty())
        return names[in.ConsumeIntegralInRange<std::size_t>(0, names.size() - 1)];
    return DICTIONARY[in.ConsumeIntegralInRange<std::size_t>(0, std::size(DICTIONARY) - 1)];
}

[[noreturn]] void Fail(const string& what, const string& engine, const string& model)
{
    std::fprintf(stderr, "differs from the model: %s\nengine: [%s]\nmodel:  [%s]\n", what.c_str(), engine.c_str(),
                 model.c_str());
    std::abort();
}

void CheckFile(MemoryFileSystem& files, const Model& model)
{
    const bool exists = files.files.count(FILE_NAME) != 0;
    if (exists != model.exists || (exists && files.files[FILE_NAME] != model.Bytes()))
        Fail("file", exists ? files.files[FILE_NAME] : "<missing>", model.Bytes());
}

void CheckRead(ProfileEngine& engine, const Model& model, const string& section, const string& key,
               const char* defaultValue, unsigned size)
{
    std::vector<char> buffer(size, '\x7F'); // exactly size bytes, so the sanitizer sees any write past it
    const unsigned got = engine.ReadString(section.c_str(), key.c_str(), defaultValue, buffer.data(), size, FILE_NAME);
    const string expected = model.ReadString(section, key, defaultValue, size);
    if (string(buffer.data(), got) != expected || buffer[got] != '\0')
        Fail("ReadString [" + section + "] " + key, string(buffer.data(), got), expected);
    const int intDefault = static_cast<int>(size) - 3;
    const std::uint32_t number = engine.ReadInt(section.c_str(), key.c_str(), intDefault, FILE_NAME);
    if (number != model.ReadInt(section, key, intDefault))
        Fail("ReadInt [" + section + "] " + key, std::to_string(number), std::to_string(model.ReadInt(section, key, intDefault)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const string calls = split == npos ? string() : input.substr(split + 1);
    MemoryFileSystem files;
    ProfileEngine engine(files);
    Model model;
    if (!input.empty())
        files.Put(FILE_NAME, input.substr(0, split)), model.Load(input.substr(0, split));
    // Every name the file holds, looked up as section and as key.
    const std::vector<string> names = model.Names();
    for (std::size_t s = 0; s < names.size() && s < 6; ++s)
        for (std::size_t k = 0; k < names.size() && k < 6; ++k)
            CheckRead(engine, model, names[s], names[k], "dflt", 300);
    FuzzedDataProvider in(reinterpret_cast<const std::uint8_t*>(calls.data()), calls.size());
    int batchDepth = 0;
    while (in.remaining_bytes() > 0) {
        const string section = Pick(in, model), key = Pick(in, model);
        switch (in.ConsumeIntegralInRange<int>(0, 7)) {
        case 0: {
            const string value = Pick(in, model);
            const bool nullDefault = in.ConsumeBool();
            CheckRead(engine, model, section, key, nullDefault ? nullptr : value.c_str(), in.ConsumeIntegralInRange<unsigned>(1, 40));
            break;
        }
        case 1:
        case 2: {
            const string value = Pick(in, model);
            if (!engine.WriteString(section.c_str(), key.c_str(), value.c_str(), FILE_NAME))
                Fail("WriteString failed", section, key);
            model.Write(section, key, value);
            break;
        }
        case 3:
            engine.DeleteKey(section.c_str(), key.c_str(), FILE_NAME), model.DeleteKey(section, key);
            break;
        case 4:
            engine.DeleteSection(section.c_str(), FILE_NAME), model.DeleteSection(section);
            break;
        case 5: // another program rewrites the file between two calls
            if (batchDepth == 0) {
                const string bytes = in.ConsumeRandomLengthString(64);
                files.Put(FILE_NAME, bytes), model.Load(bytes);
            }
            break;
        case 6:
            if (batchDepth < 3)
                engine.BeginBatch(), ++batchDepth;
            break;
        default:
            if (batchDepth > 0 && !engine.EndBatch())
                Fail("EndBatch failed", section, key);
            batchDepth -= batchDepth > 0;
        }
        if (batchDepth == 0)
            CheckFile(files, model);
    }
    while (batchDepth-- > 0)
        engine.EndBatch();
    CheckFile(files, model);
    return 0;
}
