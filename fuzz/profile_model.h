#pragma once
// A deliberately plain model of the private-profile functions: the file is a
// list of lines, and every call scans them from the top, as a system that
// re-reads the file each time would. No index, no cache: the fuzz target
// holds the engine's answers and file bytes against it.
#include <cstdint>
#include <string>
#include <vector>

class ProfileModel {
public:
    bool exists = false;

    void Load(const std::string& bytes);
    std::string Bytes() const;

    // The value (quotes not yet removed) of the first matching key of the
    // first matching section; false when there is none or it has no '='.
    bool Find(const std::string& section, const std::string& key, std::string& value) const;
    // GetPrivateProfileStringA's result for size > 0.
    std::string ReadString(const std::string& section, const std::string& key, const char* defaultValue,
                           unsigned size) const;
    std::uint32_t ReadInt(const std::string& section, const std::string& key, int defaultValue) const;
    void Write(const std::string& section, const std::string& key, const std::string& value);
    void DeleteKey(const std::string& section, const std::string& key);
    void DeleteSection(const std::string& section);

    // Section and key names as written in the file, to steer the fuzzer's picks.
    std::vector<std::string> Names() const;

private:
    struct Line {
        std::string text;
        std::string end; // terminator
    };
    enum class Kind { Blank, Comment, Header, Key };
    static Kind KindOf(const std::string& text, std::string& name, std::string& value, bool& hasValue);
    // Index of the first header matching section, or npos.
    std::size_t FindHeader(const std::string& section) const;
    // Index of the first key line matching key in the section at header, or npos.
    std::size_t FindKeyLine(std::size_t header, const std::string& key) const;
    std::size_t SectionEnd(std::size_t header) const;

    std::vector<Line> lines_;
};
