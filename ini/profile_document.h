#pragma once
// One INI file held in memory as its lines. Every line keeps its exact bytes
// and its own terminator, so a file written back differs from the one read
// only in the lines an edit touched.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class ProfileLineKind { Blank, Comment, Header, KeyValue, KeyOnly };

// One line: its bytes and its terminator in one string (one allocation at
// most), and where its parts lie in them.
struct ProfileLine {
    std::string bytes;      // the line, then "\r\n", "\n", "\r", or nothing for a last line without one
    std::size_t length = 0; // bytes of the line without its terminator
    ProfileLineKind kind = ProfileLineKind::Blank;
    std::size_t nameBegin = 0, nameEnd = 0;   // trimmed section or key name as spelled in the file
    std::uint32_t nameHash = 0;               // ProfileNameHash of the name (finds sections)
    std::size_t valueBegin = 0, valueEnd = 0; // the value, after '=' and leading blanks, without trailing ones

    std::string_view text() const { return std::string_view(bytes).substr(0, length); }
    std::string_view terminator() const { return std::string_view(bytes).substr(length); }
    std::string_view name() const { return std::string_view(bytes).substr(nameBegin, nameEnd - nameBegin); }
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
        bool hasHeader = false;         // false only for the lines before the first header
        std::vector<ProfileLine> lines; // lines[0] is the header when hasHeader
        // Index of the first key line (with or without '=') named key, or
        // lines.size(). A scan: sections hold a handful of keys, mostly of
        // different lengths.
        std::size_t FindKey(std::string_view key) const;
    };

    // The index of the first section named section, or 0 (sections_[0] has no name).
    std::size_t FindSectionIndex(std::string_view section) const;
    void IndexSections();
    void IndexSection(std::size_t index);
    const Section* FindSection(std::string_view section) const;
    Section* FindSection(std::string_view section);
    static std::size_t InsertPosition(const Section& section);
    void Reparse();

    std::vector<Section> sections_; // sections_[0] holds the lines before the first header
    // Open addressing over the headers' name hashes, at most half full: each
    // slot holds the index of the first section of a name, or 0.
    std::vector<std::size_t> sectionSlots_;
    // The last two sections found, by the names as the caller spelled them:
    // a reader asks for one entry's keys in a row, with the plan's header
    // keys in between. Cleared whenever sections move.
    struct FoundSection {
        char name[16]; // names that do not fit are not remembered
        std::size_t length = 0;
        std::size_t index = 0; // 0: an empty slot
    };
    mutable FoundSection found_[2];
    mutable std::size_t nextFound_ = 0;
};
