#pragma once
// An in-memory ProfileStore for tests: files of sections of keys, both in
// the order they were first written, following the private-profile rules
// the core relies on (case-insensitive names, defaults for missing keys,
// new keys at the end of their section, new sections at the end of the file).
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/profile_store.h"

class MemoryProfileStore : public ProfileStore {
public:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> keys;
    };
    using File = std::vector<Section>;

    unsigned ReadString(const char* section, const char* key, const char* defaultValue, char* buffer,
                        unsigned size, const char* file) override
    {
        if (size == 0)
            return 0;
        std::string text;
        if (const std::string* value = Find(section, key, file)) {
            text = Unquoted(*value);
        } else {
            text = defaultValue != nullptr ? defaultValue : "";
            while (!text.empty() && text.back() == ' ')
                text.pop_back();
            text = Unquoted(text);
        }
        const std::size_t length = std::min<std::size_t>(text.size(), size - 1);
        std::memcpy(buffer, text.data(), length);
        buffer[length] = '\0';
        return static_cast<unsigned>(length);
    }

    unsigned ReadInt(const char* section, const char* key, int defaultValue, const char* file) override
    {
        const std::string* value = Find(section, key, file);
        const std::string text = value != nullptr ? Unquoted(*value).substr(0, 29) : "";
        if (text.empty())
            return static_cast<unsigned>(defaultValue);
        std::size_t pos = 0;
        while (pos < text.size() && static_cast<unsigned char>(text[pos]) <= 0x20)
            ++pos;
        bool negative = false;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
            negative = text[pos++] == '-';
        unsigned base = 10;
        if (pos + 1 < text.size() && text[pos] == '0' && std::strchr("xob", text[pos + 1]) != nullptr) {
            base = text[pos + 1] == 'x' ? 16 : text[pos + 1] == 'o' ? 8 : 2;
            pos += 2;
        }
        std::uint32_t result = 0;
        for (; pos < text.size(); ++pos) {
            const int c = std::tolower(static_cast<unsigned char>(text[pos]));
            const unsigned digit = std::isdigit(c) ? static_cast<unsigned>(c - '0')
                                   : (c >= 'a' && c <= 'f') ? static_cast<unsigned>(c - 'a' + 10)
                                                            : 99u;
            if (digit >= base)
                break;
            result = result * base + digit;
        }
        return negative ? 0u - result : result;
    }

    bool WriteString(const char* section, const char* key, const char* value, const char* file) override
    {
        if (section == nullptr || key == nullptr || value == nullptr)
            return false;
        ++writes_;
        std::string text = value;
        text.erase(0, text.find_first_not_of(" \t\r\n\v\f"));
        if (text.find_first_not_of(" \t\r\n\v\f") == std::string::npos)
            text.clear();
        File& f = files_[file];
        Section* s = FindSection(f, section);
        if (s == nullptr) {
            f.push_back(Section{section, {}});
            s = &f.back();
        }
        for (auto& [name, stored] : s->keys) {
            if (Same(name, key)) {
                stored = text;
                return true;
            }
        }
        s->keys.emplace_back(key, text);
        return true;
    }

    bool DeleteKey(const char* section, const char* key, const char* file) override
    {
        ++writes_;
        auto f = files_.find(file);
        if (f == files_.end())
            return true;
        if (Section* s = FindSection(f->second, section)) {
            auto& keys = s->keys;
            auto it = std::find_if(keys.begin(), keys.end(), [&](const auto& k) { return Same(k.first, key); });
            if (it != keys.end())
                keys.erase(it);
        }
        return true;
    }

    bool DeleteSection(const char* section, const char* file) override
    {
        ++writes_;
        auto f = files_.find(file);
        if (f == files_.end())
            return true;
        auto& sections = f->second;
        auto it = std::find_if(sections.begin(), sections.end(), [&](const Section& s) { return Same(s.name, section); });
        if (it != sections.end())
            sections.erase(it);
        return true;
    }

    // --- for tests ---
    bool Has(const std::string& file, const std::string& section, const std::string& key)
    {
        return Find(section.c_str(), key.c_str(), file.c_str()) != nullptr;
    }
    bool HasSection(const std::string& file, const std::string& section)
    {
        auto f = files_.find(file);
        return f != files_.end() && FindSection(f->second, section.c_str()) != nullptr;
    }
    std::string Value(const std::string& file, const std::string& section, const std::string& key)
    {
        const std::string* value = Find(section.c_str(), key.c_str(), file.c_str());
        return value != nullptr ? *value : std::string();
    }
    // Key names of a section in file order.
    std::vector<std::string> Keys(const std::string& file, const std::string& section)
    {
        std::vector<std::string> names;
        auto f = files_.find(file);
        if (f != files_.end()) {
            if (const Section* s = FindSection(f->second, section.c_str())) {
                for (const auto& key : s->keys)
                    names.push_back(key.first);
            }
        }
        return names;
    }
    // The file as INI text, for comparing whole files before and after.
    std::string Dump(const std::string& file) const
    {
        std::string text;
        auto f = files_.find(file);
        if (f == files_.end())
            return text;
        for (const Section& s : f->second) {
            text += "[" + s.name + "]\n";
            for (const auto& [key, value] : s.keys)
                text += key + "=" + value + "\n";
        }
        return text;
    }
    // Number of writing calls so far (writes, key and section deletions).
    int writes() const { return writes_; }

private:
    static bool Same(const std::string& a, const char* b)
    {
        const std::size_t length = std::strlen(b);
        if (a.size() != length)
            return false;
        for (std::size_t i = 0; i < length; ++i) {
            if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
                return false;
        }
        return true;
    }

    static std::string Unquoted(const std::string& text)
    {
        if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front())
            return text.substr(1, text.size() - 2);
        return text;
    }

    static Section* FindSection(File& file, const char* section)
    {
        for (Section& s : file) {
            if (Same(s.name, section))
                return &s;
        }
        return nullptr;
    }

    const std::string* Find(const char* section, const char* key, const char* file)
    {
        auto f = files_.find(file);
        if (f == files_.end())
            return nullptr;
        Section* s = FindSection(f->second, section);
        if (s == nullptr)
            return nullptr;
        for (const auto& [name, value] : s->keys) {
            if (Same(name, key))
                return &value;
        }
        return nullptr;
    }

    std::map<std::string, File> files_;
    int writes_ = 0;
};
