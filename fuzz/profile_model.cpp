#include "fuzz/profile_model.h"

namespace {

constexpr std::size_t npos = std::string::npos;

bool IsBlank(unsigned char c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x1A || c == 0x20;
}

std::string TrimLeft(const std::string& s)
{
    std::size_t b = 0;
    while (b < s.size() && IsBlank(static_cast<unsigned char>(s[b])))
        ++b;
    return s.substr(b);
}

std::string TrimRight(const std::string& s)
{
    std::size_t e = s.size();
    while (e > 0 && IsBlank(static_cast<unsigned char>(s[e - 1])))
        --e;
    return s.substr(0, e);
}

std::string Trim(const std::string& s)
{
    return TrimLeft(TrimRight(s));
}

// Windows-1252 upper-case letters and their lower-case partners.
unsigned char Lower(unsigned char c)
{
    if (c >= 'A' && c <= 'Z')
        return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return static_cast<unsigned char>(c + 32);
    switch (c) {
    case 0x8A:
        return 0x9A;
    case 0x8C:
        return 0x9C;
    case 0x8E:
        return 0x9E;
    case 0x9F:
        return 0xFF;
    default:
        return c;
    }
}

bool SameName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(static_cast<unsigned char>(a[i])) != Lower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::string Unquote(const std::string& s)
{
    if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front())
        return s.substr(1, s.size() - 2);
    return s;
}

std::string OneLine(std::string s)
{
    for (char& c : s) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return s;
}

} // namespace

void ProfileModel::Load(const std::string& bytes)
{
    exists = true;
    lines_.clear();
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < bytes.size()) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            std::size_t len = (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
            lines_.push_back({bytes.substr(start, i - start), bytes.substr(i, len)});
            i += len;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < bytes.size())
        lines_.push_back({bytes.substr(start), ""});
}

std::string ProfileModel::Bytes() const
{
    std::string out;
    for (const Line& line : lines_)
        out += line.text + line.end;
    return out;
}

ProfileModel::Kind ProfileModel::KindOf(const std::string& text, std::string& name, std::string& value, bool& hasValue)
{
    const std::string t = Trim(text);
    name.clear();
    value.clear();
    hasValue = false;
    if (t.empty())
        return Kind::Blank;
    if (t[0] == ';')
        return Kind::Comment;
    if (t[0] == '[') {
        std::size_t close = t.rfind(']');
        if (close != npos) {
            name = Trim(t.substr(1, close - 1));
            return Kind::Header;
        }
    }
    std::size_t eq = t.find('=');
    if (eq == npos) {
        name = t;
        return Kind::Key;
    }
    name = TrimRight(t.substr(0, eq));
    value = TrimLeft(t.substr(eq + 1));
    hasValue = true;
    return Kind::Key;
}

std::size_t ProfileModel::FindHeader(const std::string& section) const
{
    const std::string wanted = Trim(section);
    std::string name, value;
    bool hasValue;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (KindOf(lines_[i].text, name, value, hasValue) == Kind::Header && SameName(name, wanted))
            return i;
    }
    return npos;
}

std::size_t ProfileModel::SectionEnd(std::size_t header) const
{
    std::string name, value;
    bool hasValue;
    std::size_t i = header + 1;
    while (i < lines_.size() && KindOf(lines_[i].text, name, value, hasValue) != Kind::Header)
        ++i;
    return i;
}

std::size_t ProfileModel::FindKeyLine(std::size_t header, const std::string& key) const
{
    const std::string wanted = Trim(key);
    std::string name, value;
    bool hasValue;
    const std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (KindOf(lines_[i].text, name, value, hasValue) == Kind::Key && SameName(name, wanted))
            return i;
    }
    return npos;
}

bool ProfileModel::Find(const std::string& section, const std::string& key, std::string& value) const
{
    // An empty name never matches, not even the lines before the first header.
    if (section.empty() || key.empty())
        return false;
    const std::size_t header = FindHeader(section);
    if (header == npos)
        return false;
    const std::size_t line = FindKeyLine(header, key);
    if (line == npos)
        return false;
    std::string name;
    bool hasValue;
    KindOf(lines_[line].text, name, value, hasValue);
    return hasValue;
}

std::string ProfileModel::ReadString(const std::string& section, const std::string& key, const char* defaultValue,
                                     unsigned size) const
{
    std::string value;
    if (!Find(section, key, value)) {
        value = defaultValue ? defaultValue : "";
        while (!value.empty() && value.back() == ' ')
            value.pop_back();
    }
    value = Unquote(value);
    return value.substr(0, size - 1);
}

std::uint32_t ProfileModel::ReadInt(const std::string& section, const std::string& key, int defaultValue) const
{
    std::string value;
    if (Find(section, key, value))
        value = Unquote(value).substr(0, 29);
    if (value.empty())
        return static_cast<std::uint32_t>(defaultValue);
    std::size_t i = 0;
    while (i < value.size() && static_cast<unsigned char>(value[i]) <= 0x20)
        ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == '+' || value[i] == '-'))
        negative = value[i++] == '-';
    unsigned base = 10;
    if (i + 1 < value.size() && value[i] == '0') {
        if (value[i + 1] == 'x')
            base = 16;
        else if (value[i + 1] == 'o')
            base = 8;
        else if (value[i + 1] == 'b')
            base = 2;
        if (base != 10)
            i += 2;
    }
    std::uint32_t result = 0;
    for (; i < value.size(); ++i) {
        const char c = value[i];
        unsigned digit = 99;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (c >= 'a' && c <= 'f')
            digit = static_cast<unsigned>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F')
            digit = static_cast<unsigned>(c - 'A' + 10);
        if (digit >= base)
            break;
        result = result * base + digit;
    }
    return negative ? 0u - result : result;
}

void ProfileModel::Write(const std::string& section, const std::string& key, const std::string& value)
{
    const std::string newValue = OneLine(TrimLeft(value));
    const std::string keyName = OneLine(TrimLeft(key));
    const std::size_t header = FindHeader(section);
    exists = true;
    if (header == npos) {
        if (!lines_.empty() && lines_.back().end.empty())
            lines_.back().end = "\r\n";
        lines_.push_back({"[" + OneLine(TrimLeft(section)) + "]", "\r\n"});
        lines_.push_back({keyName + "=" + newValue, "\r\n"});
        return;
    }
    const std::size_t line = FindKeyLine(header, keyName);
    if (line != npos) {
        std::string name, oldValue;
        bool hasValue;
        KindOf(lines_[line].text, name, oldValue, hasValue);
        // Unchanged when the text after '=' (left-trimmed, trailing blanks kept) is the new value.
        if (hasValue) {
            const std::string& text = lines_[line].text;
            if (TrimLeft(text.substr(text.find('=') + 1)) == newValue)
                return;
        }
        lines_[line].text = name + "=" + newValue;
        return;
    }
    // After the section's last key line, else right after the header.
    std::size_t at = header + 1;
    std::string name, v;
    bool hasValue;
    for (std::size_t i = header + 1; i < SectionEnd(header); ++i) {
        if (KindOf(lines_[i].text, name, v, hasValue) == Kind::Key)
            at = i + 1;
    }
    if (lines_[at - 1].end.empty())
        lines_[at - 1].end = "\r\n";
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{keyName + "=" + newValue, "\r\n"});
}

void ProfileModel::DeleteKey(const std::string& section, const std::string& key)
{
    const std::size_t header = FindHeader(section);
    if (header == npos)
        return;
    const std::size_t line = FindKeyLine(header, key);
    if (line != npos)
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(line));
}

void ProfileModel::DeleteSection(const std::string& section)
{
    const std::size_t header = FindHeader(section);
    if (header != npos) {
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(header),
                     lines_.begin() + static_cast<std::ptrdiff_t>(SectionEnd(header)));
    }
}

std::vector<std::string> ProfileModel::Names() const
{
    std::vector<std::string> names;
    std::string name, value;
    bool hasValue;
    for (const Line& line : lines_) {
        if (KindOf(line.text, name, value, hasValue) != Kind::Blank && !name.empty())
            names.push_back(name);
    }
    return names;
}
