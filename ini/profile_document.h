#pragma once
// One INI file held in memory as its lines. Every line keeps its exact bytes
// and its own terminator, so a file written back differs from the one read
// only in the lines an edit touched.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

enum class ProfileLineKind { Blank, Comment, Header, KeyValue, KeyOnly };

struct ProfileLine {
    std::string text;       // the line's bytes without its terminator
    std::string terminator; // "\r\n", "\n", "\r", or "" for a last line without one
    ProfileLineKind kind = ProfileLineKind::Blank;
    std::string name;           // trimmed section or key name as spelled in the file
    std::size_t valueBegin = 0; // offset in text of the value, after '=' and leading blanks
    std::size_t valueEnd = 0;   // offset in text after the value's last non-blank byte
};

class ProfileDocument {
public:
    ProfileDocument();
    static ProfileDocument Parse(std::string_view bytes);
    std::string Serialize() const;

    // The trimmed value of the first matching key of the first matching
    // section; nothing when either is missing or the key line has no '='.
    std::optional<std::string_view> FindValue(std::string_view section, std::string_view key) const;

    // Names of the keys with a value in the first matching section, in file order.
    std::vector<std::string_view> KeyNames(std::string_view section) const;
    // Names of all sections with a header and a non-empty name, in file order.
    std::vector<std::string_view> SectionNames() const;

    // Each returns true when the document changed. Leading blanks of new
    // names and of the value are dropped; CR and LF become blanks.
    bool SetValue(std::string_view section, std::string_view key, std::string_view value);
    bool DeleteKey(std::string_view section, std::string_view key);
    bool DeleteSection(std::string_view section);

private:
    struct Section {
        bool hasHeader = false;                            // false only for the lines before the first header
        std::vector<ProfileLine> lines;                    // lines[0] is the header when hasHeader
        std::unordered_map<std::string, std::size_t> keys; // folded name -> first line index
    };

    void AddLine(ProfileLine line);
    void IndexKeys(Section& section);
    void IndexSections();
    const Section* FindSection(std::string_view section) const;
    Section* FindSection(std::string_view section);
    static std::size_t InsertPosition(const Section& section);
    void Reparse();

    std::vector<Section> sections_;                             // sections_[0] holds the lines before the first header
    std::unordered_map<std::string, std::size_t> sectionIndex_; // folded name -> first section
};
